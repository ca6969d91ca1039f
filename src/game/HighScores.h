#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace zindo {

/// One line of the high-score list: the best score of a player on a theme.
/// In the file it takes 86 bytes: PlayerName (41 bytes), Theme (41 bytes),
/// Score (int32, little-endian); texts are Windows-1252, zero-terminated. An
/// all-zero entry is an empty slot.
struct THighScoreEntry {
    static constexpr int Size = 86;           ///< bytes of one entry
    static constexpr int TextFieldSize = 41;  ///< bytes of PlayerName and Theme, terminator included
    static constexpr int MaxTextLength = 40;  ///< characters kept of PlayerName and Theme
    static constexpr int PlayerNameOffset = 0;
    static constexpr int ThemeOffset = 41;
    static constexpr int ScoreOffset = 82;

    /// An empty slot: no name, no theme, score 0.
    bool IsEmpty() const { return PlayerName.isEmpty() && Theme.isEmpty() && Score == 0; }

    QString PlayerName;     ///< at most 40 characters
    QString Theme;          ///< at most 40 characters
    std::int32_t Score = 0; ///< the score
};

/// The whole high-score file ("hscore.hsc" in the player's folder): 51 entries, 4386 bytes, in
/// order of descending score. The file holds at most one entry per player and
/// theme (compared without regard to letter case).
struct THighScoreTable {
    static constexpr int EntryCount = 51;                           ///< entries in the file
    static constexpr int Size = EntryCount * THighScoreEntry::Size; ///< 4386 bytes

    /// The table from the bytes of a file: as many entries as Bytes holds,
    /// the rest empty; bytes beyond 4386 are ignored.
    static THighScoreTable FromBytes(const QByteArray& Bytes);
    /// The 4386-byte image of the table.
    QByteArray ToBytes() const;

    /// Enters Score of PlayerName on Theme:
    /// - an entry of the same player and theme (letter case ignored) with a
    ///   higher score keeps the table as it is; entries of that pair with an
    ///   equal or lower score are removed;
    /// - the new entry goes into the last slot (an empty one is made by closing
    ///   the gap of a removed entry); when every slot is taken it displaces the
    ///   last entry only if it scores higher, so no better score is ever lost;
    /// - the entries are bubble-sorted by descending score, so among equal
    ///   scores the older entry stays above the new one; this happens also when
    ///   the table is kept, so a table read out of order is put in order.
    /// Texts are cut to 40 characters. A name or theme that Windows-1252
    /// cannot hold (see IsAnsiText) is refused with EQzError before anything
    /// changes: stored as '?' it would merge with other players' rows.
    void RecordScore(const QString& PlayerName, const QString& Theme, std::int32_t Score);

    /// The number of entries that are not empty.
    int UsedCount() const;
    /// Orders the entries by descending score, equal scores as they stand.
    /// RecordScore does it before and after entering a score, so even a table
    /// read from a file out of order comes out sorted.
    void SortByScore();

    const THighScoreEntry& operator[](int Index) const { return Entries[static_cast<std::size_t>(Index)]; }
    THighScoreEntry& operator[](int Index) { return Entries[static_cast<std::size_t>(Index)]; }

    std::array<THighScoreEntry, EntryCount> Entries; ///< best first
};

} // namespace zindo
