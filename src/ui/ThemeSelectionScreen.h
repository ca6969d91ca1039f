#pragma once

#include "Screen.h"

#include <QCoreApplication>

#include <array>

class QLineEdit;
class QListWidget;

namespace zindo {

class TGame;
class TPictureBox;
class TQzGraphicButton;

/// The theme selection: the player types a name for the high-score list,
/// picks one of the installed themes, sees the first picture of each of its
/// ten levels and starts a new game with "Go", or goes back to the main
/// screen. A game needs a name; the name a game was started with is kept for
/// the next run.
class TThemeSelectionScreen : public TScreen {
    Q_DECLARE_TR_FUNCTIONS(ThemeSelectionScreen)

public:
    /// "Go" starts a new game of ASession.
    TThemeSelectionScreen(TScreenHost& AHost, QStackedWidget& Pages, TGame& ASession);

    /// "Start Game": fills the theme list, offers the last player's name
    /// (kept in the settings) when no name is typed yet, silences the music
    /// and shows the screen.
    void Open() override;
    /// The name line, so the player can type at once.
    QWidget* FirstControl() override;
    /// Silences the music and shows the previews of the selected theme.
    void Enter() override;
    /// Lets go of the previews: ten whole pictures would otherwise stay in
    /// memory through the game. Enter reads them again.
    void Leave() override;

    /// Lists the installed themes and selects the first.
    void FillThemeList();
    /// Shows the first picture of each level of Theme; empty where it has none.
    void ShowThemePreviews(const QString& Theme);

private:
    void ThemeListClick();
    void GoButtonClick();

    TGame& Session;                            ///< the game session
    QLineEdit* PlayerNameEdit = nullptr;       ///< name for the high-score list
    QListWidget* ThemeList = nullptr;          ///< the installed themes
    std::array<TPictureBox*, 10> Previews{};   ///< level 1 to 10 of the selected theme
    TQzGraphicButton* GoButton = nullptr;      ///< "Go": starts the new game
    TQzGraphicButton* BackButton = nullptr;    ///< back to the main screen, no game started
};

} // namespace zindo
