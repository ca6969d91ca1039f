#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <memory>

namespace zindo {

/// The picture behind every page: one tile, repeated over the page. It is
/// kept once more at the screen's resolution (one tile, not a page of them),
/// so that a scaled scene repeats a sharp tile of its own size; the window
/// owns it with its wallpapers, which all share it.
struct TWallpaperPicture {
    explicit TWallpaperPicture(const QPixmap& ATile) : Tile(ATile) {}

    /// The tile at Scale device pixels to a design pixel, made when the
    /// scale changes; it repeats without a seam.
    const QImage& TileAt(double Scale);

    QPixmap Tile;          ///< the picture repeated over the page
    QImage ScaledTile;     ///< the same at the screen's resolution, 24 bits
    double TileScale = 0;  ///< the scale ScaledTile was made for
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
