#pragma once

#include "support/ModelTestAccess.h"
#include "support/TestTree.h"

#include "data/Clock.h"
#include "data/DataContainer.h"
#include "data/RandomGenerator.h"
#include "game/Game.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace zindo::test {

/// A picture of one colour.
inline QImage SolidImage(int Width, int Height, QColor Color)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Color);
    return image;
}

/// A picture whose every region looks different, so that pieces can be told apart.
inline QImage PatternImage(int Width, int Height)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / Width, y * 255 / Height, (x * 7 + y * 13) % 256));
    return image;
}

/// A program tree with the game's data: the broom, the four zindo frames and
/// the background texture as containers, and level pictures on demand.
class TGameTree : public TTestTree {
public:
    TGameTree()
    {
        // Sprites: a coloured body on a magenta ground (the bottom-left pixel).
        QImage broom = SolidImage(40, 60, QColor(255, 0, 255));
        QPainter(&broom).fillRect(10, 0, 20, 50, QColor(150, 90, 30));
        AddContainer(QStringLiteral("dat/IBROOM.dat"), broom, QStringLiteral("broom.bmp"));
        for (int i = 0; i < 4; ++i) {
            QImage frame = SolidImage(50, 40, QColor(255, 0, 255));
            QPainter(&frame).fillRect(5 + i, 5, 30, 25, QColor(20, 20, 20));
            AddContainer(QStringLiteral("dat/izn%1.dat").arg(i), frame, QStringLiteral("izn%1.bmp").arg(i));
        }
        AddContainer(QStringLiteral("dat/IPBK.DAT"), SolidImage(600, 600, TextureColor),
                     QStringLiteral("ipbk.jpg"));
    }

    /// Writes Image as the plain file PlainName (its extension decides the
    /// format) and packs it into the container at Relative.
    QString AddContainer(const QString& Relative, const QImage& Image, const QString& PlainName)
    {
        const QString plain = Path(QStringLiteral("plain/%1/%2").arg(++Serial).arg(PlainName));
        QDir().mkpath(QFileInfo(plain).path());
        const bool jpeg = PlainName.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive) ||
                          PlainName.endsWith(QStringLiteral(".jpeg"), Qt::CaseInsensitive);
        EXPECT_TRUE(Image.save(plain, jpeg ? "JPEG" : "BMP", jpeg ? 95 : -1));
        const QString dest = Path(Relative);
        QDir().mkpath(QFileInfo(dest).path());
        EncodeFile(plain, dest);
        return dest;
    }

    /// The picture of variant Variant of Level of Theme.
    QString AddLevelPicture(const QString& Theme, int Level, int Variant, const QImage& Image,
                            const QString& Extension = QStringLiteral(".bmp"))
    {
        const QString name = QString::asprintf("IP%2.2d%2.2d", Level, Variant);
        return AddContainer(QStringLiteral("dat/puzz/%1/%2.dat").arg(Theme, name), Image, name + Extension);
    }

    /// A theme with pictures for levels 1 .. Levels (4:3, small).
    void AddTheme(const QString& Theme, int Levels)
    {
        for (int level = 1; level <= Levels; ++level)
            AddLevelPicture(Theme, level, 1, PatternImage(120, 90));
    }

    static inline const QColor TextureColor = QColor(40, 160, 40);

private:
    int Serial = 0; ///< keeps the plain files apart
};

/// Advances the clock by Ms in passes of StepMs, ticking the game after each.
inline void Play(TGame& Game, TManualClock& Clock, std::uint32_t Ms, std::uint32_t StepMs = 10)
{
    for (std::uint32_t t = 0; t < Ms; t += StepMs) {
        Clock.Advance(StepMs);
        Game.Tick();
    }
}

/// Ticks until the pot holds an entry or the level is no longer playing.
inline bool WaitForPotEntry(TGame& Game, TManualClock& Clock)
{
    for (int i = 0; i < 4000 && Game.Puzzle().Pot().Count() == 0; ++i) {
        if (Game.Puzzle().State() != stPlaying)
            return false;
        Clock.Advance(10);
        Game.Tick();
    }
    return Game.Puzzle().Pot().Count() > 0;
}

/// What the player did while solving a level by hand.
struct TSolveLog {
    int Counted = 0;  ///< pieces dropped by the player and counted as correct
    int RisksWon = 0; ///< risk pieces among them
    int AutoDrops = 0;///< auto-drop pieces (land by themselves, uncounted)
};

