// The theme selection as the player uses it: a theme made from photos
// chosen in the file dialog or dropped from the file manager, named and
// converted with a progress bar; the player's themes renamed and deleted;
// the theme last played offered again; a level's picture shown large; and
// the keyboard back on the name after a message about it.

#include "UiFixture.h"

#include "data/JpegPicture.h"
#include "data/PlayerSettings.h"
#include "data/QzError.h"
#include "dialogs/QzMessageBoxForm.h"
#include "game/Game.h"
#include "game/ThemeFiles.h"
#include "game/ThemeMaker.h"
#include "support/EncodedPicture.h"
#include "support/HostilePictures.h"
#include "ui/PictureBox.h"
#include "ui/SceneView.h"
#include "ui/ThemeNameForm.h"
#include "ui/ThemeSelectionScreen.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

using namespace zindo;
using namespace zindo::test;

namespace {

class ThemeSelectionPhotos : public testing::Test {
protected:
    void SetUp() override
    {
        Form = &Fixture.Create();
        Fixture.Click("StartGameButton");
        Screen = dynamic_cast<TThemeSelectionScreen*>(Find(*Form, "ThemeSelectionScreen"));
        ASSERT_NE(Screen, nullptr);
    }

    /// Writes Bytes as the photo Name in "photos/<Folder>".
    QString Photo(const QString& Name, const QByteArray& Bytes, const QString& Folder = QStringLiteral("Holiday"))
    {
        return Fixture.Tree.Write(QStringLiteral("photos/%1/%2").arg(Folder, Name), Bytes);
    }
    /// A PNG, a WebP and a JPEG stored on its side with an Exif orientation.
    QStringList ThreePhotos(const QString& Folder = QStringLiteral("Holiday"))
    {
        return {Photo(QStringLiteral("1 beach.png"), EncodedPicture(LevelPicture(900, 600, 1), "png"), Folder),
                Photo(QStringLiteral("2 forest.webp"), EncodedPicture(LevelPicture(600, 400, 2), "webp", 90), Folder),
                Photo(QStringLiteral("3 tower.jpg"),
                      WithExifOrientation(EncodedPicture(LevelPicture(400, 300, 3), "jpeg", 90), 6), Folder)};
    }
    /// Everything in the player's theme folder, hidden entries too.
    QStringList PlayersEntries() const
    {
        return QDir(Fixture.Tree.Path(QStringLiteral("var/puzz")))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    QListWidget& Themes() { return *Find<QListWidget>(*Form, "ThemeList"); }
    QString Selected() { return Themes().currentItem() ? Themes().currentItem()->text() : QString(); }
    /// Answers the naming dialog when it opens: Action gets the form.
    static void WhenNamingOpens(std::function<void(TThemeNameForm&)> Action)
    {
        WhenModalOpens([Action](QWidget& Modal) { Action(dynamic_cast<TThemeNameForm&>(Modal)); });
    }
    static void Name(TThemeNameForm& Dialog, const QString& Theme)
    {
        Find<QLineEdit>(Dialog, "ThemeNameEdit")->setText(Theme);
        QTest::mouseClick(Find(Dialog, "ThemeOKButton"), Qt::LeftButton);
    }

    TWindowFixture Fixture;
    TMainWindow* Form = nullptr;
    TThemeSelectionScreen* Screen = nullptr;
};

} // namespace

TEST_F(ThemeSelectionPhotos, PhotosChosenInTheFileDialogBecomeTheSelectedTheme)
{
    const QStringList photos = ThreePhotos();
    Screen->SetPhotoChooser([&] { return QStringList{photos[2], photos[0], photos[1]}; });

    QStringList listed;
    QString proposed;
    QString focusAfterRefusal;
    QString keptAfterRefusal;
    WhenNamingOpens([&](TThemeNameForm& Dialog) {
        auto* list = Find<QListWidget>(Dialog, "PhotoList");
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        proposed = Find<QLineEdit>(Dialog, "ThemeNameEdit")->text();
        // A name taken already (in another letter case) is refused and kept to be mended.
        Name(Dialog, QStringLiteral("TESTLAND"));
        focusAfterRefusal = FocusedControl() ? FocusedControl()->objectName() : QString();
        keptAfterRefusal = Find<QLineEdit>(Dialog, "ThemeNameEdit")->text();
        Name(Dialog, QStringLiteral("My Holiday"));
    });
    Fixture.Click("NewThemeButton");

    EXPECT_EQ(proposed, QStringLiteral("Holiday"));
    ASSERT_EQ(listed.size(), 10);
    EXPECT_EQ(listed[0], QStringLiteral("Level 1: 1 beach.png"));
    EXPECT_EQ(listed[5], QStringLiteral("Level 6: 3 tower.jpg"));
    EXPECT_EQ(listed[9], QStringLiteral("Level 10: 1 beach.png"));
    ASSERT_EQ(Fixture.Errors.size(), 1);
    EXPECT_TRUE(Fixture.Errors[0].contains(QStringLiteral("already a theme"))) << Fixture.Errors[0].toStdString();
    EXPECT_EQ(keptAfterRefusal, QStringLiteral("TESTLAND"));
    EXPECT_EQ(focusAfterRefusal, QStringLiteral("ThemeNameEdit"));
    EXPECT_EQ(OpenModal(), nullptr);

    // The new theme is selected with its previews, ready to play; the turned
    // photo stands upright.
    EXPECT_EQ(Selected(), QStringLiteral("My Holiday"));
    EXPECT_EQ(PlayersEntries(), QStringList{QStringLiteral("My Holiday")});
    EXPECT_EQ(Find<TPictureBox>(*Form, "ThemePreview01Image")->Picture().size(), QSize(360, 240));
    EXPECT_EQ(Find<TPictureBox>(*Form, "ThemePreview03Image")->Picture().size(), QSize(270, 360));
    EXPECT_TRUE(Find(*Form, "RenameThemeButton")->isVisibleTo(Form));
    EXPECT_FALSE(Find(*Form, "ShippedThemeNote")->isVisibleTo(Form));
    Find<QLineEdit>(*Form, "PlayerNameEdit")->setText(QStringLiteral("Ida"));
    WhenModalOpens([](QWidget& Modal) { QTest::mouseClick(Find(Modal, "OKButton"), Qt::LeftButton); });
    Fixture.Click("GoButton");
    EXPECT_EQ(Form->CurrentScreen(), scPlaying);
    EXPECT_EQ(Form->Session().Record().Theme, QStringLiteral("My Holiday"));
    EXPECT_EQ(TPlayerSettings().LastTheme(), QStringLiteral("My Holiday"));
    EXPECT_EQ(Fixture.Errors.size(), 1);
}

TEST_F(ThemeSelectionPhotos, ADroppedFolderWithAPictureThatCannotBeReadOrACancelLeavesNothing)
{
    // A folder dropped from the file manager onto the page, through the view.
    QStringList photos = ThreePhotos(QStringLiteral("Mixed"));
    const QString bad = Photo(QStringLiteral("2b scans.jpg"), ManyScansJpeg(64, 64, MaxJpegScans + 10),
                              QStringLiteral("Mixed"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Fixture.Tree.Path(QStringLiteral("photos/Mixed")))});
    QWidget* viewport = Form->SceneView().viewport();
    const QPoint at = Form->SceneView().MapFromDesign(QPointF(600, 500)).toPoint();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    ASSERT_TRUE(enter.isAccepted()) << "the page takes dropped files";
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);

    int listed = 0;
    bool opened = false;
    WhenNamingOpens([&](TThemeNameForm& Dialog) {
        opened = true;
        listed = Find<QListWidget>(Dialog, "PhotoList")->count();
        Name(Dialog, QStringLiteral("Mixed"));
    });
    QTRY_VERIFY_WITH_TIMEOUT(opened && !OpenModal(), 20000);
    EXPECT_EQ(listed, 10);
    ASSERT_EQ(Fixture.Errors.size(), 1);
    EXPECT_TRUE(Fixture.Errors[0].contains(bad)) << Fixture.Errors[0].toStdString();
    EXPECT_EQ(PlayersEntries(), QStringList());
    EXPECT_EQ(Themes().count(), 1);

    // Cancelled before and while converting: nothing is made either.
    photos = ThreePhotos(QStringLiteral("Good"));
    Screen->SetPhotoChooser([&] { return photos; });
    WhenNamingOpens([](TThemeNameForm& Dialog) {
        QTest::mouseClick(Find(Dialog, "ThemeCancelButton"), Qt::LeftButton);
    });
    Fixture.Click("NewThemeButton");
    WhenNamingOpens([](TThemeNameForm& Dialog) {
        Name(Dialog, QStringLiteral("Good"));
        QTest::keyClick(&Dialog, Qt::Key_Escape);
    });
    Fixture.Click("NewThemeButton");
    EXPECT_EQ(OpenModal(), nullptr);
    EXPECT_EQ(PlayersEntries(), QStringList());
    EXPECT_EQ(Fixture.Errors.size(), 1);
}

