// Saved games (".PGM", which players copy and swap): a record is either refused
// with a message or loads, and saving it again writes back what was read, byte
// for byte in every field that counts; no score arithmetic overflows.
#include "FuzzSupport.h"

#include "data/AnsiText.h"
#include "data/QzError.h"
#include "game/SavedGameRecord.h"

#include <QtEndian>

#include <cstring>
#include <limits>

using namespace zindo;
using namespace zindo::fuzz;

namespace {

/// The bytes of a text field that count: up to its terminator, at most 100.
QByteArray FieldText(const QByteArray& Image, int Offset)
{
    const QByteArray field = Image.mid(Offset, TSavedGameRecord::MaxTextLength);
    const qsizetype zero = field.indexOf('\0');
    return zero < 0 ? field : field.left(zero);
}

bool SameRecord(const TSavedGameRecord& A, const TSavedGameRecord& B)
{
    return A.Version == B.Version && A.Reserved1 == B.Reserved1 && A.Level == B.Level &&
           A.Reserved2 == B.Reserved2 && A.Theme == B.Theme && A.LastCompletedLevel == B.LastCompletedLevel &&
           A.Score == B.Score && A.PlayerName == B.PlayerName && A.ResultBooked == B.ResultBooked;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QByteArray input = Bytes(Data, Size);
    TSavedGameRecord record;
    try {
        record = TSavedGameRecord::FromBytes(input);
    } catch (const EQzError&) {
        Require(Size < std::size_t(TSavedGameRecord::Size), "only a short file fails to read");
        return 0;
    }
    if (!record.Problem().isEmpty()) {
        Require(record.Level < 1 || record.Level > 10 || record.Score < 0, "refused only when damaged");
        return 0;
    }
    Require(IsAnsiText(record.PlayerName) && IsAnsiText(record.Theme), "a loaded game can be saved again");

    const QByteArray saved = record.ToBytes();
    Require(saved.size() == TSavedGameRecord::Size, "a saved game is 232 bytes");
    Require(SameRecord(TSavedGameRecord::FromBytes(saved), record), "the record reads back the same");
    for (int offset : {TSavedGameRecord::VersionOffset, TSavedGameRecord::Reserved1Offset, TSavedGameRecord::LevelOffset,
                       TSavedGameRecord::Reserved2Offset, TSavedGameRecord::LastCompletedLevelOffset,
                       TSavedGameRecord::ScoreOffset})
        Require(saved.mid(offset, 4) == input.mid(offset, 4), "numbers written back as read");
    Require(FieldText(saved, TSavedGameRecord::ThemeOffset) == FieldText(input, TSavedGameRecord::ThemeOffset),
            "theme written back byte for byte");
    Require(FieldText(saved, TSavedGameRecord::PlayerNameOffset) ==
                FieldText(input, TSavedGameRecord::PlayerNameOffset),
            "player name written back byte for byte");

    // The level's end: points of a solved level added, or 100 taken off.
    std::int32_t points = 0;
    if (Size >= std::size_t(TSavedGameRecord::Size) + 4)
        points = qFromLittleEndian<std::int32_t>(Data + TSavedGameRecord::Size);
    const std::int32_t solved = TSavedGameRecord::AddToScore(record.Score, points);
    const std::int32_t failed = TSavedGameRecord::AddToScore(record.Score, -100);
    Require(solved >= 0 && failed >= 0, "a score never turns negative");
    Require(points < 0 || solved >= record.Score, "points never lower a score");
    return 0;
}
