#include "Wallpaper.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace zindo {

TWallpaper::TWallpaper(QWidget* Page, const QPixmap& ATile) : QWidget(Page), Tile(ATile)
{
    setObjectName(QStringLiteral("Wallpaper"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(Page->rect());
    lower();
    Page->installEventFilter(this);
}

void TWallpaper::paintEvent(QPaintEvent* Event)
{
    QPainter painter(this);
    if (Tile.isNull())
        painter.fillRect(Event->rect(), QColor(50, 50, 50));
    else
        painter.drawTiledPixmap(rect(), Tile);
}

bool TWallpaper::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == parent() && Event->type() == QEvent::Resize)
        setGeometry(static_cast<QWidget*>(Watched)->rect());
    return QWidget::eventFilter(Watched, Event);
}

} // namespace zindo
