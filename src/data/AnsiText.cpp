#include "AnsiText.h"

#include <QList>

#include <algorithm>
#include <cstring>

namespace zindo {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 marks the five bytes it leaves undefined.
constexpr char16_t High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QByteArray ToAnsi(const QString& Text)
{
    QByteArray result;
    result.reserve(Text.size());
    const QList<uint> codes = Text.toUcs4();
    for (uint code : codes) {
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            result.append(static_cast<char>(code));
            continue;
        }
        const auto* found = std::find(std::begin(High), std::end(High), static_cast<char16_t>(code));
        if (code <= 0xFFFF && code != 0 && found != std::end(High))
            result.append(static_cast<char>(0x80 + (found - std::begin(High))));
        else
            result.append('?');
    }
    return result;
}

QString FromAnsi(const QByteArray& Bytes)
{
    QString result;
    result.reserve(Bytes.size());
    for (char c : Bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0)
            result.append(High[b - 0x80] ? QChar(High[b - 0x80]) : QChar(b));
        else
            result.append(QChar(b));
    }
    return result;
}

void WriteAnsiField(char* Field, int Size, const QString& Text)
{
    std::memset(Field, 0, static_cast<std::size_t>(Size));
    const QByteArray bytes = ToAnsi(Text).left(Size - 1);
    std::memcpy(Field, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString ReadAnsiField(const char* Field, int Size)
{
    const char* end = static_cast<const char*>(std::memchr(Field, 0, static_cast<std::size_t>(Size)));
    return FromAnsi(QByteArray(Field, end ? end - Field : Size));
}

} // namespace zindo
