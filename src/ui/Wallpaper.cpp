#include "Wallpaper.h"

#include "DevicePicture.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace zindo {

const QImage& TWallpaperPicture::TileAt(double Scale)
{
    if (Scale == TileScale)
        return ScaledTile;
    // Scaled with a margin of its own repeats around it, so that its edges
    // blend into the next tile as they do on the page, then cut out.
    constexpr int margin = 8;
    const QSize size = Tile.size();
    QImage padded(size + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    {
        QPainter tiler(&padded);
        tiler.drawTiledPixmap(padded.rect(), Tile, QPoint(size.width() - margin, size.height() - margin));
    }
    const QSize scaled(static_cast<int>(std::lround(size.width() * Scale)),
                       static_cast<int>(std::lround(size.height() * Scale)));
    const QPoint scaledMargin(static_cast<int>(std::lround(margin * Scale)),
                              static_cast<int>(std::lround(margin * Scale)));
    const QImage tile = Scale == 1 ? padded : padded.scaled(scaled + QSize(2 * scaledMargin.x(), 2 * scaledMargin.y()),
                                                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ScaledTile = tile.copy(QRect(scaledMargin, scaled)).convertToFormat(QImage::Format_RGB888);
    TileScale = Scale;
    return ScaledTile;
}

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
    const double scale = DeviceScale(painter);
    if (scale <= 0) {
        painter.drawTiledPixmap(rect(), Picture->Tile);
        return;
    }
    // The tile at the screen's resolution, repeated from the page's corner
    // over the parts to paint, in device pixels.
    QBrush tile(Picture->TileAt(scale));
    const QTransform device = painter.deviceTransform();
    tile.setTransform(QTransform::fromTranslate(DeviceRect(device, rect()).left(), DeviceRect(device, rect()).top()));
    painter.setWorldTransform(device.inverted() * painter.worldTransform());
    QRegion parts;
    for (const QRect& part : Event->region())
        parts += device.mapRect(QRectF(part)).toAlignedRect();
    for (const QRect& part : parts)
        painter.fillRect(part, tile);
}

bool TWallpaper::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == parent() && Event->type() == QEvent::Resize)
        setGeometry(static_cast<QWidget*>(Watched)->rect());
    return QWidget::eventFilter(Watched, Event);
}

} // namespace zindo
