#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zindo {

/// How DecodeJpeg ended.
enum class TJpegOutcome {
    Decoded,     ///< Picture holds the pixels
    Unsupported, ///< a colour space decoded only by the toolkit's reader (CMYK, YCCK)
    Failed,      ///< not a JPEG the library can read, or larger than allowed; Error says why
};

/// Decodes JPEG bytes with libjpeg-turbo straight into the picture's final
/// format, without the toolkit's image plugins: 32-bit RGB for colour
/// pictures, 8-bit grey for grey ones, the same pixels and formats the
/// toolkit's JPEG reader gives. A picture whose decoded size is above the
/// toolkit's image allocation limit (QImageReader::allocationLimit) is
/// refused. Warnings of the library (a file cut short, say) keep the picture
/// as far as it was decoded, as the toolkit's reader does.
TJpegOutcome DecodeJpeg(const QByteArray& Bytes, QImage& Picture, QString& Error);

} // namespace zindo
