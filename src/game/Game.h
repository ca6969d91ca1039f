#pragma once

#include "game/HighScores.h"
#include "game/PuzzleClass.h"
#include "game/SavedGameRecord.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <future>
#include <initializer_list>
#include <vector>

namespace zindo {

class TClock;
class TRandomGenerator;

/// A saved game as the load screen lists it.
struct TSavedGameInfo {
    QString Name;            ///< the name it is loaded by: its file name without the extension
    bool Readable = false;   ///< its record could be read (Record and SavedAt are valid)
    TSavedGameRecord Record; ///< theme, level and score of the game
    QDateTime SavedAt;       ///< the file's time of last change: when it was saved
};

/// How the current level stands, for the screens' choice of how to go on.
enum TLevelOutcome : std::uint8_t {
    loRunning = 0, ///< the level is playing or paused
    loFailed,      ///< it ended without being solved: it is played again
    loSolved,      ///< it was solved: the next level follows
};

/// What taking a piece from the pot came to.
enum TTakeOutcome : std::uint8_t {
    toTaken = 0,  ///< the piece is in the hand
    toHandFull,   ///< a piece is in the hand already; nothing changed
    toNoPiece,    ///< no pot entry there
    toNotPlaying, ///< no level is being played
};

/// What the player's choice of a board cell came to.
enum TCellOutcome : std::uint8_t {
    coDropped = 0, ///< the piece in hand was placed on the cell (or, an auto-drop piece, on its own)
    coRefused,     ///< the cell holds a piece the piece in hand may not replace; it stays in the hand
    coLifted,      ///< the piece lying on the cell is in the hand now
    coEmptyCell,   ///< nothing in the hand and nothing on the cell
    coOutside,     ///< not a cell of the board
    coNotPlaying,  ///< no level is being played
};

/// What putting the piece in hand back came to.
enum TPutBackOutcome : std::uint8_t {
    pbToCell = 0, ///< the piece lies on the cell it was lifted from again
    pbToPot,      ///< the piece lies in the pot again, where it was taken from
    pbEmptyHand,  ///< nothing is in the hand
    pbNotPlaying, ///< no level is being played, or it is paused
};

/// What using a bonus came to.
enum TBonusOutcome : std::uint8_t {
    boUsed = 0,   ///< the bonus works now, one use less
    boNoneLeft,   ///< no use of it is left
    boHandFull,   ///< bonuses wait while a piece is in the hand
    boPotEmpty,   ///< "Use Magic" with nothing in the pot: nothing happens, nothing is spent
    boNotPlaying, ///< no level is being played
};

/// What asking for the next piece at once came to.
enum TDealOutcome : std::uint8_t {
    dlDealt = 0,  ///< a piece is on its way into the pot
    dlNoRoom,     ///< the pot has no room at its top yet, or no piece is left to deal
    dlHandFull,   ///< a piece is in the hand
    dlNotPlaying, ///< no level is being played
};

/// What pausing or resuming came to.
enum TPauseOutcome : std::uint8_t {
    psPaused = 0, ///< the level was playing and is paused now
    psResumed,    ///< the level was paused and plays again
    psNotRunning, ///< no level is playing or paused
};

/// The game session: the one walk of a player through the ten levels of a
/// theme, and the game's mid-end between the player's input and the model.
/// The main window creates it before its screens, which each get a reference,
/// and keeps it until exit. It owns the puzzle, holds the session record
/// (player, theme, level, score), starts levels, books the end of each level
/// once (points and a high-score entry, or 100 points off) and passes the
/// puzzle's notifications on.
///
/// Whatever the player does - with the mouse, the keyboard or a gamepad -
/// is one of a few intents (TakeFromPot, DropOrLiftAt, PutBackHeldPiece,
/// UseBonus, DealNow, TogglePause, LeaveLevel), each answering with what
/// happened; the state is re-evaluated after each. Views read the puzzle
/// through const.
///
/// Saved games live in "saved/<name>.PGM" (the record's 232 bytes), the high
/// scores in "hscore.hsc", both in the player's folder (data/GamePaths.h);
/// level pictures are "<theme folder>/IP<level><variant>.dat" (two digits
/// each, the first variant 1 .. 99 that exists), the theme folder being the
/// player's own theme of that name or else the shipped one.
///
/// Events, assigned by the owner: OnStateChange after the game's own handling
/// of every state report of the puzzle; OnChange, OnEffect and OnNews passed
/// on unchanged (repaint masks, effects and news of TPuzzleClass).
class TGame {
public:
    /// Creates the puzzle and subscribes to its three events. The puzzle's
    /// sprites are read on a worker thread from now on; WaitUntilReady waits
    /// for them.
    TGame(TClock& AClock, TRandomGenerator& ARandom);
    ~TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    /// Waits until the puzzle's sprites have been read; raises EQzError when
    /// one cannot be read (and reads them again at the next call). Levels
    /// wait for them by themselves.
    void WaitUntilReady();

