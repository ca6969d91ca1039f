#pragma once

#include "Screen.h"

class QListWidget;

namespace zindo {

class TQzGraphicButton;

/// The load screen: the saved games by name, the last one saved in this run
/// selected; "OK" continues the selected game on the playing screen.
class TLoadScreen : public TScreen {
public:
    TLoadScreen(TScreenHost& AHost, QStackedWidget& Pages);

    /// The list of saved games.
    QWidget* FirstControl() override;
    /// Silences the music and lists the saved games afresh.
    void Enter() override;

private:
    void FillSavedGamesList();
    void LoadOKButtonClick();

    QListWidget* SavedGamesList = nullptr;        ///< saved games, by name
    TQzGraphicButton* LoadOKButton = nullptr;     ///< "OK": continue the selected game
    TQzGraphicButton* LoadCancelButton = nullptr; ///< "Cancel": back to the main screen
};

} // namespace zindo
