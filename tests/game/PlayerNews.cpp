// What the session tells the player beyond the board: what a raid knocked
// off, which bonus a risk won or cost (or the life it cost), the last use of
// a bonus; and when closing would lose progress that is not saved.
#include "GameTestTree.h"

#include "data/QzError.h"

using namespace zindo;
using namespace zindo::test;

namespace {

class PlayerNews : public TGameFixture {
protected:
    PlayerNews()
    {
        Tree.AddTheme(QStringLiteral("Alps"), 10);
        Game->OnNews = [this](TGame&, const TPuzzleNews& News) { News_.push_back(News); };
        Game->NewGame(QStringLiteral("Alps"), QStringLiteral("Ira"));
        Game->StartLevel();
    }

    /// Deals until the pot holds a risk piece (emptying it again when the
    /// free pieces run out), then takes it through the session.
    bool TakeRiskPiece()
    {
        for (int deal = 0; deal < 10000; ++deal) {
            for (int i = 0; i < Puzzle().Pot().Count(); ++i)
                if (Puzzle().Pot().Entry(i).Kind == pkDeath)
                    return Game->TakeFromPot(i) == toTaken;
            if (Puzzle().FreePieceCount() == 0)
                TModelTestAccess::Pot(Puzzle()).Clear();
            Puzzle().FeedNow();
        }
        return false;
    }

    std::array<std::int32_t, 3> Counts() { return {Bonus(bnJoker), Bonus(bnCheck), Bonus(bnCleanup)}; }
    std::int32_t& Bonus(TBonusKind Kind) { return TModelTestAccess::Bonus(Puzzle(), Kind).Count; }

    /// Steps the running zindo until it has left the board.
    void RunZindoOut()
    {
        for (int step = 0; step < 1000 && Puzzle().ZindoRunning(); ++step) {
            Clock.Advance(50);
            TModelTestAccess::Step(Puzzle());
        }
        ASSERT_FALSE(Puzzle().ZindoRunning());
    }

    std::vector<TPuzzleNews> News_; ///< every piece of news passed on by the session
};

} // namespace

TEST_F(PlayerNews, RisksSayWhichBonusTheyWonOrCostAndThenALife)
{
    // Level 10: pieces enough for a risk piece among them.
    TModelTestAccess::Record(*Game).Level = 10;
    Game->LoadLevel();
    // Set right: the news names the bonus that grew by one.
    ASSERT_TRUE(TakeRiskPiece());
    const auto before = Counts();
    const TPiece* piece = Puzzle().HeldPiece();
    ASSERT_EQ(Game->DropOrLiftAt(piece->Column, piece->Row), coDropped);
    ASSERT_EQ(News_.size(), 1u);
    EXPECT_EQ(News_[0].Kind, nkRiskWon);
    EXPECT_EQ(Bonus(News_[0].Bonus), before[News_[0].Bonus] + 1);
    EXPECT_EQ(Puzzle().Points().RisksWon, 1);

    // Set wrong: the bonus that shrank by one; with none left, a life.
    for (const bool bonusesLeft : {true, false}) {
        SCOPED_TRACE(bonusesLeft);
        News_.clear();
        if (!bonusesLeft)
            Bonus(bnJoker) = Bonus(bnCheck) = Bonus(bnCleanup) = 0;
        ASSERT_TRUE(TakeRiskPiece());
        const auto counts = Counts();
        const std::int32_t lives = Puzzle().Lives();
        int column = 0, row = 0;
        ASSERT_TRUE(FindEmptyCell(Puzzle(), Puzzle().HeldPiece()->Column, Puzzle().HeldPiece()->Row, column, row));
        ASSERT_EQ(Game->DropOrLiftAt(column, row), coDropped);
        ASSERT_EQ(News_.size(), 1u);
        if (bonusesLeft) {
            EXPECT_EQ(News_[0].Kind, nkRiskLostBonus);
            EXPECT_EQ(Bonus(News_[0].Bonus), counts[News_[0].Bonus] - 1);
            EXPECT_EQ(Puzzle().Lives(), lives);
        } else {
            EXPECT_EQ(News_[0], TPuzzleNews{.Kind = nkRiskLostLife});
            EXPECT_EQ(Puzzle().Lives(), lives - 1);
        }
        RunZindoOut(); // the lost risk's raid, told apart from the risk
        ASSERT_EQ(News_.size(), 2u);
        EXPECT_EQ(News_[1].Kind, nkRaidOver);
    }
}

