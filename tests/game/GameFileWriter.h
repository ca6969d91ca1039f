#pragma once

#include "game/SavedGameRecord.h"

namespace zindo::test {

/// The two session records the file writer saves in turn (Variant 0 or 1):
/// they differ in every field, so a file mixed of both is told apart from either.
inline TSavedGameRecord SavedGameVariant(int Variant)
{
    TSavedGameRecord record;
    record.Version = TSavedGameRecord::CurrentVersion;
    record.Reserved1 = 1;
    record.Level = Variant == 0 ? 3 : 8;
    record.Theme = Variant == 0 ? QStringLiteral("Sea") : QStringLiteral("Forest and Hills");
    record.LastCompletedLevel = Variant == 0 ? 2 : 8;
    record.Score = Variant == 0 ? 12345 : 987654;
    record.PlayerName = Variant == 0 ? QStringLiteral("Alpha") : QStringLiteral("Bravissima Bertha");
    record.ResultBooked = Variant != 0;
    return record;
}

} // namespace zindo::test