    // --- Levels ----------------------------------------------------------

    /// A new game of Theme for PlayerName at level 1 with score 0 (at most 100
    /// characters of each text are kept). The caller then calls StartLevel.
    /// A name or theme that the game's files cannot store (see IsAnsiText) is
    /// refused with EQzError, and the session stays as it was.
    void NewGame(const QString& Theme, const QString& PlayerName);
    /// "Next Level" and "Try Again": moves on when the current level was
    /// solved, then LoadLevel.
    void StartLevel();
    /// Loads and starts the current level: reseeds the generator, finds the
    /// level picture, loads it into the puzzle and starts it. Raises EQzError
    /// "Internal error: no picture found for level" when the theme has none,
    /// or a message that the theme is gone when its folder is not there;
    /// then nothing changes.
    void LoadLevel();
    /// One pass of the idle loop: the puzzle's Update.
    void Tick();
    /// The puzzle's UpdateState.
    void UpdateState();
    /// The puzzle's GetState: the state, evaluated anew while playing.
    TPuzzleState GetState();
    /// How the current level stands.
    TLevelOutcome LevelOutcome() const;
    /// Level 10 of the theme has been solved.
    bool ThemeFinished() const;
    /// Closing the game now would lose something: a game was started or
    /// loaded, it goes on (its level was not left through the menu and its
    /// theme is not finished), and since it was started, loaded or last saved
    /// the player has taken, set or lifted a piece, used a bonus or asked for
    /// a piece, or a level's result was booked.
    bool HasUnsavedProgress() const;
    /// The running score.
    std::int32_t GetScore() const { return GameRecord.Score; }
    /// Nothing happens as the clock runs until the player acts (see
    /// TPuzzleClass::UpdateIdle).
    bool TickIdle() const { return PuzzleObject.UpdateIdle(); }
    /// Ms until the next tick has work (0 = now); only meaningful while playing.
    std::uint32_t MsToNextTick() const { return PuzzleObject.MsToNextStep(); }

    // --- The player's intents ------------------------------------------------

    /// Takes pot entry Index (0 = the lowest) into the empty hand.
    TTakeOutcome TakeFromPot(std::int32_t Index);
    /// Drops the piece in hand on the cell (Column, Row), or, with an empty
    /// hand, lifts the piece lying there.
    TCellOutcome DropOrLiftAt(std::int32_t Column, std::int32_t Row);
    /// Puts the piece in hand back where it came from: onto the cell it was
    /// lifted from, or into its place in the pot. Second thoughts after a
    /// lift still cost what the lift cost (the dealing stays faster).
    TPutBackOutcome PutBackHeldPiece();
    /// Uses the bonus Kind: the broom (bnCleanup), "Use Magic" (bnJoker) or
    /// the check (bnCheck, for CheckDurationMs).
    TBonusOutcome UseBonus(TBonusKind Kind);
    /// The next piece at once (the "Next" button), when CanDealNow.
    TDealOutcome DealNow();
    /// A piece may be asked for at once: the level is playing and not
    /// finished, the hand is empty and the pot has room at its top.
    bool CanDealNow() const;
    /// Pauses a playing level or resumes a paused one.
    TPauseOutcome TogglePause();
    /// Pauses the level when it is playing (the in-game menu, the window
    /// losing the keyboard); true when it did.
    bool Pause();
    /// Resumes the level when it is paused; true when it did.
    bool Resume();
    /// Leaves the level (the in-game menu): it ends as abandoned, which costs
    /// 100 points, and the game ends with it: nothing is left to continue.
    void LeaveLevel();
    /// The hidden debug action: every piece on its own cell.
    void SolveLevel();
    /// The hidden debug action: a zindo raid now.
    void StartRaid();

    // --- Themes and saved games -------------------------------------------

