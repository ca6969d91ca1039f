#pragma once

#include "data/QzBitmap.h"
#include "game/Piece.h"
#include "game/Pot.h"
#include "game/PuzzlePointsCounter.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace zindo {

class TClock;
class TRandomGenerator;

/// The state of a level. An end state (stSolved .. stAbandoned) stays until the
/// next LoadPicture.
enum TPuzzleState : std::uint8_t {
    stLoaded = 0,    ///< a picture is loaded, Start not yet called
    stPlaying = 1,   ///< the level runs
    stPaused = 2,    ///< paused; Update only reports changes
    stSolved = 3,    ///< the board is full and every piece lies on its own cell
    stWrong = 4,     ///< the board is full and some piece lies on a wrong cell
    stTooSlow = 5,   ///< the pot stayed full too long, or the player dawdled after the last piece
    stNoLives = 6,   ///< the lives are used up
    stAbandoned = 7, ///< the player left the level
};

/// True for stSolved .. stAbandoned.
inline bool IsEndState(TPuzzleState State) { return State >= stSolved && State <= stAbandoned; }

/// The index of a bonus slot in TPuzzleClass::Bonuses.
enum TBonusKind : std::uint8_t {
    bnJoker = 0,   ///< "Use Magic": a random pot piece goes to its own cell
    bnCheck = 1,   ///< red crosses on wrongly placed pieces for a while
    bnCleanup = 2, ///< the broom: every wrongly placed piece falls off
    bnPreview = 3, ///< the pale picture under the board at level start
};

/// The number of bonus slots.
inline constexpr int BonusSlotCount = 4;

/// One bonus slot: uses left and the timed effect.
struct TBonusSlot {
    std::int32_t Count = 0;         ///< uses left
    bool Active = false;            ///< the timed effect is on
    std::uint32_t ActiveUntil = 0;  ///< tick at which the effect ends
};

/// Repaint masks raised through OnChange.
inline constexpr std::uint8_t RepaintBoard = 1; ///< the board and what moves on it
inline constexpr std::uint8_t RepaintPot = 2;   ///< the pot
inline constexpr std::uint8_t RepaintBonus = 4; ///< the bonus boxes
inline constexpr std::uint8_t RepaintAll = 7;   ///< everything

/// Effect codes raised through OnEffect (the playing screen plays a sound).
inline constexpr std::int32_t EffectRisk = 3;     ///< a risk piece taken from the pot; a zindo raid starts
inline constexpr std::int32_t EffectRiskWon = 4;  ///< a risk piece dropped on its own cell
inline constexpr std::int32_t EffectRiskLost = 5; ///< a risk piece dropped on a wrong cell
inline constexpr std::int32_t EffectMagic = 6;    ///< "Use Magic" placed a piece
inline constexpr std::int32_t EffectPause = 10;   ///< the level was paused or resumed

/// The size of the board's cell array along each side.
inline constexpr int MaxCells = 101;

/// The side of the board picture's square area that a level picture is fitted into.
inline constexpr int MaxBoardSide = 600;

/// Piece size for levels 1 .. 10 (120, 120, 100, 100, 85, 85, 75, 75, 66, 66);
/// other levels are clamped into that range.
std::int32_t PieceSizeForLevel(std::int32_t Level);

/// Where the scaled level picture lies on the board picture, as computed by
/// ComposeBoardPicture.
struct TBoardLayout {
    std::int32_t Width = 0;        ///< board width, a multiple of the piece size
    std::int32_t Height = 0;       ///< board height, a multiple of the piece size
    std::int32_t PictureLeft = 0;  ///< left edge of the scaled picture
    std::int32_t PictureTop = 0;   ///< top edge of the scaled picture
    std::int32_t PictureWidth = 0; ///< width of the scaled picture
    std::int32_t PictureHeight = 0;///< height of the scaled picture
};

/// The layout of a SourceWidth x SourceHeight picture fitted into MaxSide with
/// pieces of PieceSize: the long side scaled to the largest multiple of the
/// piece size not above MaxSide, less 15; the board rounded up to whole pieces
/// with a margin of at least 15; the picture centred on it.
TBoardLayout BoardLayoutFor(std::int32_t SourceWidth, std::int32_t SourceHeight, std::int32_t MaxSide,
                            std::int32_t PieceSize);

