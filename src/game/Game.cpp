#include "Game.h"

#include "data/Clock.h"
#include "data/DataContainer.h"
#include "data/GamePaths.h"
#include "data/Paths.h"
#include "data/QzError.h"
#include "data/RandomGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

/// The names in Folder (files and directories, no hidden ones), sorted by
/// name without regard to case.
QStringList FolderEntries(const QString& Folder)
{
    return QDir(Folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

/// A name that stays inside the folder it is joined to: not empty, not "."
/// or "..", no path separator, no zero character.
bool IsPlainName(const QString& Name)
{
    return !Name.isEmpty() && Name != QStringLiteral(".") && Name != QStringLiteral("..") &&
           !Name.contains(QLatin1Char('/')) && !Name.contains(QChar(0));
}

/// Writes Bytes as the whole of Path: into a temporary file beside it that
/// replaces Path only when everything was written.
void WriteWholeFile(const QString& Path, const QByteArray& Bytes)
{
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly))
        throw EQzError(QStringLiteral("Cannot create file \"%1\". %2").arg(Path, file.errorString()));
    if (file.write(Bytes) != Bytes.size() || !file.commit())
        throw EQzError(QStringLiteral("Cannot write file \"%1\". %2").arg(Path, file.errorString()));
}

/// Folder in the player's folder, made with the player's folder when missing.
void MakeFolder(const QString& Folder)
{
    MakePlayerFolder();
    if (!QDir().mkpath(Folder))
        throw EQzError(QStringLiteral("Cannot create folder \"%1\"").arg(QDir::cleanPath(Folder)));
}

} // namespace

TGame::TGame(TClock& AClock, TRandomGenerator& ARandom)
    : Clock(AClock), Generator(ARandom), PuzzleObject(AClock, ARandom)
{
    PuzzleObject.OnStateChange = [this](TPuzzleClass&, TPuzzleState State) { HandleStateChange(State); };
    PuzzleObject.OnChange = [this](TPuzzleClass&, std::uint8_t Parts) {
        if (OnChange)
            OnChange(*this, Parts);
    };
    PuzzleObject.OnEffect = [this](TPuzzleClass&, std::int32_t Code) {
        if (OnEffect)
            OnEffect(*this, Code);
    };
}

TGame::~TGame() = default;

// --- Levels ----------------------------------------------------------------------

void TGame::NewGame(const QString& Theme, const QString& PlayerName)
{
    GameRecord.Version = TSavedGameRecord::CurrentVersion;
    GameRecord.Reserved1 = 1;
    GameRecord.Level = 1;
    GameRecord.Reserved2 = 0;
    GameRecord.LastCompletedLevel = 0;
    GameRecord.Score = 0;
    GameRecord.PlayerName = LimitText(PlayerName, TSavedGameRecord::MaxTextLength);
    GameRecord.Theme = LimitText(Theme, TSavedGameRecord::MaxTextLength);
}

void TGame::StartLevel()
{
    if (LevelOutcome() == 1) {
        GameRecord.LastCompletedLevel = GameRecord.Level;
        ++GameRecord.Level;
    }
    LoadLevel();
}

