#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace zindo {

/// A settings file in the INI format, read the way players write one by hand
/// and the way Windows reads it: "[section]" lines open sections, "key=value"
/// lines set keys, and section and key names are compared without regard to
/// letter case ("[General]", "[general]" and "waveoutdevice" all match).
/// Spaces around names and values are dropped, as are double quotes around a
/// whole value; lines starting with ';' or '#' are comments. When a key is
/// given twice, the first one counts. Any section name works, "general"
/// included, and names may hold '/', '\\' and spaces.
class TIniFile {
public:
    /// The settings in Text (UTF-8, an optional byte-order mark, any line ends).
    static TIniFile FromBytes(const QByteArray& Text);
    /// The settings of the file FileName; none when it is missing or unreadable.
    static TIniFile Read(const QString& FileName);

    /// Whether Section holds Key.
    bool Contains(const QString& Section, const QString& Key) const;
    /// The value of Key in Section, or Default.
    QString Value(const QString& Section, const QString& Key, const QString& Default = QString()) const;
    /// The value as a whole number: an optional sign and the decimal digits at
    /// its start (text after them is ignored, values beyond 32 bits are held at
    /// the limit); Default when the key is missing or starts with no digit.
    std::int32_t IntValue(const QString& Section, const QString& Key, std::int32_t Default) const;

private:
    struct TEntry {
        QString Section; ///< case-folded
        QString Key;     ///< case-folded
        QString Value;   ///< as written, without surrounding spaces and quotes
    };
    const TEntry* Find(const QString& Section, const QString& Key) const;

    std::vector<TEntry> Entries; ///< in file order
};

} // namespace zindo
