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
        Fixture.Trigger("EnableHiddenFunctionsAction");
        Fixture.Trigger("OpenPuzzleMakerAction");
    }
    TPuzzleMakerScreen& Maker() { return Form->PuzzleMakerScreen(); }
    TSimpleComboBox& Themes() { return *Find<TSimpleComboBox>(Maker(), "ThemeComboBox"); }
    /// A level file of the player's own theme (Folder "var") or of the shipped one ("dat").
    QString LevelFile(const QString& Theme, int Level, const char* Folder = "var")
    {
        return Fixture.Tree.Path(QStringLiteral("%1/puzz/%2/IP%3")
                                     .arg(QLatin1String(Folder), Theme)
                                     .arg(Level, 2, 10, QLatin1Char('0')) +
                                 QStringLiteral("01.dat"));
    }
    TWindowFixture Fixture;
    TMainWindow* Form = nullptr;
};

} // namespace

TEST_F(PuzzleMaker, EditWithANewNameMakesTheThemeWithPlaceholders)
{
    EXPECT_EQ(Form->CurrentScreen(), scPuzzleMaker);
    EXPECT_EQ(Themes().Items(), QStringList{QStringLiteral("Testland")});
    Themes().SetText(QStringLiteral("My Holiday"));
    Fixture.Click("EditThemeButton");
    for (int level = 1; level <= 10; ++level)
        EXPECT_TRUE(QFileInfo::exists(LevelFile(QStringLiteral("My Holiday"), level))) << level;
    EXPECT_FALSE(QFileInfo::exists(Fixture.Tree.Path(QStringLiteral("dat/puzz/My Holiday"))));
    EXPECT_EQ(Themes().Items(), (QStringList{QStringLiteral("My Holiday"), QStringLiteral("Testland")}));
    EXPECT_EQ(Maker().PuzzleMakerThemeName(), QStringLiteral("My Holiday"));
    EXPECT_EQ(Maker().SlotPicture(10).size(), QSize(320, 240));

    // The new theme is offered on the theme selection too.
    Form->ShowScreen(scMain);
    Fixture.Click("StartGameButton");
    EXPECT_EQ(Find<QListWidget>(*Form, "ThemeList")->count(), 2);
    EXPECT_TRUE(Fixture.Errors.isEmpty()) << Fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PuzzleMaker, ChoosingAShippedThemeInTheListOpensThePlayersCopy)
{
    const QString theme = QStringLiteral("Testland");
    QFile::remove(LevelFile(theme, 4, "dat"));
    Themes().SelectText(QStringLiteral("testland"));
    Maker().ThemeComboBoxSelect();
    // The slots show the copy: the shipped pictures, the placeholder where there is none.
    for (int level = 1; level <= 10; ++level)
        EXPECT_TRUE(QFileInfo::exists(LevelFile(theme, level))) << level;
    EXPECT_EQ(Maker().SlotPicture(3), LoadPictureFile(DecodeToTemp(LevelFile(theme, 3, "dat"))));
    EXPECT_EQ(Maker().SlotPicture(4).size(), QSize(320, 240));
    EXPECT_TRUE(Fixture.Errors.isEmpty()) << Fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PuzzleMaker, ChosenPictureBecomesTheLevelAndCancelChangesNothing)
{
    Themes().SelectText(QStringLiteral("Testland"));
    // A photo keeps up to 1800 pixels on its long side, whatever its format.
    const QString picture = WritePlain(Fixture.Tree, QStringLiteral("beach.jpg"), QSize(2400, 1600));
    Maker().SetPictureChooser([&] { return picture; });
    Maker().LevelSlotClick(7);
    const QImage stored = LoadPictureFile(DecodeToTemp(LevelFile(QStringLiteral("Testland"), 7)));
    EXPECT_EQ(stored.size(), QSize(1800, 1200));
    EXPECT_EQ(Maker().SlotPicture(7).size(), QSize(1800, 1200));
    const QString png = Fixture.Tree.Path(QStringLiteral("mine/tower.png"));
    ASSERT_TRUE(LevelPicture(300, 500, 4).save(png, "PNG"));
    Maker().SetPictureChooser([&] { return png; });
    Maker().LevelSlotClick(8);
    EXPECT_EQ(Maker().SlotPicture(8).size(), QSize(300, 500));

    const QByteArray before = TTestTree::Read(LevelFile(QStringLiteral("Testland"), 7));
    Maker().SetPictureChooser([] { return QString(); });
    Maker().LevelSlotClick(7);
    EXPECT_EQ(TTestTree::Read(LevelFile(QStringLiteral("Testland"), 7)), before);
}

TEST_F(PuzzleMaker, ThemeNamesThatLeaveTheThemeFolderAreRefused)
{
    bool asked = false;
    Maker().SetPictureChooser([&] {
        asked = true;
        return QString();
    });
    Themes().SetText(QString());
    QTest::mouseClick(Find(Maker(), "LevelSlot01"), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(asked);
    Themes().SetText(QStringLiteral("../escape"));
    Fixture.Click("EditThemeButton");
    EXPECT_FALSE(QFileInfo::exists(Fixture.Tree.Path(QStringLiteral("dat/escape"))));
    EXPECT_FALSE(QFileInfo::exists(Fixture.Tree.Path(QStringLiteral("var/escape"))));
    EXPECT_EQ(Fixture.Errors.size(), 2);
    // Hidden themes, and names that saved games could not store, are refused too.
    for (const QString& name : {QStringLiteral(".hidden"), QStringLiteral("Тема")}) {
        Themes().SetText(name);
        Fixture.Click("EditThemeButton");
        EXPECT_FALSE(QFileInfo::exists(Fixture.Tree.Path(QStringLiteral("var/puzz/") + name))) << name.toStdString();
    }
    EXPECT_EQ(Fixture.Errors.size(), 4);
}
