#pragma once

#include "ScreenHost.h"

#include "controls/FocusKeys.h"

#include <QStackedWidget>
#include <QWidget>

namespace zindo {

/// The design size of everything the player sees in a window: the two black
/// bars, the page stack and the message panel. Screens are laid out in these
/// units; the view scales the whole to the window or screen.
inline constexpr int SceneDesignWidth = 1011;
inline constexpr int SceneDesignHeight = 694;
/// A page's height at that size: the scene less two 1-pixel bars and the
/// 39-pixel message panel.
inline constexpr int PageDesignHeight = SceneDesignHeight - 41;
/// The design size of the scene full screen, with 15-pixel bars.
inline constexpr int FullScreenDesignWidth = 1024;
inline constexpr int FullScreenDesignHeight = 768;

/// One screen of the main window: a page of its page stack. The screen owns
/// its controls and reaches the window, the other screens and the game
/// session only through its TScreenHost.
///
/// Every screen can be used from the keyboard: Tab, Shift+Tab and the arrow
/// keys move the focus over its controls (MoveFocusWithArrows), Enter or
/// Space presses a button, and Escape goes back (GoBack).
class TScreen : public QWidget {
public:
    /// Adds the new screen as the last page of Pages, at the design size of a
    /// page, before the derived screen builds its controls on it.
    TScreen(TScreenHost& AHost, TScreenId AId, QStackedWidget& Pages, const QString& Name)
        : Host(AHost), ScreenId(AId)
    {
        setObjectName(Name);
        Pages.addWidget(this);
        resize(SceneDesignWidth, PageDesignHeight);
        MoveFocusWithArrows(*this);
    }

    TScreenId Id() const { return ScreenId; }

    /// The way into this screen from a menu; by default the page switch alone.
    virtual void Open() { Host.ShowScreen(ScreenId); }
    /// The control that has the input focus when the screen is shown: by
    /// default the first its Tab reaches, else the screen itself.
    virtual QWidget* FirstControl()
    {
        QWidget* first = FirstTabStop(*this);
        return first ? first : this;
    }
    /// Escape (B on a gamepad) while no dialog is open: what the screen's
    /// way back does. By default the main screen, which itself stays.
    virtual void GoBack()
    {
        if (ScreenId != scMain)
            Host.ShowScreen(scMain);
    }
    /// The entry actions of every page switch to this screen; they run after
    /// it is shown and focused.
    virtual void Enter() {}
    /// The exit actions of a page switch from this screen to another; they
    /// run before the other is shown. A screen lets go here of what only it
    /// shows and Enter makes again.
    virtual void Leave() {}

protected:
    /// Tab and Shift+Tab go round the screen's own controls.
    bool focusNextPrevChild(bool Next) override { return MoveFocusWithin(*this, Next) || QWidget::focusNextPrevChild(Next); }

    TScreenHost& Host; ///< the window holding the screen

private:
    TScreenId ScreenId; ///< which screen this is
};

} // namespace zindo
