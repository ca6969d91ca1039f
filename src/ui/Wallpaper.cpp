#include "Wallpaper.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace zindo {

TWallpaper::TWallpaper(QWidget* Page, std::shared_ptr<TWallpaperPicture> APicture)
    : QWidget(Page), Picture(std::move(APicture))
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
    if (Picture->Tile.isNull()) {
        painter.fillRect(Event->rect(), QColor(50, 50, 50));
        return;
    }
    // Tiled once at the design size and kept at the screen's resolution:
    // what shows between the controls is then a copy of those parts alone.
    QImage& tiled = Picture->Tiled;
    if (tiled.size() != size()) {
        tiled = QImage(size(), QImage::Format_RGB32);
        QPainter tiler(&tiled);
        tiler.drawTiledPixmap(tiled.rect(), Picture->Tile);
    }
    Picture->Shown.Draw(painter, rect(), tiled, Event->region());
}

bool TWallpaper::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == parent() && Event->type() == QEvent::Resize)
        setGeometry(static_cast<QWidget*>(Watched)->rect());
    return QWidget::eventFilter(Watched, Event);
}

} // namespace zindo
