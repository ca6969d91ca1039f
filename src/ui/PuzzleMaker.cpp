// The hidden puzzle maker: gives the levels of a theme pictures of the
// player's own.

#include "Form1.h"

#include "ErrorBox.h"
#include "PictureBox.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "controls/SimpleComboBox.h"
#include "data/DataContainer.h"
#include "data/Paths.h"
#include "data/QzBitmap.h"
#include "data/QzError.h"
#include "data/TempFiles.h"
#include "game/Game.h"

#include <QDir>
#include <QFileDialog>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace zindo {

namespace {

constexpr int MakerMaxSide = 600;

/// A theme name must stay one folder below dat/puzz.
void CheckThemeName(const QString& Theme)
{
    if (Theme.trimmed().isEmpty())
        throw EQzError(QStringLiteral("Please select or enter the name of a theme first."));
    if (Theme == QLatin1String(".") || Theme == QLatin1String("..") || Theme.contains(QLatin1Char('/')) ||
        Theme.contains(QLatin1Char('\\')))
        throw EQzError(QStringLiteral("A theme name may not be \".\" or \"..\" nor contain \"/\" or \"\\\"."));
}

} // namespace

QString ConvertPuzzleMakerPicture(const QString& FileName)
{
    QImage picture = LoadPictureFile(FileName);
    if (picture.width() > MakerMaxSide || picture.height() > MakerMaxSide) {
        const double ratio = double(picture.width()) / double(picture.height());
        QSize size;
        if (picture.width() > picture.height())
            size = QSize(MakerMaxSide, static_cast<int>(std::nearbyint(MakerMaxSide / ratio)));
        else
            size = QSize(static_cast<int>(std::nearbyint(MakerMaxSide * ratio)), MakerMaxSide);
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const QString result = NewTempFileName(QStringLiteral(".jpg"));
    QImageWriter writer(result, QByteArrayLiteral("jpeg"));
    writer.setQuality(50);
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB32)))
        throw EQzError(QStringLiteral("Cannot create file \"%1\". %2").arg(result, writer.errorString()));
    return result;
}

void TForm1::BuildPuzzleMaker()
{
    PuzzleMakerTabSheet = NewPage(QStringLiteral("PuzzleMakerTabSheet"));
    QWidget* page = PuzzleMakerTabSheet;
    NewLabel(page, QStringLiteral("PuzzleMakerLabel2"), QStringLiteral("Theme"), 10, 6);
    PuzzleMakerThemeComboBox = new TSimpleComboBox(page);
    PuzzleMakerThemeComboBox->setObjectName(QStringLiteral("PuzzleMakerThemeComboBox"));
    PuzzleMakerThemeComboBox->setGeometry(8, 28, 187, 455);
    PuzzleMakerThemeComboBox->setToolTip(QStringLiteral("Select or enter a name of the theme and press \"Edit\""));
    PuzzleMakerThemeComboBox->OnSelect = [this] { RunGuarded([this] { PuzzleMakerThemeComboBoxSelect(); }); };
    PuzzleMakerThemeComboBox->OnAccept = [this] { RunGuarded([this] { SelectThemeForEditButtonClick(); }); };

    SelectThemeForEditButton = NewButton(page, QStringLiteral("SelectThemeForEditButton"), QStringLiteral("Edit"),
                                         QRect(200, 28, 95, 25), QStringLiteral("Edit the pictures of the theme"));
    OnClicked(SelectThemeForEditButton, [this] { SelectThemeForEditButtonClick(); });

    NewLabel(page, QStringLiteral("PuzzleMakerLabel3"), QStringLiteral("Click on the element in order to change the picture"),
             236, 130);
    const int lefts[] = {236, 342, 448, 554, 660};
    for (int level = 1; level <= 10; ++level) {
        const int row = (level - 1) / 5;
        auto* slot = new TPictureBox(page);
        slot->setObjectName(QStringLiteral("PuzzleMakerPuzzle%1%2").arg(row + 1).arg((level - 1) % 5 + 1, 2, 10, QLatin1Char('0')) +
                            QStringLiteral("01"));
        slot->setGeometry(lefts[(level - 1) % 5], row == 0 ? 156 : 264, 100, 100);
        slot->setCursor(Qt::PointingHandCursor);
        slot->OnClick = [this, level] { RunGuarded([this, level] { PuzzleMakerPuzzleClick(level); }); };
        PuzzleMakerSlots.emplace_back(slot, level);
    }

    MakerBackButton = NewButton(page, QStringLiteral("MakerBackButton"), QStringLiteral("Back to Main Screen"),
                                QRect(8, 502, 185, 25));
    OnClicked(MakerBackButton, [this] { ShowPage(MainTabSheet); });

    ChoosePictureFile = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("Pictures (*.jpg *.bmp)"));
    };
}

QString TForm1::PuzzleMakerThemeName() const
{
    return PuzzleMakerThemeComboBox->Text();
}

void TForm1::RefreshPuzzleMaker()
{
    const QString remembered = PuzzleMakerThemeName();
    QStringList themes;
    Game->ListThemes(themes);
    PuzzleMakerThemeComboBox->SetItems(themes);
    PuzzleMakerThemeComboBox->SelectText(remembered);
    if (!PuzzleMakerThemeName().isEmpty())
        LoadPuzzleMakerSlots(PuzzleMakerThemeName());
}

void TForm1::LoadPuzzleMakerSlots(const QString& Theme)
{
    CheckThemeName(Theme);
    const QString directory = ThemeDirectory(Theme);
    if (!QDir().mkpath(directory))
        throw EQzError(QStringLiteral("Cannot create the folder \"%1\".").arg(QDir::cleanPath(directory)));
    for (int level = 1; level <= 10; ++level) {
        const QString file = ThemePictureFile(Theme, level);
        if (!FileExists(file))
            EncodeFile(DecodeToTemp(ProgramRelativePath(QStringLiteral("../dat/IBROKEN.dat"))), file);
        const QImage picture = LoadPictureFile(DecodeToTemp(file));
        for (const auto& [slot, slotLevel] : PuzzleMakerSlots)
            if (slotLevel == level)
                slot->SetPicture(picture);
    }
}

void TForm1::SelectThemeForEditButtonClick()
{
    LoadPuzzleMakerSlots(PuzzleMakerThemeName());
    RefreshPuzzleMaker();
}

void TForm1::PuzzleMakerThemeComboBoxSelect()
{
    if (!PuzzleMakerThemeName().isEmpty())
        LoadPuzzleMakerSlots(PuzzleMakerThemeName());
}

void TForm1::PuzzleMakerPuzzleClick(int Level)
{
    // An empty line would name files directly in dat/puzz: say so first.
    CheckThemeName(PuzzleMakerThemeName());
    const QString chosen = ChoosePictureFile ? ChoosePictureFile() : QString();
    if (chosen.isEmpty())
        return;
    const QString target = ThemePictureFile(PuzzleMakerThemeName(), Level);
    const QString jpeg = ConvertPuzzleMakerPicture(chosen);
    EncodeFile(jpeg, target);
    LoadPuzzleMakerSlots(PuzzleMakerThemeName());
}

} // namespace zindo
