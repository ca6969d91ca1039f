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
#include "ui/PhotoCredits.h"
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
    void SetUp() override
    {
        // A tutorial of two pages.
        for (int page = 1; page <= 2; ++page) {
            WriteDatPicture(Fixture.Tree, QStringLiteral("tutorial/ITUTORIAL%1.DAT").arg(page),
                            LevelPicture(200, 100, page), "JPEG", QStringLiteral("page%1.jpg").arg(page));
            EncodeFile(Fixture.Tree.Write(QStringLiteral("src/page%1.txt").arg(page), QByteArray("<b>Page</b>")),
                       Fixture.Tree.Path(QStringLiteral("dat/tutorial/TTUTORIAL%1.DAT").arg(page)));
        }
        Form = &Fixture.Create();
    }

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

TEST_F(Keyboard, EnterOnTheNameStartsTheGameAsGoDoes)
{
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    ASSERT_EQ(FocusName(), QStringLiteral("PlayerNameEdit"));
    QTest::keyClicks(&Form->SceneView(), QStringLiteral("Enzo"));
    AnswerNextDialog(Qt::Key_Return);
    Press(Qt::Key_Return);
    ASSERT_EQ(Form->CurrentScreen(), scPlaying);
    EXPECT_EQ(Form->Session().Record().PlayerName, QStringLiteral("Enzo"));
}

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
    // At the last theme Down goes on, past "New Theme from Photos...", to "Go".
    Press(Qt::Key_Down);
    EXPECT_EQ(FocusName(), QStringLiteral("NewThemeButton"));
    Press(Qt::Key_Down);
    ASSERT_EQ(FocusName(), QStringLiteral("GoButton"));
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

TEST_F(Keyboard, LettersUseTheBonusesDealAndPauseAndEscapePutsAPieceBack)
{
    Fixture.StartTestland(QStringLiteral("Kay"));
    ASSERT_EQ(Puzzle().Pot().Count(), 1);

    Press(Qt::Key_C);
    EXPECT_EQ(Puzzle().Bonus(bnCheck).Count, 1);
    EXPECT_TRUE(Puzzle().BonusActive(bnCheck));
    Press(Qt::Key_B);
    EXPECT_EQ(Puzzle().Bonus(bnCleanup).Count, 1);
    for (int i = 0; i < 400 && !Form->Session().CanDealNow(); ++i)
        Fixture.Run(10);
    Press(Qt::Key_N);
    EXPECT_EQ(Puzzle().Pot().Count(), 2);
    Press(Qt::Key_M);
    EXPECT_EQ(Puzzle().Bonus(bnJoker).Count, 1);
    EXPECT_EQ(Puzzle().Pot().Count(), 1);
    Press(Qt::Key_P);
    EXPECT_EQ(Puzzle().State(), stPaused);
    Press(Qt::Key_Space); // nothing is taken from a paused level
    EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
    Press(Qt::Key_P);
    EXPECT_EQ(Puzzle().State(), stPlaying);

    // Taken from the pot, the piece goes back there with Escape, and the
    // keys with it.
    const TPiece* potPiece = Puzzle().Pot().Entry(0).Piece;
    Press(Qt::Key_Space);
    ASSERT_EQ(Puzzle().HeldPiece(), potPiece);
    EXPECT_EQ(Input().Area(), paBoard);
    Press(Qt::Key_Escape);
    EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
    ASSERT_EQ(Puzzle().Pot().Count(), 1);
    EXPECT_EQ(Puzzle().Pot().Entry(0).Piece, potPiece);
    EXPECT_EQ(Input().Area(), paPot);
    EXPECT_EQ(OpenModal(), nullptr);

    // Left crosses to the board, where Space lifts a piece; Escape lays it
    // back on its cell; Right from the last column crosses back to the pot.
    const TPiece* placed = nullptr;
    for (const auto& piece : Puzzle().Pieces())
        if (piece->Place == plOnBoard)
            placed = piece.get();
    ASSERT_NE(placed, nullptr);
    Press(Qt::Key_Left);
    EXPECT_EQ(Input().Area(), paBoard);
    MoveBoardCursorTo(QPoint(placed->Column, placed->Row));
    Press(Qt::Key_Space);
    ASSERT_EQ(Puzzle().HeldPiece(), placed);
    Press(Qt::Key_Escape);
    EXPECT_EQ(Puzzle().CellPiece(placed->Column, placed->Row), placed);
    MoveBoardCursorTo(QPoint(Puzzle().Columns() - 1, 0));
    Press(Qt::Key_Right);
    EXPECT_EQ(Input().Area(), paPot);
}

