#include "UiFixture.h"

#include "controls/QzGraphicButton.h"
#include "controls/QzTransparentButton.h"
#include "dialogs/ActionForm.h"
#include "dialogs/PointsCongratulationForm.h"
#include "game/Game.h"
#include "ui/PaintBox.h"
#include "ui/PictureBox.h"

#include <gtest/gtest.h>

#include <QLabel>
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
        Form->Session().NewGame(QStringLiteral("Testland"), QStringLiteral("Tess"));
        Form->StartLevelScreen();
        Fixture.Run(100); // the first piece is dealt at once
    }

    TPuzzleClass& Puzzle() { return Form->Session().Puzzle(); }

    /// Restarts the level with other seeds until the first dealt piece has Kind.
    void StartWithFirstPieceOfKind(TPieceKind Kind)
    {
        for (std::uint64_t seed = 1; seed < 400; ++seed) {
            Fixture.Clock.SetPerformanceCounter(seed);
            Form->StartLevelScreen();
            Fixture.Run(100);
            if (Puzzle().Pot.Count() > 0 && Puzzle().Pot.Entry(0).Kind == Kind)
                return;
        }
        FAIL() << "no seed deals a piece of kind " << int(Kind) << " first";
    }

    void ClickPot(int Index)
    {
        const TPieceInPot& entry = Puzzle().Pot.Entry(Index);
        const int y = Form->PotPaintBox->height() - (entry.RoundedPosition() + Puzzle().PieceSize / 2);
        QTest::mouseClick(Form->PotPaintBox, Qt::LeftButton, {}, QPoint(60, y));
    }

    void ClickCell(int Column, int Row)
    {
        const int s = Puzzle().PieceSize;
        QTest::mouseClick(Form->DropPaintBox, Qt::LeftButton, {}, QPoint(Column * s + s / 2, Row * s + s / 2));
    }

    /// Some empty cell that is not Piece's own.
    QPoint EmptyWrongCell(const TPiece& Piece)
    {
        for (int c = 0; c < Puzzle().Columns; ++c)
            for (int r = 0; r < Puzzle().Rows; ++r)
                if (!Puzzle().CellPiece(c, r) && (c != Piece.Column || r != Piece.Row))
                    return QPoint(c, r);
        return QPoint(-1, -1);
    }

    QPoint OccupiedWrongCell(const TPiece& Piece)
    {
        for (int c = 0; c < Puzzle().Columns; ++c)
            for (int r = 0; r < Puzzle().Rows; ++r)
                if (Puzzle().CellPiece(c, r) && (c != Piece.Column || r != Piece.Row))
                    return QPoint(c, r);
        return QPoint(-1, -1);
    }

    int BonusTotal()
    {
        return Puzzle().Bonuses[bnJoker].Count + Puzzle().Bonuses[bnCheck].Count + Puzzle().Bonuses[bnCleanup].Count;
    }

    /// Solves the level through the hidden key and answers the points dialog;
    /// returns the dialog's rows as "text=points" lines.
    QStringList SolveAndReadPointsDialog()
    {
        QStringList rows;
        WhenModalOpens([&rows](QWidget& Modal) {
            auto& form = dynamic_cast<TPointsCongratulationForm&>(Modal);
            for (int i = 0; i < 5; ++i)
                rows << form.PointsDescriptionLabels[i]->text() + QLatin1Char('=') + form.PointsLabels[i]->text();
            rows << QStringLiteral("Total=") + form.TotalPointsLabel->text();
            form.accept();
        });
        Form->HiddenFunctionsEnabled = true;
        Form->CheatAction->trigger();
        return rows;
    }

    TWindowFixture Fixture;
    TForm1* Form = nullptr;
};

} // namespace

