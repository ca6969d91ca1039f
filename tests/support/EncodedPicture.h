#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QRgb>

#include <cstdint>
#include <cstdlib>

namespace zindo::test {

/// Whether two colours differ by no more than Tolerance in each channel: the
/// same colour after a lossy encoding and scaling.
inline bool NearColour(QRgb A, QRgb B, int Tolerance)
{
    return std::abs(qRed(A) - qRed(B)) <= Tolerance && std::abs(qGreen(A) - qGreen(B)) <= Tolerance &&
           std::abs(qBlue(A) - qBlue(B)) <= Tolerance;
}

/// Picture written in Format ("jpeg", "bmp") as a file would hold it; JPEG at
/// Quality, progressive when asked. Empty when the writer fails.
inline QByteArray EncodedPicture(const QImage& Picture, const char* Format, int Quality = -1,
                                 bool Progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, Format);
    writer.setQuality(Quality);
    writer.setProgressiveScanWrite(Progressive);
    return writer.write(Picture) ? bytes : QByteArray();
}

/// A 6000 x 4000 photograph as a camera stores it (JPEG of quality 90):
/// smooth shapes, fine texture and a little noise everywhere. Made anew at
/// each call; callers keep it.
inline QByteArray CameraJpeg24MP()
{
    QImage picture(6000, 4000, QImage::Format_RGB32);
    std::uint32_t noise = 12345;
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = static_cast<int>(noise >> 29);
            row[x] = qRgb((x / 24 + y / 40 + grain) & 255, ((x * y) / 9000 + grain) & 255,
                          (((x / 3) ^ (y / 3)) / 4 + 60 + grain) & 255);
        }
    }
    return EncodedPicture(picture, "jpeg", 90);
}

} // namespace zindo::test
