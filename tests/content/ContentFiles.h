#pragma once

#include "data/DataContainer.h"
#include "data/QzBitmap.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

namespace zindo::test {

/// A file of the built data tree.
inline QString DatFile(const QString& Relative)
{
    return QStringLiteral(ZINDO_DAT_DIR) + QLatin1Char('/') + Relative;
}

inline QByteArray ReadAll(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

/// The plain bytes of a data file, decoded the way the game decodes it.
inline QByteArray DecodedBytes(const QString& Relative)
{
    return ReadAll(DecodeToTemp(DatFile(Relative)));
}

/// A picture of the data tree, read by the game's own picture loader.
inline QImage DecodedPicture(const QString& Relative)
{
    return LoadPictureFile(DecodeToTemp(DatFile(Relative)));
}

/// What a RIFF/WAVE file says about itself.
struct TWaveInfo {
    int FormatTag = 0;
    int Channels = 0;
    int SampleRate = 0;
    int ByteRate = 0;
    int BlockAlign = 0;
    int Bits = 0;
    QByteArray Data; ///< the "data" chunk's bytes
    double Seconds() const { return BlockAlign > 0 ? double(Data.size()) / BlockAlign / SampleRate : 0.0; }
};

/// Walks the chunks of a RIFF/WAVE file; nothing when it is not one.
inline std::optional<TWaveInfo> ParseWave(const QByteArray& Bytes)
{
    const auto u16 = [&](qsizetype At) {
        return int(std::uint8_t(Bytes[At])) | (int(std::uint8_t(Bytes[At + 1])) << 8);
    };
    const auto u32 = [&](qsizetype At) { return std::uint32_t(u16(At)) | (std::uint32_t(u16(At + 2)) << 16); };
    if (Bytes.size() < 12 || Bytes.left(4) != "RIFF" || Bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    if (u32(4) + 8 != std::uint32_t(Bytes.size()))
        return std::nullopt;
    TWaveInfo info;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= Bytes.size()) {
        const QByteArray id = Bytes.mid(at, 4);
        const std::uint32_t size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > Bytes.size())
            return std::nullopt;
        if (id == "fmt ") {
            if (size != 16)
                return std::nullopt;
            info.FormatTag = u16(body);
            info.Channels = u16(body + 2);
            info.SampleRate = int(u32(body + 4));
            info.ByteRate = int(u32(body + 8));
            info.BlockAlign = u16(body + 12);
            info.Bits = u16(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            info.Data = Bytes.mid(body, size);
            haveData = true;
        }
        at = body + qsizetype(size) + qsizetype(size & 1u);
    }
    if (!haveFormat || !haveData)
        return std::nullopt;
    return info;
}

/// Sample Frame of channel Channel as a value in -1 .. 1.
inline double WaveSample(const TWaveInfo& Wave, std::size_t Frame, int Channel)
{
    const qsizetype at = qsizetype(Frame) * Wave.BlockAlign + Channel * (Wave.Bits / 8);
    if (Wave.Bits == 8)
        return (int(std::uint8_t(Wave.Data[at])) - 128) / 128.0;
    const auto v = std::int16_t(std::uint16_t(std::uint8_t(Wave.Data[at])) | (std::uint16_t(std::uint8_t(Wave.Data[at + 1])) << 8));
    return v / 32768.0;
}

} // namespace zindo::test