/// Plays the current level to its end by taking the lowest pot entry and
/// dropping it on its own cell, as a perfect player would.
inline TSolveLog SolveByHand(TGame& Game, TManualClock& Clock)
{
    TSolveLog log;
    const TPuzzleClass& puzzle = Game.Puzzle();
    while (puzzle.State() == stPlaying) {
        if (!WaitForPotEntry(Game, Clock))
            break;
        const TPieceKind kind = puzzle.Pot().Entry(0).Kind;
        EXPECT_EQ(Game.TakeFromPot(0), toTaken);
        const TPiece* piece = puzzle.HeldPiece();
        EXPECT_EQ(Game.DropOrLiftAt(piece->Column, piece->Row), coDropped);
        if (kind == pkAutoDrop) {
            ++log.AutoDrops;
        } else {
            ++log.Counted;
            if (kind == pkDeath)
                ++log.RisksWon;
        }
        Game.UpdateState();
    }
    return log;
}

/// The pieces lying in a cell of their own.
inline int PiecesOnBoard(const TPuzzleClass& Puzzle)
{
    int count = 0;
    for (const auto& piece : Puzzle.Pieces())
        count += piece->Place == plOnBoard ? 1 : 0;
    return count;
}

/// An empty cell other than (AvoidColumn, AvoidRow), or false when none.
inline bool FindEmptyCell(const TPuzzleClass& Puzzle, int AvoidColumn, int AvoidRow, int& Column, int& Row)
{
    for (int c = 0; c < Puzzle.Columns(); ++c)
        for (int r = 0; r < Puzzle.Rows(); ++r)
            if (!Puzzle.CellPiece(c, r) && (c != AvoidColumn || r != AvoidRow)) {
                Column = c;
                Row = r;
                return true;
            }
    return false;
}

/// A game in a fresh tree with a hand-driven clock and a fixed seed.
class TGameFixture : public ::testing::Test {
protected:
    TGameFixture()
    {
        Clock.SetPerformanceCounter(0x5EED0001);
        Game = std::make_unique<TGame>(Clock, Random);
        Game->OnStateChange = [this](TGame&, TPuzzleState State) { States.push_back(State); };
        Game->OnEffect = [this](TGame&, TGameEffect Effect) { Effects.push_back(Effect); };
    }

    /// The session's puzzle, through the tests' seam: game-level tests play
    /// some of its rules directly.
    TPuzzleClass& Puzzle() { return TModelTestAccess::Puzzle(*Game); }

    TGameTree Tree;
    TManualClock Clock;
    TRandomGenerator Random{1};
    std::unique_ptr<TGame> Game;
    std::vector<std::uint8_t> States;  ///< every state passed on by the game
    std::vector<std::int32_t> Effects; ///< every effect code passed on
};

/// A puzzle of its own (no session) with a started level-10 picture: 63
/// pieces, 13 of them placed at the start.
class TPuzzleFixture : public ::testing::Test {
protected:
    TPuzzleFixture()
    {
        Puzzle.OnEffect = [this](TPuzzleClass&, std::int32_t Code) { Effects.push_back(Code); };
        Puzzle.OnChange = [this](TPuzzleClass&, std::uint8_t Parts) { Changes.push_back(Parts); };
        const QString container = Tree.AddLevelPicture(QStringLiteral("T"), 10, 1, PatternImage(120, 90));
        Puzzle.LoadPicture(DecodeToTemp(container), 10);
        Puzzle.Start();
    }

    /// Feeds pieces until the pot holds an entry of Kind; its index, or -1
    /// when the free pieces ran out.
    int FeedUntilKind(TPieceKind Kind)
    {
        for (;;) {
            for (int i = 0; i < Puzzle.Pot().Count(); ++i)
                if (Puzzle.Pot().Entry(i).Kind == Kind)
                    return i;
            if (Puzzle.FreePieceCount() == 0)
                return -1;
            Puzzle.FeedNow();
        }
    }

    /// Takes an entry of Kind into the hand; the held piece.
    TPiece* TakeKind(TPieceKind Kind)
    {
        const int index = FeedUntilKind(Kind);
        EXPECT_GE(index, 0) << "no entry of kind " << int(Kind);
        if (index < 0)
            return nullptr;
        Puzzle.TakeFromPot(index);
        EXPECT_EQ(Puzzle.HeldKind(), Kind);
        return TModelTestAccess::HeldPiece(Puzzle);
    }

    /// A piece lying on its own cell.
    TPiece* PlacedPiece()
    {
        for (const auto& piece : Puzzle.Pieces())
            if (piece->Place == plOnBoard)
                return piece.get();
        return nullptr;
    }

    TGameTree Tree;
    TManualClock Clock;
    TRandomGenerator Random{11};
    TPuzzleClass Puzzle{Clock, Random};
    std::vector<std::int32_t> Effects;  ///< every effect raised
    std::vector<std::uint8_t> Changes;  ///< every repaint mask raised
};

} // namespace zindo::test
