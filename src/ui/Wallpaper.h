#pragma once

#include "DevicePicture.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace zindo {

/// The tiled background behind every screen. Fills its page and lies behind
/// every other control of it.
class TWallpaper : public QWidget {
public:
    TWallpaper(QWidget* Page, const QPixmap& Tile);

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QPixmap Tile;          ///< the picture repeated over the page
    QImage Tiled;          ///< the page covered with it, made when the size changes
    TDevicePicture Shown;  ///< the same at the screen's resolution
};

} // namespace zindo
