#include "PuzzleMakerScreen.h"

#include "ErrorBox.h"
#include "PictureBox.h"
#include "SceneView.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "controls/SimpleComboBox.h"
#include "data/QzError.h"
#include "game/ThemeFiles.h"
#include "game/ThemeMaker.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>

namespace zindo {

namespace {

/// The name typed: an empty line is asked for first, then the theme
/// library's rules hold.
void CheckThemeName(const QString& Theme)
{
    if (Theme.trimmed().isEmpty())
        throw EQzError(
            QCoreApplication::translate("PuzzleMakerScreen", "Please select or enter the name of a theme first."));
    TThemeFiles::CheckThemeName(Theme);
}

} // namespace

TPuzzleMakerScreen::TPuzzleMakerScreen(TScreenHost& AHost, QStackedWidget& Pages)
    : TScreen(AHost, scPuzzleMaker, Pages, QStringLiteral("PuzzleMakerScreen"))
{
    NewLabel(this, QStringLiteral("PuzzleMakerThemeCaption"), tr("Theme"), 10, 6);
    ThemeComboBox = new TSimpleComboBox(this);
    ThemeComboBox->setObjectName(QStringLiteral("ThemeComboBox"));
    ThemeComboBox->setGeometry(8, 28, 187, 455);
    ThemeComboBox->setToolTip(tr("Select or enter a name of the theme and press \"Edit\""));
    ThemeComboBox->OnSelect = [this] { RunGuarded([this] { ThemeComboBoxSelect(); }); };
    ThemeComboBox->OnAccept = [this] { RunGuarded([this] { EditThemeButtonClick(); }); };

    EditThemeButton = NewButton(this, QStringLiteral("EditThemeButton"), tr("Edit"), QRect(200, 28, 95, 25),
                                tr("Edit the pictures of the theme"));
    OnClicked(EditThemeButton, [this] { EditThemeButtonClick(); });

    NewLabel(this, QStringLiteral("PuzzleMakerHint"), tr("Click on the element in order to change the picture"),
             236, 130);
    const int lefts[] = {236, 342, 448, 554, 660};
    for (int level = 1; level <= 10; ++level) {
        auto* slot = new TPictureBox(this);
        slot->setObjectName(QStringLiteral("LevelSlot%1").arg(level, 2, 10, QLatin1Char('0')));
        slot->setGeometry(lefts[(level - 1) % 5], level <= 5 ? 156 : 264, 100, 100);
        slot->setCursor(Qt::PointingHandCursor);
        slot->setFocusPolicy(Qt::TabFocus);
        slot->OnClick = [this, level] { RunGuarded([this, level] { LevelSlotClick(level); }); };
        LevelSlots[static_cast<std::size_t>(level - 1)] = slot;
    }

    BackButton = NewButton(this, QStringLiteral("PuzzleMakerBackButton"), tr("Back to Main Screen"),
                           QRect(8, 502, 185, 25), tr("Back to the main screen (Esc)"));
    OnClicked(BackButton, [this] { Host.ShowScreen(scMain); });

    ChoosePictureFile = [this] {
        // The platform's dialog opens beside the scene, as a window of its own.
        return QFileDialog::getOpenFileName(
            TSceneView::HostWindow(*this), QString(), QString(),
            tr("Pictures (%1)").arg(TThemeMaker::PhotoFilePatterns().join(QLatin1Char(' '))));
    };
}

QWidget* TPuzzleMakerScreen::FirstControl()
{
    return ThemeComboBox->Edit;
}

void TPuzzleMakerScreen::Enter()
{
    Host.ForbidMusic();
    RefreshPuzzleMaker();
}

QString TPuzzleMakerScreen::PuzzleMakerThemeName() const
{
    return ThemeComboBox->Text();
}

const QImage& TPuzzleMakerScreen::SlotPicture(int Level) const
{
    return LevelSlots.at(static_cast<std::size_t>(Level - 1))->Picture();
}

void TPuzzleMakerScreen::RefreshPuzzleMaker()
{
    const QString remembered = PuzzleMakerThemeName();
    ThemeComboBox->SetItems(TThemeFiles().ThemeNames());
    ThemeComboBox->SelectText(remembered);
    if (!PuzzleMakerThemeName().isEmpty())
        LoadPuzzleMakerSlots(PuzzleMakerThemeName());
}

void TPuzzleMakerScreen::LoadPuzzleMakerSlots(const QString& Theme)
{
    CheckThemeName(Theme);
    const TThemeFiles themes;
    themes.OpenForEditing(Theme);
    for (int level = 1; level <= TThemeFiles::LevelCount; ++level)
        LevelSlots[static_cast<std::size_t>(level - 1)]->SetPicture(themes.LevelPreview(Theme, level));
}

void TPuzzleMakerScreen::EditThemeButtonClick()
{
    LoadPuzzleMakerSlots(PuzzleMakerThemeName());
    RefreshPuzzleMaker();
}

void TPuzzleMakerScreen::ThemeComboBoxSelect()
{
    if (!PuzzleMakerThemeName().isEmpty())
        LoadPuzzleMakerSlots(PuzzleMakerThemeName());
}

void TPuzzleMakerScreen::LevelSlotClick(int Level)
{
    // An empty line would name no theme at all: say so before asking for a picture.
    CheckThemeName(PuzzleMakerThemeName());
    const QString chosen = ChoosePictureFile ? ChoosePictureFile() : QString();
    if (chosen.isEmpty())
        return;
    TThemeFiles().ReplaceLevelPicture(PuzzleMakerThemeName(), Level, chosen);
    LoadPuzzleMakerSlots(PuzzleMakerThemeName());
}

} // namespace zindo
