#include "PictureBox.h"

#include <QPainter>

namespace zindo {

TPictureBox::TPictureBox(QWidget* Parent, bool AProportional) : QWidget(Parent), Proportional(AProportional) {}

void TPictureBox::SetPicture(const QImage& APicture)
{
    FPicture = APicture;
    update();
}

void TPictureBox::paintEvent(QPaintEvent*)
{
    if (FPicture.isNull())
        return;
    QPainter painter(this);
    QSize size = FPicture.size();
    if (Proportional)
        size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, FPicture);
}

} // namespace zindo
