#include "UiFixture.h"

#include "controls/QzGraphicButton.h"
#include "controls/QzTransparentButton.h"
#include "dialogs/ActionForm.h"
#include "dialogs/PointsCongratulationForm.h"
#include "game/Game.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>

using namespace zindo;
using namespace zindo::test;

namespace {

/// A game of "Testland" started the way "Go" starts it (without the box).
class PlayingScreen : public testing::Test {
protected:
    void SetUp() override
    {
        Form = &Fixture.Create();
        Fixture.StartTestland(QStringLiteral("Tess")); // the first piece is dealt at once
    }

    TPuzzleClass& Puzzle() { return TModelTestAccess::Puzzle(Form->Session()); }
    TPlayingScreen& Screen() { return Form->PlayingScreen(); }
    /// A control of the playing screen by its name.
    template <class T = QWidget>
    T* Control(const char* Name) { return Find<T>(Screen(), Name); }
    QWidget* PotView() { return Control("PotView"); }
    QWidget* BoardView() { return Control("BoardView"); }
    QAbstractButton* Button(const char* Name) { return Control<QAbstractButton>(Name); }
    QString Text(const char* Label) { return Control<QLabel>(Label)->text(); }

    /// Restarts the level with other seeds until the first dealt piece has Kind.
    void StartWithFirstPieceOfKind(TPieceKind Kind)
    {
        for (std::uint64_t seed = 1; seed < 400; ++seed) {
            Fixture.Clock.SetPerformanceCounter(seed);
            Form->StartLevelScreen();
            Fixture.Run(100);
            if (Puzzle().Pot().Count() > 0 && Puzzle().Pot().Entry(0).Kind == Kind)
                return;
        }
        FAIL() << "no seed deals a piece of kind " << int(Kind) << " first";
    }

    void ClickPot(int Index)
    {
        const TPieceInPot& entry = Puzzle().Pot().Entry(Index);
        const int y = PotView()->height() - (entry.RoundedPosition() + Puzzle().PieceSize() / 2);
        QTest::mouseClick(PotView(), Qt::LeftButton, {}, QPoint(60, y));
    }

    void ClickCell(int Column, int Row)
    {
        const int s = Puzzle().PieceSize();
        QTest::mouseClick(BoardView(), Qt::LeftButton, {}, QPoint(Column * s + s / 2, Row * s + s / 2));
    }

    /// Some empty cell that is not Piece's own.
    QPoint EmptyWrongCell(const TPiece& Piece)
    {
        for (int c = 0; c < Puzzle().Columns(); ++c)
            for (int r = 0; r < Puzzle().Rows(); ++r)
                if (!Puzzle().CellPiece(c, r) && (c != Piece.Column || r != Piece.Row))
                    return QPoint(c, r);
        return QPoint(-1, -1);
    }

    QPoint OccupiedWrongCell(const TPiece& Piece)
    {
        for (int c = 0; c < Puzzle().Columns(); ++c)
            for (int r = 0; r < Puzzle().Rows(); ++r)
                if (Puzzle().CellPiece(c, r) && (c != Piece.Column || r != Piece.Row))
                    return QPoint(c, r);
        return QPoint(-1, -1);
    }

