#include "PictureBox.h"

#include "PlayCursors.h"
#include "controls/FocusKeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace zindo {

TPictureBox::TPictureBox(QWidget* Parent, bool AProportional) : QWidget(Parent), Proportional(AProportional) {}

void TPictureBox::SetPicture(const QImage& APicture, TPictureComposer Compose)
{
    ShownPicture = APicture;
    Composer = std::move(Compose);
    if (ShownPicture.isNull())
        Shown.Clear();
    update();
}

QSize TPictureBox::DrawnSize() const
{
    QSize size = ShownPicture.size();
    if (Proportional)
        size.scale(this->size(), Qt::KeepAspectRatio);
    return size;
}

void TPictureBox::paintEvent(QPaintEvent* Event)
{
    QPainter painter(this);
    if (!ShownPicture.isNull()) {
        const QSize size = DrawnSize();
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        Shown.Draw(painter, target, ShownPicture, Event->region(), Composer);
    }
    if (hasFocus())
        PaintPlayCursor(painter, rect(), true);
}

void TPictureBox::keyPressEvent(QKeyEvent* Event)
{
    if (OnClick && IsPressKey(*Event)) {
        OnClick();
        return;
    }
    QWidget::keyPressEvent(Event);
}

void TPictureBox::mousePressEvent(QMouseEvent* Event)
{
    Pressed = Event->button() == Qt::LeftButton;
}

void TPictureBox::mouseReleaseEvent(QMouseEvent* Event)
{
    const bool click = Pressed && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint());
    Pressed = false;
    if (click && OnClick)
        OnClick();
}

} // namespace zindo
