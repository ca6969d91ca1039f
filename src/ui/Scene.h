#pragma once

#include <QWidget>

class QStackedWidget;

namespace zindo {

class TMessagePanel;

/// Everything the player sees, top to bottom: a black bar, the page stack
/// with one page per screen, the message panel and another black bar. It
/// keeps its design size, 1011 x 694 in a window and 1024 x 768 full screen
/// (see Screen.h), and the view that shows it scales it to the window.
///
/// A window of its own in Qt's sense, so that the view can embed it; it
/// belongs to the main window all the same, and takes the main window's
/// font and colours.
class TScene : public QWidget {
public:
    explicit TScene(QWidget* Parent);

    /// The page stack; each screen adds itself as a page.
    QStackedWidget& Pages() const { return *PageStack; }
    /// The message panel along the bottom.
    TMessagePanel& Messages() const { return *MessagePanel; }
    /// The design of a window (1011 x 694, 1-pixel bars) or of full
    /// screen (1024 x 768, 15-pixel bars).
    void SetFullScreenDesign(bool FullScreen);

private:
    /// Height of both black bars: 1 pixel in a window, 15 full screen.
    void SetBarHeight(int Height);

    QWidget* CinemaScopePanelTop = nullptr;    ///< the black bar at the top
    QStackedWidget* PageStack = nullptr;       ///< one page per screen
    TMessagePanel* MessagePanel = nullptr;     ///< messages and hints
    QWidget* CinemaScopePanelBottom = nullptr; ///< the black bar at the bottom
};

} // namespace zindo
