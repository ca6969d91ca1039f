#pragma once

// Pictures made to harm a picture loader, small enough to make in a test or
// a fuzz seed: a progressive JPEG that repeats its scans, a grey JPEG of a
// few hundred bytes that claims a huge size, a bitmap cut short; and Exif
// orientation added to a JPEG.

#include "support/EncodedPicture.h"

#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QtEndian>

namespace zindo::test {

/// Sets the toolkit's image allocation limit (megabytes) for its lifetime.
class TScopedAllocationLimit {
public:
    explicit TScopedAllocationLimit(int Megabytes) { QImageReader::setAllocationLimit(Megabytes); }
    ~TScopedAllocationLimit() { QImageReader::setAllocationLimit(Saved); }
    TScopedAllocationLimit(const TScopedAllocationLimit&) = delete;
    TScopedAllocationLimit& operator=(const TScopedAllocationLimit&) = delete;

private:
    const int Saved = QImageReader::allocationLimit(); ///< the limit before
};

/// The segments of a JPEG file in order: each marker with its bytes (a scan
/// with its coded data up to the next marker).
inline QList<QByteArray> JpegSegments(const QByteArray& Jpeg)
{
    QList<QByteArray> segments;
    qsizetype at = 2; // after SOI
    while (at + 4 <= Jpeg.size() && static_cast<std::uint8_t>(Jpeg[at]) == 0xFF) {
        const auto marker = static_cast<std::uint8_t>(Jpeg[at + 1]);
        if (marker == 0xD9)
            break;
        qsizetype end = at + 2 + qFromBigEndian<quint16>(Jpeg.constData() + at + 2);
        if (marker == 0xDA) // coded data: up to a marker that is neither a stuffed byte nor a restart
            while (end + 1 < Jpeg.size() &&
                   !(static_cast<std::uint8_t>(Jpeg[end]) == 0xFF && Jpeg[end + 1] != 0 &&
                     (static_cast<std::uint8_t>(Jpeg[end + 1]) < 0xD0 || static_cast<std::uint8_t>(Jpeg[end + 1]) > 0xD7)))
                ++end;
        segments.append(Jpeg.mid(at, end - at));
        at = end;
    }
    return segments;
}

/// Jpeg with the size in its frame header replaced: its coded data then runs
/// out early and the decoder makes up the rest of the picture.
inline QByteArray WithClaimedSize(QByteArray Jpeg, int Width, int Height)
{
    for (qsizetype at = 2; at + 9 <= Jpeg.size(); ++at)
        if (static_cast<std::uint8_t>(Jpeg[at]) == 0xFF &&
            (static_cast<std::uint8_t>(Jpeg[at + 1]) == 0xC0 || static_cast<std::uint8_t>(Jpeg[at + 1]) == 0xC2)) {
            qToBigEndian<quint16>(static_cast<quint16>(Height), Jpeg.data() + at + 5);
            qToBigEndian<quint16>(static_cast<quint16>(Width), Jpeg.data() + at + 7);
            break;
        }
    return Jpeg;
}

/// A progressive grey JPEG of Width x Height with Scans scans, a few bytes
/// each: the first scan of a small picture over and over. Every scan costs
/// the decoder a pass over the whole picture.
inline QByteArray ManyScansJpeg(int Width, int Height, int Scans)
{
    QImage small(16, 16, QImage::Format_Grayscale8);
    small.fill(90);
    const QList<QByteArray> segments = JpegSegments(EncodedPicture(small, "jpeg", 75, true));
    QByteArray jpeg("\xFF\xD8", 2);
    qsizetype firstScan = 0;
    while (firstScan < segments.size() && !segments[firstScan].startsWith("\xFF\xDA"))
        jpeg += segments[firstScan++];
    for (int i = 0; i < Scans && firstScan < segments.size(); ++i)
        jpeg += segments[firstScan];
    jpeg += QByteArray("\xFF\xD9", 2);
    return WithClaimedSize(jpeg, Width, Height);
}

/// A grey JPEG of a few hundred bytes that claims Width x Height.
inline QByteArray HugeGreyJpeg(int Width, int Height)
{
    QImage small(8, 8, QImage::Format_Grayscale8);
    small.fill(200);
    return WithClaimedSize(EncodedPicture(small, "jpeg", 50), Width, Height);
}

/// A 24-bit bitmap of Width x Height whose pixel data stops half-way.
inline QByteArray CutShortBitmap(int Width, int Height)
{
    QImage picture(Width, Height, QImage::Format_RGB32);
    picture.fill(qRgb(30, 140, 60));
    const QByteArray bitmap = EncodedPicture(picture, "bmp");
    return bitmap.left(54 + (bitmap.size() - 54) / 2);
}

/// Jpeg with an Exif block right after its start that gives Orientation,
/// in Motorola byte order or Intel's.
inline QByteArray WithExifOrientation(const QByteArray& Jpeg, int Orientation, bool BigEndian = true)
{
    const auto u16 = [BigEndian](int Value) {
        QByteArray b(2, '\0');
        if (BigEndian)
            qToBigEndian<quint16>(static_cast<quint16>(Value), b.data());
        else
            qToLittleEndian<quint16>(static_cast<quint16>(Value), b.data());
        return b;
    };
    const auto u32 = [BigEndian](quint32 Value) {
        QByteArray b(4, '\0');
        if (BigEndian)
            qToBigEndian<quint32>(Value, b.data());
        else
            qToLittleEndian<quint32>(Value, b.data());
        return b;
    };
    // TIFF header, one directory with a second entry ahead of it (the
    // resolution unit) and the orientation, no next directory.
    const QByteArray tiff = QByteArray(BigEndian ? "MM" : "II") + u16(42) + u32(8) + u16(2) + u16(0x0128) + u16(3) +
                            u32(1) + u16(2) + u16(0) + u16(0x0112) + u16(3) + u32(1) + u16(Orientation) + u16(0) +
                            u32(0);
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray length(2, '\0');
    qToBigEndian<quint16>(static_cast<quint16>(body.size() + 2), length.data());
    return Jpeg.left(2) + QByteArray("\xFF\xE1", 2) + length + body + Jpeg.mid(2);
}

} // namespace zindo::test
