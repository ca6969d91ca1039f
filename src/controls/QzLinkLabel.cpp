#include "controls/QzLinkLabel.h"

#include "controls/FocusKeys.h"
#include "controls/QzGraphicButton.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <algorithm>

namespace zindo {

TQzLinkLabel::TQzLinkLabel(QWidget* Parent)
    : QLabel(Parent)
{
    setTextFormat(Qt::RichText);
    // The whole label is the link; QLabel's own anchor handling stays off.
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::NoTextInteraction);
    // Room for the focus mark's frame beside the text.
    setContentsMargins(3, 0, 3, 0);
}

TQzLinkLabel::TQzLinkLabel(const QString& Text, QWidget* Parent)
    : TQzLinkLabel(Parent)
{
    setText(Text);
}

void TQzLinkLabel::SetURL(const QString& Value)
{
    Address = Value;
    // Only a label that leads somewhere is a stop of the keyboard's Tab.
    setFocusPolicy(Address.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    if (Address.isEmpty())
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);
}

void TQzLinkLabel::keyPressEvent(QKeyEvent* Event)
{
    if (IsPressKey(*Event)) {
        Follow();
        return;
    }
    QLabel::keyPressEvent(Event);
}

void TQzLinkLabel::paintEvent(QPaintEvent* Event)
{
    if (hasFocus()) {
        QPainter painter(this);
        const QRect mark(0, 0, std::min(width(), sizeHint().width() + 6), height());
        painter.fillRect(mark, QColor::fromRgb(TQzGraphicButton::FrameColor));
        painter.fillRect(mark.adjusted(2, 2, -2, -2), Qt::black);
    }
    QLabel::paintEvent(Event);
}

void TQzLinkLabel::mousePressEvent(QMouseEvent* Event)
{
    Pressed = Event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(Event);
}

void TQzLinkLabel::mouseReleaseEvent(QMouseEvent* Event)
{
    QLabel::mouseReleaseEvent(Event);
    const bool click = Pressed && Event->button() == Qt::LeftButton
                       && rect().contains(Event->position().toPoint());
    Pressed = false;
    if (click)
        Follow();
}

void TQzLinkLabel::Follow()
{
    // The handler may close the screen that holds this label: keep the address.
    const QString url = Address;
    if (OnClick)
        OnClick();
    if (!url.isEmpty())
        QDesktopServices::openUrl(QUrl(url));
}

} // namespace zindo