TEST_F(Keyboard, CursorsShowWhileKeysAreUsedAndTheHeldPieceFollowsTheBoardCursor)
{
    Fixture.StartTestland(QStringLiteral("Kay"));
    QWidget* board = Find(*Form, "BoardView");
    QWidget* pot = Find(*Form, "PotView");
    const QColor orange = QColor::fromRgb(TQzGraphicButton::FrameColor);
    const int s = Puzzle().PieceSize();
    // The left edge of the cell (1, 1), and of the lowest pot entry, inside
    // the cursor's band.
    auto boardCursorShown = [&] { return board->grab().toImage().pixelColor(s + 2, s + s / 2) == orange; };
    auto potCursorShown = [&] {
        const TPieceInPot& entry = Puzzle().Pot().Entry(0);
        const int y = pot->height() - entry.RoundedPosition() - s / 2;
        const int left = pot->width() - 1 < s + 28 ? pot->width() - 1 - s : 28;
        return pot->grab().toImage().pixelColor(left + 2, y) == orange;
    };
    EXPECT_FALSE(boardCursorShown());
    EXPECT_FALSE(potCursorShown());

    Press(Qt::Key_Space);
    ASSERT_NE(Puzzle().HeldPiece(), nullptr);
    const QImage& held = Puzzle().HeldPiece()->Bitmap;
    Press(Qt::Key_Right);
    Press(Qt::Key_Down);
    ASSERT_EQ(Input().BoardCursor(), QPoint(1, 1));
    Form->IdlePass();
    const QImage shown = board->grab().toImage();
    EXPECT_EQ(shown.pixelColor(s + 2, s + s / 2), orange);
    EXPECT_EQ(shown.pixel(s + s / 2, s + s / 2) & 0xFFFFFF, held.pixel(s / 2, s / 2) & 0xFFFFFF)
        << "the piece in hand lies on the cursor's cell";

    // The mouse moving hides the cursors; the next key shows them again.
    QTest::mouseMove(Form->SceneView().viewport(), QPoint(20, 20));
    QTest::mouseMove(Form->SceneView().viewport(), QPoint(30, 30));
    EXPECT_FALSE(Screen().CursorsShown());
    EXPECT_FALSE(boardCursorShown());
    Press(Qt::Key_Escape);
    Form->IdlePass();
    EXPECT_TRUE(Screen().CursorsShown());
    EXPECT_TRUE(potCursorShown());
    EXPECT_FALSE(boardCursorShown()) << "the board's cursor is thin while the keys work the pot";
}