QString TGame::FindLevelPicture() const
{
    if (!IsPlainName(GameRecord.Theme))
        return QString();
    const QString folder = ThemeFolder(GameRecord.Theme);
    for (int variant = 1; variant <= 99; ++variant) {
        const QString path =
            JoinPath(folder, QString::asprintf("IP%2.2d%2.2d.dat", GameRecord.Level, variant));
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

void TGame::LoadLevel()
{
    Generator.SetSeed(static_cast<std::uint32_t>(Clock.PerformanceCounter()));
    const QString file = FindLevelPicture();
    if (file.isEmpty())
        throw EQzError(QStringLiteral("Internal error: no picture found for level"));
    PuzzleObject.LoadPicture(DecodeToTemp(file), GameRecord.Level);
    // Only a level that really loaded is a new level to book: after a failed
    // load the old result must not be booked a second time.
    LevelStartScore = GameRecord.Score;
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

std::int32_t TGame::LevelOutcome() const
{
    const TPuzzleState state = PuzzleObject.State;
    if ((state == stPlaying || state == stPaused) && !PuzzleObject.Finished)
        return -1;
    return GameRecord.LastCompletedLevel == GameRecord.Level ? 1 : 0;
}

bool TGame::ThemeFinished() const
{
    return GameRecord.LastCompletedLevel == GameRecord.Level && GameRecord.LastCompletedLevel >= 10;
}

void TGame::FeedNow()
{
    PuzzleObject.FeedNow();
}

void TGame::Pause()
{
    PuzzleObject.Pause();
}

void TGame::Resume()
{
    PuzzleObject.Resume();
}

void TGame::Abort()
{
    PuzzleObject.Abort();
}

void TGame::HandleStateChange(TPuzzleState State)
{
    std::exception_ptr failure;
    if (IsEndState(State) && !GameRecord.ResultBooked) {
        GameRecord.ResultBooked = true;
        if (State == stSolved) {
            GameRecord.LastCompletedLevel = GameRecord.Level;
            GameRecord.Score += PuzzleObject.Points.TotalPoints();
            LevelStartScore = GameRecord.Score;
            // The result is booked before the file is touched; a high-score
            // file that cannot be written is reported after the verdict.
            try {
                if (KeepHighScores)
                    RecordHighScore(GameRecord.PlayerName, GameRecord.Theme, GameRecord.Score);
            } catch (...) {
                failure = std::current_exception();
            }
        } else {
            GameRecord.Score = std::max(0, LevelStartScore - 100);
        }
    }
    if (OnStateChange)
        OnStateChange(*this, State);
    if (failure)
        std::rethrow_exception(failure);
}

// --- Themes and saved games ----------------------------------------------------------

void TGame::ListThemes(QStringList& List) const
{
    List = ThemeNames();
}

void TGame::ListSavedGames(QStringList& List, QString& Current) const
{
    Current = SaveName;
    List.clear();
    for (const QString& name : FolderEntries(SavedGamesFolder()))
        List.append(ChangeFileExtension(name, QString()));
}

QString TGame::SavedGamePath(const QString& Name)
{
    if (!IsPlainName(Name))
        throw EQzError(QStringLiteral("\"%1\" is not a valid name for a saved game").arg(Name));
    return JoinPath(SavedGamesFolder(), ChangeFileExtension(Name, QStringLiteral(".PGM")));
}

void TGame::SaveGame(const QString& Name)
{
    const QString path = SavedGamePath(Name);
    MakeFolder(QFileInfo(path).path());
    GameRecord.Version = TSavedGameRecord::CurrentVersion;
    WriteWholeFile(path, GameRecord.ToBytes());
    SaveName = Name;
}

TSavedGameRecord TGame::ReadSavedGame(const QString& Name)
{
    const QString path = SavedGamePath(Name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EQzError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray bytes = file.read(TSavedGameRecord::Size);
    if (bytes.size() < TSavedGameRecord::Size && file.error() != QFileDevice::NoError)
        throw EQzError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    return TSavedGameRecord::FromBytes(bytes);
}

std::vector<TSavedGameInfo> TGame::SavedGames() const
{
    QStringList names;
    QString current;
    ListSavedGames(names, current);
    names.removeDuplicates(); // "a.PGM" and "a.txt" both load "a.PGM"
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
}

// --- High scores --------------------------------------------------------------------

void TGame::ReadHighScores(THighScoreTable& Table)
{
    const QString path = HighScorePath();
    QByteArray bytes;
    if (FileExists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw EQzError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
        bytes = file.read(THighScoreTable::Size);
    }
    Table = THighScoreTable::FromBytes(bytes);
}

void TGame::RecordHighScore(const QString& PlayerName, const QString& Theme, std::int32_t Score)
{
    MakeFolder(QFileInfo(HighScorePath()).path());
    THighScoreTable table;
    ReadHighScores(table);
    table.RecordScore(PlayerName, Theme, Score);
    WriteWholeFile(HighScorePath(), table.ToBytes());
}

} // namespace zindo
