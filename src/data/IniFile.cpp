#include "IniFile.h"

#include <QFile>

#include <algorithm>
#include <limits>

namespace zindo {

TIniFile TIniFile::FromBytes(const QByteArray& Text)
{
    TIniFile ini;
    QString section;
    QString all = QString::fromUtf8(Text);
    if (all.startsWith(QChar(0xFEFF)))
        all.remove(0, 1);
    // CR-LF, LF and CR alone all end a line (blank lines are skipped below).
    all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (QStringView line : QStringView(all).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.front() == QLatin1Char(';') || line.front() == QLatin1Char('#'))
            continue;
        if (line.front() == QLatin1Char('[')) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            section = (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed().toString().toCaseFolded();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        QStringView value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"'))
            value = value.mid(1, value.size() - 2);
        ini.Entries.push_back({section, line.left(equals).trimmed().toString().toCaseFolded(), value.toString()});
    }
    return ini;
}

TIniFile TIniFile::Read(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return TIniFile();
    return FromBytes(file.readAll());
}

const TIniFile::TEntry* TIniFile::Find(const QString& Section, const QString& Key) const
{
    const QString section = Section.trimmed().toCaseFolded();
    const QString key = Key.trimmed().toCaseFolded();
    for (const TEntry& entry : Entries)
        if (entry.Section == section && entry.Key == key)
            return &entry;
    return nullptr;
}

bool TIniFile::Contains(const QString& Section, const QString& Key) const
{
    return Find(Section, Key) != nullptr;
}

QString TIniFile::Value(const QString& Section, const QString& Key, const QString& Default) const
{
    const TEntry* entry = Find(Section, Key);
    return entry ? entry->Value : Default;
}

std::int32_t TIniFile::IntValue(const QString& Section, const QString& Key, std::int32_t Default) const
{
    const TEntry* entry = Find(Section, Key);
    if (!entry)
        return Default;
    const QString& text = entry->Value;
    qsizetype at = 0;
    const bool negative = at < text.size() && text[at] == QLatin1Char('-');
    if (at < text.size() && (text[at] == QLatin1Char('-') || text[at] == QLatin1Char('+')))
        ++at;
    if (at == text.size() || text[at] < QLatin1Char('0') || text[at] > QLatin1Char('9'))
        return Default;
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'); ++at)
        value = std::min(value * 10 + (text[at].unicode() - '0'), limit);
    value = negative ? -value : std::min(value, limit - 1);
    return static_cast<std::int32_t>(value);
}

} // namespace zindo
