#pragma once

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
    QPixmap Tile; ///< the picture repeated over the page
};

} // namespace zindo