TEST_F(PlayerNews, RaidTellsHowManyPiecesItKnockedOffWhenItIsOver)
{
    // Across a board full but for one cell: as many as fell off it, once the
    // zindo is out.
    const auto& pieces = Puzzle().Pieces();
    for (std::size_t i = 1; i < pieces.size(); ++i)
        if (pieces[i]->Place == plFree)
            TModelTestAccess::PutAt(Puzzle(), *pieces[i], pieces[i]->Column, pieces[i]->Row);
    const int placed = PiecesOnBoard(Puzzle());
    ASSERT_EQ(placed + 1, int(pieces.size()));
    Game->StartRaid();
    Clock.Advance(50);
    TModelTestAccess::Step(Puzzle());
    EXPECT_TRUE(News_.empty()) << "nothing told while the zindo runs";
    RunZindoOut();
    ASSERT_EQ(News_.size(), 1u);
    EXPECT_EQ(News_[0].Kind, nkRaidOver);
    EXPECT_GT(News_[0].KnockedOff, 0);
    EXPECT_EQ(News_[0].KnockedOff, placed - PiecesOnBoard(Puzzle()));

    // A raid over an empty board knocks nothing off, and says so.
    for (const auto& piece : Puzzle().Pieces())
        if (piece->Place == plOnBoard)
            TModelTestAccess::RemoveAt(Puzzle(), piece->Column, piece->Row);
    News_.clear();
    Game->StartRaid();
    RunZindoOut();
    EXPECT_EQ(News_, (std::vector<TPuzzleNews>{TPuzzleNews{.Kind = nkRaidOver, .KnockedOff = 0}}));

    // A raid the end of the level cuts short tells nothing: the verdict does.
    News_.clear();
    Game->StartRaid();
    Game->LeaveLevel();
    EXPECT_FALSE(Puzzle().ZindoRunning());
    Play(*Game, Clock, 500);
    EXPECT_TRUE(News_.empty());
}

TEST_F(PlayerNews, OnlyTheLastUseOfABonusIsTold)
{
    ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
    for (const TBonusKind kind : {bnCheck, bnCleanup, bnJoker}) {
        SCOPED_TRACE(int(kind));
        ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
        News_.clear();
        ASSERT_EQ(Game->UseBonus(kind), boUsed);
        EXPECT_TRUE(News_.empty());
        ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
        ASSERT_EQ(Game->UseBonus(kind), boUsed);
        EXPECT_EQ(News_, (std::vector<TPuzzleNews>{TPuzzleNews{.Kind = nkLastBonusUsed, .Bonus = kind}}));
        EXPECT_EQ(Game->UseBonus(kind), boNoneLeft);
        EXPECT_EQ(News_.size(), 1u);
    }
}