    /// The saved games: the files in "saved/" whose names end in ".PGM"
    /// exactly, without that extension, sorted by name without regard to case;
    /// Current := SaveName.
    void ListSavedGames(QStringList& List, QString& Current) const;
    /// The saved games of ListSavedGames, each name once, with what their
    /// files hold: ordered by name without regard to case, the newest first
    /// among names that differ only in case. A file that cannot be read is
    /// listed too, marked unreadable.
    std::vector<TSavedGameInfo> SavedGames() const;
    /// The record of the saved game Name. EQzError when the file is missing,
    /// unreadable, short or damaged (see TSavedGameRecord::Problem), or Name
    /// would leave the folder.
    static TSavedGameRecord ReadSavedGame(const QString& Name);
    /// Saves the session record as "saved/" + Name with the extension
    /// ".PGM" (replacing any extension of Name); SaveName := Name, and the
    /// progress counts as saved. A name that IsPlainName refuses, and a record
    /// whose player or theme name the file cannot hold, are refused with
    /// EQzError. The file is replaced in one step, never left half written.
    void SaveGame(const QString& Name);
    /// A saved game would be replaced by SaveGame(Name): its file exists.
    /// False for a name SaveGame refuses.
    static bool SavedGameExists(const QString& Name);
    /// Deletes the saved game Name. EQzError when its file cannot be removed
    /// (it is missing, the folder is write-protected), or Name would leave
    /// the folder.
    static void DeleteSavedGame(const QString& Name);
    /// The player's theme OldTheme is now called NewTheme: every saved game
    /// of OldTheme (and the session record, when it plays OldTheme) is
    /// rewritten to name NewTheme, so that it can still be continued; nothing
    /// changes while OldTheme still names a theme (a shipped one that the
    /// player's had hidden, which they can go on with). A saved
    /// game keeps its time of saving, and one that cannot be read is left as
    /// it is. Answers how many saved games were moved; EQzError naming those
    /// that could not be rewritten, after all the others are moved.
    int FollowRenamedTheme(const QString& OldTheme, const QString& NewTheme);
    /// Loads the saved game Name and starts its level (the next one when the
    /// saved level was solved). When the file is missing, unreadable, short or
    /// damaged (see TSavedGameRecord::Problem), or the level cannot be started,
    /// EQzError is raised and the session record stays as it was. SaveName is
    /// not changed; a loaded game has no unsaved progress.
    void LoadGame(const QString& Name);
    /// Whether Name can name a saved game or a theme: a file name that stays
    /// in its folder and is not hidden; not empty, no '/' or zero character,
    /// not starting with '.' (which also refuses "." and "..").
    static bool IsPlainName(const QString& Name);
    /// Removes what writes of the game's files killed half-way left behind
    /// (the temporary files of saved games and of the high-score table). The
    /// program calls it once at start-up, before any screen lists or writes
    /// these files.
    static void CleanUpInterruptedWrites();

    // --- High scores -------------------------------------------------------

    /// The high-score table from "hscore.hsc" (empty when there is no
    /// file; a short file fills what it holds).
    static void ReadHighScores(THighScoreTable& Table);
    /// Enters Score of PlayerName on Theme into "hscore.hsc" (see
    /// THighScoreTable::RecordScore), creating the file when missing. Games
    /// recording at the same time take turns through the lock file
    /// "hscore.hsc.lock", so no entry is lost.
    static void RecordHighScore(const QString& PlayerName, const QString& Theme, std::int32_t Score);

    // --- Access --------------------------------------------------------------

    /// The puzzle, for the views.
    const TPuzzleClass& Puzzle() const { return PuzzleObject; }
    /// The session record: player, theme, level, score.
    const TSavedGameRecord& Record() const { return GameRecord; }
    /// Name of the last save; empty until the first; loading keeps it.
    const QString& SaveName() const { return LastSaveName; }
    /// The score when the current level was loaded.
    std::int32_t LevelStartScore() const { return StartScore; }
    /// Whether solved levels are entered in "hscore.hsc"; off when the
    /// player's folder cannot keep it (and the player was told so).
    void SetKeepHighScores(bool Keep) { KeepHighScores = Keep; }

    // --- Events ----------------------------------------------------------------

    std::function<void(TGame& Sender, TPuzzleState State)> OnStateChange; ///< after the game booked a state report
    std::function<void(TGame& Sender, std::uint8_t Parts)> OnChange;      ///< repaint mask, passed on
    std::function<void(TGame& Sender, TGameEffect Effect)> OnEffect;      ///< effect, passed on
    std::function<void(TGame& Sender, const TPuzzleNews& News)> OnNews;   ///< news for the player, passed on

private:
    friend struct TModelTestAccess;

    /// Notes that Outcome changed the game when it is one of Played.
    template <typename TOutcome>
    TOutcome NotePlay(TOutcome Outcome, std::initializer_list<TOutcome> Played);
    /// Books the result of an ended level once, then raises OnStateChange.
    void HandleStateChange(TPuzzleState State);
    /// The path of the saved game Name; EQzError for names that would leave the folder.
    static QString SavedGamePath(const QString& Name);

    TClock& Clock;                 ///< seeds the generator at every level load
    TRandomGenerator& Generator;   ///< the program's generator
    TPuzzleClass PuzzleObject;     ///< the puzzle, created with the game
    std::future<TPuzzleSprites> SpritesInBackground; ///< the puzzle's sprites, being read
    bool SpritesReady = false;     ///< the puzzle has its sprites
    TSavedGameRecord GameRecord;   ///< the session record
    QString LastSaveName;          ///< see SaveName
    std::int32_t StartScore = 0;   ///< see LevelStartScore
    bool KeepHighScores = true;    ///< see SetKeepHighScores
    bool GameGoesOn = false;       ///< a game was started or loaded and not left since
    bool PlayedSinceSave = false;  ///< something was played since the game was started, loaded or saved
};

} // namespace zindo
