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
    if (Tile.isNull()) {
        painter.fillRect(Event->rect(), QColor(50, 50, 50));
        return;
    }
    // Tiled once at the design size and kept at the screen's resolution:
    // what shows between the controls is then a copy of those parts alone.
    if (Tiled.size() != size()) {
        Tiled = QImage(size(), QImage::Format_RGB32);
        QPainter tiler(&Tiled);
        tiler.drawTiledPixmap(Tiled.rect(), Tile);
    }
    Shown.Draw(painter, rect(), Tiled, Event->region());
}

bool TWallpaper::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == parent() && Event->type() == QEvent::Resize)
        setGeometry(static_cast<QWidget*>(Watched)->rect());
    return QWidget::eventFilter(Watched, Event);
}

} // namespace zindo
