#pragma once

#include "game/Game.h"
#include "game/PuzzleClass.h"

namespace zindo {

/// The tests' one way past the model's operations: the puzzle and the
/// session keep their state private and change it only through what they
/// offer the player, which makes some situations a matter of minutes of play
/// (a level's clock at 300 s, a zindo at a chosen cell, level 10 reached).
/// This friend of both sets such a state directly, and runs the rules the
/// operations use, one at a time. Only tests include it.
struct TModelTestAccess {
    // The puzzle's state.
    static std::int32_t& Lives(TPuzzleClass& Puzzle) { return Puzzle.LivesLeft; }
    static std::int32_t& Level(TPuzzleClass& Puzzle) { return Puzzle.LevelNumber; }
    static std::uint32_t& PlayMs(TPuzzleClass& Puzzle) { return Puzzle.PlayTimeMs; }
    static double& SpeedFactor(TPuzzleClass& Puzzle) { return Puzzle.DealSpeedFactor; }
    static std::uint32_t& SpeedChangeTime(TPuzzleClass& Puzzle) { return Puzzle.SpeedChangeTime; }
    static std::uint32_t& LastFeedTime(TPuzzleClass& Puzzle) { return Puzzle.LastFeedTime; }
    static std::uint32_t& LastStepTime(TPuzzleClass& Puzzle) { return Puzzle.LastStepTime; }
    static std::uint32_t& NextZindoRun(TPuzzleClass& Puzzle) { return Puzzle.NextZindoRun; }
    static double& PotFullSince(TPuzzleClass& Puzzle) { return Puzzle.PotFullSince; }
    static double& IdleSince(TPuzzleClass& Puzzle) { return Puzzle.IdleSince; }
    static TBonusSlot& Bonus(TPuzzleClass& Puzzle, TBonusKind Slot) { return Puzzle.BonusSlots[Slot]; }
    static TPot& Pot(TPuzzleClass& Puzzle) { return Puzzle.PiecePot; }
    static TPiece* HeldPiece(TPuzzleClass& Puzzle) { return Puzzle.Held; }
    static TPiece* CellPiece(TPuzzleClass& Puzzle, std::int32_t Column, std::int32_t Row)
    {
        return Puzzle.PieceIn(Column, Row);
    }
    static bool BoardDirty(const TPuzzleClass& Puzzle) { return Puzzle.BoardDirty; }

    /// Puts a running zindo with its frame's top-left corner at (X, Y),
    /// judged last against the cell (LastColumn, LastRow).
    static void PlaceZindo(TPuzzleClass& Puzzle, std::int32_t X, std::int32_t Y, std::int32_t LastColumn,
                           std::int32_t LastRow)
    {
        Puzzle.ZindoX = X;
        Puzzle.ZindoY = Y;
        Puzzle.ZindoLastColumn = LastColumn;
        Puzzle.ZindoLastRow = LastRow;
    }
    static QPoint BroomPlace(const TPuzzleClass& Puzzle) { return QPoint(Puzzle.BroomX, Puzzle.BroomY); }
    static std::int32_t ZindoFrame(const TPuzzleClass& Puzzle) { return Puzzle.ZindoFrame; }
    static QPoint ZindoLastCell(const TPuzzleClass& Puzzle)
    {
        return QPoint(Puzzle.ZindoLastColumn, Puzzle.ZindoLastRow);
    }
    static const TPuzzleSprites& Sprites(const TPuzzleClass& Puzzle) { return Puzzle.Sprites; }

    // The rules the operations use, one at a time.
    static void Step(TPuzzleClass& Puzzle) { Puzzle.Step(); }
    static bool PutAt(TPuzzleClass& Puzzle, TPiece& Piece, std::int32_t Column, std::int32_t Row)
    {
        return Puzzle.PutAt(Piece, Column, Row);
    }
    static bool DropAt(TPuzzleClass& Puzzle, TPiece& Piece, std::int32_t Column, std::int32_t Row)
    {
        return Puzzle.DropAt(Piece, Column, Row);
    }
    static void RemoveAt(TPuzzleClass& Puzzle, std::int32_t Column, std::int32_t Row)
    {
        Puzzle.RemoveAt(Column, Row);
    }
    static void CleanUp(TPuzzleClass& Puzzle) { Puzzle.CleanUp(); }
    static void RewardRisk(TPuzzleClass& Puzzle) { Puzzle.RewardRisk(); }
    static void PunishRisk(TPuzzleClass& Puzzle) { Puzzle.PunishRisk(); }
    static void StartBroom(TPuzzleClass& Puzzle) { Puzzle.StartBroom(); }
    static void StartSparkle(TPuzzleClass& Puzzle, std::int32_t X, std::int32_t Y) { Puzzle.StartSparkle(X, Y); }
    static void MarkBoardDirty(TPuzzleClass& Puzzle) { Puzzle.MarkBoardDirty(); }

    // The session's state.
    static TPuzzleClass& Puzzle(TGame& Game) { return Game.PuzzleObject; }
    static TSavedGameRecord& Record(TGame& Game) { return Game.GameRecord; }
    static QString& SaveName(TGame& Game) { return Game.LastSaveName; }
};

} // namespace zindo