/// One puzzle: turns a level picture into a board picture, cuts it into square
/// pieces, keeps the board's cells and the whereabouts of every piece, deals
/// pieces into the pot, judges every drop, knocks pieces off, renders the board
/// and runs the board's animations (falling pieces, the zindo, the broom, the
/// sparkle). It also carries the rules of a running level: state, lives, bonus
/// slots, timers and the dealing speed.
///
/// The game session creates one puzzle and loads every level into it with
/// LoadPicture; the playing screen calls the play operations from its mouse
/// handlers and paints from the public fields and accessors. Pixel positions
/// are in board-picture coordinates, (0, 0) at its top-left corner.
///
/// Events (assigned by the owner, raised synchronously inside the operation):
/// OnChange with a repaint mask (RepaintBoard, RepaintPot, RepaintBonus),
/// OnEffect with an effect code (EffectRisk ..), OnStateChange with the state.
class TPuzzleClass {
public:
    /// Loads the broom ("IBROOM.dat" in the game data folder) and the four
    /// zindo frames ("izn0.dat" .. "izn3.dat") as transparent 24-bit sprites.
    /// Raises EQzError when one cannot be read.
    TPuzzleClass(TClock& AClock, TRandomGenerator& ARandom);
    ~TPuzzleClass();
    TPuzzleClass(const TPuzzleClass&) = delete;
    TPuzzleClass& operator=(const TPuzzleClass&) = delete;

    // --- Loading (the session) -------------------------------------------

    /// Builds the puzzle of Level (1 .. 10) from the decoded picture file
    /// FileName (".jpg" or ".jpeg" in any case is JPEG, anything else a
    /// bitmap): composes the board picture, cuts it, pre-places 20 % of the
    /// pieces and leaves the puzzle in stLoaded. A piece in hand is given up.
    /// When the picture or the background texture cannot be read, EQzError
    /// is raised and the puzzle is left as it was.
    void LoadPicture(const QString& FileName, std::int32_t ALevel);

    /// The board picture of Source at piece size APieceSize: the background
    /// texture ("IPBK.DAT" in the data folder), a grey shadow 3 pixels right and down, and
    /// the scaled picture centred on it (see BoardLayoutFor).
    QImage ComposeBoardPicture(const QImage& Source, std::int32_t MaxSide, std::int32_t APieceSize) const;

    // --- Rules of a level (the session and the playing screen) -----------

    /// Starts the clocks of a loaded level: stPlaying, preview on for 10 s,
    /// first raid in 60 .. 180 s, points counter reset with its allowance.
    void Start();
    /// One pass of the tick: play seconds, a step every 50 ms, speed
    /// relaxation, timed feeding; empties the pot of an ended level; reports a
    /// changed state.
    void Update();
    /// Update would do nothing now and goes on doing nothing as the clock
    /// runs, until a play operation changes the puzzle: no level runs, the
    /// state has been reported and an ended level's pot is empty.
    bool UpdateIdle() const;
    /// One 50 ms step: bonus expiry, falling pieces, raid schedule, zindo,
    /// broom, sparkle, the pot's fall, the once-a-second too-slow checks, and
    /// the board rendered when marked.
    void Step();
    /// The state, evaluated when playing: abandoned, no lives, too slow (pot
    /// full for 10 s, or idle), board full (solved or wrong). An end state is
    /// stored and sets Finished; the piece in hand then goes back where it
    /// came from (see HeldFromColumn), the animations under way end and
    /// OnChange(RepaintAll) follows, so that the board, the pot and the bonus
    /// boxes show the ended level.
    TPuzzleState GetState();
    /// ReportState(GetState()) when a state subscriber is set.
    void UpdateState();
    /// LastReportedState := State; then OnStateChange with GetState() anew.
    void ReportState(TPuzzleState AState);
    /// Ms between timed feeds: (13000 - 200 x Level - play seconds) /
    /// SpeedFactor, rounded, at least 4000.
    std::uint32_t FeedInterval() const;
    /// Uses left of Slot: 0 unless playing, negated while a piece is in hand.
    std::int32_t BonusCount(std::uint8_t Slot);
    /// Uses a bonus: bnCheck for DurationMs, bnJoker ("Use Magic"), bnCleanup.
    void UseBonus(std::uint8_t Slot, std::int32_t DurationMs);
    /// Whether the timed effect of Slot is on.
    bool BonusActive(std::uint8_t Slot) const;
    /// A risk won: one of joker, check and cleanup (drawn by Random(3)) + 1.
    void RewardRisk();
    /// A risk lost: a random slot with uses left - 1, or a life when none has.
    void PunishRisk();
    /// Pauses a playing level, keeping the feed timer and the raid schedule.
    void Pause();
    /// Resumes a paused level with the kept timers.
    void Resume();
    /// The player leaves the level: stAbandoned at the next evaluation.
    void Abort();

