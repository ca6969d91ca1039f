#include "Game.h"

#include "ThemeFiles.h"

#include "data/AnsiText.h"
#include "data/AtomicFile.h"
#include "data/Clock.h"
#include "data/DataContainer.h"
#include "data/GamePaths.h"
#include "data/FileLock.h"
#include "data/Paths.h"
#include "data/QzError.h"
#include "data/RandomGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <exception>

namespace zindo {

namespace {

QString HighScorePath()
{
    return PlayerPath(QStringLiteral("hscore.hsc"));
}

QString SavedGamesFolder()
{
    return PlayerPath(QStringLiteral("saved/"));
}

QString HighScoreLockPath()
{
    return HighScorePath() + QStringLiteral(".lock");
}

/// How long a game waits for another one to finish recording its score.
constexpr int HighScoreLockTimeoutMs = 10000;

/// Folder in the player's folder, made with the player's folder when missing.
void MakeFolder(const QString& Folder)
{
    MakePlayerFolder();
    if (!QDir().mkpath(Folder))
        throw EQzError(QCoreApplication::translate("Files", "Cannot create folder \"%1\"")
                           .arg(QDir::cleanPath(Folder)));
}

} // namespace

TGame::TGame(TClock& AClock, TRandomGenerator& ARandom)
    : Clock(AClock), Generator(ARandom), PuzzleObject(AClock, ARandom, TPuzzleSprites()),
      // The sprites are needed first when a level starts; reading them does
      // not hold up the window meanwhile.
      SpritesInBackground(std::async(std::launch::async, &TPuzzleSprites::Load))
{
    PuzzleObject.OnStateChange = [this](TPuzzleClass&, TPuzzleState State) { HandleStateChange(State); };
    PuzzleObject.OnChange = [this](TPuzzleClass&, std::uint8_t Parts) {
        if (OnChange)
            OnChange(*this, Parts);
    };
    PuzzleObject.OnEffect = [this](TPuzzleClass&, TGameEffect Effect) {
        if (OnEffect)
            OnEffect(*this, Effect);
    };
    PuzzleObject.OnNews = [this](TPuzzleClass&, const TPuzzleNews& News) {
        if (OnNews)
            OnNews(*this, News);
    };
}

TGame::~TGame() = default;

void TGame::WaitUntilReady()
{
    if (SpritesReady)
        return;
    // A failed read is tried again, in place, at the next call.
    TPuzzleSprites sprites = SpritesInBackground.valid() ? SpritesInBackground.get() : TPuzzleSprites::Load();
    PuzzleObject.SetSprites(std::move(sprites));
    SpritesReady = true;
}

// --- Levels ----------------------------------------------------------------------

void TGame::NewGame(const QString& Theme, const QString& PlayerName)
{
    const QString theme = LimitText(Theme, TSavedGameRecord::MaxTextLength);
    const QString playerName = LimitText(PlayerName, TSavedGameRecord::MaxTextLength);
    CheckAnsiText(playerName, QCoreApplication::translate("AnsiText", "player name"));
    CheckAnsiText(theme, QCoreApplication::translate("AnsiText", "theme name"));
    GameRecord.Version = TSavedGameRecord::CurrentVersion;
    GameRecord.Reserved1 = 1;
    GameRecord.Level = 1;
    GameRecord.Reserved2 = 0;
    GameRecord.LastCompletedLevel = 0;
    GameRecord.Score = 0;
    GameRecord.PlayerName = playerName;
    GameRecord.Theme = theme;
    GameGoesOn = true;
    PlayedSinceSave = false;
}

void TGame::StartLevel()
{
    if (LevelOutcome() == loSolved) {
        GameRecord.LastCompletedLevel = GameRecord.Level;
        ++GameRecord.Level;
    }
    LoadLevel();
}

void TGame::LoadLevel()
{
    WaitUntilReady();
    Generator.SetSeed(static_cast<std::uint32_t>(Clock.PerformanceCounter()));
    const TThemeFiles themes;
    const QString file = themes.LevelPictureFile(GameRecord.Theme, GameRecord.Level);
    if (file.isEmpty()) {
        // A saved game outlives its theme when the player deletes the theme:
        // say so, rather than speak of an internal error.
        if (!themes.IsPlayersTheme(GameRecord.Theme) && !themes.IsShippedTheme(GameRecord.Theme))
            throw EQzError(QCoreApplication::translate("Game", "The theme \"%1\" is not there any more: it was "
                                                               "deleted or moved.")
                               .arg(GameRecord.Theme));
        throw EQzError(QCoreApplication::translate("Game", "Internal error: no picture found for level"));
    }
    const QString decoded = DecodeToTemp(file);
    try {
        PuzzleObject.LoadPicture(decoded, GameRecord.Level);
    } catch (const EQzError& error) {
        // The player knows the theme's file, not its decoded copy in the
        // temporary folder: the message names the file the level comes from.
        throw EQzError(error.Message().replace(decoded, QDir::toNativeSeparators(file)));
    }
    // Only a level that really loaded is a new level to book: after a failed
    // load the old result must not be booked a second time.
    StartScore = GameRecord.Score;
    GameRecord.ResultBooked = false;
    PuzzleObject.Start();
    PuzzleObject.UpdateState();
}

void TGame::Tick()
{
    PuzzleObject.Update();
}

void TGame::UpdateState()
{
    PuzzleObject.UpdateState();
}

TPuzzleState TGame::GetState()
{
    return PuzzleObject.GetState();
}

TLevelOutcome TGame::LevelOutcome() const
{
    const TPuzzleState state = PuzzleObject.State();
    if ((state == stPlaying || state == stPaused) && !PuzzleObject.Finished())
        return loRunning;
    return GameRecord.LastCompletedLevel == GameRecord.Level ? loSolved : loFailed;
}

bool TGame::ThemeFinished() const
{
    return GameRecord.LastCompletedLevel == GameRecord.Level && GameRecord.LastCompletedLevel >= 10;
}

bool TGame::HasUnsavedProgress() const
{
    return GameGoesOn && PlayedSinceSave && !ThemeFinished();
}

template <typename TOutcome>
TOutcome TGame::NotePlay(TOutcome Outcome, std::initializer_list<TOutcome> Played)
{
    if (std::find(Played.begin(), Played.end(), Outcome) != Played.end())
        PlayedSinceSave = true;
    return Outcome;
}

// --- The player's intents ------------------------------------------------------

TTakeOutcome TGame::TakeFromPot(std::int32_t Index)
{
    TTakeOutcome outcome = toTaken;
    const TPuzzleState state = PuzzleObject.GetState();
    if (state != stPlaying && state != stLoaded)
        outcome = toNotPlaying;
    else if (PuzzleObject.HeldPiece())
        outcome = toHandFull;
    else if (Index < 0 || Index >= PuzzleObject.Pot().Count())
        outcome = toNoPiece;
    else
        PuzzleObject.TakeFromPot(Index);
    UpdateState();
    return NotePlay(outcome, {toTaken});
}

TCellOutcome TGame::DropOrLiftAt(std::int32_t Column, std::int32_t Row)
{
    TCellOutcome outcome = coNotPlaying;
    if (Column < 0 || Row < 0 || Column >= PuzzleObject.Columns() || Row >= PuzzleObject.Rows()) {
        outcome = coOutside;
    } else if (PuzzleObject.GetState() != stPlaying) {
        // A paused board is hidden: nothing is placed on it blind.
        outcome = coNotPlaying;
    } else if (PuzzleObject.HeldPiece()) {
        outcome = PuzzleObject.DropHeldPiece(Column, Row) ? coDropped : coRefused;
    } else if (PuzzleObject.CellPiece(Column, Row)) {
        PuzzleObject.PickUpAt(Column, Row);
        outcome = coLifted;
    } else {
        outcome = coEmptyCell;
    }
    UpdateState();
    return NotePlay(outcome, {coDropped, coLifted});
}

TPutBackOutcome TGame::PutBackHeldPiece()
{
    const bool fromBoard = PuzzleObject.HeldFromBoard();
    const TPutBackOutcome outcome = PuzzleObject.GetState() != stPlaying ? pbNotPlaying
                                    : PuzzleObject.PutBackHeldPiece()   ? (fromBoard ? pbToCell : pbToPot)
                                                                        : pbEmptyHand;
    UpdateState();
    return outcome;
}

TBonusOutcome TGame::UseBonus(TBonusKind Kind)
{
    TBonusOutcome outcome = boUsed;
    if (PuzzleObject.GetState() != stPlaying)
        outcome = boNotPlaying;
    else if (PuzzleObject.BonusCount(Kind) < 0)
        outcome = boHandFull;
    else if (PuzzleObject.BonusCount(Kind) == 0)
        outcome = boNoneLeft;
    else if (Kind == bnJoker && PuzzleObject.Pot().Count() == 0)
        outcome = boPotEmpty;
    else
        PuzzleObject.UseBonus(Kind);
    UpdateState();
    return NotePlay(outcome, {boUsed});
}

bool TGame::CanDealNow() const
{
    const TPuzzleClass& puzzle = PuzzleObject;
    return puzzle.State() == stPlaying && !puzzle.Finished() && !puzzle.HeldPiece() && puzzle.Pot().HasRoom();
}

TDealOutcome TGame::DealNow()
{
    TDealOutcome outcome = dlDealt;
    if (PuzzleObject.GetState() != stPlaying || PuzzleObject.Finished())
        outcome = dlNotPlaying;
    else if (PuzzleObject.HeldPiece())
        outcome = dlHandFull;
    else if (!PuzzleObject.Pot().HasRoom() || PuzzleObject.FreePieceCount() == 0)
        outcome = dlNoRoom;
    else
        PuzzleObject.FeedNow();
    UpdateState();
    return NotePlay(outcome, {dlDealt});
}

TPauseOutcome TGame::TogglePause()
{
    if (Pause())
        return psPaused;
    if (Resume())
        return psResumed;
    return psNotRunning;
}

bool TGame::Pause()
{
    if (PuzzleObject.GetState() != stPlaying)
        return false;
    PuzzleObject.Pause();
    return true;
}

bool TGame::Resume()
{
    if (PuzzleObject.GetState() != stPaused)
        return false;
    PuzzleObject.Resume();
    return true;
}

void TGame::LeaveLevel()
{
    // Left through the menu, the game cannot be continued: the session's
    // record stays for a save made before, but there is nothing to lose.
    GameGoesOn = false;
    PuzzleObject.Abort();
}

void TGame::SolveLevel()
{
    PlayedSinceSave = true;
    PuzzleObject.Solve();
    UpdateState();
}

void TGame::StartRaid()
{
    PuzzleObject.StartZindoRun();
}

void TGame::HandleStateChange(TPuzzleState State)
{
    std::exception_ptr failure;
    if (IsEndState(State) && !GameRecord.ResultBooked) {
        GameRecord.ResultBooked = true;
        PlayedSinceSave = true;
        if (State == stSolved) {
            GameRecord.LastCompletedLevel = GameRecord.Level;
            GameRecord.Score = TSavedGameRecord::AddToScore(GameRecord.Score, PuzzleObject.Points().TotalPoints());
            StartScore = GameRecord.Score;
            // The result is booked before the file is touched; a high-score
            // file that cannot be written is reported after the verdict.
            try {
                if (KeepHighScores)
                    RecordHighScore(GameRecord.PlayerName, GameRecord.Theme, GameRecord.Score);
            } catch (...) {
                failure = std::current_exception();
            }
        } else {
            GameRecord.Score = TSavedGameRecord::AddToScore(StartScore, -100);
        }
    }
    if (OnStateChange)
        OnStateChange(*this, State);
    if (failure)
        std::rethrow_exception(failure);
}

// --- Themes and saved games ----------------------------------------------------------

void TGame::ListSavedGames(QStringList& List, QString& Current) const
{
    Current = LastSaveName;
    List.clear();
    // Only the files the game itself writes: no folders, and nothing that
    // merely starts like one (such as a temporary file "slot.PGM.Ab12Cd").
    const QString extension = QStringLiteral(".PGM");
    for (const QString& name : QDir(SavedGamesFolder()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (name.endsWith(extension, Qt::CaseSensitive))
            List.append(name.chopped(extension.size()));
}

bool TGame::IsPlainName(const QString& Name)
{
    return !Name.isEmpty() && !Name.startsWith(QLatin1Char('.')) && !Name.contains(QLatin1Char('/')) &&
           !Name.contains(QChar(0));
}

void TGame::CleanUpInterruptedWrites()
{
    RemoveInterruptedWrites(SavedGamesFolder(), QStringLiteral("*.PGM"));
    RemoveInterruptedWrites(QFileInfo(HighScorePath()).path(), QFileInfo(HighScorePath()).fileName());
}

QString TGame::SavedGamePath(const QString& Name)
{
    if (!IsPlainName(Name))
        throw EQzError(QCoreApplication::translate("Game", "\"%1\" is not a valid name for a saved game: a name "
                                                           "may not be empty, start with \".\" or hold \"/\".")
                           .arg(Name));
    return JoinPath(SavedGamesFolder(), ChangeFileExtension(Name, QStringLiteral(".PGM")));
}

void TGame::SaveGame(const QString& Name)
{
    const QString path = SavedGamePath(Name);
    CheckAnsiText(GameRecord.PlayerName, QCoreApplication::translate("AnsiText", "player name"));
    CheckAnsiText(GameRecord.Theme, QCoreApplication::translate("AnsiText", "theme name"));
    MakeFolder(QFileInfo(path).path());
    GameRecord.Version = TSavedGameRecord::CurrentVersion;
    WriteFileAtomically(path, GameRecord.ToBytes());
    LastSaveName = Name;
    PlayedSinceSave = false;
}

bool TGame::SavedGameExists(const QString& Name)
{
    return IsPlainName(Name) && QFileInfo::exists(SavedGamePath(Name));
}

void TGame::DeleteSavedGame(const QString& Name)
{
    QFile file(SavedGamePath(Name));
    if (!file.remove())
        throw EQzError(QCoreApplication::translate("Game", "Cannot delete the saved game \"%1\". %2")
                           .arg(Name, file.errorString()));
}

int TGame::FollowRenamedTheme(const QString& OldTheme, const QString& NewTheme)
{
    CheckAnsiText(NewTheme, QCoreApplication::translate("AnsiText", "theme name"));
    // A shipped theme of the old name that shows again keeps them playable.
    const TThemeFiles themes;
    if (themes.IsPlayersTheme(OldTheme) || themes.IsShippedTheme(OldTheme))
        return 0;
    if (GameRecord.Theme == OldTheme)
        GameRecord.Theme = NewTheme;
    int moved = 0;
    QStringList failed;
    for (const TSavedGameInfo& game : SavedGames()) {
        if (!game.Readable || game.Record.Theme != OldTheme)
            continue;
        TSavedGameRecord record = game.Record;
        record.Theme = NewTheme;
        const QString path = SavedGamePath(game.Name);
        try {
            WriteFileAtomically(path, record.ToBytes());
        } catch (const std::exception&) {
            failed.append(game.Name);
            continue;
        }
        // The load screen orders and shows saved games by when they were saved.
        QFile file(path);
        if (file.open(QIODevice::Append))
            file.setFileTime(game.SavedAt, QFileDevice::FileModificationTime);
        ++moved;
    }
    if (!failed.isEmpty())
        throw EQzError(QCoreApplication::translate("Game", "These saved games still name the theme \"%1\" and "
                                                           "cannot be continued: %2.")
                           .arg(OldTheme, failed.join(QStringLiteral(", "))));
    return moved;
}

TSavedGameRecord TGame::ReadSavedGame(const QString& Name)
{
    const QString path = SavedGamePath(Name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EQzError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2")
                           .arg(path, file.errorString()));
    const QByteArray bytes = file.read(TSavedGameRecord::Size);
    if (bytes.size() < TSavedGameRecord::Size && file.error() != QFileDevice::NoError)
        throw EQzError(QCoreApplication::translate("Files", "Cannot read file \"%1\". %2")
                           .arg(path, file.errorString()));
    const TSavedGameRecord record = TSavedGameRecord::FromBytes(bytes);
    const QString problem = record.Problem();
    if (!problem.isEmpty())
        throw EQzError(QCoreApplication::translate("Game", "The saved game \"%1\" is damaged: %2.").arg(Name, problem));
    return record;
}

std::vector<TSavedGameInfo> TGame::SavedGames() const
{
    QStringList names;
    QString current;
    ListSavedGames(names, current);
    std::vector<TSavedGameInfo> games;
    for (const QString& name : names) {
        TSavedGameInfo game;
        game.Name = name;
        try {
            game.Record = ReadSavedGame(name);
            game.Readable = true;
            game.SavedAt = QFileInfo(SavedGamePath(name)).lastModified();
        } catch (const std::exception&) {
            game.Readable = false; // listed all the same: loading it tells what is wrong
        }
        games.push_back(std::move(game));
    }
    std::stable_sort(games.begin(), games.end(), [](const TSavedGameInfo& A, const TSavedGameInfo& B) {
        const int byName = QString::compare(A.Name, B.Name, Qt::CaseInsensitive);
        if (byName != 0)
            return byName < 0;
        return A.SavedAt > B.SavedAt;
    });
    return games;
}

void TGame::LoadGame(const QString& Name)
{
    const TSavedGameRecord loaded = ReadSavedGame(Name);

    // The game takes the loaded record only when its level starts; otherwise
    // the session goes on as it was.
    const TSavedGameRecord previous = GameRecord;
    GameRecord = loaded;
    try {
        GameRecord.Level = loaded.NextLevel();
        LoadLevel();
    } catch (...) {
        GameRecord = previous;
        throw;
    }
    GameGoesOn = true;
    PlayedSinceSave = false;
}

// --- High scores --------------------------------------------------------------------

void TGame::ReadHighScores(THighScoreTable& Table)
{
    const QString path = HighScorePath();
    QByteArray bytes;
    if (FileExists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw EQzError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2")
                               .arg(path, file.errorString()));
        bytes = file.read(THighScoreTable::Size);
    }
    Table = THighScoreTable::FromBytes(bytes);
}

void TGame::RecordHighScore(const QString& PlayerName, const QString& Theme, std::int32_t Score)
{
    MakeFolder(QFileInfo(HighScorePath()).path());
    // Read, change and write back as one step among all running games.
    const TFileLock lock(HighScoreLockPath(), HighScoreLockTimeoutMs);
    THighScoreTable table;
    ReadHighScores(table);
    table.RecordScore(PlayerName, Theme, Score);
    WriteFileAtomically(HighScorePath(), table.ToBytes());
}

} // namespace zindo
