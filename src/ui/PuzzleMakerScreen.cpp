#include "PuzzleMakerScreen.h"

#include "ErrorBox.h"
#include "PictureBox.h"
#include "SceneView.h"
#include "ScreenParts.h"
#include "ThemeFiles.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "controls/SimpleComboBox.h"
#include "data/AnsiText.h"
#include "data/DataContainer.h"
#include "data/GamePaths.h"
#include "data/Paths.h"
#include "data/QzBitmap.h"
#include "data/QzError.h"
#include "data/TempFiles.h"
#include "game/Game.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace zindo {

namespace {

constexpr int MakerMaxSide = 600;

/// A theme name must stay one folder below the theme folders.
void CheckThemeName(const QString& Theme)
{
    if (Theme.trimmed().isEmpty())
        throw EQzError(
            QCoreApplication::translate("PuzzleMakerScreen", "Please select or enter the name of a theme first."));
    if (!TGame::IsPlainName(Theme) || Theme.contains(QLatin1Char('\\')))
        throw EQzError(QCoreApplication::translate(
            "PuzzleMakerScreen", "A theme name may not start with \".\" nor contain \"/\" or \"\\\"."));
    // Saved games and high scores store the theme's name; it must read back the same.
    CheckAnsiText(Theme, QCoreApplication::translate("AnsiText", "theme name"));
}

} // namespace

QString ConvertPuzzleMakerPicture(const QString& FileName)
{
    QImage picture = LoadPictureFile(FileName);
    if (picture.width() > MakerMaxSide || picture.height() > MakerMaxSide) {
        const double ratio = double(picture.width()) / double(picture.height());
        QSize size;
        if (picture.width() > picture.height())
            size = QSize(MakerMaxSide, static_cast<int>(std::max(1.0, std::nearbyint(MakerMaxSide / ratio))));
        else
            size = QSize(static_cast<int>(std::max(1.0, std::nearbyint(MakerMaxSide * ratio))), MakerMaxSide);
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const QString result = NewTempFileName(QStringLiteral(".jpg"));
    QImageWriter writer(result, QByteArrayLiteral("jpeg"));
    writer.setQuality(50);
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB32)))
        throw EQzError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2")
                           .arg(result, writer.errorString()));
    return result;
}

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
        slot->OnClick = [this, level] { RunGuarded([this, level] { LevelSlotClick(level); }); };
        LevelSlots[static_cast<std::size_t>(level - 1)] = slot;
    }

    BackButton = NewButton(this, QStringLiteral("PuzzleMakerBackButton"), tr("Back to Main Screen"),
                           QRect(8, 502, 185, 25));
    OnClicked(BackButton, [this] { Host.ShowScreen(scMain); });

    ChoosePictureFile = [this] {
        // The platform's dialog opens beside the scene, as a window of its own.
        return QFileDialog::getOpenFileName(TSceneView::HostWindow(*this), QString(), QString(),
                                            tr("Pictures (*.jpg *.jpeg *.bmp)"));
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
    QStringList themes;
    Host.Session().ListThemes(themes);
    ThemeComboBox->SetItems(themes);
    ThemeComboBox->SelectText(remembered);
    if (!PuzzleMakerThemeName().isEmpty())
        LoadPuzzleMakerSlots(PuzzleMakerThemeName());
}

void TPuzzleMakerScreen::LoadPuzzleMakerSlots(const QString& Theme)
{
    CheckThemeName(Theme);
    // The maker edits the player's own copy of a theme, never the shipped one:
    // a level the copy lacks starts as the shipped theme's picture of that
    // level, or else as the placeholder.
    MakePlayerFolder();
    const QString directory = OwnThemeDirectory(Theme);
    if (!QDir().mkpath(directory))
        throw EQzError(QCoreApplication::translate("Files", "Cannot create the folder \"%1\".")
                           .arg(QDir::cleanPath(directory)));
    for (int level = 1; level <= 10; ++level) {
        const QString file = OwnThemePictureFile(Theme, level);
        if (!FileExists(file)) {
            const QString shipped = ShippedThemePictureFile(Theme, level);
            EncodeFile(DecodeToTemp(FileExists(shipped) ? shipped : GameDataPath(QStringLiteral("IBROKEN.dat"))), file);
        }
        LevelSlots[static_cast<std::size_t>(level - 1)]->SetPicture(LoadPictureFile(DecodeToTemp(file)));
    }
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
    // An empty line would name files directly in the theme folder: say so first.
    CheckThemeName(PuzzleMakerThemeName());
    const QString chosen = ChoosePictureFile ? ChoosePictureFile() : QString();
    if (chosen.isEmpty())
        return;
    const QString jpeg = ConvertPuzzleMakerPicture(chosen);
    // A theme named but not yet opened here gets the player's copy first.
    if (!QFileInfo(OwnThemeDirectory(PuzzleMakerThemeName())).isDir())
        LoadPuzzleMakerSlots(PuzzleMakerThemeName());
    const QString target = OwnThemePictureFile(PuzzleMakerThemeName(), Level);
    EncodeFile(jpeg, target);
    LoadPuzzleMakerSlots(PuzzleMakerThemeName());
}

} // namespace zindo