    // --- Play operations (the playing screen) ----------------------------

    /// Takes pot entry Index into the hand (only while loaded or playing).
    /// Taking a piece is play: both too-slow clocks start again.
    void TakeFromPot(std::int32_t Index);
    /// Drops the piece in hand on a cell; true when it was placed. Deals a
    /// piece at once when the pot is empty afterwards.
    bool DropHeldPiece(std::int32_t Column, std::int32_t Row);
    /// Lifts a piece from the board into the hand (only while playing); the
    /// dealing speeds up.
    void PickUpAt(std::int32_t Column, std::int32_t Row);
    /// Judged placement of Piece on a cell, honouring HeldKind.
    bool DropAt(TPiece& Piece, std::int32_t Column, std::int32_t Row);
    /// Unjudged placement of Piece on an empty cell.
    bool PutAt(TPiece& Piece, std::int32_t Column, std::int32_t Row);
    /// Knocks the piece in a cell off the board; it falls and returns to the free pool.
    void RemoveAt(std::int32_t Column, std::int32_t Row);
    /// The broom sweeps: every wrongly placed piece falls off.
    void CleanUp();
    /// Puts every piece on its own cell (the debug action).
    void Solve();
    /// Deals one random free piece into the pot, then UpdateState.
    void FeedRandomPiece();
    /// FeedRandomPiece and records the feed time, unless Finished.
    void FeedNow();
    /// The number of pieces in plFree.
    std::int32_t FreePieceCount() const;

    // --- Animations ------------------------------------------------------

    void StartZindoRun();
    void StartBroom();
    void StartSparkle(std::int32_t X, std::int32_t Y);
    /// BoardDirty := true, then OnChange(RepaintBoard).
    void MarkBoardDirty();
    /// Raises OnEffect(Code).
    void DoEffect(std::int32_t Code);

    // --- Queries for the session and the views ---------------------------

    /// The rendered board (BoardBitmap), rendered first when it is marked.
    const QImage& GetBoardBitmap();
    /// Renders BoardBitmap: white, the preview while active, the grid, the
    /// placed pieces, bold red crosses with a white edge on wrong pieces
    /// while the check is active.
    void RenderBoard();
    /// The cell under pixel (X, Y): X div PieceSize, Y div PieceSize truncating
    /// toward zero; a column or row beyond the grid is -1. Callers reject
    /// negative results.
    void CellAt(std::int32_t X, std::int32_t Y, std::int32_t& Column, std::int32_t& Row) const;
    /// The pixel origin of a cell.
    QPoint CellOrigin(std::int32_t Column, std::int32_t Row) const;
    /// The top-left corner of the zindo frame. Ends the run when its x has
    /// passed the picture's width.
    QPoint ZindoPosition();
    /// The current frame of the running zindo.
    const TQzBitmap& ZindoFrameBitmap() const;
    /// The top-left corner of the broom picture.
    QPoint BroomPosition() const { return QPoint(BroomX, BroomY); }
    /// A sparkle is running.
    bool SparkleActive() const { return SparkleSteps >= 0; }
    /// The centre of the sparkle.
    QPoint SparklePosition() const { return QPoint(SparkleX, SparkleY); }
    /// One of the two too-slow clocks runs (the pot view shakes its pieces).
    bool TimeRunningOut() const { return PotFullSince != 0 || IdleSince != 0; }
    /// The piece lying in a cell, or nullptr (also for cells outside the array).
    TPiece* CellPiece(std::int32_t Column, std::int32_t Row) const;
    /// All pieces in cutting order (column by column).
    const std::vector<std::unique_ptr<TPiece>>& Pieces() const { return PieceList; }

    // --- Events ----------------------------------------------------------

    std::function<void(TPuzzleClass& Sender, std::int32_t Code)> OnEffect;        ///< effect (sound) request
    std::function<void(TPuzzleClass& Sender, std::uint8_t Parts)> OnChange;       ///< repaint request (mask)
    std::function<void(TPuzzleClass& Sender, TPuzzleState State)> OnStateChange;  ///< state report

    // --- Fields, read by the session and the views -----------------------