TEST_F(PlayingScreen, LevelStartsWithItsReadOutsAndLayout)
{
    EXPECT_EQ(Form->MainPageControl->currentWidget(), Form->PuzzleTabSheet);
    EXPECT_EQ(Form->LevelLabel->text(), QStringLiteral("1"));
    EXPECT_EQ(Form->LifesLabel->text(), QStringLiteral("3"));
    EXPECT_EQ(Form->ScoreLabel->text(), QStringLiteral("0"));
    EXPECT_EQ(Form->PauseButton->text(), QStringLiteral("Pause"));
    EXPECT_TRUE(Form->PauseButton->isVisible());
    EXPECT_FALSE(Form->NextPuzzleButton->isVisible());
    EXPECT_FALSE(Form->SaveButton->isVisible());
    EXPECT_EQ(Form->DropPaintBox->size(), Puzzle().Picture.size());
    EXPECT_EQ(Form->DropPanel->x() + Form->DropPanel->width() + 5, Form->PotPanel->x());
    EXPECT_EQ(Form->PotPanel->x() + Form->PotPanel->width() + 5, Form->PuzzleTabSheet->width());
    EXPECT_EQ(Form->CheckBonusPanel->y(), Form->JokerBonusPanel->y() + Form->JokerBonusPanel->height() + 4);
    EXPECT_EQ(Form->GimmeButton->x(), Form->PotPanel->x());
    EXPECT_EQ(Form->MenuButton->y() + Form->MenuButton->height() + 5, Form->PuzzleTabSheet->height());
    EXPECT_EQ(Puzzle().Pot.Count(), 1);
    EXPECT_TRUE(Form->MusicAllowed);
}

TEST_F(PlayingScreen, TakingAndDroppingRightAndWrongIsCounted)
{
    ClickPot(0);
    ASSERT_NE(Puzzle().HeldPiece, nullptr);
    TPiece* held = Puzzle().HeldPiece;
    EXPECT_FALSE(Form->GimmeButton->isVisible());
    EXPECT_EQ(Form->PuzzleTabSheet->cursor().shape(), Qt::DragMoveCursor);

    ClickPot(0); // a full hand ignores the pot
    EXPECT_EQ(Puzzle().HeldPiece, held);

    const QPoint wrong = EmptyWrongCell(*held);
    ClickCell(wrong.x(), wrong.y());
    EXPECT_EQ(Puzzle().HeldPiece, nullptr);
    EXPECT_EQ(Puzzle().CellPiece(wrong.x(), wrong.y()), held);
    EXPECT_EQ(Puzzle().Points.Wrong, 1);
    EXPECT_EQ(Puzzle().Points.Correct, 0);
    EXPECT_EQ(Form->PuzzleTabSheet->cursor().shape(), Qt::ArrowCursor);

    Fixture.Run(200);
    ASSERT_GT(Puzzle().Pot.Count(), 0); // the empty pot was refilled at once
    ClickPot(0);
    TPiece* next = Puzzle().HeldPiece;
    ASSERT_NE(next, nullptr);
    ClickCell(next->Column, next->Row);
    EXPECT_EQ(Puzzle().CellPiece(next->Column, next->Row), next);
    EXPECT_EQ(Puzzle().Points.Correct, 1);
}

TEST_F(PlayingScreen, ClickingAPlacedPieceLiftsItAndSpeedsUpTheDeal)
{
    const QPoint occupied = OccupiedWrongCell(*Puzzle().Pieces().front());
    ASSERT_GE(occupied.x(), 0);
    TPiece* lying = Puzzle().CellPiece(occupied.x(), occupied.y());
    ClickCell(occupied.x(), occupied.y());
    EXPECT_EQ(Puzzle().HeldPiece, lying);
    EXPECT_EQ(Puzzle().CellPiece(occupied.x(), occupied.y()), nullptr);
    EXPECT_EQ(Puzzle().Points.Correct, -1);
    EXPECT_DOUBLE_EQ(Puzzle().SpeedFactor, 1.25);
}

TEST_F(PlayingScreen, EmptyPartOfThePotTakesNothing)
{
    QTest::mouseClick(Form->PotPaintBox, Qt::LeftButton, {}, QPoint(60, Form->PotPaintBox->height() - 2));
    EXPECT_EQ(Puzzle().HeldPiece, nullptr);
    EXPECT_EQ(Puzzle().Pot.Count(), 1);
}

TEST_F(PlayingScreen, ChangeDropPieceKnocksTheOccupantOff)
{
    StartWithFirstPieceOfKind(pkChangeDrop);
    ClickPot(0);
    TPiece* held = Puzzle().HeldPiece;
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(Form->ModeIcon, 3);
    const QPoint occupied = OccupiedWrongCell(*held);
    TPiece* occupant = Puzzle().CellPiece(occupied.x(), occupied.y());
    ClickCell(occupied.x(), occupied.y());
    EXPECT_EQ(Puzzle().CellPiece(occupied.x(), occupied.y()), held);
    EXPECT_EQ(occupant->Place, plFree);
    EXPECT_EQ(Puzzle().FallingPieces.size(), 1u);
    EXPECT_EQ(Puzzle().Points.Wrong, 1);
    EXPECT_EQ(Form->ModeIcon, 0);
}

