#pragma once

#include "dialogs/AbstractQzDialogForm.h"

#include <QString>

#include <optional>
#include <vector>

class QGroupBox;
class QRadioButton;

namespace zindo {

/// The settings the Options dialog offers.
struct TOptionsChoice
{
    bool BackgroundMusic = true; ///< background music on
    bool SoundEffects = true;    ///< sound effects on
    bool FullScreen = true;      ///< play on the full screen; false: in a window
    QString Language{};          ///< "en", "de" or "fr"; empty: the desktop's language

    bool operator==(const TOptionsChoice&) const = default;
};

/// The Options dialog: background music, sound effects and full screen or
/// window, each as a group of two radio buttons ("On"/"Off", "Full Screen"/
/// "Window"), with "OK" and "Cancel" at the top right, and below them the
/// language the game speaks: the desktop's, English, Deutsch or Français,
/// each named in its own language. Object names, for tests: the groups
/// "BkSoundGroupBox", "SoundEffectsGroupBox", "DisplayGroupBox",
/// "LanguageGroupBox"; their buttons "BkSoundOnRadioButton",
/// "BkSoundOffRadioButton", "SoundEffectsOnRadioButton",
/// "SoundEffectsOffRadioButton", "OptionsDisplayFullScreen",
/// "OptionsDisplayWindow", "LanguageDesktopRadioButton",
/// "LanguageEnglishRadioButton", "LanguageGermanRadioButton",
/// "LanguageFrenchRadioButton".
class TOptionsForm : public TAbstractQzDialogForm
{
    Q_OBJECT

public:
    explicit TOptionsForm(QWidget* Parent = nullptr);

    /** Shows the dialog modally with Current checked and returns the
        settings checked when the player pressed OK (also when unchanged);
        nullopt when the player cancelled (Cancel, Esc or the frame). A
        Current language the dialog does not offer is shown as English, which
        the game speaks for it, and answered as it was given unless the
        player chose another. */
    std::optional<TOptionsChoice> Ask(const TOptionsChoice& Current);

private:
    /** Checks the radio buttons that stand for Choice. */
    void CheckChoice(const TOptionsChoice& Choice);
    /** The settings the checked radio buttons stand for. */
    TOptionsChoice CheckedChoice() const;

    /// A language choice: its code ("" = the desktop's) and its button.
    struct TLanguageButton {
        QString Code;
        QRadioButton* Button;
    };

    QGroupBox* MusicGroupBox;                 ///< "Background Music"
    QRadioButton* MusicOnRadioButton;         ///< "On"
    QRadioButton* MusicOffRadioButton;        ///< "Off"
    QGroupBox* SoundEffectsGroupBox;          ///< "Sound Effects"
    QRadioButton* SoundEffectsOnRadioButton;  ///< "On"
    QRadioButton* SoundEffectsOffRadioButton; ///< "Off"
    QGroupBox* DisplayGroupBox;               ///< "Display"
    QRadioButton* FullScreenRadioButton;      ///< "Full Screen"
    QRadioButton* WindowRadioButton;          ///< "Window"
    QGroupBox* LanguageGroupBox;              ///< "Language"
    std::vector<TLanguageButton> LanguageButtons; ///< the desktop's, English, Deutsch, Français
    TLanguageButton GivenLanguage{};          ///< the language given to Ask and the button that shows it
};

} // namespace zindo
