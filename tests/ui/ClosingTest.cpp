// Closing the window: with progress that is not saved the player is asked
// (save and quit, quit without saving, back to the game) with the level paused;
// with nothing to lose, and while the desktop logs out, it closes at once.

#include "UiFixture.h"

#include "controls/SimpleComboBox.h"
#include "dialogs/QzMessageBoxForm.h"
#include "dialogs/SaveForm.h"
#include "game/Game.h"

#include <gtest/gtest.h>

#include <QLabel>

using namespace zindo;
using namespace zindo::test;

namespace {

/// What the question before closing showed.
struct TQuestion {
    bool Asked = false;
    QString Text;
    QStringList Answers;     ///< the captions of the buttons shown, left to right
    TPuzzleState State = stLoaded; ///< the level's state while it showed
};

/// Answers a question if one opens while it lives, with the button named
/// Answer, and notes what it showed; stops looking when it goes, so that a
/// question that never came neither hangs the test nor answers a later one.
class TAnswerIfAsked {
public:
    TAnswerIfAsked(TMainWindow& Form, const char* Answer, std::function<void()> Then = {})
    {
        QObject::connect(&Poll, &QTimer::timeout, [this, &Form, Answer, Then] {
            TQzMessageBoxForm* box = OpenMessageBox();
            if (!box)
                return;
            Poll.stop();
            Seen.Asked = true;
            Seen.Text = box->MessageText();
            for (const char* name : {"YesButton", "NoButton", "OKButton", "CancelButton"})
                if (Find<QAbstractButton>(*box, name)->isVisible())
                    Seen.Answers << Find<QAbstractButton>(*box, name)->text();
            Seen.State = Form.Session().Puzzle().State();
            if (Then)
                WhenModalOpens([Then](QWidget&) { Then(); });
            QTest::mouseClick(Find(*box, Answer), Qt::LeftButton);
        });
        Poll.start(5);
    }

    TQuestion Seen;

private:
    QTimer Poll;
};

class Closing : public testing::Test {
protected:
    void SetUp() override
    {
        Form = &Fixture.Create();
        Fixture.StartTestland(QStringLiteral("Tess")); // the first piece is dealt at once
    }

    /// Something worth keeping: a piece taken from the pot.
    void Play() { ASSERT_EQ(Form->Session().TakeFromPot(0), toTaken); }

    /// The save dialog open now, answered with Name and OK, or cancelled.
    static void AnswerSaveDialog(const QString& Name)
    {
        auto& dialog = dynamic_cast<TSaveForm&>(*OpenModal());
        if (Name.isEmpty()) {
            QTest::mouseClick(Find(dialog, "SaveCancelButton"), Qt::LeftButton);
            return;
        }
        Find<TSimpleComboBox>(dialog, "SaveGameComboBox")->SetText(Name);
        QTest::mouseClick(Find(dialog, "SaveOKButton"), Qt::LeftButton);
    }

    QString SavedFile(const QString& Name) { return Fixture.Tree.Path(QStringLiteral("var/saved/") + Name + ".PGM"); }

    TWindowFixture Fixture;
    TMainWindow* Form = nullptr;
};

} // namespace

TEST_F(Closing, WithProgressItAsksWithTheLevelPausedAndGoesBackOrQuitsAsAnswered)
{
    Play();
    {
        TAnswerIfAsked question(*Form, "CancelButton");
        EXPECT_FALSE(Form->close());
        EXPECT_TRUE(question.Seen.Asked);
        EXPECT_EQ(question.Seen.Answers, (QStringList{QStringLiteral("Save and Quit"), QStringLiteral("Quit Without Saving"),
                                                      QStringLiteral("Back to the Game")}));
        EXPECT_FALSE(question.Seen.Text.isEmpty());
        EXPECT_EQ(question.Seen.State, stPaused);
    }
    // Back to the game: the level plays on, nothing lost.
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Form->Session().GetState(), stPlaying);
    EXPECT_TRUE(Form->Session().HasUnsavedProgress());

    TAnswerIfAsked question(*Form, "NoButton");
    EXPECT_TRUE(Form->close());
    EXPECT_TRUE(question.Seen.Asked);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_FALSE(QFileInfo::exists(Fixture.Tree.Path(QStringLiteral("var/saved"))));
}

TEST_F(Closing, SaveAndQuitQuitsOnlyOnceTheGameIsSaved)
{
    Play();
    {
        // The save dialog cancelled: back to the game, which plays on.
        TAnswerIfAsked question(*Form, "YesButton", [] { AnswerSaveDialog(QString()); });
        EXPECT_FALSE(Form->close());
        EXPECT_TRUE(question.Seen.Asked);
    }
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(Form->Session().GetState(), stPlaying);
    EXPECT_FALSE(QFileInfo::exists(SavedFile(QStringLiteral("Tess"))));

    // Saved under a name: then the window closes, and the file holds the game.
    TAnswerIfAsked question(*Form, "YesButton", [] { AnswerSaveDialog(QStringLiteral("Tess")); });
    EXPECT_TRUE(Form->close());
    EXPECT_FALSE(Form->isVisible());
    ASSERT_TRUE(QFileInfo::exists(SavedFile(QStringLiteral("Tess"))));
    EXPECT_EQ(TGame::ReadSavedGame(QStringLiteral("Tess")).PlayerName, QStringLiteral("Tess"));
    EXPECT_TRUE(Fixture.Errors.isEmpty()) << Fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Closing, NothingToLoseOrTheDesktopLoggingOutClosesAtOnceAndExitAsksTheSameWay)
{
    // The main screen's "Exit" asks as the frame does (reached here with the
    // game going on, as the hidden puzzle maker leaves it).
    Play();
    Form->ShowScreen(scMain);
    {
        TAnswerIfAsked question(*Form, "CancelButton");
        Fixture.Click("ExitButton");
        EXPECT_TRUE(question.Seen.Asked);
        EXPECT_TRUE(Form->isVisible());
    }
    // The desktop logging out is never held up by a question; a key of the
    // player's afterwards means the log-out was called off.
    Form->DesktopSessionEnding();
    QTest::keyClick(Form, Qt::Key_Shift);
    {
        TAnswerIfAsked question(*Form, "CancelButton");
        EXPECT_FALSE(Form->close());
        EXPECT_TRUE(question.Seen.Asked);
    }
    Form->DesktopSessionEnding();
    {
        TAnswerIfAsked question(*Form, "CancelButton");
        EXPECT_TRUE(Form->close());
        EXPECT_FALSE(question.Seen.Asked);
    }
    EXPECT_FALSE(QFileInfo::exists(Fixture.Tree.Path(QStringLiteral("var/saved"))));

    // Saved, nothing to lose: no question.
    Form->show();
    Form->StartLevelScreen();
    Fixture.Run(100);
    Play();
    Form->Session().SaveGame(QStringLiteral("kept"));
    TAnswerIfAsked question(*Form, "CancelButton");
    EXPECT_TRUE(Form->close());
    EXPECT_FALSE(question.Seen.Asked);
}