TEST_F(PlayingScreen, PlainPieceIsRefusedOnAnOccupiedCell)
{
    StartWithFirstPieceOfKind(pkPlain);
    ClickPot(0);
    TPiece* held = Puzzle().HeldPiece;
    const QPoint occupied = OccupiedWrongCell(*held);
    TPiece* occupant = Puzzle().CellPiece(occupied.x(), occupied.y());
    ClickCell(occupied.x(), occupied.y());
    EXPECT_EQ(Puzzle().HeldPiece, held);
    EXPECT_EQ(Puzzle().CellPiece(occupied.x(), occupied.y()), occupant);
    EXPECT_EQ(Puzzle().Points.Wrong + Puzzle().Points.Correct, 0);
}

TEST_F(PlayingScreen, RiskPieceWonRaisesABonus)
{
    StartWithFirstPieceOfKind(pkDeath);
    Fixture.Run(20);
    Form->PendingEffect = 0;
    ClickPot(0);
    EXPECT_EQ(Form->PendingEffect, 3);
    EXPECT_EQ(Form->ModeIcon, 1);
    TPiece* held = Puzzle().HeldPiece;
    const int before = BonusTotal();
    ClickCell(held->Column, held->Row);
    EXPECT_EQ(Form->PendingEffect, 4);
    EXPECT_EQ(Puzzle().Points.RisksWon, 1);
    EXPECT_EQ(BonusTotal(), before + 1);
}

TEST_F(PlayingScreen, RiskPieceLostSendsTheZindoAndCostsABonus)
{
    StartWithFirstPieceOfKind(pkDeath);
    ClickPot(0);
    TPiece* held = Puzzle().HeldPiece;
    const int before = BonusTotal();
    const QPoint wrong = EmptyWrongCell(*held);
    ClickCell(wrong.x(), wrong.y());
    EXPECT_EQ(Form->PendingEffect, 5); // the raid's 3 is raised first; only the last code sounds
    EXPECT_TRUE(Puzzle().ZindoRunning);
    EXPECT_EQ(BonusTotal(), before - 1);
    EXPECT_EQ(Puzzle().Lives, 3);
    Fixture.Run(100);
    EXPECT_EQ(Form->PendingEffect, 0);
}

