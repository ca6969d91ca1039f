#pragma once

#include <QDialog>

#include <cstdint>

namespace zindo {

class TQzTransparentButton;

/// The in-game menu's answer.
enum TActionChoice : std::uint8_t {
    acSaveAndExit = 0, ///< leave the level through the Save dialog
    acExit,            ///< leave the level
    acContinue,        ///< go on playing
    acToggleMusic,     ///< flip the background music
    acToggleEffects    ///< flip the sound effects
};

/// The in-game menu (Esc or the Menu button on the playing screen): a black
/// form without a window frame, edged by a 2-pixel orange line so that it
/// stands out from the black paused board, with five own buttons. A button
/// sets Choice and closes the menu with Accepted; Esc or closing it otherwise answers Rejected, and Choice
/// is then not to be read. The caller sets the two toggle captions with
/// ShowMusicState and ShowEffectsState before showing it.
class TActionForm : public QDialog
{
    Q_OBJECT

public:
    explicit TActionForm(QWidget* Parent = nullptr);

    /** "Turn off Background Music" when On, "Turn Background Music On" when off. */
    void ShowMusicState(bool On);
    /** "Turn Sound Effects Off" when On, "Turn Sound Effects On" when off. */
    void ShowEffectsState(bool On);
    /** Places the menu centred over Area (on the playing screen, the board,
        whose "PAUSED" the menu then covers whatever the board's shape), kept
        within Area's screen. Without it the menu is centred on its owner. */
    void CentreOver(const QWidget& Area);

    void SaveButtonClick();
    void ExitButtonClick();
    void ContinueButtonClick();
    void ToggleBackgroundMusicButtonClick();
    void ToggleSoundEffectsButtonClick();

    TActionChoice Choice = acContinue;                  ///< the entry chosen (valid after Accepted)

    TQzTransparentButton* SaveButton;                   ///< "Save and Exit"
    TQzTransparentButton* ExitButton;                   ///< "Exit"
    TQzTransparentButton* ContinueButton;               ///< "Continue"
    TQzTransparentButton* ToggleBackgroundMusicButton;  ///< music on/off
    TQzTransparentButton* ToggleSoundEffectsButton;     ///< effects on/off

protected:
    void paintEvent(class QPaintEvent* Event) override;

private:
    void Choose(TActionChoice AChoice);
};

} // namespace zindo
