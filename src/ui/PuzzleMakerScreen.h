#pragma once

#include "Screen.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <array>
#include <functional>

namespace zindo {

class TPictureBox;
class TQzGraphicButton;
class TSimpleComboBox;

/// The hidden puzzle maker (Ctrl+Shift+M once Ctrl+Shift+K has been pressed):
/// the player names a theme, new or installed, and gives each of its ten
/// levels a picture of their own by clicking the level's slot. Every change
/// is written to the theme's files at once. The maker writes only the
/// player's own themes (in the player's folder): opening a shipped theme here
/// makes the player's copy of it, which then wins over the shipped one; a
/// level the copy lacks gets the shipped picture of that level, or else the
/// placeholder picture, as soon as its theme is opened here. The files are
/// the theme library's business (game/ThemeFiles.h); the screen asks it and
/// shows what it answers.
class TPuzzleMakerScreen : public TScreen {
    Q_DECLARE_TR_FUNCTIONS(PuzzleMakerScreen)

public:
    TPuzzleMakerScreen(TScreenHost& AHost, QStackedWidget& Pages);

    /// The theme's edit line.
    QWidget* FirstControl() override;
    /// Silences the music and refreshes the theme list and slots.
    void Enter() override;

    /// The theme being edited: the text of the theme's edit line.
    QString PuzzleMakerThemeName() const;
    /// Lists the themes again, keeps the one being edited selected and shows its slots.
    void RefreshPuzzleMaker();
    /// Opens Theme for editing (its folder and missing level pictures are
    /// made) and shows its ten levels.
    void LoadPuzzleMakerSlots(const QString& Theme);
    /// An entry of the theme list was chosen: its levels are shown.
    void ThemeComboBoxSelect();
    /// The slot of Level was clicked: the chosen picture becomes the level's.
    void LevelSlotClick(int Level);
    /// The picture a level's slot shows.
    const QImage& SlotPicture(int Level) const;

    /// Replaces the open-file dialog that asks for a level's picture (it
    /// answers the chosen file, or an empty text when the player cancels).
    void SetPictureChooser(std::function<QString()> Chooser) { ChoosePictureFile = std::move(Chooser); }

private:
    void EditThemeButtonClick();

    TSimpleComboBox* ThemeComboBox = nullptr;      ///< the theme being edited, and the installed ones
    TQzGraphicButton* EditThemeButton = nullptr;   ///< "Edit": opens or creates the typed theme
    std::array<TPictureBox*, 10> LevelSlots{};     ///< the pictures of level 1 to 10
    TQzGraphicButton* BackButton = nullptr;        ///< "Back to Main Screen"
    std::function<QString()> ChoosePictureFile;    ///< the open-file dialog
};

} // namespace zindo
