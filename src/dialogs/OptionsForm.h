#pragma once

#include "dialogs/AbstractQzDialogForm.h"

#include <optional>

class QGroupBox;
class QRadioButton;

namespace zindo {

/// The three settings the Options dialog offers.
struct TOptionsChoice
{
    bool BackgroundMusic = true; ///< background music on
    bool SoundEffects = true;    ///< sound effects on
    bool FullScreen = true;      ///< play on the full screen; false: in a window

    bool operator==(const TOptionsChoice&) const = default;
};

/// The Options dialog: background music, sound effects and full screen or
/// window, each as a group of two radio buttons ("On"/"Off", "Full Screen"/
/// "Window"), with "OK" and "Cancel" at the top right. Object names, for
/// tests: the groups "BkSoundGroupBox", "SoundEffectsGroupBox",
/// "DisplayGroupBox"; their buttons "BkSoundOnRadioButton",
/// "BkSoundOffRadioButton", "SoundEffectsOnRadioButton",
/// "SoundEffectsOffRadioButton", "OptionsDisplayFullScreen",
/// "OptionsDisplayWindow".
class TOptionsForm : public TAbstractQzDialogForm
{
    Q_OBJECT

public:
    explicit TOptionsForm(QWidget* Parent = nullptr);

    /** Shows the dialog modally with Current checked and returns the
        settings checked when the player pressed OK (also when unchanged);
        nullopt when the player cancelled (Cancel, Esc or the frame). */
    std::optional<TOptionsChoice> Ask(const TOptionsChoice& Current);

private:
    /** Checks the radio buttons that stand for Choice. */
    void CheckChoice(const TOptionsChoice& Choice);
    /** The settings the checked radio buttons stand for. */
    TOptionsChoice CheckedChoice() const;

    QGroupBox* MusicGroupBox;                 ///< "Background Sound"
    QRadioButton* MusicOnRadioButton;         ///< "On"
    QRadioButton* MusicOffRadioButton;        ///< "Off"
    QGroupBox* SoundEffectsGroupBox;          ///< "Sound Effects"
    QRadioButton* SoundEffectsOnRadioButton;  ///< "On"
    QRadioButton* SoundEffectsOffRadioButton; ///< "Off"
    QGroupBox* DisplayGroupBox;               ///< "Display"
    QRadioButton* FullScreenRadioButton;      ///< "Full Screen"
    QRadioButton* WindowRadioButton;          ///< "Window"
};

} // namespace zindo
