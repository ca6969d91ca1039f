#pragma once

#include <QWidget>

class QStackedWidget;

namespace zindo {

class TMessagePanel;

/// Everything the player sees, top to bottom: a black bar, the page stack
/// with one page per screen, the message panel and another black bar. Its
/// design size is 1011 x 694 in a window (see Screen.h); for now it fills
/// the window, full screen too.
class TScene : public QWidget {
public:
    explicit TScene(QWidget* Parent);

    /// The page stack; each screen adds itself as a page.
    QStackedWidget& Pages() const { return *PageStack; }
    /// The message panel along the bottom.
    TMessagePanel& Messages() const { return *MessagePanel; }
    /// Height of both black bars: 1 pixel in a window, 15 full screen.
    void SetBarHeight(int Height);

private:
    QWidget* CinemaScopePanelTop = nullptr;    ///< the black bar at the top
    QStackedWidget* PageStack = nullptr;       ///< one page per screen
    TMessagePanel* MessagePanel = nullptr;     ///< messages and hints
    QWidget* CinemaScopePanelBottom = nullptr; ///< the black bar at the bottom
};

} // namespace zindo
