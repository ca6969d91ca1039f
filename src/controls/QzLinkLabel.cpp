#include "controls/QzLinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace zindo {

TQzLinkLabel::TQzLinkLabel(QWidget* Parent)
    : QLabel(Parent)
{
    setTextFormat(Qt::RichText);
    // The whole label is the link; QLabel's own anchor handling stays off.
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

TQzLinkLabel::TQzLinkLabel(const QString& Text, QWidget* Parent)
    : TQzLinkLabel(Parent)
{
    setText(Text);
}

void TQzLinkLabel::SetURL(const QString& Value)
{
    Address = Value;
    if (Address.isEmpty())
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);
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
    if (!click)
        return;
    // The handler may close the screen that holds this label: keep the address.
    const QString url = Address;
    if (OnClick)
        OnClick();
    if (!url.isEmpty())
        QDesktopServices::openUrl(QUrl(url));
}

} // namespace zindo
