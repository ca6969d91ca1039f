#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

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
/// stands out from the black paused board, with five own buttons, one per
/// TActionChoice: "SaveAndExitButton" (with the hint "Click to save the
/// game"), "ExitButton", "ContinueButton", "ToggleBackgroundMusicButton" and
/// "ToggleSoundEffectsButton". A button closes the menu with its choice; Esc
/// or closing it otherwise chooses nothing. "Continue" has the focus when
/// the menu opens; the arrow keys move it up and down the buttons.
class TActionForm : public QDialog
{
    Q_OBJECT

public:
    explicit TActionForm(QWidget* Parent = nullptr);

    /** Shows the menu modally, its two toggle buttons captioned for the
        sound switches as they are (MusicOn, EffectsOn), and returns the entry
        chosen; nullopt when the menu was closed without one. With CentreOver
        the menu is centred over that widget (on the playing screen the board,
        whose "PAUSED" the menu then covers whatever the board's shape), kept
        within its screen; without it, over its owner. */
    std::optional<TActionChoice> Ask(bool MusicOn, bool EffectsOn, const QWidget* CentreOver);

protected:
    void paintEvent(class QPaintEvent* Event) override;
    /** Tab goes round the form's controls. */
    bool focusNextPrevChild(bool Next) override;

private:
    /** "Turn Background Music Off" when On, "Turn Background Music On" when off. */
    void ShowMusicState(bool On);
    /** "Turn Sound Effects Off" when On, "Turn Sound Effects On" when off. */
    void ShowEffectsState(bool On);
    /** Places the menu centred over Area, kept within Area's screen. */
    void MoveOver(const QWidget& Area);
    /** Closes the menu with AChoice. */
    void Choose(TActionChoice AChoice);

    TQzTransparentButton* SaveAndExitButton;            ///< "Save and Exit"
    TQzTransparentButton* ExitButton;                   ///< "Exit"
    TQzTransparentButton* ContinueButton;               ///< "Continue"
    TQzTransparentButton* ToggleBackgroundMusicButton;  ///< music on/off
    TQzTransparentButton* ToggleSoundEffectsButton;     ///< effects on/off
    std::optional<TActionChoice> Choice;                ///< the entry chosen while shown
};

} // namespace zindo
