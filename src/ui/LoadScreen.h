#pragma once

#include "Screen.h"

#include <QCoreApplication>

#include <cstdint>

class QTreeWidget;

namespace zindo {

class TGame;
class TQzGraphicButton;

/// The load screen: under its heading, the saved games, each with its theme,
/// the level it continues at, its score and when it was saved, ordered by
/// name (the newest first among names that differ only in case); the last
/// one saved in this run is selected. "OK" continues the selected game on the
/// playing screen; "Delete" (or the Delete key on the list) deletes it after
/// a question.
class TLoadScreen : public TScreen {
    Q_DECLARE_TR_FUNCTIONS(LoadScreen)

public:
    /// The saved games are ASession's, and loading one continues it.
    TLoadScreen(TScreenHost& AHost, QStackedWidget& Pages, TGame& ASession);

    /// The list of saved games.
    QWidget* FirstControl() override;
    /// Silences the music and lists the saved games afresh.
    void Enter() override;

    /// The columns of the list, left to right.
    enum TColumn : std::uint8_t { clName = 0, clTheme, clLevel, clScore, clSaved, ColumnCount };

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void FillSavedGamesList();
    void LoadOKButtonClick();
    /// Deletes the selected saved game once the player says so, and lists
    /// the games again with the next one selected.
    void DeleteSelectedGame();

    TGame& Session;                               ///< the game session
    QTreeWidget* SavedGamesList = nullptr;        ///< saved games with their details; loaded by name
    TQzGraphicButton* LoadOKButton = nullptr;     ///< "OK": continue the selected game
    TQzGraphicButton* LoadCancelButton = nullptr; ///< "Cancel": back to the main screen
    TQzGraphicButton* LoadDeleteButton = nullptr; ///< "Delete": delete the selected game
};

} // namespace zindo
