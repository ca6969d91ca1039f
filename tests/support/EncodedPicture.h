#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

namespace zindo::test {

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

} // namespace zindo::test
