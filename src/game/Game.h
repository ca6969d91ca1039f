#pragma once

#include "game/HighScores.h"
#include "game/PuzzleClass.h"
#include "game/SavedGameRecord.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
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

/// The game session: the one walk of a player through the ten levels of a
/// theme. The main window creates it at start-up and keeps it until exit. It
/// owns the puzzle, holds the session record (player, theme, level, score),
/// starts levels, books the end of each level once (points and a high-score
/// entry, or 100 points off) and passes the puzzle's notifications on.
///
/// Saved games live in "saved/<name>.PGM" (the record's 232 bytes), the high
/// scores in "hscore.hsc", both in the player's folder (data/GamePaths.h);
/// level pictures are "<theme folder>/IP<level><variant>.dat" (two digits
/// each, the first variant 1 .. 99 that exists), the theme folder being the
/// player's own theme of that name or else the shipped one.
///
/// Events, assigned by the owner: OnStateChange after the game's own handling
/// of every state report of the puzzle; OnChange and OnEffect passed on
/// unchanged (repaint masks and effect codes of TPuzzleClass).
class TGame {
public:
    /// Creates the puzzle (which loads its sprites; EQzError when missing)
    /// and subscribes to its three events.
    TGame(TClock& AClock, TRandomGenerator& ARandom);
    ~TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

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
    /// "Internal error: no picture found for level" when the theme has none;
    /// then nothing changes.
    void LoadLevel();
    /// One pass of the idle loop: the puzzle's Update.
    void Tick();
    /// The puzzle's UpdateState (after every player action).
    void UpdateState();
    /// The puzzle's GetState.
    TPuzzleState GetState();
    /// -1 while the level is playing or paused; afterwards 1 when the current
    /// level was solved, else 0.
    std::int32_t LevelOutcome() const;
    /// Level 10 of the theme has been solved.
    bool ThemeFinished() const;
    /// The running score.
    std::int32_t GetScore() const { return GameRecord.Score; }
    /// Deals one more piece at once (the "Next" button).
    void FeedNow();
    void Pause();
    void Resume();
    /// Leaves the level (the in-game menu).
    void Abort();

    // --- Themes and saved games -------------------------------------------

    /// The themes: the entries of the shipped and the player's theme folders
    /// (themes are their sub-directories), each name once, sorted by name
    /// without regard to case.
    void ListThemes(QStringList& List) const;
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
    /// ".PGM" (replacing any extension of Name); SaveName := Name. A name that
    /// IsPlainName refuses, and a record whose player or theme name the
    /// file cannot hold, are refused with EQzError. The file is replaced in one
    /// step, never left half written.
    void SaveGame(const QString& Name);
    /// Loads the saved game Name and starts its level (the next one when the
    /// saved level was solved). When the file is missing, unreadable, short or
    /// damaged (see TSavedGameRecord::Problem), or the level cannot be started,
    /// EQzError is raised and the session record stays as it was. SaveName is
    /// not changed.
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

    TPuzzleClass& Puzzle() { return PuzzleObject; }
    const TPuzzleClass& Puzzle() const { return PuzzleObject; }
    TSavedGameRecord& Record() { return GameRecord; }
    const TSavedGameRecord& Record() const { return GameRecord; }

    // --- Events ----------------------------------------------------------------

    std::function<void(TGame& Sender, std::uint8_t State)> OnStateChange; ///< after the game booked a state report
    std::function<void(TGame& Sender, std::uint8_t Parts)> OnChange;      ///< repaint mask, passed on
    std::function<void(TGame& Sender, std::int32_t Code)> OnEffect;       ///< effect code, passed on

    // --- Fields ------------------------------------------------------------------

    QString SaveName;                 ///< name of the last save; empty until the first; loading keeps it
    std::int32_t LevelStartScore = 0; ///< the score when the current level was loaded
    bool KeepHighScores = true;       ///< false: solved levels are not entered in "hscore.hsc" (the
                                      ///< player's folder cannot keep it, and the player was told so)

private:
    /// Books the result of an ended level once, then raises OnStateChange.
    void HandleStateChange(TPuzzleState State);
    /// The path of the saved game Name; EQzError for names that would leave the folder.
    static QString SavedGamePath(const QString& Name);
    /// The first existing picture file of the current level, or an empty text.
    QString FindLevelPicture() const;

    TClock& Clock;                 ///< seeds the generator at every level load
    TRandomGenerator& Generator;   ///< the program's generator
    TPuzzleClass PuzzleObject;     ///< the puzzle, created with the game
    TSavedGameRecord GameRecord;   ///< the session record
};

} // namespace zindo