    /// What the window shows of Control now: the window's last painted
    /// pixels, without painting anything afresh.
    QImage OnScreen(QWidget* Control)
    {
        const QPoint at = Control->mapTo(Form, QPoint(0, 0));
        return Form->screen()
            ->grabWindow(Form->winId(), at.x(), at.y(), Control->width(), Control->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    static bool AllBlack(const QImage& Image)
    {
        for (int y = 0; y < Image.height(); ++y)
            for (int x = 0; x < Image.width(); ++x)
                if ((Image.pixel(x, y) & 0xFFFFFF) != 0)
                    return false;
        return true;
    }

    int BonusTotal()
    {
        return Puzzle().Bonus(bnJoker).Count + Puzzle().Bonus(bnCheck).Count + Puzzle().Bonus(bnCleanup).Count;
    }

    /// Solves the level through the hidden key and answers the points dialog;
    /// returns the dialog's rows as "text=points" lines.
    QStringList SolveAndReadPointsDialog()
    {
        QStringList rows;
        WhenModalOpens([&rows](QWidget& Modal) {
            auto& form = dynamic_cast<TPointsCongratulationForm&>(Modal);
            for (int i = 0; i < 5; ++i) {
                const QByteArray description = QStringLiteral("PointsDescription%1Label").arg(i).toLatin1();
                const QByteArray points = QStringLiteral("Points%1Label").arg(i).toLatin1();
                rows << Find<QLabel>(form, description.constData())->text() + QLatin1Char('=')
                            + Find<QLabel>(form, points.constData())->text();
            }
            rows << QStringLiteral("Total=") + Find<QLabel>(form, "TotalPointsLabel")->text();
            form.accept();
        });
        Fixture.Trigger("EnableHiddenFunctionsAction");
        Fixture.Trigger("SolveLevelAction");
        return rows;
    }

    TWindowFixture Fixture;
    TMainWindow* Form = nullptr;
};

} // namespace

TEST_F(PlayingScreen, LevelStartsWithItsReadOutsAndLayout)
{
    EXPECT_EQ(Form->CurrentScreen(), scPlaying);
    EXPECT_EQ(Text("LevelLabel"), QStringLiteral("1"));
    EXPECT_EQ(Text("LivesLabel"), QStringLiteral("3"));
    EXPECT_EQ(Text("ScoreLabel"), QStringLiteral("0"));
    EXPECT_EQ(Button("PauseButton")->text(), QStringLiteral("Pause"));
    EXPECT_TRUE(Button("PauseButton")->isVisible());
    EXPECT_FALSE(Button("EndOfLevelButton")->isVisible());
    EXPECT_FALSE(Button("SaveButton")->isVisible());
    EXPECT_EQ(BoardView()->size(), Puzzle().Picture().size());
    EXPECT_EQ(Control("BoardPanel")->x() + Control("BoardPanel")->width() + 5, Control("PotPanel")->x());
    EXPECT_EQ(Control("PotPanel")->x() + Control("PotPanel")->width() + 5, Screen().width());
    const QWidget* joker = Control("JokerBonusPanel");
    EXPECT_EQ(Control("CheckBonusPanel")->y(), joker->y() + joker->height() + 4);
    EXPECT_EQ(Button("NextPieceButton")->x(), Control("PotPanel")->x());
    EXPECT_EQ(Button("MenuButton")->y() + Button("MenuButton")->height() + 5, Screen().height());
    EXPECT_EQ(Puzzle().Pot().Count(), 1);
    EXPECT_TRUE(Form->MusicAllowed());
}

TEST_F(PlayingScreen, TakingAndDroppingRightAndWrongIsCounted)
{
    ClickPot(0);
    ASSERT_NE(Puzzle().HeldPiece(), nullptr);
    const TPiece* held = Puzzle().HeldPiece();
    EXPECT_FALSE(Button("NextPieceButton")->isVisible());
    EXPECT_EQ(Screen().cursor().shape(), Qt::DragMoveCursor);

    ClickPot(0); // a full hand ignores the pot
    EXPECT_EQ(Puzzle().HeldPiece(), held);

    const QPoint wrong = EmptyWrongCell(*held);
    ClickCell(wrong.x(), wrong.y());
    EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
    EXPECT_EQ(Puzzle().CellPiece(wrong.x(), wrong.y()), held);
    EXPECT_EQ(Puzzle().Points().Wrong, 1);
    EXPECT_EQ(Puzzle().Points().Correct, 0);
    EXPECT_EQ(Screen().cursor().shape(), Qt::ArrowCursor);

    Fixture.Run(200);
    ASSERT_GT(Puzzle().Pot().Count(), 0); // the empty pot was refilled at once
    ClickPot(0);
    const TPiece* next = Puzzle().HeldPiece();
    ASSERT_NE(next, nullptr);
    ClickCell(next->Column, next->Row);
    EXPECT_EQ(Puzzle().CellPiece(next->Column, next->Row), next);
    EXPECT_EQ(Puzzle().Points().Correct, 1);
}

TEST_F(PlayingScreen, ClickingAPlacedPieceLiftsItAndSpeedsUpTheDeal)
{
    const QPoint occupied = OccupiedWrongCell(*Puzzle().Pieces().front());
    ASSERT_GE(occupied.x(), 0);
    TPiece* lying = TModelTestAccess::CellPiece(Puzzle(), occupied.x(), occupied.y());
    ClickCell(occupied.x(), occupied.y());
    EXPECT_EQ(Puzzle().HeldPiece(), lying);
    EXPECT_EQ(Puzzle().CellPiece(occupied.x(), occupied.y()), nullptr);
    EXPECT_EQ(Puzzle().Points().Correct, -1);
    EXPECT_DOUBLE_EQ(Puzzle().SpeedFactor(), 1.25);
}

TEST_F(PlayingScreen, EmptyPartOfThePotTakesNothing)
{
    QTest::mouseClick(PotView(), Qt::LeftButton, {}, QPoint(60, PotView()->height() - 2));
    EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
    EXPECT_EQ(Puzzle().Pot().Count(), 1);
}

TEST_F(PlayingScreen, ChangeDropPieceKnocksTheOccupantOff)
{
    StartWithFirstPieceOfKind(pkChangeDrop);
    ClickPot(0);
    const TPiece* held = Puzzle().HeldPiece();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(Screen().ModeIcon(), 3);
    const QPoint occupied = OccupiedWrongCell(*held);
    TPiece* occupant = TModelTestAccess::CellPiece(Puzzle(), occupied.x(), occupied.y());
    ClickCell(occupied.x(), occupied.y());
    EXPECT_EQ(Puzzle().CellPiece(occupied.x(), occupied.y()), held);
    EXPECT_EQ(occupant->Place, plFree);
    EXPECT_EQ(Puzzle().FallingPieces().size(), 1u);
    EXPECT_EQ(Puzzle().Points().Wrong, 1);
    EXPECT_EQ(Screen().ModeIcon(), 0);
}

TEST_F(PlayingScreen, PlainPieceIsRefusedOnAnOccupiedCell)
{
    StartWithFirstPieceOfKind(pkPlain);
    ClickPot(0);
    const TPiece* held = Puzzle().HeldPiece();
    const QPoint occupied = OccupiedWrongCell(*held);
    TPiece* occupant = TModelTestAccess::CellPiece(Puzzle(), occupied.x(), occupied.y());
    ClickCell(occupied.x(), occupied.y());
    EXPECT_EQ(Puzzle().HeldPiece(), held);
    EXPECT_EQ(Puzzle().CellPiece(occupied.x(), occupied.y()), occupant);
    EXPECT_EQ(Puzzle().Points().Wrong + Puzzle().Points().Correct, 0);
}

TEST_F(PlayingScreen, RiskPieceWonRaisesABonus)
{
    StartWithFirstPieceOfKind(pkDeath);
    Fixture.Run(20);
    ASSERT_EQ(Form->PendingEffect(), 0); // every idle pass plays and clears the pending effect
    ClickPot(0);
    EXPECT_EQ(Form->PendingEffect(), 3);
    EXPECT_EQ(Screen().ModeIcon(), 1);
    const TPiece* held = Puzzle().HeldPiece();
    const int before = BonusTotal();
    ClickCell(held->Column, held->Row);
    EXPECT_EQ(Form->PendingEffect(), 4);
    EXPECT_EQ(Puzzle().Points().RisksWon, 1);
    EXPECT_EQ(BonusTotal(), before + 1);
}

TEST_F(PlayingScreen, RiskPieceLostSendsTheZindoAndCostsABonus)
{
    StartWithFirstPieceOfKind(pkDeath);
    ClickPot(0);
    const TPiece* held = Puzzle().HeldPiece();
    const int before = BonusTotal();
    const QPoint wrong = EmptyWrongCell(*held);
    ClickCell(wrong.x(), wrong.y());
    EXPECT_EQ(Form->PendingEffect(), 5); // the raid's 3 is raised first; only the last code sounds
    EXPECT_TRUE(Puzzle().ZindoRunning());
    EXPECT_EQ(BonusTotal(), before - 1);
    EXPECT_EQ(Puzzle().Lives(), 3);
    Fixture.Run(100);
    EXPECT_EQ(Form->PendingEffect(), 0);
}

TEST_F(PlayingScreen, BonusesAreGreyAndInertWhileAPieceIsHeld)
{
    ClickPot(0);
    ASSERT_NE(Puzzle().HeldPiece(), nullptr);
    EXPECT_EQ(Puzzle().BonusCount(bnCheck), -2);
    QTest::mouseClick(Control("CheckBonusView"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(Control("CleanupBonusView"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(Control("JokerBonusView"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(BonusTotal(), 6);
    EXPECT_FALSE(Puzzle().BonusActive(bnCheck));
    EXPECT_FALSE(Puzzle().BroomActive());

    // The greyed icons are darker than the live ones.
    const QImage grey = Control("CheckBonusView")->grab().toImage();
    const QPoint wrong = EmptyWrongCell(*Puzzle().HeldPiece());
    ClickCell(wrong.x(), wrong.y());
    Fixture.Run(20);
    const QImage live = Control("CheckBonusView")->grab().toImage();
    auto brightness = [](const QImage& Image) {
        qint64 sum = 0;
        for (int y = 0; y < 30 && y < Image.height(); ++y)
            for (int x = 0; x < 62 && x < Image.width(); ++x)
                sum += qGray(Image.pixel(x, y));
        return sum;
    };
    EXPECT_LT(brightness(grey), brightness(live));
}

TEST_F(PlayingScreen, EndedLevelEmptiesTheHandRestoresThePointerAndBlacksTheBonusBoxes)
{
    ClickPot(0);
    ASSERT_NE(Puzzle().HeldPiece(), nullptr);
    Fixture.Run(20);
    EXPECT_EQ(BoardView()->cursor().shape(), Qt::DragMoveCursor);
    const char* boxes[] = {"CleanupBonusView", "JokerBonusView", "CheckBonusView"};
    for (const char* box : boxes)
        EXPECT_FALSE(AllBlack(OnScreen(Control(box)))) << box << " shows no icons while playing";

    // The piece stays in the hand until the pot has been full too long.
    for (int second = 0; second < 120 && Form->Session().GetState() == stPlaying; ++second)
        Fixture.Run(1000);
    ASSERT_EQ(Form->Session().GetState(), stTooSlow);
    EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
    EXPECT_EQ(BoardView()->cursor().shape(), Qt::ArrowCursor);
    for (const char* box : boxes)
        EXPECT_TRUE(AllBlack(OnScreen(Control(box)))) << box << " still shows icons after the level";
}

TEST_F(PlayingScreen, HeldPieceLeavesTheBoardWithThePointer)
{
    ClickPot(0);
    ASSERT_NE(Puzzle().HeldPiece(), nullptr);
    const QImage& held = Puzzle().HeldPiece()->Bitmap;
    const QPoint centre(held.width() / 2, held.height() / 2);
    const QPoint cell = EmptyWrongCell(*Puzzle().HeldPiece());
    const int s = Puzzle().PieceSize();
    const QPoint pointer(cell.x() * s + s / 2, cell.y() * s + s / 2);
    auto showsHeldPiece = [&] {
        // A cross of pixels around the pointer as the piece's middle has them.
        const QImage shown = OnScreen(BoardView());
        for (int d = -10; d <= 10; ++d)
            for (const QPoint offset : {QPoint(d, 0), QPoint(0, d)})
                if ((shown.pixel(pointer + offset) & 0xFFFFFF) != (held.pixel(centre + offset) & 0xFFFFFF))
                    return false;
        return true;
    };

    QCursor::setPos(BoardView()->mapToGlobal(pointer));
    QTest::mouseMove(BoardView(), pointer);
    Fixture.Run(20);
    EXPECT_TRUE(showsHeldPiece());

    // Out over the pot, the board no longer shows it, without any game step.
    QCursor::setPos(PotView()->mapToGlobal(QPoint(60, 60)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(BoardView(), &leave);
    Form->IdlePass();
    EXPECT_FALSE(showsHeldPiece());
    EXPECT_NE(Puzzle().HeldPiece(), nullptr);
}

TEST_F(PlayingScreen, EachBonusActsWhenTheHandIsEmpty)
{
    QTest::mouseClick(Control("CheckBonusView"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Puzzle().BonusActive(bnCheck));
    EXPECT_EQ(Puzzle().Bonus(bnCheck).Count, 1);
    Fixture.Run(20);
    EXPECT_EQ(Screen().ModeIcon(), 2);
    Fixture.Run(5100);
    EXPECT_FALSE(Puzzle().BonusActive(bnCheck));
    EXPECT_EQ(Screen().ModeIcon(), 0);

    QTest::mouseClick(Control("CleanupBonusView"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Puzzle().BroomActive());
    EXPECT_EQ(Puzzle().Bonus(bnCleanup).Count, 1);

    ASSERT_GT(Puzzle().Pot().Count(), 0);
    const int placedBefore = Puzzle().Points().Correct;
    QTest::mouseClick(Control("JokerBonusView"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Puzzle().Bonus(bnJoker).Count, 1);
    EXPECT_EQ(Form->PendingEffect(), 6);
    EXPECT_TRUE(Puzzle().SparkleActive());
    EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
    EXPECT_EQ(Puzzle().Points().Correct, placedBefore); // the magic placement is not counted
}

TEST_F(PlayingScreen, RisksRaidsAndLastBonusesAreToldInTheMessagePanel)
{
    // A risk lost with a single broom left: the broom goes, and the panel says so.
    StartWithFirstPieceOfKind(pkDeath);
    TModelTestAccess::Bonus(Puzzle(), bnJoker).Count = 0;
    TModelTestAccess::Bonus(Puzzle(), bnCheck).Count = 0;
    TModelTestAccess::Bonus(Puzzle(), bnCleanup).Count = 1;
    ClickPot(0);
    const QPoint wrong = EmptyWrongCell(*Puzzle().HeldPiece());
    ClickCell(wrong.x(), wrong.y());
    EXPECT_TRUE(Form->ZindoMessageMarkup().contains(QStringLiteral("Risk lost: one broom less."))) << Form->ZindoMessageMarkup().toStdString();

    // The raid it sent says what it did once the zindo is gone.
    ASSERT_TRUE(Puzzle().ZindoRunning());
    for (int i = 0; i < 400 && Puzzle().ZindoRunning(); ++i)
        Fixture.Run(50);
    ASSERT_FALSE(Puzzle().ZindoRunning());
    EXPECT_TRUE(Form->ZindoMessageMarkup().contains(QStringLiteral("The zindo "))) << Form->ZindoMessageMarkup().toStdString();

    // The last check used.
    TModelTestAccess::Bonus(Puzzle(), bnCheck).Count = 1;
    QTest::mouseClick(Control("CheckBonusView"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Form->ZindoMessageMarkup().contains(QStringLiteral("That was your last check."))) << Form->ZindoMessageMarkup().toStdString();

    // A risk won names the bonus it brought.
    StartWithFirstPieceOfKind(pkDeath);
    ClickPot(0);
    const TPiece* held = Puzzle().HeldPiece();
    ClickCell(held->Column, held->Row);
    EXPECT_TRUE(Form->ZindoMessageMarkup().contains(QStringLiteral("Risk won: one more "))) << Form->ZindoMessageMarkup().toStdString();

    // The hint of the mode box says what its icons mean, that of "Next" what it does.
    for (const char* control : {"ModeIconView", "NextPieceButton"}) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(Control(control), &enter);
        EXPECT_EQ(Form->ZindoMessageMarkup(), QStringLiteral("<font size=10>") + Control(control)->toolTip() + QStringLiteral("</font>"));
        EXPECT_GT(Control(control)->toolTip().size(), 40) << control;
    }
}

TEST_F(PlayingScreen, PauseHidesThePictureAndResumeShowsIt)
{
    Button("PauseButton")->click();
    EXPECT_EQ(Form->Session().GetState(), stPaused);
    EXPECT_EQ(Button("PauseButton")->text(), QStringLiteral("Continue Playing"));
    EXPECT_FALSE(Control("PreviewImage")->isVisible());
    EXPECT_FALSE(Form->MusicAllowed());
    Fixture.Run(20);
    const QImage board = BoardView()->grab().toImage();
    EXPECT_EQ(board.pixel(2, 2) & 0xFFFFFF, 0u);
    const QImage pot = PotView()->grab().toImage();
    for (int y = 0; y < pot.height(); y += 7)
        ASSERT_EQ(pot.pixel(60, y) & 0xFFFFFF, 0u) << "pot not black at y " << y;

    Button("PauseButton")->click();
    EXPECT_EQ(Form->Session().GetState(), stPlaying);
    EXPECT_EQ(Button("PauseButton")->text(), QStringLiteral("Pause"));
    EXPECT_TRUE(Control("PreviewImage")->isVisible());
    EXPECT_TRUE(Form->MusicAllowed());
}

TEST_F(PlayingScreen, SolvedLevelShowsPointsOnceAndOffersTheNextLevel)
{
    const QStringList rows = SolveAndReadPointsDialog();
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], QStringLiteral("Level successfully completed=1000"));
    EXPECT_EQ(rows[1], QStringLiteral("0 Zindo risks won=0"));
    const int correct = Puzzle().Points().Correct;
    EXPECT_EQ(rows[2], QStringLiteral("%1 pieces set correctly=%2").arg(correct).arg(correct * 100));
    EXPECT_TRUE(rows[3].startsWith(QStringLiteral("Speed Bonus=")));
    EXPECT_EQ(rows[4], QStringLiteral("0 pieces set incorrectly=0"));
    EXPECT_EQ(rows[5], QStringLiteral("Total=%1").arg(Puzzle().Points().TotalPoints()));

    EXPECT_EQ(Form->ZindoMessageMarkup(),
              QStringLiteral("<b><font size=12>Perfect - you are ready for the next level</font></b><br>"));
    EXPECT_EQ(Text("ScoreLabel"), QString::number(Puzzle().Points().TotalPoints()));
    EXPECT_TRUE(Button("EndOfLevelButton")->isVisible());
    EXPECT_EQ(Button("EndOfLevelButton")->text(), QStringLiteral("Next Level"));
    EXPECT_TRUE(Button("SaveButton")->isVisible());
    EXPECT_FALSE(Button("PauseButton")->isVisible());
    EXPECT_FALSE(Button("NextPieceButton")->isVisible());

    // A click on the board afterwards changes nothing and shows no second dialog.
    const int score = Form->Session().GetScore();
    TPiece* lying = TModelTestAccess::CellPiece(Puzzle(), 0, 0);
    ClickCell(0, 0);
    EXPECT_EQ(Puzzle().CellPiece(0, 0), lying);
    EXPECT_EQ(Puzzle().HeldPiece(), nullptr);
    EXPECT_EQ(Form->Session().GetScore(), score);
    EXPECT_EQ(OpenModal(), nullptr);

    Button("EndOfLevelButton")->click();
    EXPECT_EQ(Form->Session().Record().Level, 2);
    EXPECT_EQ(Text("LevelLabel"), QStringLiteral("2"));
    EXPECT_EQ(Form->ZindoMessageMarkup(), QString());
    EXPECT_FALSE(Button("EndOfLevelButton")->isVisible());
}

TEST_F(PlayingScreen, TooSlowLevelIsTriedAgainWithTheScoreKept)
{
    Fixture.Run(60000); // nobody takes a piece: the pot fills up and stays full
    EXPECT_EQ(Form->Session().GetState(), stTooSlow);
    EXPECT_EQ(Form->ZindoMessageMarkup(),
              QStringLiteral("<b><font size=12>You are too slow - you are not ready for the next level yet. "
                             "Try again in this level!</font></b><br>"));
    EXPECT_EQ(Button("EndOfLevelButton")->text(), QStringLiteral("Try Again"));
    EXPECT_TRUE(Button("EndOfLevelButton")->isVisible());
    EXPECT_EQ(Puzzle().Pot().Count(), 0);
    EXPECT_FALSE(Form->MusicAllowed());

    Button("EndOfLevelButton")->click();
    EXPECT_EQ(Form->Session().Record().Level, 1);
    EXPECT_EQ(Form->Session().GetState(), stPlaying);
    EXPECT_EQ(Form->Session().GetScore(), 0);
}

TEST_F(PlayingScreen, MenuExitAbandonsTheLevelWithoutAVerdict)
{
    WhenModalOpens([](QWidget& Modal) {
        auto& menu = dynamic_cast<TActionForm&>(Modal);
        EXPECT_EQ(Find<QAbstractButton>(menu, "ToggleBackgroundMusicButton")->text(),
                  QStringLiteral("Turn Background Music Off"));
        QTest::mouseClick(Find(menu, "ExitButton"), Qt::LeftButton);
    });
    Button("MenuButton")->click();
    EXPECT_EQ(Form->CurrentScreen(), scMain);
    Fixture.Run(100);
    EXPECT_EQ(Form->Session().GetState(), stAbandoned);
    EXPECT_EQ(Form->ZindoMessageMarkup(), QString());
    EXPECT_TRUE(Form->MusicAllowed()); // the main screen keeps its music
}

TEST_F(PlayingScreen, MenuContinueResumesAndTogglesFlipTheSwitches)
{
    QString hint;
    WhenModalOpens([this, &hint](QWidget& Modal) {
        auto& menu = dynamic_cast<TActionForm&>(Modal);
        // The menu's hints reach the message panel as the window's own do.
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(Find(menu, "SaveAndExitButton"), &enter);
        hint = Form->ZindoMessageMarkup();
        QTest::mouseClick(Find(menu, "ToggleSoundEffectsButton"), Qt::LeftButton);
    });
    Button("MenuButton")->click();
    EXPECT_EQ(hint, QStringLiteral("<font size=10>Click to save the game</font>"));
    EXPECT_FALSE(Form->SoundEffectsOn());
    EXPECT_EQ(Form->Session().GetState(), stPlaying);

    Button("PauseButton")->click();
    WhenModalOpens([](QWidget& Modal) {
        QTest::mouseClick(Find(dynamic_cast<TActionForm&>(Modal), "ContinueButton"), Qt::LeftButton);
    });
    Button("MenuButton")->click();
    EXPECT_EQ(Form->Session().GetState(), stPaused); // paused before the menu: stays paused
}

TEST_F(PlayingScreen, ZindoRaidKeyNeedsTheHiddenFunctions)
{
    Fixture.Trigger("StartRaidAction");
    EXPECT_FALSE(Puzzle().ZindoRunning());
    Fixture.Trigger("EnableHiddenFunctionsAction");
    Fixture.Trigger("StartRaidAction");
    EXPECT_TRUE(Puzzle().ZindoRunning());
    Fixture.Run(3000);
    EXPECT_TRUE(Fixture.Errors.isEmpty());
}

TEST_F(PlayingScreen, SolvingTheTenthLevelOffersOnlyTheWayBack)
{
    Form->Session().NewGame(QStringLiteral("Testland"), QStringLiteral("Tess"));
    TModelTestAccess::Record(Form->Session()).Level = 10;
    Form->StartLevelScreen();
    Fixture.Run(100);
    SolveAndReadPointsDialog();
    EXPECT_TRUE(Form->Session().ThemeFinished());
    EXPECT_EQ(Form->ZindoMessageMarkup(),
              QStringLiteral("<b><font size=12>Congratulations! You've finished all puzzles of this theme!</font></b><br>"));
    EXPECT_EQ(Button("EndOfLevelButton")->text(), QStringLiteral("Back to Main Screen"));
    EXPECT_FALSE(Button("SaveButton")->isVisible());
    Button("EndOfLevelButton")->click();
    EXPECT_EQ(Form->CurrentScreen(), scMain);
}

TEST_F(PlayingScreen, WrongBoardAndLostLivesEndWithTheirVerdictAndATryAgain)
{
    // Every empty cell filled, the pieces taken in turn from the end: some
    // land on another piece's cell.
    TModelTestAccess::Pot(Puzzle()).Clear();
    std::vector<TPiece*> loose;
    for (const auto& piece : Puzzle().Pieces())
        if (piece->Place == plFree)
            loose.push_back(piece.get());
    ASSERT_GE(loose.size(), 2u);
    std::rotate(loose.begin(), loose.begin() + 1, loose.end());
    for (int c = 0; c < Puzzle().Columns(); ++c)
        for (int r = 0; r < Puzzle().Rows(); ++r)
            if (!Puzzle().CellPiece(c, r)) {
                TModelTestAccess::PutAt(Puzzle(), *loose.back(), c, r);
                loose.pop_back();
            }
    Form->Session().UpdateState();
    Fixture.Run(50);
    EXPECT_EQ(Form->Session().GetState(), stWrong);
    EXPECT_EQ(Form->ZindoMessageMarkup(),
              QStringLiteral("<b><font size=12>No - you are not ready for the next level yet. Try again in this "
                             "level</font></b><br>"));
    EXPECT_EQ(Button("EndOfLevelButton")->text(), QStringLiteral("Try Again"));
    EXPECT_TRUE(Button("EndOfLevelButton")->isVisible());
    EXPECT_TRUE(Button("SaveButton")->isVisible());

    Button("EndOfLevelButton")->click();
    Fixture.Run(100);
    ASSERT_EQ(Form->Session().GetState(), stPlaying);
    TModelTestAccess::Lives(Puzzle()) = 0;
    Form->Session().UpdateState();
    EXPECT_EQ(Form->Session().GetState(), stNoLives);
    EXPECT_EQ(Form->ZindoMessageMarkup(),
              QStringLiteral("<b><font size=12>You took too much risk - you are not ready for the next level yet. "
                             "Try again in this level</font></b><br>"));
    EXPECT_EQ(Button("EndOfLevelButton")->text(), QStringLiteral("Try Again"));
    EXPECT_EQ(Form->Session().Record().Level, 1);
}

TEST_F(PlayingScreen, NextIsOfferedOnlyWhileThePotHasRoomAtItsTop)
{
    // Nobody takes a piece: every 12.8 s another comes until the pot is full.
    for (int i = 0; i < 1600 && !Puzzle().Pot().IsFull(); ++i)
        Fixture.Run(50);
    ASSERT_TRUE(Puzzle().Pot().IsFull());
    ASSERT_EQ(Form->Session().GetState(), stPlaying);
    EXPECT_FALSE(Button("NextPieceButton")->isVisible());
    // The lowest piece on its own cell: the others slide down and make room.
    ClickPot(0);
    EXPECT_FALSE(Button("NextPieceButton")->isVisible()) << "not while a piece is in the hand";
    const TPiece* held = Puzzle().HeldPiece();
    ASSERT_NE(held, nullptr);
    ClickCell(held->Column, held->Row);
    for (int i = 0; i < 200 && !Puzzle().Pot().HasRoom(); ++i)
        Fixture.Run(50);
    ASSERT_TRUE(Puzzle().Pot().HasRoom());
    EXPECT_TRUE(Button("NextPieceButton")->isVisible());
}

TEST(PlayingScreenTimer, ALevelRunsOnTheIdleTimerAloneInRealTime)
{
    // The window's own timer, on the system's clock, as the player runs it:
    // the first piece is dealt and slides down the pot with nobody driving
    // the idle pass.
    TWindowFixture fixture;
    TMainWindow::TOptions options = fixture.Options();
    options.Clock = nullptr;
    options.RunIdleTimer = true;
    fixture.Window = std::make_unique<TMainWindow>(std::move(options));
    TMainWindow& form = *fixture.Window;
    form.StartUp();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.Session().NewGame(QStringLiteral("Testland"), QStringLiteral("Tim"));
    form.StartLevelScreen();
    const TPuzzleClass& puzzle = form.Session().Puzzle();
    const auto slid = [&] {
        return puzzle.Pot().Count() > 0 && puzzle.Pot().Entry(0).RoundedPosition() < puzzle.Pot().EntryPosition() - 10;
    };
    EXPECT_TRUE(QTest::qWaitFor(slid, 10000)) << "the pot's first piece never moved";
    EXPECT_TRUE(QTest::qWaitFor([&] { return puzzle.PlayMs() >= 1000; }, 10000)) << "the level's clock stood still";
}
