#include "UiFixture.h"

#include "controls/QzGraphicButton.h"
#include "controls/SimpleComboBox.h"
#include "data/QzBitmap.h"
#include "game/Game.h"
#include "ui/PictureBox.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QTest>

using namespace zindo;
using namespace zindo::test;

namespace {

QString WritePlain(TTestTree& Tree, const QString& Name, QSize Size)
{
    const QString path = Tree.Path(QStringLiteral("mine/") + Name);
    QDir().mkpath(QFileInfo(path).path());
    LevelPicture(Size.width(), Size.height(), 3).save(path, Name.endsWith(QStringLiteral(".bmp")) ? "BMP" : "JPEG", 90);
    return path;
}

class PuzzleMaker : public testing::Test {
protected:
    void SetUp() override
    {
        Form = &Fixture.Create();
        Form->HiddenFunctionsEnabled = true;
        Form->PuzzleMakerAction->trigger();
    }
    QString LevelFile(const QString& Theme, int Level)
    {
        return Fixture.Tree.Path(QStringLiteral("dat/puzz/%1/IP%2").arg(Theme).arg(Level, 2, 10, QLatin1Char('0')) +
                                 QStringLiteral("01.dat"));
    }
    TWindowFixture Fixture;
    TForm1* Form = nullptr;
};

} // namespace

TEST(ConvertPuzzleMakerPicture, ScalesTheLongerSideTo600AndKeepsSmallerPictures)
{
    TTestTree tree;
    const std::pair<QSize, QSize> cases[] = {
        {QSize(1200, 800), QSize(600, 400)}, {QSize(800, 1200), QSize(400, 600)}, {QSize(900, 900), QSize(600, 600)},
        {QSize(640, 480), QSize(600, 450)},  {QSize(500, 300), QSize(500, 300)},  {QSize(601, 1000), QSize(361, 600)},
    };
    for (const auto& [from, to] : cases) {
        const QString source = WritePlain(tree, QStringLiteral("p%1x%2.jpg").arg(from.width()).arg(from.height()), from);
        const QString converted = ConvertPuzzleMakerPicture(source);
        EXPECT_TRUE(converted.endsWith(QStringLiteral(".jpg")));
        EXPECT_EQ(LoadPictureFile(converted).size(), to) << from.width() << "x" << from.height();
    }
    EXPECT_EQ(LoadPictureFile(ConvertPuzzleMakerPicture(WritePlain(tree, QStringLiteral("b.bmp"), QSize(700, 350)))).size(),
              QSize(600, 300));
}

TEST_F(PuzzleMaker, EditWithANewNameMakesTheThemeWithPlaceholders)
{
    EXPECT_EQ(Form->MainPageControl->currentWidget(), Form->PuzzleMakerTabSheet);
    EXPECT_EQ(Form->PuzzleMakerThemeComboBox->Items(), QStringList{QStringLiteral("Testland")});
    Form->PuzzleMakerThemeComboBox->SetText(QStringLiteral("My Holiday"));
    Form->SelectThemeForEditButton->click();
    for (int level = 1; level <= 10; ++level)
        EXPECT_TRUE(QFileInfo::exists(LevelFile(QStringLiteral("My Holiday"), level))) << level;
    EXPECT_EQ(Form->PuzzleMakerThemeComboBox->Items(),
              (QStringList{QStringLiteral("My Holiday"), QStringLiteral("Testland")}));
    EXPECT_EQ(Form->PuzzleMakerThemeName(), QStringLiteral("My Holiday"));
    EXPECT_EQ(Form->PuzzleMakerSlots.at(9).first->Picture().size(), QSize(320, 240));

    // The new theme is offered on the theme selection too.
    Form->ShowPage(Form->MainTabSheet);
    Form->StartGameButton->click();
    EXPECT_EQ(Form->ThemeListBox->count(), 2);
    EXPECT_TRUE(Fixture.Errors.isEmpty()) << Fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PuzzleMaker, OpeningAThemeFillsOnlyItsMissingLevels)
{
    const QByteArray levelThree = TTestTree::Read(LevelFile(QStringLiteral("Testland"), 3));
    QFile::remove(LevelFile(QStringLiteral("Testland"), 4));
    Form->PuzzleMakerThemeComboBox->SelectText(QStringLiteral("testland"));
    Form->PuzzleMakerThemeComboBoxSelect();
    EXPECT_TRUE(QFileInfo::exists(LevelFile(QStringLiteral("Testland"), 4)));
    EXPECT_EQ(TTestTree::Read(LevelFile(QStringLiteral("Testland"), 3)), levelThree);
}

TEST_F(PuzzleMaker, ChosenPictureBecomesTheLevelAndCancelChangesNothing)
{
    Form->PuzzleMakerThemeComboBox->SelectText(QStringLiteral("Testland"));
    const QString picture = WritePlain(Fixture.Tree, QStringLiteral("beach.jpg"), QSize(1200, 800));
    Form->ChoosePictureFile = [&] { return picture; };
    Form->PuzzleMakerPuzzleClick(7);
    const QImage stored = LoadPictureFile(DecodeToTemp(LevelFile(QStringLiteral("Testland"), 7)));
    EXPECT_EQ(stored.size(), QSize(600, 400));
    EXPECT_EQ(Form->PuzzleMakerSlots.at(6).first->Picture().size(), QSize(600, 400));

    const QByteArray before = TTestTree::Read(LevelFile(QStringLiteral("Testland"), 7));
    Form->ChoosePictureFile = [] { return QString(); };
    Form->PuzzleMakerPuzzleClick(7);
    EXPECT_EQ(TTestTree::Read(LevelFile(QStringLiteral("Testland"), 7)), before);
}

TEST_F(PuzzleMaker, ThemeNamesThatLeaveTheThemeFolderAreRefused)
{
    bool asked = false;
    Form->ChoosePictureFile = [&] {
        asked = true;
        return QString();
    };
    Form->PuzzleMakerThemeComboBox->SetText(QString());
    QTest::mouseClick(Form->PuzzleMakerSlots.front().first, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(asked);
    Form->PuzzleMakerThemeComboBox->SetText(QStringLiteral("../escape"));
    Form->SelectThemeForEditButton->click();
    EXPECT_FALSE(QFileInfo::exists(Fixture.Tree.Path(QStringLiteral("dat/escape"))));
    EXPECT_EQ(Fixture.Errors.size(), 2);
}
