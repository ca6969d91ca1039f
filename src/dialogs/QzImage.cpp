#include "dialogs/QzImage.h"

#include <QMouseEvent>
#include <QPixmap>

namespace zindo {

TQzImage::TQzImage(QWidget* Parent)
    : QLabel(Parent)
{
    setScaledContents(true);
    setContentsMargins(0, 0, 0, 0);
}

bool TQzImage::LoadPicture(const QString& Path)
{
    const QPixmap picture(Path);
    if (picture.isNull()) {
        clear();
        return false;
    }
    setPixmap(picture);
    return true;
}

void TQzImage::mousePressEvent(QMouseEvent* Event)
{
    Pressed = Event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(Event);
}

void TQzImage::mouseReleaseEvent(QMouseEvent* Event)
{
    QLabel::mouseReleaseEvent(Event);
    const bool click = Pressed && Event->button() == Qt::LeftButton
                       && rect().contains(Event->position().toPoint());
    Pressed = false;
    if (click && OnClick)
        OnClick();
}

} // namespace zindo
