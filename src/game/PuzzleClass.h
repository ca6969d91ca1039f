#pragma once

#include "data/QzBitmap.h"
#include "game/Piece.h"
#include "game/Pot.h"
#include "game/PuzzlePointsCounter.h"

#include <QImage>
#include <QPoint>
#include <QString>

class QPainter;

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace zindo {

class TClock;
class TRandomGenerator;
struct TModelTestAccess;

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

/// A bonus slot of the puzzle.
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

/// Effects raised through OnEffect; the window plays a sound for each. The
/// values are the sound table's codes.
enum TGameEffect : std::uint8_t {
    efRisk = 3,     ///< a risk piece taken from the pot; a zindo raid starts
    efRiskWon = 4,  ///< a risk piece dropped on its own cell
    efRiskLost = 5, ///< a risk piece dropped on a wrong cell
    efMagic = 6,    ///< "Use Magic" placed a piece
    efPause = 10,   ///< the level was paused or resumed
};

/// What a piece of news from the puzzle is about (see TPuzzleNews).
enum TNewsKind : std::uint8_t {
    nkRaidOver = 0,  ///< the zindo has run across the board; KnockedOff pieces fell off it
    nkRiskWon,       ///< a risk piece lies on its own cell: Bonus has one use more
    nkRiskLostBonus, ///< a risk piece lies on a wrong cell: Bonus has one use less
    nkRiskLostLife,  ///< a risk piece lies on a wrong cell and no bonus was left: a life less
    nkLastBonusUsed, ///< the player has used the last use of Bonus
};

/// Something that happened to the player's level which the board alone does
/// not tell: what a raid cost, what a risk brought, a bonus used up.
struct TPuzzleNews {
    TNewsKind Kind = nkRaidOver; ///< what happened
    TBonusKind Bonus = bnJoker;  ///< the bonus won, lost or used up (nkRiskWon, nkRiskLostBonus, nkLastBonusUsed)
    std::int32_t KnockedOff = 0; ///< the pieces the zindo knocked off (nkRaidOver)

    bool operator==(const TPuzzleNews&) const = default;
};

/// The size of the board's cell array along each side.
inline constexpr int MaxCells = 101;

/// The side of the board picture's square area that a level picture is fitted into.
inline constexpr int MaxBoardSide = 600;

/// How long the check marks wrong pieces, in ms.
inline constexpr std::int32_t CheckDurationMs = 5000;

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

/// The board picture of Source at Size: the background Texture (scaled as
/// the board is), a grey shadow 3 board pixels right and down, and the
/// picture scaled smoothly into its place, all where Layout puts them on a
/// board of Layout.Width x Layout.Height, scaled by Size / that. At the
/// board's own size this is the puzzle's Picture (in 32 bits); at a screen's
/// device size it shows as much of Source's detail as the screen can. Edges
/// fall on round(x * scale).
QImage ComposeBoardPicture(const QImage& Source, const QImage& Texture, const TBoardLayout& Layout, QSize Size);

/// Draws the check's cross over the board cell Cell (in the painter's pixels,
/// Scale of them to a board pixel): 3 board pixels of red with a 1-pixel
/// white edge along both diagonals, both edges first so that the red runs
/// through where they meet, clipped to the cell.
void DrawCheckCross(QPainter& Painter, const QRect& Cell, double Scale);

/// The pictures that run over the board: the broom and the four frames of the
/// running zindo, transparent 24-bit sprites.
struct TPuzzleSprites {
    TQzBitmap Broom;                     ///< the broom of a sweep
    std::array<TQzBitmap, 4> ZindoFrames; ///< the zindo's frames, in running order

    /// Reads the broom ("IBROOM.dat" in the game data folder) and the four
    /// zindo frames ("izn0.dat" .. "izn3.dat"). Raises EQzError when one
    /// cannot be read. Safe on a worker thread.
    static TPuzzleSprites Load();
};

/// One puzzle: turns a level picture into a board picture, cuts it into square
/// pieces, keeps the board's cells and the whereabouts of every piece, deals
/// pieces into the pot, judges every drop, knocks pieces off, renders the board
/// and runs the board's animations (falling pieces, the zindo, the broom, the
/// sparkle). It also carries the rules of a running level: state, lives, bonus
/// slots, timers and the dealing speed.
///
/// The game session creates one puzzle and loads every level into it with
/// LoadPicture, and turns the player's intents into its play operations.
/// Views read it through const: its accessors never change the game. Pixel
/// positions are in board-picture coordinates, (0, 0) at its top-left corner.
/// Its state changes only through its operations; tests that must reach a
/// situation play would take minutes to reach use TModelTestAccess, a friend
/// defined by the tests alone.
///
/// Events (assigned by the owner, raised synchronously inside the operation):
/// OnChange with a repaint mask (RepaintBoard, RepaintPot, RepaintBonus),
/// OnEffect with an effect, OnStateChange with the state, OnNews with what a
/// raid, a risk or a bonus just did (after the puzzle has changed). A raid's
/// news comes when the zindo has left the board; a raid that the end of the
/// level cuts short has none.
class TPuzzleClass {
public:
    /// A puzzle whose sprites are read now (TPuzzleSprites::Load).
    TPuzzleClass(TClock& AClock, TRandomGenerator& ARandom);
    /// A puzzle with sprites read elsewhere; they may also come later, through
    /// SetSprites, before the first level is loaded.
    TPuzzleClass(TClock& AClock, TRandomGenerator& ARandom, TPuzzleSprites ASprites);
    ~TPuzzleClass();
    TPuzzleClass(const TPuzzleClass&) = delete;
    TPuzzleClass& operator=(const TPuzzleClass&) = delete;

    // --- Loading (the session) -------------------------------------------

    /// Replaces the sprites.
    void SetSprites(TPuzzleSprites ASprites);
    /// Builds the puzzle of Level (1 .. 10) from the decoded picture file
    /// FileName (".jpg" or ".jpeg" in any case is JPEG, anything else a
    /// bitmap), decoded once and kept: composes the board picture (the
    /// background texture "IPBK.DAT" of the data folder, a grey shadow and the
    /// picture, see ComposeBoardPicture), cuts it, pre-places 20 % of the
    /// pieces and leaves the puzzle in stLoaded. A piece in hand is given up.
    /// When the picture or the background texture cannot be read, EQzError
    /// is raised and the puzzle is left as it was.
    void LoadPicture(const QString& FileName, std::int32_t ALevel);

    // --- Rules of a level (the session) ----------------------------------

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
    /// Ms until Update's next 50 ms step is due (0 when it is due now); only
    /// meaningful while playing.
    std::uint32_t MsToNextStep() const;
    /// The state, evaluated when playing: abandoned, no lives, too slow (pot
    /// full for 10 s, or idle), board full (solved or wrong). An end state is
    /// stored and sets Finished; the piece in hand then goes back where it
    /// came from, the animations under way end and OnChange(RepaintAll)
    /// follows, so that the board, the pot and the bonus boxes show the ended
    /// level.
    TPuzzleState GetState();
    /// Reports GetState() to the state subscriber, when there is one.
    void UpdateState();
    /// Ms between timed feeds: (13000 - 200 x Level - play seconds) /
    /// SpeedFactor, rounded, at least 4000.
    std::uint32_t FeedInterval() const;
    /// Pauses a playing level, keeping the feed timer and the raid schedule.
    void Pause();
    /// Resumes a paused level with the kept timers.
    void Resume();
    /// The player leaves the level: stAbandoned at the next evaluation.
    void Abort();

    // --- Play operations (the session, for the player) --------------------

    /// Takes pot entry Index into the hand (only while loaded or playing).
    /// Taking a piece is play: both too-slow clocks start again.
    void TakeFromPot(std::int32_t Index);
    /// Drops the piece in hand on a cell; true when it was placed. Deals a
    /// piece at once when the pot is empty afterwards.
    bool DropHeldPiece(std::int32_t Column, std::int32_t Row);
    /// Lifts a piece from the board into the hand (only while playing); the
    /// dealing speeds up.
    void PickUpAt(std::int32_t Column, std::int32_t Row);
    /// Puts the piece in hand back where it came from (only while playing):
    /// one lifted from the board onto its cell, as if it had never been
    /// lifted; one taken from the pot into its place in the pot, with its
    /// kind (see TPot::PutBack). True when a piece went back.
    bool PutBackHeldPiece();
    /// The piece in hand was lifted from the board (not taken from the pot).
    bool HeldFromBoard() const { return Held && HeldFromColumn >= 0; }
    /// Uses a bonus: bnCheck for DurationMs, bnJoker ("Use Magic"),
    /// bnCleanup. Does nothing without a use left (see BonusCount); "Use
    /// Magic" with an empty pot costs nothing.
    void UseBonus(TBonusKind Slot, std::int32_t DurationMs = CheckDurationMs);
    /// Deals one piece at once and records the feed time, unless Finished.
    void FeedNow();
    /// Puts every piece on its own cell (the hidden debug action).
    void Solve();
    /// Sends the zindo across the board (a lost risk, the raid schedule, the
    /// hidden debug action); nothing while it runs already.
    void StartZindoRun();

    // --- Queries for the session and the views ---------------------------

    TPuzzleState State() const { return CurrentState; } ///< as last evaluated
    std::int32_t Level() const { return LevelNumber; }  ///< level of the loaded picture, 1 .. 10
    std::int32_t Lives() const { return LivesLeft; }    ///< lives left
    bool Finished() const { return LevelFinished; }     ///< the level has ended (no more feeding)
    const TPot& Pot() const { return PiecePot; }        ///< the pot
    const TPuzzlePointsCounter& Points() const { return LevelPoints; } ///< the level's points
    std::int32_t PieceSize() const { return PieceSide; } ///< side of every piece in pixels
    std::int32_t Columns() const { return ColumnCount; } ///< number of used columns
    std::int32_t Rows() const { return RowCount; }       ///< number of used rows
    /// The composed board picture, 24 bits; empty before the first level.
    const QImage& Picture() const { return ComposedPicture; }
    /// The level picture as decoded, at its full resolution: what Picture
    /// shows, from which a view composes the board at its screen's own
    /// resolution (ComposeBoardPicture with BackgroundTexture and
    /// BoardLayout). Empty before the first level.
    const QImage& SourcePicture() const { return LevelSource; }
    /// The background texture of the level's board, as decoded.
    const QImage& BackgroundTexture() const { return LevelTexture; }
    /// Where the level picture lies on the board (BoardLayoutFor).
    const TBoardLayout& BoardLayout() const { return LevelLayout; }
    /// Pale copy of Picture (each colour byte + 170, at most 255), shown under
    /// the board while the preview bonus is active.
    const QImage& HintPicture() const { return PalePicture; }
    /// The piece in hand, or nullptr.
    const TPiece* HeldPiece() const { return Held; }
    /// Kind of the piece in hand.
    TPieceKind HeldKind() const { return HeldPieceKind; }
    /// The bonus slot Slot.
    const TBonusSlot& Bonus(TBonusKind Slot) const { return BonusSlots[Slot]; }
    /// Uses left of Slot: 0 unless playing, negated while a piece is in hand.
    std::int32_t BonusCount(TBonusKind Slot) const;
    /// Whether the timed effect of Slot is on.
    bool BonusActive(TBonusKind Slot) const;
    /// Play time in ms, in whole seconds.
    std::uint32_t PlayMs() const { return PlayTimeMs; }
    /// Divisor of the feed interval; 1.0 at Start.
    double SpeedFactor() const { return DealSpeedFactor; }
    /// The number of pieces in plFree.
    std::int32_t FreePieceCount() const;
    /// The rendered board: white, the preview while active, the grid, the
    /// placed pieces, bold red crosses with a white edge on wrong pieces while
    /// the check is active. Rendered when the board has changed since.
    const QImage& BoardBitmap() const;
    /// The cell under pixel (X, Y): X div PieceSize, Y div PieceSize truncating
    /// toward zero; a column or row beyond the grid is -1. Callers reject
    /// negative results.
    void CellAt(std::int32_t X, std::int32_t Y, std::int32_t& Column, std::int32_t& Row) const;
    /// The pixel origin of a cell.
    QPoint CellOrigin(std::int32_t Column, std::int32_t Row) const;
    /// The piece lying in a cell, or nullptr (also for cells outside the array).
    const TPiece* CellPiece(std::int32_t Column, std::int32_t Row) const;
    /// All pieces in cutting order (column by column).
    const std::vector<std::unique_ptr<TPiece>>& Pieces() const { return PieceList; }
    /// Pieces knocked off the board and falling out of it.
    const std::vector<TRemovingPiece>& FallingPieces() const { return Falling; }
    /// A zindo run is under way.
    bool ZindoRunning() const { return RaidRunning; }
    /// The top-left corner of the running zindo's frame.
    QPoint ZindoPosition() const { return QPoint(ZindoX, ZindoY); }
    /// The current frame of the running zindo.
    const TQzBitmap& ZindoFrameBitmap() const;
    /// A sweep of the broom is under way.
    bool BroomActive() const { return Sweeping; }
    /// The top-left corner of the broom picture.
    QPoint BroomPosition() const { return QPoint(BroomX, BroomY); }
    /// The broom.
    const TQzBitmap& BroomPicture() const { return Sprites.Broom; }
    /// A sparkle is running.
    bool SparkleActive() const { return SparkleSteps >= 0; }
    /// The centre of the sparkle.
    QPoint SparklePosition() const { return QPoint(SparkleX, SparkleY); }
    /// One of the two too-slow clocks runs (the pot view shakes its pieces).
    bool TimeRunningOut() const { return PotFullSince != 0 || IdleSince != 0; }

    // --- Events ----------------------------------------------------------

    std::function<void(TPuzzleClass& Sender, TGameEffect Effect)> OnEffect;      ///< effect (sound) request
    std::function<void(TPuzzleClass& Sender, std::uint8_t Parts)> OnChange;      ///< repaint request (mask)
    std::function<void(TPuzzleClass& Sender, TPuzzleState State)> OnStateChange; ///< state report
    std::function<void(TPuzzleClass& Sender, const TPuzzleNews& News)> OnNews;   ///< news for the player

private:
    friend struct TModelTestAccess;

    // Rules and play, as the public operations use them.
    void Step();
    void ReportState(TPuzzleState AState);
    bool DropAt(TPiece& Piece, std::int32_t Column, std::int32_t Row);
    bool PutAt(TPiece& Piece, std::int32_t Column, std::int32_t Row);
    void RemoveAt(std::int32_t Column, std::int32_t Row);
    void CleanUp();
    void FeedRandomPiece();
    void RewardRisk();
    void PunishRisk();
    void ReturnHeldPiece();
    TPiece* PieceIn(std::int32_t Column, std::int32_t Row) const;

    // Animations.
    void StartBroom();
    void StartSparkle(std::int32_t X, std::int32_t Y);
    void StepFallingPieces();
    void StepZindo();
    void StepBroom();
    void StepSparkle();
    void CheckPot();

    // Notifications and helpers.
    void MarkBoardDirty();
    void DoEffect(TGameEffect Effect);
    void ReportNews(const TPuzzleNews& News);
    void SpendBonus(TBonusKind Slot);
    void ChangeNotify(std::uint8_t Parts);
    void RenderBoard() const;
    bool InGrid(std::int32_t Column, std::int32_t Row) const;
    bool IsWrongAt(std::int32_t Column, std::int32_t Row) const;
    void ClearBoard();

    TClock& Clock;                              ///< ticks and calendar time
    TRandomGenerator& Generator;                ///< the program's generator
    TPuzzleSprites Sprites;                     ///< broom and zindo
    std::vector<std::unique_ptr<TPiece>> PieceList; ///< all pieces, in cutting order (owned)
    TPot PiecePot;                              ///< the pot
    TPuzzlePointsCounter LevelPoints;           ///< the level's points

    // The level.
    TPuzzleState CurrentState = stLoaded;       ///< state as last evaluated
    TPuzzleState LastReportedState = stLoaded;  ///< last state passed to OnStateChange
    bool AbortRequested = false;                ///< the player left the level through the in-game menu
    bool LevelFinished = true;                  ///< the level has reached an end state (no more feeding)
    std::int32_t LevelNumber = 0;               ///< level of the loaded picture, 1 .. 10
    std::int32_t LivesLeft = 0;                 ///< lives left
    std::array<TBonusSlot, BonusSlotCount> BonusSlots{}; ///< indexed by TBonusKind
    QImage ComposedPicture;                     ///< the composed board picture, 24 bits
    QImage LevelSource;                         ///< see SourcePicture
    QImage LevelTexture;                        ///< see BackgroundTexture
    TBoardLayout LevelLayout;                   ///< see BoardLayout
    QImage PalePicture;                         ///< see HintPicture
    std::int32_t PieceSide = 100;               ///< side of every piece in pixels
    std::int32_t ColumnCount = 0;               ///< number of used columns
    std::int32_t RowCount = 0;                  ///< number of used rows
    /// The board, indexed [column][row]; empty cells hold nullptr.
    std::array<std::array<TPiece*, MaxCells>, MaxCells> Cells{};

    // The hand.
    TPiece* Held = nullptr;                     ///< the piece in hand, or nullptr
    TPieceKind HeldPieceKind = pkPlain;         ///< kind of the piece in hand
    std::int32_t HeldFromColumn = -1;           ///< cell the piece in hand was lifted from; -1 = taken from the pot
    std::int32_t HeldFromRow = -1;              ///< cell the piece in hand was lifted from; -1 = taken from the pot
    std::int32_t HeldFromPotIndex = -1;         ///< pot entry the piece in hand was taken as; -1 = lifted from the board
    double HeldFromPotPosition = 0;             ///< where that entry lay in the pot

    // Timing and dealing.
    std::uint32_t LastStepTime = 0;             ///< tick of the last animation step
    std::uint32_t LastFeedTime = 0;             ///< tick of the last pot feed
    std::uint32_t LastPotCheckTime = 0;         ///< tick of the last once-a-second pot check
    double PotFullSince = 0;                    ///< calendar day count since the pot is full; 0 = not full
    double IdleSince = 0;                       ///< calendar day count since nothing is left to deal and the pot is still; 0 = not counting
    std::uint32_t LastSecondTime = 0;           ///< tick at which PlayTimeMs was last advanced
    std::uint32_t PlayTimeMs = 0;               ///< play time in ms, in whole seconds
    std::uint32_t SpeedChangeTime = 0;          ///< tick of the last change of DealSpeedFactor; 0 = none pending
    double DealSpeedFactor = 0;                 ///< divisor of the feed interval; 1.0 at Start
    std::int32_t PausedFeedElapsed = 0;         ///< ms since the last feed, kept over a pause
    std::int32_t PausedZindoRemaining = 0;      ///< ms to the next raid, kept over a pause

    // Animations.
    std::uint32_t NextZindoRun = 0;             ///< tick of the next unprovoked raid
    bool RaidRunning = false;                   ///< a zindo run is under way
    std::int32_t RaidKnockedOff = 0;            ///< pieces the zindo has knocked off in this run
    std::int32_t ZindoX = 0;                    ///< left edge of the zindo frame
    std::int32_t ZindoY = 0;                    ///< top edge of the zindo frame
    std::int32_t ZindoLastColumn = 0;           ///< the last cell the zindo was judged against
    std::int32_t ZindoLastRow = 0;              ///< the last cell the zindo was judged against
    std::int32_t ZindoFrame = 0;                ///< current frame, 0 .. 3
    std::vector<TRemovingPiece> Falling;        ///< pieces falling off the board
    std::int32_t SparkleSteps = -1;             ///< steps of the running sparkle; negative = none
    std::int32_t SparkleX = 0;                  ///< centre of the sparkle
    std::int32_t SparkleY = 0;                  ///< centre of the sparkle
    bool Sweeping = false;                      ///< a sweep of the broom is under way
    std::int32_t BroomX = 0;                    ///< left edge of the broom picture
    std::int32_t BroomY = 0;                    ///< top edge of the broom picture

    // The rendered board, a cache of what the fields above show.
    mutable QImage RenderedBoard;               ///< the rendered board, 24 bits
    mutable bool BoardDirty = false;            ///< RenderedBoard must be rendered again
};

} // namespace zindo
