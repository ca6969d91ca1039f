#include "HighScores.h"

#include "data/AnsiText.h"
#include "game/SavedGameRecord.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <utility>

namespace zindo {

namespace {

/// Text as an entry field keeps it: at most 40 characters.
QString AsStored(const QString& Text)
{
    return LimitText(Text, THighScoreEntry::MaxTextLength);
}

bool SamePair(const THighScoreEntry& Entry, const QString& PlayerName, const QString& Theme)
{
    return Entry.PlayerName.compare(PlayerName, Qt::CaseInsensitive) == 0 &&
           Entry.Theme.compare(Theme, Qt::CaseInsensitive) == 0;
}

} // namespace

THighScoreTable THighScoreTable::FromBytes(const QByteArray& Bytes)
{
    QByteArray all = Bytes.left(Size);
    all.append(QByteArray(Size - all.size(), '\0'));
    THighScoreTable table;
    for (int k = 0; k < EntryCount; ++k) {
        const char* at = all.constData() + k * THighScoreEntry::Size;
        THighScoreEntry& entry = table.Entries[static_cast<std::size_t>(k)];
        entry.PlayerName = ReadAnsiField(at + THighScoreEntry::PlayerNameOffset, THighScoreEntry::TextFieldSize);
        entry.Theme = ReadAnsiField(at + THighScoreEntry::ThemeOffset, THighScoreEntry::TextFieldSize);
        entry.Score = qFromLittleEndian<std::int32_t>(at + THighScoreEntry::ScoreOffset);
    }
    return table;
}

QByteArray THighScoreTable::ToBytes() const
{
    QByteArray bytes(Size, '\0');
    for (int k = 0; k < EntryCount; ++k) {
        char* at = bytes.data() + k * THighScoreEntry::Size;
        const THighScoreEntry& entry = Entries[static_cast<std::size_t>(k)];
        WriteAnsiField(at + THighScoreEntry::PlayerNameOffset, THighScoreEntry::TextFieldSize,
                       LimitText(entry.PlayerName, THighScoreEntry::MaxTextLength));
        WriteAnsiField(at + THighScoreEntry::ThemeOffset, THighScoreEntry::TextFieldSize,
                       LimitText(entry.Theme, THighScoreEntry::MaxTextLength));
        qToLittleEndian<std::int32_t>(entry.Score, at + THighScoreEntry::ScoreOffset);
    }
    return bytes;
}

void THighScoreTable::RecordScore(const QString& PlayerName, const QString& Theme, std::int32_t Score)
{
    CheckAnsiText(PlayerName, QCoreApplication::translate("AnsiText", "player name"));
    CheckAnsiText(Theme, QCoreApplication::translate("AnsiText", "theme name"));
    const QString name = AsStored(PlayerName);
    const QString theme = AsStored(Theme);
    // A table read from a damaged file may be out of order; the rules below
    // need the lowest entry at the bottom.
    SortByScore();

    // One entry per player and theme: a better one already there keeps the
    // table; worse or equal ones make way for the new score.
    bool keep = false;
    for (THighScoreEntry& entry : Entries) {
        if (!SamePair(entry, name, theme))
            continue;
        if (entry.Score > Score)
            keep = true;
        else
            entry = THighScoreEntry();
    }

    // The new entry enters at the bottom. A slot freed above closes up first,
    // so that only a full table ever loses an entry, and then only one that
    // scores lower than the new one.
    THighScoreEntry& last = Entries[EntryCount - 1];
    bool enter = !keep;
    if (enter && !last.IsEmpty()) {
        const auto gap = std::find_if(Entries.begin(), Entries.end(),
                                      [](const THighScoreEntry& Entry) { return Entry.IsEmpty(); });
        if (gap != Entries.end())
            std::rotate(gap, gap + 1, Entries.end());
        else
            enter = Score > last.Score;
    }
    if (enter)
        last = THighScoreEntry{name, theme, Score};
    // Also after a kept score: entries of the pair may have been cleared.
    SortByScore();
}

void THighScoreTable::SortByScore()
{
    // Bubble sort by descending score: equal scores keep their order, so a new
    // entry stays below older ones with the same score.
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int k = 0; k + 1 < EntryCount; ++k) {
            if (Entries[static_cast<std::size_t>(k)].Score < Entries[static_cast<std::size_t>(k + 1)].Score) {
                std::swap(Entries[static_cast<std::size_t>(k)], Entries[static_cast<std::size_t>(k + 1)]);
                exchanged = true;
            }
        }
    }
}

int THighScoreTable::UsedCount() const
{
    return static_cast<int>(std::count_if(Entries.begin(), Entries.end(),
                                          [](const THighScoreEntry& Entry) { return !Entry.IsEmpty(); }));
}

} // namespace zindo
