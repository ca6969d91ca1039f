#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace zindo {

/// The session record: who plays which theme at which level with which score.
/// The game keeps one inside TGame and a saved game (".PGM") is exactly its
/// 232-byte image: little-endian integers and Windows-1252 texts in fixed
/// zero-terminated fields.
///
/// | Offset | Size | Field              |
/// |--------|------|--------------------|
/// | 0      | 4    | Version            |
/// | 4      | 4    | Reserved1          |
/// | 8      | 4    | Level              |
/// | 12     | 4    | Reserved2          |
/// | 16     | 101  | Theme              |
/// | 117    | 3    | (padding, zero)    |
/// | 120    | 4    | LastCompletedLevel |
/// | 124    | 4    | Score              |
/// | 128    | 101  | PlayerName         |
/// | 229    | 1    | ResultBooked       |
/// | 230    | 2    | (padding, zero)    |
struct TSavedGameRecord {
    static constexpr int Size = 232;            ///< bytes of a saved game
    static constexpr int TextFieldSize = 101;   ///< bytes of Theme and PlayerName, terminator included
    static constexpr int MaxTextLength = 100;   ///< characters kept of Theme and PlayerName
    static constexpr std::uint32_t CurrentVersion = 256; ///< written into every saved game

    static constexpr int VersionOffset = 0;
    static constexpr int Reserved1Offset = 4;
    static constexpr int LevelOffset = 8;
    static constexpr int Reserved2Offset = 12;
    static constexpr int ThemeOffset = 16;
    static constexpr int LastCompletedLevelOffset = 120;
    static constexpr int ScoreOffset = 124;
    static constexpr int PlayerNameOffset = 128;
    static constexpr int ResultBookedOffset = 229;

    /// The 232-byte image of the record. Texts are converted to Windows-1252
    /// (characters it cannot hold become '?'; TGame refuses such names before
    /// they get here) and cut to 100 characters.
    QByteArray ToBytes() const;

    /// The record read from the first 232 bytes of Bytes. Raises EQzError
    /// "Stream read error" when fewer bytes are given. The content is taken as
    /// it is; Problem tells whether it can be a game at all.
    static TSavedGameRecord FromBytes(const QByteArray& Bytes);

    /// The level that continuing this game plays: Level, or the one after
    /// it when Level was solved.
    std::int32_t NextLevel() const
    {
        return LastCompletedLevel == Level && Level < INT32_MAX ? Level + 1 : Level;
    }

    /// Why the record cannot be a game, or an empty text when it can: its
    /// level must be 1 .. 10 and its score not negative. A damaged or crafted
    /// file is refused with this rather than played with numbers that overflow.
    QString Problem() const;

    /// Score + Points held within 0 .. the largest 32-bit score, so that no
    /// run of points ever turns a score negative.
    static std::int32_t AddToScore(std::int32_t Score, std::int64_t Points);

    std::uint32_t Version = 0;           ///< 256 in every saved game; not tested on load
    std::uint32_t Reserved1 = 0;         ///< 1 in a new game; never read
    std::int32_t Level = 0;              ///< the current level, 1 .. 10
    std::uint32_t Reserved2 = 0;         ///< 0 in a new game; never read
    QString Theme;                       ///< the theme's directory name (at most 100 characters)
    std::int32_t LastCompletedLevel = 0; ///< the last level solved in this game; 0 for none
    std::int32_t Score = 0;              ///< the running score
    QString PlayerName;                  ///< the player's name (at most 100 characters)
    bool ResultBooked = false;           ///< the current level's result has been booked
};

/// Text cut to at most MaxCharacters characters (a character outside the
/// 16-bit range counts as one and is never split).
QString LimitText(const QString& Text, int MaxCharacters);

} // namespace zindo
