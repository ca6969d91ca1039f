#include "AnsiText.h"

#include "QzError.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace zindo {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 marks the five bytes it leaves undefined,
// which stand for the character of their own number.
constexpr char16_t High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

/// The byte of Code, or -1 when Windows-1252 has none.
int AnsiByte(uint Code)
{
    if (Code < 0x80 || (Code >= 0xA0 && Code <= 0xFF))
        return int(Code);
    if (Code < 0xA0)
        return High[Code - 0x80] == 0 ? int(Code) : -1; // an undefined byte read from a file
    if (Code > 0xFFFF)
        return -1;
    const auto* found = std::find(std::begin(High), std::end(High), static_cast<char16_t>(Code));
    return found == std::end(High) ? -1 : 0x80 + int(found - std::begin(High));
}

/// Calls Visit with the byte of every character of Text (-1 when it has
/// none); a surrogate pair is one character, a lone surrogate has no byte.
template <typename TVisit>
void ForEachAnsiByte(const QString& Text, TVisit Visit)
{
    const qsizetype n = Text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = Text[i];
        if (c.isHighSurrogate() && i + 1 < n && Text[i + 1].isLowSurrogate())
            ++i; // beyond 16 bits: no byte
        if (c.isSurrogate())
            Visit(-1);
        else
            Visit(AnsiByte(c.unicode()));
    }
}

} // namespace

QByteArray ToAnsi(const QString& Text)
{
    QByteArray result;
    result.reserve(Text.size());
    ForEachAnsiByte(Text, [&](int Byte) { result.append(Byte < 0 ? '?' : static_cast<char>(Byte)); });
    return result;
}

QString FromAnsi(const char* Bytes, qsizetype Size)
{
    QString result(Size, Qt::Uninitialized);
    QChar* out = result.data();
    for (qsizetype k = 0; k < Size; ++k) {
        const auto b = static_cast<unsigned char>(Bytes[k]);
        *out++ = b >= 0x80 && b < 0xA0 && High[b - 0x80] ? QChar(High[b - 0x80]) : QChar(b);
    }
    return result;
}

QString FromAnsi(const QByteArray& Bytes)
{
    return FromAnsi(Bytes.constData(), Bytes.size());
}

bool IsAnsiText(const QString& Text)
{
    bool storable = true;
    ForEachAnsiByte(Text, [&](int Byte) { storable = storable && Byte > 0; });
    return storable;
}

void CheckAnsiText(const QString& Text, const QString& What)
{
    if (!IsAnsiText(Text))
        throw EQzError(QCoreApplication::translate("AnsiText",
                                                   "The %1 \"%2\" holds characters that the game's files cannot "
                                                   "store. Please use Western European letters only.")
                           .arg(What, Text));
}

void WriteAnsiField(char* Field, int Size, const QString& Text)
{
    std::memset(Field, 0, static_cast<std::size_t>(Size));
    int written = 0;
    ForEachAnsiByte(Text, [&](int Byte) {
        if (written < Size - 1)
            Field[written++] = Byte < 0 ? '?' : static_cast<char>(Byte);
    });
}

QString ReadAnsiField(const char* Field, int Size)
{
    const auto longest = static_cast<std::size_t>(Size - 1);
    const char* end = static_cast<const char*>(std::memchr(Field, 0, longest));
    return FromAnsi(Field, end ? end - Field : qsizetype(longest));
}

QString AnsiTextUpToZero(const QByteArray& Bytes)
{
    const qsizetype zero = Bytes.indexOf('\0');
    return FromAnsi(zero < 0 ? Bytes : Bytes.left(zero));
}

QString ReadAnsiTextFile(const QString& FileName, qsizetype MaxBytes)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return AnsiTextUpToZero(file.read(MaxBytes));
}

} // namespace zindo
