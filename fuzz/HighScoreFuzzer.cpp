// The high-score table (hscore.hsc, shared by every player): any file reads,
// writes back what it read byte for byte, and recording a score keeps the
// table sorted with at most one row per player and theme.
#include "FuzzSupport.h"

#include "data/AnsiText.h"
#include "data/QzError.h"
#include "game/HighScores.h"
#include "game/SavedGameRecord.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QSet>

#include <algorithm>
#include <cstring>
#include <limits>

using namespace zindo;
using namespace zindo::fuzz;

namespace {

bool SamePair(const THighScoreEntry& Entry, const QString& PlayerName, const QString& Theme)
{
    return Entry.PlayerName.compare(PlayerName, Qt::CaseInsensitive) == 0 &&
           Entry.Theme.compare(Theme, Qt::CaseInsensitive) == 0;
}

bool HasDuplicatePairs(const THighScoreTable& Table)
{
    // Folded once: the same comparison as SamePair, without 51 x 51 of them.
    QSet<QString> pairs;
    for (const THighScoreEntry& entry : Table.Entries) {
        if (entry.IsEmpty())
            continue;
        const QString pair = entry.PlayerName.toCaseFolded() + QChar(0) + entry.Theme.toCaseFolded();
        if (pairs.contains(pair))
            return true;
        pairs.insert(pair);
    }
    return false;
}

bool SameTable(const THighScoreTable& A, const THighScoreTable& B)
{
    for (int k = 0; k < THighScoreTable::EntryCount; ++k)
        if (A[k].PlayerName != B[k].PlayerName || A[k].Theme != B[k].Theme || A[k].Score != B[k].Score)
            return false;
    return true;
}

/// Whether the text fields at Offset of A and B hold the same bytes up to
/// their terminators (at most 40).
bool SameFieldText(const char* A, const char* B)
{
    for (int k = 0; k < THighScoreEntry::MaxTextLength; ++k) {
        if (A[k] != B[k])
            return false;
        if (A[k] == '\0')
            return true;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    FuzzedDataProvider input(Data, Size);
    // The record's arguments come first, so the file is whatever follows.
    const std::string name = input.ConsumeRandomLengthString(48);
    const std::string theme = input.ConsumeRandomLengthString(48);
    const std::int32_t score = input.ConsumeIntegral<std::int32_t>();
    const std::vector<std::uint8_t> rest = input.ConsumeRemainingBytes<std::uint8_t>();
    const QByteArray file(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size()));

    THighScoreTable table = THighScoreTable::FromBytes(file);
    const QByteArray image = table.ToBytes();
    Require(image.size() == THighScoreTable::Size, "the table is 4386 bytes");
    // Written back as read: every text up to its terminator, every score.
    const QByteArray padded = file.left(THighScoreTable::Size) + QByteArray(THighScoreTable::Size, '\0');
    for (int k = 0; k < THighScoreTable::EntryCount; ++k) {
        const char* written = image.constData() + k * THighScoreEntry::Size;
        const char* read = padded.constData() + k * THighScoreEntry::Size;
        for (int offset : {THighScoreEntry::PlayerNameOffset, THighScoreEntry::ThemeOffset})
            Require(SameFieldText(written + offset, read + offset), "texts written back as read");
        Require(std::memcmp(written + THighScoreEntry::ScoreOffset, read + THighScoreEntry::ScoreOffset, 4) == 0,
                "scores written back as read");
    }

    const QString playerName = FromAnsi(QByteArray::fromStdString(name));
    const QString themeName = FromAnsi(QByteArray::fromStdString(theme));
    const QString storedName = LimitText(playerName, THighScoreEntry::MaxTextLength);
    const QString storedTheme = LimitText(themeName, THighScoreEntry::MaxTextLength);
    const bool hadDuplicates = HasDuplicatePairs(table);
    std::int32_t best = std::numeric_limits<std::int32_t>::min();
    int rowsBefore = 0;
    for (const THighScoreEntry& entry : table.Entries)
        if (SamePair(entry, storedName, storedTheme)) {
            ++rowsBefore;
            best = std::max(best, entry.Score);
        }
    const bool known = rowsBefore > 0;
    try {
        table.RecordScore(playerName, themeName, score);
    } catch (const EQzError&) {
        Require(!IsAnsiText(playerName) || !IsAnsiText(themeName), "only unstorable names are refused");
        return 0;
    }

    for (int k = 0; k + 1 < THighScoreTable::EntryCount; ++k)
        Require(table[k].Score >= table[k + 1].Score, "sorted by descending score");
    const auto rows = std::count_if(table.Entries.begin(), table.Entries.end(), [&](const THighScoreEntry& Entry) {
        return SamePair(Entry, storedName, storedTheme);
    });
    if (!(storedName.isEmpty() && storedTheme.isEmpty()) && rowsBefore <= 1) {
        Require(rows <= 1, "at most one row per player and theme");
        if (known && best > score)
            Require(rows == 1, "a better score of the pair is never lost");
        if (rows == 1) {
            const auto row = std::find_if(table.Entries.begin(), table.Entries.end(),
                                          [&](const THighScoreEntry& Entry) {
                                              return SamePair(Entry, storedName, storedTheme);
                                          });
            Require(row->Score == (known ? std::max(best, score) : score), "the pair keeps its best score");
        }
    }
    if (!hadDuplicates)
        Require(!HasDuplicatePairs(table), "no pair appears twice");
    Require(SameTable(THighScoreTable::FromBytes(table.ToBytes()), table), "the new table reads back the same");
    return 0;
}
