// The whole game from the keyboard: a level played to its end with keys
// alone, the keys of a level, where the focus starts on every screen and how
// it shows, and Escape on every screen and in every dialog.

#include "UiFixture.h"

#include "controls/QzGraphicButton.h"
#include "controls/SimpleComboBox.h"
#include "dialogs/ActionForm.h"
#include "dialogs/OptionsForm.h"
#include "dialogs/PointsCongratulationForm.h"
#include "dialogs/QzMessageBoxForm.h"
#include "dialogs/SaveForm.h"
#include "game/Game.h"
#include "ui/PlayInput.h"
#include "ui/SceneView.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

using namespace zindo;
using namespace zindo::test;

namespace {

/// The window of a test installation, driven by keys pressed on its view.
class Keyboard : public testing::Test {
protected:
    void SetUp() override { Form = &Fixture.Create(); }

    /// Presses and lets go of Key where the player's keys arrive: at the view
    /// showing the scene, which passes them on to the focused control.
    void Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&Form->SceneView(), Key, Modifiers);
    }
    /// Answers the next dialog with Key.
    static void AnswerNextDialog(Qt::Key Key)
    {
        WhenModalOpens([Key](QWidget& Modal) { QTest::keyClick(&Modal, Key); });
    }

    TPuzzleClass& Puzzle() { return TModelTestAccess::Puzzle(Form->Session()); }
    TPlayingScreen& Screen() { return Form->PlayingScreen(); }
    const TPlayInput& Input() { return Screen().PlayInput(); }
    QString FocusName()
    {
        QWidget* focus = FocusedControl();
        return focus ? focus->objectName() : QStringLiteral("<none>");
    }

    /// Moves the board's cursor to Cell with the arrow keys.
    void MoveBoardCursorTo(QPoint Cell)
    {
        for (int guard = 0; guard < 40 && Input().BoardCursor() != Cell; ++guard) {
            const QPoint at = Input().BoardCursor();
            if (at.x() < Cell.x())
                Press(Qt::Key_Right);
            else if (at.x() > Cell.x())
                Press(Qt::Key_Left);
            else if (at.y() < Cell.y())
                Press(Qt::Key_Down);
            else
                Press(Qt::Key_Up);
        }
        ASSERT_EQ(Input().BoardCursor(), Cell);
    }

    /// Takes the lowest piece of the pot with the keys; false when the pot is empty.
    bool TakeLowestPiece()
    {
        if (Puzzle().Pot().Count() == 0)
            return false;
        EXPECT_EQ(Input().Area(), paPot);
        while (Input().PotCursor() > 0)
            Press(Qt::Key_Down);
        Press(Qt::Key_Space);
        EXPECT_NE(Puzzle().HeldPiece(), nullptr);
        return Puzzle().HeldPiece() != nullptr;
    }

    TWindowFixture Fixture;
    TMainWindow* Form = nullptr;
};

} // namespace

TEST_F(Keyboard, ALevelIsStartedAndPlayedToSolvedWithKeysAlone)
{
    // The main screen: Down to "Start Game", Enter.
    EXPECT_EQ(FocusName(), QStringLiteral("TutorialButton"));
    Press(Qt::Key_Down);
    EXPECT_EQ(FocusName(), QStringLiteral("StartGameButton"));
    Press(Qt::Key_Return);
    ASSERT_EQ(Form->CurrentScreen(), scThemeSelection);

    // The name, the theme, "Go" and the box that says "Get Ready".
    EXPECT_EQ(FocusName(), QStringLiteral("PlayerNameEdit"));
    QTest::keyClicks(&Form->SceneView(), QStringLiteral("Kay"));
    EXPECT_EQ(Find<QLineEdit>(*Form, "PlayerNameEdit")->text(), QStringLiteral("Kay"));
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusName(), QStringLiteral("ThemeList"));
    Press(Qt::Key_Down); // the last theme: Down goes on to "Go"
    EXPECT_EQ(FocusName(), QStringLiteral("GoButton"));
    AnswerNextDialog(Qt::Key_Return);
    Press(Qt::Key_Return);
    ASSERT_EQ(Form->CurrentScreen(), scPlaying);
    EXPECT_EQ(Form->Session().Record().PlayerName, QStringLiteral("Kay"));

    // The keys are on the pot, its cursor on the lowest piece, the board's
    // on the top-left cell.
    Fixture.Run(100);
    EXPECT_EQ(FocusedControl(), &Screen());
    EXPECT_TRUE(Screen().CursorsShown());
    EXPECT_EQ(Input().Area(), paPot);
    EXPECT_EQ(Input().PotCursor(), 0);
    EXPECT_EQ(Input().BoardCursor(), QPoint(0, 0));

    // Piece by piece onto its own cell, dealing with N when the pot is empty.
    bool pointsShown = false;
    WhenModalOpens([&pointsShown](QWidget& Modal) {
        pointsShown = dynamic_cast<TPointsCongratulationForm*>(&Modal) != nullptr;
        QTest::keyClick(&Modal, Qt::Key_Return);
    });
    for (int guard = 0; guard < 400 && Form->Session().GetState() == stPlaying; ++guard) {
        if (!TakeLowestPiece()) {
            Press(Qt::Key_N);
            Fixture.Run(60);
            continue;
        }
        const TPiece* held = Puzzle().HeldPiece();
        EXPECT_EQ(Input().Area(), paBoard);
        MoveBoardCursorTo(QPoint(held->Column, held->Row));
        Press(Qt::Key_Return);
        EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
        Fixture.Run(60);
    }
    EXPECT_EQ(Form->Session().GetState(), stSolved);
    EXPECT_TRUE(pointsShown);
    EXPECT_EQ(Puzzle().Points().Wrong, 0);

    // The way on has the focus: Enter starts the next level.
    EXPECT_EQ(FocusName(), QStringLiteral("EndOfLevelButton"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Form->Session().Record().Level, 2);
    EXPECT_EQ(FocusedControl(), &Screen());
}
