#pragma once

#include "dialogs/AbstractQzDialogForm.h"

class QGroupBox;
class QRadioButton;

namespace zindo {

/// The Options dialog: background music, sound effects and full screen or
/// window, each as a group of two radio buttons ("On"/"Off", "Full Screen"/
/// "Window"). The caller sets the three choices, shows the form and reads them
/// back when it answers Accepted.
class TOptionsForm : public TAbstractQzDialogForm
{
    Q_OBJECT

public:
    explicit TOptionsForm(QWidget* Parent = nullptr);

    /** Checks the first radio button of the group when On, else the second. */
    void SetBackgroundMusic(bool On);
    void SetSoundEffects(bool On);
    void SetFullScreen(bool On);

    /** Whether the first radio button of the group is checked. */
    bool GetBackgroundMusic() const;
    bool GetSoundEffects() const;
    bool GetFullScreen() const;

    QGroupBox* BkSoundGroupBox;                 ///< "Background Sound"
    QRadioButton* BkSoundOnRadioButton;         ///< "On"
    QRadioButton* BkSoundOffRadioButton;        ///< "Off"
    QGroupBox* SoundEffectsGroupBox;            ///< "Sound Effects"
    QRadioButton* SoundEffectsOnRadioButton;    ///< "On"
    QRadioButton* SoundEffectsOffRadioButton;   ///< "Off"
    QGroupBox* DisplayGroupBox;                 ///< "Display"
    QRadioButton* OptionsDisplayFullScreen;     ///< "Full Screen"
    QRadioButton* OptionsDisplayWindow;         ///< "Window"
};

} // namespace zindo