TEST_F(ThemeSelectionPhotos, OnlyThePlayersThemesAreRenamedAndDeletedAndTheLastPlayedIsOffered)
{
    ASSERT_TRUE(TThemeMaker(QStringLiteral("Zoo"), ThreePhotos()).Make());
    TPlayerSettings().SetLastTheme(QStringLiteral("Zoo"));
    Fixture.Click("ThemeSelectionBackButton");
    Fixture.Click("StartGameButton");
    EXPECT_EQ(Selected(), QStringLiteral("Zoo")) << "the theme last played, not the first";

    // Renamed: a name taken is refused in the dialog, a free one is taken,
    // and the theme last played and the theme's saved games follow it.
    TGame& session = Fixture.Window->Session();
    session.NewGame(QStringLiteral("Zoo"), QStringLiteral("Ira"));
    session.SaveGame(QStringLiteral("zoo trip"));
    WhenNamingOpens([](TThemeNameForm& Dialog) {
        EXPECT_EQ(Find<QLineEdit>(Dialog, "ThemeNameEdit")->text(), QStringLiteral("Zoo"));
        Name(Dialog, QStringLiteral("testland"));
        Name(Dialog, QStringLiteral("Our Zoo"));
    });
    Fixture.Click("RenameThemeButton");
    ASSERT_EQ(Fixture.Errors.size(), 1);
    EXPECT_EQ(Selected(), QStringLiteral("Our Zoo"));
    EXPECT_EQ(TPlayerSettings().LastTheme(), QStringLiteral("Our Zoo"));
    EXPECT_EQ(PlayersEntries(), QStringList{QStringLiteral("Our Zoo")});
    EXPECT_EQ(TGame::ReadSavedGame(QStringLiteral("zoo trip")).Theme, QStringLiteral("Our Zoo"));

    // Deleted only when the question is answered with OK.
    QString question;
    const auto answer = [&question](const char* Button) {
        WhenModalOpens([&question, Button](QWidget& Modal) {
            question = dynamic_cast<TQzMessageBoxForm&>(Modal).MessageText();
            QTest::mouseClick(Find(Modal, Button), Qt::LeftButton);
        });
    };
    answer("CancelButton");
    Fixture.Click("DeleteThemeButton");
    EXPECT_TRUE(question.contains(QStringLiteral("Our Zoo"))) << question.toStdString();
    EXPECT_EQ(PlayersEntries(), QStringList{QStringLiteral("Our Zoo")});
    answer("OKButton");
    Fixture.Click("DeleteThemeButton");
    EXPECT_EQ(PlayersEntries(), QStringList());
    EXPECT_EQ(Selected(), QStringLiteral("Testland"));

    // A shipped theme offers no way to change it, and says why.
    EXPECT_FALSE(Find(*Form, "RenameThemeButton")->isVisibleTo(Form));
    EXPECT_FALSE(Find(*Form, "DeleteThemeButton")->isVisibleTo(Form));
    EXPECT_TRUE(Find(*Form, "ShippedThemeNote")->isVisibleTo(Form));
    EXPECT_THROW(TThemeFiles().DeleteTheme(QStringLiteral("Testland")), EQzError);
    EXPECT_EQ(Fixture.Errors.size(), 1);
}