TEST_F(PlayerNews, UnsavedProgressIsWhatPlaySinceTheLastSaveOrLoadWouldLose)
{
    // Started, nothing played: nothing to lose. A refused intent plays nothing.
    EXPECT_FALSE(Game->HasUnsavedProgress());
    EXPECT_EQ(Game->TakeFromPot(-1), toNoPiece);
    EXPECT_FALSE(Game->HasUnsavedProgress());
    ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
    EXPECT_FALSE(Game->HasUnsavedProgress()) << "dealing by itself is not the player's play";
    ASSERT_EQ(Game->TakeFromPot(0), toTaken);
    EXPECT_TRUE(Game->HasUnsavedProgress());

    // Saved: nothing to lose until the next play; a save that fails keeps it.
    Game->SaveGame(QStringLiteral("alps"));
    EXPECT_FALSE(Game->HasUnsavedProgress());
    const TPiece* held = Puzzle().HeldPiece();
    ASSERT_EQ(Game->DropOrLiftAt(held->Column, held->Row), coDropped);
    EXPECT_TRUE(Game->HasUnsavedProgress());
    EXPECT_THROW(Game->SaveGame(QStringLiteral("../elsewhere")), EQzError);
    EXPECT_TRUE(Game->HasUnsavedProgress());

    // Loaded: the game as saved, nothing lost yet; a bonus used is play.
    Game->LoadGame(QStringLiteral("alps"));
    EXPECT_FALSE(Game->HasUnsavedProgress());
    ASSERT_EQ(Game->UseBonus(bnCheck), boUsed);
    EXPECT_TRUE(Game->HasUnsavedProgress());

    // A level's booked result is progress; starting the next level is not.
    Game->SaveGame(QStringLiteral("alps"));
    Game->SolveLevel();
    EXPECT_TRUE(Game->HasUnsavedProgress());
    Game->SaveGame(QStringLiteral("alps"));
    Game->StartLevel();
    EXPECT_EQ(Game->Record().Level, 2);
    EXPECT_FALSE(Game->HasUnsavedProgress());

    // Left through the menu, the game is over: nothing left to lose.
    ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
    ASSERT_EQ(Game->TakeFromPot(0), toTaken);
    ASSERT_TRUE(Game->HasUnsavedProgress());
    Game->LeaveLevel();
    EXPECT_FALSE(Game->HasUnsavedProgress());

    // Nor once the theme's last level is solved.
    Game->NewGame(QStringLiteral("Alps"), QStringLiteral("Ira"));
    TModelTestAccess::Record(*Game).Level = 10;
    Game->LoadLevel();
    ASSERT_TRUE(WaitForPotEntry(*Game, Clock));
    ASSERT_EQ(Game->TakeFromPot(0), toTaken);
    EXPECT_TRUE(Game->HasUnsavedProgress());
    Game->SolveLevel();
    ASSERT_TRUE(Game->ThemeFinished());
    EXPECT_FALSE(Game->HasUnsavedProgress());
}

TEST_F(PlayerNews, SavedGamesCanBeFoundAndDeletedByName)
{
    EXPECT_FALSE(TGame::SavedGameExists(QStringLiteral("alps")));
    Game->SaveGame(QStringLiteral("alps"));
    EXPECT_TRUE(TGame::SavedGameExists(QStringLiteral("alps")));
    EXPECT_TRUE(TGame::SavedGameExists(QStringLiteral("alps.txt"))) << "a save under that name replaces alps.PGM";
    EXPECT_FALSE(TGame::SavedGameExists(QStringLiteral("Alps")));
    EXPECT_FALSE(TGame::SavedGameExists(QStringLiteral("../var/saved/alps")));
    Game->SaveGame(QStringLiteral("beta"));

    TGame::DeleteSavedGame(QStringLiteral("alps"));
    EXPECT_FALSE(TGame::SavedGameExists(QStringLiteral("alps")));
    QStringList names;
    QString current;
    Game->ListSavedGames(names, current);
    EXPECT_EQ(names, QStringList{QStringLiteral("beta")});
    // A game that is not there, or a name that leaves the folder, is an error
    // that names it, and deletes nothing.
    for (const QString& name : {QStringLiteral("alps"), QStringLiteral("../saved/beta")}) {
        try {
            TGame::DeleteSavedGame(name);
            ADD_FAILURE() << "no error for " << name.toStdString();
        } catch (const EQzError& error) {
            EXPECT_TRUE(error.Message().contains(name)) << error.Message().toStdString();
        }
    }
    EXPECT_TRUE(TGame::SavedGameExists(QStringLiteral("beta")));
}