TEST_F(PlayingScreen, BonusesAreGreyAndInertWhileAPieceIsHeld)
{
    ClickPot(0);
    ASSERT_NE(Puzzle().HeldPiece, nullptr);
    EXPECT_EQ(Puzzle().BonusCount(bnCheck), -2);
    QTest::mouseClick(Form->CheckBonusPaintBox, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(Form->CleanupBonusPaintBox, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(Form->JokerBonusPaintBox, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(BonusTotal(), 6);
    EXPECT_FALSE(Puzzle().BonusActive(bnCheck));
    EXPECT_FALSE(Puzzle().BroomActive);

    // The greyed icons are darker than the live ones.
    const QImage grey = Form->CheckBonusPaintBox->grab().toImage();
    const QPoint wrong = EmptyWrongCell(*Puzzle().HeldPiece);
    ClickCell(wrong.x(), wrong.y());
    Fixture.Run(20);
    const QImage live = Form->CheckBonusPaintBox->grab().toImage();
    auto brightness = [](const QImage& Image) {
        qint64 sum = 0;
        for (int y = 0; y < 30 && y < Image.height(); ++y)
            for (int x = 0; x < 62 && x < Image.width(); ++x)
                sum += qGray(Image.pixel(x, y));
        return sum;
    };
    EXPECT_LT(brightness(grey), brightness(live));
}

TEST_F(PlayingScreen, EachBonusActsWhenTheHandIsEmpty)
{
    QTest::mouseClick(Form->CheckBonusPaintBox, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Puzzle().BonusActive(bnCheck));
    EXPECT_EQ(Puzzle().Bonuses[bnCheck].Count, 1);
    Fixture.Run(20);
    EXPECT_EQ(Form->ModeIcon, 2);
    Fixture.Run(5100);
    EXPECT_FALSE(Puzzle().BonusActive(bnCheck));
    EXPECT_EQ(Form->ModeIcon, 0);

    QTest::mouseClick(Form->CleanupBonusPaintBox, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Puzzle().BroomActive);
    EXPECT_EQ(Puzzle().Bonuses[bnCleanup].Count, 1);

    ASSERT_GT(Puzzle().Pot.Count(), 0);
    const int placedBefore = Puzzle().Points.Correct;
    QTest::mouseClick(Form->JokerBonusPaintBox, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Puzzle().Bonuses[bnJoker].Count, 1);
    EXPECT_EQ(Form->PendingEffect, 6);
    EXPECT_TRUE(Puzzle().SparkleActive());
    EXPECT_EQ(Puzzle().HeldPiece, nullptr);
    EXPECT_EQ(Puzzle().Points.Correct, placedBefore); // the magic placement is not counted
}

TEST_F(PlayingScreen, PauseHidesThePictureAndResumeShowsIt)
{
    Form->PauseButton->click();
    EXPECT_EQ(Form->Session().GetState(), stPaused);
    EXPECT_EQ(Form->PauseButton->text(), QStringLiteral("Continue Playing"));
    EXPECT_FALSE(Form->PreviewImage->isVisible());
    EXPECT_FALSE(Form->MusicAllowed);
    Fixture.Run(20);
    const QImage board = Form->DropPaintBox->grab().toImage();
    EXPECT_EQ(board.pixel(2, 2) & 0xFFFFFF, 0u);
    const QImage pot = Form->PotPaintBox->grab().toImage();
    for (int y = 0; y < pot.height(); y += 7)
        ASSERT_EQ(pot.pixel(60, y) & 0xFFFFFF, 0u) << "pot not black at y " << y;

    Form->PauseButton->click();
    EXPECT_EQ(Form->Session().GetState(), stPlaying);
    EXPECT_EQ(Form->PauseButton->text(), QStringLiteral("Pause"));
    EXPECT_TRUE(Form->PreviewImage->isVisible());
    EXPECT_TRUE(Form->MusicAllowed);
}

TEST_F(PlayingScreen, SolvedLevelShowsPointsOnceAndOffersTheNextLevel)
{
    const QStringList rows = SolveAndReadPointsDialog();
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], QStringLiteral("Level sucessfully completed=1000"));
    EXPECT_EQ(rows[1], QStringLiteral("0 Zindo risk taken=0"));
    const int correct = Puzzle().Points.Correct;
    EXPECT_EQ(rows[2], QStringLiteral("%1 pieces set correctly=%2").arg(correct).arg(correct * 100));
    EXPECT_TRUE(rows[3].startsWith(QStringLiteral("Speed Bonus=")));
    EXPECT_EQ(rows[4], QStringLiteral("0 pieces set incorrectly=0"));
    EXPECT_EQ(rows[5], QStringLiteral("Total=%1").arg(Puzzle().Points.TotalPoints()));

    EXPECT_EQ(Form->ZindoMessageMarkup(),
              QStringLiteral("<b><font size=12>Perfect - you are ready for the next level</font></b><br>"));
    EXPECT_EQ(Form->ScoreLabel->text(), QString::number(Puzzle().Points.TotalPoints()));
    EXPECT_TRUE(Form->NextPuzzleButton->isVisible());
    EXPECT_EQ(Form->NextPuzzleButton->text(), QStringLiteral("Next Level"));
    EXPECT_TRUE(Form->SaveButton->isVisible());
    EXPECT_FALSE(Form->PauseButton->isVisible());
    EXPECT_FALSE(Form->GimmeButton->isVisible());

    // A click on the board afterwards changes nothing and shows no second dialog.
    const int score = Form->Session().GetScore();
    TPiece* lying = Puzzle().CellPiece(0, 0);
    ClickCell(0, 0);
    EXPECT_EQ(Puzzle().CellPiece(0, 0), lying);
    EXPECT_EQ(Puzzle().HeldPiece, nullptr);
    EXPECT_EQ(Form->Session().GetScore(), score);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    Form->NextPuzzleButton->click();
    EXPECT_EQ(Form->Session().Record().Level, 2);
    EXPECT_EQ(Form->LevelLabel->text(), QStringLiteral("2"));
    EXPECT_EQ(Form->ZindoMessageMarkup(), QString());
    EXPECT_FALSE(Form->NextPuzzleButton->isVisible());
}

TEST_F(PlayingScreen, TooSlowLevelIsTriedAgainWithTheScoreKept)
{
    Fixture.Run(60000); // nobody takes a piece: the pot fills up and stays full
    EXPECT_EQ(Form->Session().GetState(), stTooSlow);
    EXPECT_EQ(Form->ZindoMessageMarkup(),
              QStringLiteral("<b><font size=12>You are too slow - you are not ready for the next level yet. "
                             "Try again in this level!</font></b><br>"));
    EXPECT_EQ(Form->NextPuzzleButton->text(), QStringLiteral("Try Again"));
    EXPECT_TRUE(Form->NextPuzzleButton->isVisible());
    EXPECT_EQ(Puzzle().Pot.Count(), 0);
    EXPECT_FALSE(Form->MusicAllowed);

    Form->NextPuzzleButton->click();
    EXPECT_EQ(Form->Session().Record().Level, 1);
    EXPECT_EQ(Form->Session().GetState(), stPlaying);
    EXPECT_EQ(Form->Session().GetScore(), 0);
}

TEST_F(PlayingScreen, MenuExitAbandonsTheLevelWithoutAVerdict)
{
    WhenModalOpens([](QWidget& Modal) {
        auto& menu = dynamic_cast<TActionForm&>(Modal);
        EXPECT_EQ(menu.ToggleBackgroundMusicButton->text(), QStringLiteral("Turn off Background Music"));
        menu.ExitButtonClick();
    });
    Form->MenuButton->click();
    EXPECT_EQ(Form->MainPageControl->currentWidget(), Form->MainTabSheet);
    Fixture.Run(100);
    EXPECT_EQ(Form->Session().GetState(), stAbandoned);
    EXPECT_EQ(Form->ZindoMessageMarkup(), QString());
    EXPECT_TRUE(Form->MusicAllowed); // the main screen keeps its music
}

TEST_F(PlayingScreen, MenuContinueResumesAndTogglesFlipTheSwitches)
{
    WhenModalOpens([](QWidget& Modal) { dynamic_cast<TActionForm&>(Modal).ToggleSoundEffectsButtonClick(); });
    Form->MenuButton->click();
    EXPECT_FALSE(Form->SoundEffectsOn);
    EXPECT_EQ(Form->Session().GetState(), stPlaying);

    Form->PauseButton->click();
    WhenModalOpens([](QWidget& Modal) { dynamic_cast<TActionForm&>(Modal).ContinueButtonClick(); });
    Form->MenuButton->click();
    EXPECT_EQ(Form->Session().GetState(), stPaused); // paused before the menu: stays paused
}

TEST_F(PlayingScreen, ZindoRaidKeyNeedsTheHiddenFunctions)
{
    Form->Action1->trigger();
    EXPECT_FALSE(Puzzle().ZindoRunning);
    Form->Action2->trigger();
    Form->Action1->trigger();
    EXPECT_TRUE(Puzzle().ZindoRunning);
    Fixture.Run(3000);
    EXPECT_TRUE(Fixture.Errors.isEmpty());
}

TEST_F(PlayingScreen, SolvingTheTenthLevelOffersOnlyTheWayBack)
{
    Form->Session().NewGame(QStringLiteral("Testland"), QStringLiteral("Tess"));
    Form->Session().Record().Level = 10;
    Form->StartLevelScreen();
    Fixture.Run(100);
    SolveAndReadPointsDialog();
    EXPECT_TRUE(Form->Session().ThemeFinished());
    EXPECT_EQ(Form->ZindoMessageMarkup(),
              QStringLiteral("<b><font size=12>Congratulations! You've finished all puzzles of this teme!</font></b><br>"));
    EXPECT_EQ(Form->NextPuzzleButton->text(), QStringLiteral("Back to Main Screen"));
    EXPECT_FALSE(Form->SaveButton->isVisible());
    Form->NextPuzzleButton->click();
    EXPECT_EQ(Form->MainPageControl->currentWidget(), Form->MainTabSheet);
}