TEST_F(Keyboard, EveryScreenStartsAtItsFirstControlAndTabShowsTheFocusOnEach)
{
    Fixture.Trigger("EnableHiddenFunctionsAction");
    Form->Session().NewGame(QStringLiteral("Testland"), QStringLiteral("Kay"));
    const QColor orange = QColor::fromRgb(TQzGraphicButton::FrameColor);
    auto name = [](QWidget* Control) {
        if (!Control)
            return QStringLiteral("<none>");
        if (!Control->objectName().isEmpty())
            return Control->objectName();
        return Control->parentWidget()->objectName() + QLatin1Char('.') + Control->metaObject()->className();
    };
    struct TExpected {
        TScreenId Screen;
        QStringList Order;
    };
    const QStringList credits = [] {
        QStringList links;
        for (std::size_t i = 1; i <= PhotoCredits().size(); ++i)
            links << QStringLiteral("AboutPhotoLink%1").arg(i);
        return links;
    }();
    QStringList previews;
    for (int level = 1; level <= 10; ++level)
        previews << QStringLiteral("ThemePreview%1Image").arg(level, 2, 10, QLatin1Char('0'));
    QStringList slots;
    for (int level = 1; level <= 10; ++level)
        slots << QStringLiteral("LevelSlot%1").arg(level, 2, 10, QLatin1Char('0'));
    const TExpected screens[] = {
        {scMain, {"TutorialButton", "StartGameButton", "LoadGameButton", "OptionsButton", "AboutButton",
                  "ExitButton"}},
        {scThemeSelection, QStringList{"PlayerNameEdit", "ThemeList", "NewThemeButton", "GoButton",
                                       "ThemeSelectionBackButton"} + previews},
        {scLoad, {"SavedGamesList", "LoadOKButton", "LoadCancelButton", "LoadDeleteButton"}},
        {scTutorial, {"NextTutorialPageButton", "EndTutorialButton"}},
        {scAbout, credits + QStringList{"AboutBackButton"}},
        {scPuzzleMaker, QStringList{"ThemeComboBox.QLineEdit", "ThemeComboBox.QListWidget", "EditThemeButton"} +
                            slots + QStringList{"PuzzleMakerBackButton"}},
        {scPlaying, {"PlayingScreen", "MenuButton", "PauseButton", "NextPieceButton"}},
    };
    for (const TExpected& expected : screens) {
        SCOPED_TRACE(expected.Order.first().toStdString());
        if (expected.Screen == scPlaying)
            Form->StartLevelScreen();
        else
            Form->OpenScreen(expected.Screen);
        ASSERT_EQ(Form->CurrentScreen(), expected.Screen);
        QStringList order;
        for (int stop = 0; stop <= expected.Order.size(); ++stop) {
            QWidget* focus = FocusedControl();
            order << name(focus);
            if (stop == expected.Order.size())
                break;
            // The focused button shows the mark, an orange face; the one it
            // came from is dark again.
            if (auto* button = qobject_cast<TQzGraphicButton*>(focus); button && expected.Order.size() > 1) {
                EXPECT_EQ(button->grab().toImage().pixelColor(5, 5), orange) << name(focus).toStdString();
                Press(Qt::Key_Tab);
                EXPECT_NE(button->grab().toImage().pixelColor(5, 5), orange) << name(focus).toStdString();
            } else {
                Press(Qt::Key_Tab);
            }
        }
        // Around once, and back to the first.
        EXPECT_EQ(order, expected.Order + QStringList{expected.Order.first()});
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(name(FocusedControl()), expected.Order.last());
    }

    // The tutorial's "Next >" goes on its last page: the keys go on to "End Tutorial".
    Form->OpenScreen(scTutorial);
    ASSERT_EQ(FocusName(), QStringLiteral("NextTutorialPageButton"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Form->TutorialScreen().TutorialPage(), 2);
    EXPECT_EQ(FocusName(), QStringLiteral("EndTutorialButton"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Form->CurrentScreen(), scMain);
}

TEST_F(Keyboard, DialogsStartAtTheirFirstControlAndEscapeCancelsEach)
{
    // Options: the focus on the music's checked choice, the radio buttons
    // before OK and Cancel; Escape keeps everything as it was.
    QStringList order;
    bool radioMarked = false;
    WhenModalOpens([&](QWidget& Modal) {
        ASSERT_NE(dynamic_cast<TOptionsForm*>(&Modal), nullptr);
        QWidget* first = FocusedControl();
        const QImage focused = first->grab().toImage();
        for (int stop = 0; stop < 6; ++stop) {
            order << FocusedControl()->objectName();
            if (stop < 5)
                Press(Qt::Key_Tab);
            if (stop == 0)
                radioMarked = first->grab().toImage() != focused;
        }
        Press(Qt::Key_Down); // on Cancel: the arrows go round as Tab does
        order << FocusedControl()->objectName();
        Press(Qt::Key_Escape);
    });
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    ASSERT_EQ(FocusName(), QStringLiteral("OptionsButton"));
    Press(Qt::Key_Space);
    EXPECT_EQ(order, (QStringList{"BkSoundOnRadioButton", "SoundEffectsOnRadioButton", "OptionsDisplayWindow",
                                  "LanguageDesktopRadioButton", "OKButton", "CancelButton", "BkSoundOnRadioButton"}));
    EXPECT_TRUE(radioMarked) << "a focused radio button looks different";
    EXPECT_EQ(OpenModal(), nullptr);
    EXPECT_TRUE(Form->BackgroundMusicOn());
    EXPECT_EQ(FocusName(), QStringLiteral("OptionsButton"));

    // The message box: OK first; Enter on Cancel answers Cancel; Escape cancels.
    WhenModalOpens([this](QWidget&) {
        EXPECT_EQ(FocusName(), QStringLiteral("OKButton"));
        Press(Qt::Key_Right);
        Press(Qt::Key_Return);
    });
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Sure?"), mtConfirmation, mbOKCancel), mrCancel);
    AnswerNextDialog(Qt::Key_Escape);
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Sure?"), mtConfirmation, mbOKCancel), mrCancel);
    AnswerNextDialog(Qt::Key_Return);
    EXPECT_EQ(ShowMessageBox(QStringLiteral("Sure?"), mtConfirmation, mbOKCancel), mrOK);

    // The in-game menu opens with "Continue" focused; Escape goes on playing.
    Fixture.StartTestland(QStringLiteral("Kay"));
    QString menuFocus;
    WhenModalOpens([&](QWidget& Modal) {
        EXPECT_NE(dynamic_cast<TActionForm*>(&Modal), nullptr);
        menuFocus = FocusName();
        EXPECT_EQ(Puzzle().State(), stPaused);
        Press(Qt::Key_Escape);
    });
    Press(Qt::Key_Escape);
    EXPECT_EQ(menuFocus, QStringLiteral("ContinueButton"));
    EXPECT_EQ(OpenModal(), nullptr);
    EXPECT_EQ(Puzzle().State(), stPlaying);
    EXPECT_EQ(FocusedControl(), &Screen());

    // The points dialog closes with Escape too; the save dialog, reached
    // with Tab from "Next Level", saves nothing when Escape cancels it.
    AnswerNextDialog(Qt::Key_Escape);
    Fixture.Trigger("EnableHiddenFunctionsAction");
    Fixture.Trigger("SolveLevelAction");
    EXPECT_EQ(OpenModal(), nullptr);
    ASSERT_EQ(FocusName(), QStringLiteral("EndOfLevelButton"));
    Press(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), QStringLiteral("SaveButton"));
    QString saveFocus;
    WhenModalOpens([&](QWidget& Modal) {
        EXPECT_NE(dynamic_cast<TSaveForm*>(&Modal), nullptr);
        saveFocus = FocusedControl()->metaObject()->className();
        Press(Qt::Key_Escape);
    });
    Press(Qt::Key_Return);
    EXPECT_EQ(saveFocus, QStringLiteral("QLineEdit"));
    EXPECT_EQ(OpenModal(), nullptr);
    EXPECT_TRUE(Form->Session().SavedGames().empty());
    EXPECT_EQ(Form->CurrentScreen(), scPlaying);
}