    bool Aborted = false;               ///< the level was left through the in-game menu
    std::uint32_t LastStepTime = 0;     ///< tick of the last animation step
    std::uint32_t LastFeedTime = 0;     ///< tick of the last pot feed
    TPuzzleState State = stLoaded;      ///< current state
    QImage HintPicture;                 ///< pale copy of Picture (each colour byte + 170, at most 255)
    QImage Picture;                     ///< the composed board picture, 24 bits
    TPot Pot;                           ///< the pot
    std::int32_t PieceSize = 100;       ///< side of every piece in pixels
    std::int32_t Level = 0;             ///< level of the loaded picture, 1 .. 10
    /// The board, indexed [column][row]; empty cells hold nullptr.
    std::array<std::array<TPiece*, MaxCells>, MaxCells> Cells{};
    std::int32_t Columns = 0;           ///< number of used columns
    std::int32_t Rows = 0;              ///< number of used rows
    TPiece* HeldPiece = nullptr;        ///< the piece in hand, or nullptr
    TPieceKind HeldKind = pkPlain;      ///< kind of the piece in hand
    std::int32_t HeldFromColumn = -1;   ///< cell the piece in hand was lifted from; -1 = taken from the pot
    std::int32_t HeldFromRow = -1;      ///< cell the piece in hand was lifted from; -1 = taken from the pot
    bool Finished = true;               ///< the level has reached an end state (no more feeding)
    std::int32_t Lives = 0;             ///< lives left
    std::array<TBonusSlot, BonusSlotCount> Bonuses{}; ///< bonus slots, indexed by TBonusKind
    std::uint32_t NextZindoRun = 0;     ///< tick of the next unprovoked raid
    bool ZindoRunning = false;          ///< a zindo run is under way
    std::int32_t ZindoX = 0;            ///< left edge of the zindo frame
    std::int32_t ZindoY = 0;            ///< top edge of the zindo frame
    std::int32_t ZindoLastColumn = 0;   ///< the last cell the zindo was judged against
    std::int32_t ZindoLastRow = 0;      ///< the last cell the zindo was judged against
    std::int32_t ZindoFrame = 0;        ///< current frame, 0 .. 3
    std::array<TQzBitmap, 4> ZindoFrames; ///< the four frames of the running zindo
    QImage BoardBitmap;                 ///< the rendered board, 24 bits
    std::vector<TRemovingPiece> FallingPieces; ///< pieces falling off the board
    bool BoardDirty = false;            ///< BoardBitmap must be rendered again
    std::int32_t SparkleSteps = -1;     ///< steps of the running sparkle; negative = none
    std::int32_t SparkleX = 0;          ///< centre of the sparkle
    std::int32_t SparkleY = 0;          ///< centre of the sparkle
    TQzBitmap BroomPicture;             ///< the broom
    bool BroomActive = false;           ///< a sweep is under way
    std::int32_t BroomX = 0;            ///< left edge of the broom picture
    std::int32_t BroomY = 0;            ///< top edge of the broom picture
    std::uint32_t LastPotCheckTime = 0; ///< tick of the last once-a-second pot check
    double PotFullSince = 0;            ///< calendar day count since the pot is full; 0 = not full
    double IdleSince = 0;               ///< calendar day count since nothing is left to deal and the pot is still; 0 = not counting
    std::uint32_t LastSecondTime = 0;   ///< tick at which PlayMs was last advanced
    std::uint32_t PlayMs = 0;           ///< play time in ms, in whole seconds
    std::uint32_t SpeedChangeTime = 0;  ///< tick of the last change of SpeedFactor; 0 = none pending
    double SpeedFactor = 0;             ///< divisor of the feed interval; 1.0 at Start
    TPuzzleState LastReportedState = stLoaded; ///< last state passed to OnStateChange
    std::int32_t PausedFeedElapsed = 0;    ///< ms since the last feed, kept over a pause
    std::int32_t PausedZindoRemaining = 0; ///< ms to the next raid, kept over a pause
    TPuzzlePointsCounter Points;        ///< the level's points

private:
    void ChangeNotify(std::uint8_t Parts);
    bool InGrid(std::int32_t Column, std::int32_t Row) const;
    bool IsWrongAt(std::int32_t Column, std::int32_t Row) const;
    void ClearBoard();
    void StepFallingPieces();
    void StepZindo();
    void StepBroom();
    void StepSparkle();
    void CheckPot();
    void ReturnHeldPiece();

    TClock& Clock;                              ///< ticks and calendar time
    TRandomGenerator& Generator;                ///< the program's generator
    std::vector<std::unique_ptr<TPiece>> PieceList; ///< all pieces, in cutting order (owned)
};

} // namespace zindo