TEST_F(ThemeSelectionPhotos, APictureShownLargeAndTheKeyboardBackOnTheNameAfterAMessage)
{
    QTest::mouseClick(Find(*Form, "ThemePreview03Image"), Qt::LeftButton, {}, QPoint(40, 40));
    ASSERT_TRUE(Screen->LargePreviewShown());
    EXPECT_EQ(Find<TPictureBox>(*Form, "LargePicture")->Picture().size(), QSize(400, 300));
    QTest::mouseClick(Find(*Form, "LargePreview"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(Screen->LargePreviewShown());
    Screen->ShowLargePreview(4);
    QTest::keyClick(Find(*Form, "LargePreview"), Qt::Key_Escape);
    EXPECT_FALSE(Screen->LargePreviewShown());

    // After the message that a name is needed, what the player types goes
    // into the name.
    SetErrorBoxHook({});
    auto* name = Find<QLineEdit>(*Form, "PlayerNameEdit");
    name->clear();
    QString shown;
    WhenModalOpens([&shown](QWidget& Modal) {
        shown = dynamic_cast<TQzMessageBoxForm&>(Modal).MessageText();
        QTest::mouseClick(Find(Modal, "OKButton"), Qt::LeftButton);
    });
    Fixture.Click("GoButton");
    EXPECT_EQ(shown, QStringLiteral("Please type your name for the Highscore List first."));
    EXPECT_EQ(FocusedControl(), name);
    // Keys reach the scene through its view, as the window gets them.
    QTest::keyClicks(Form->SceneView().viewport(), QStringLiteral("Ida"));
    EXPECT_EQ(name->text(), QStringLiteral("Ida"));
}
