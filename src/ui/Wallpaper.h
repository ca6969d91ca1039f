#pragma once

#include "DevicePicture.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <memory>

namespace zindo {

/// The picture behind every page: one tile, repeated over a page's size
/// once and kept at the screen's resolution. The pages all have one size, so
/// one copy serves them all; the window owns it with its wallpapers.
struct TWallpaperPicture {
    explicit TWallpaperPicture(const QPixmap& ATile) : Tile(ATile) {}

    QPixmap Tile;          ///< the picture repeated over the page
    QImage Tiled;          ///< a page covered with it, made when the size changes
    TDevicePicture Shown;  ///< the same at the screen's resolution
};

/// The tiled background behind every screen. Fills its page and lies behind
/// every other control of it.
class TWallpaper : public QWidget {
public:
    TWallpaper(QWidget* Page, std::shared_ptr<TWallpaperPicture> APicture);

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    std::shared_ptr<TWallpaperPicture> Picture; ///< shared by the wallpapers of all pages
};

} // namespace zindo
