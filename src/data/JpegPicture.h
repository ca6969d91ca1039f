#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>

namespace zindo {

/// A progressive JPEG with more scans than this is refused. The library's
/// standard progression has 10 scans for a colour picture (6 for grey) and
/// encoders that search for the smallest file stay near 20, while every scan
/// costs a pass over all of the picture's coefficients: a hostile file repeats
/// scans of a few bytes each to keep the decoder busy for seconds. 50 scans
/// is more than twice what any encoder writes, and bounds the work of the
/// largest picture allowed to well under a second.
inline constexpr int MaxJpegScans = 50;

/// The most bytes a picture may take once decoded: the toolkit's image
/// allocation limit (QImageReader::allocationLimit); 0 when there is none.
qint64 PictureMemoryLimit();

/// Whether a Width x Height picture fits PictureMemoryLimit at 32 bits per
/// pixel: the format every picture passes through on its way to the screen
/// (a level is composed in 32-bit RGB, a sprite drawn from premultiplied
/// ARGB), whatever format it is stored or decoded in.
bool PictureSizeAllowed(qint64 Width, qint64 Height);

/// The reason a picture above PictureMemoryLimit is refused, for the player.
QString PictureTooLarge();

/// How DecodeJpeg ended.
enum TJpegOutcome : std::uint8_t {
    joDecoded = 0, ///< Picture holds the pixels
    joFailed,      ///< not a JPEG the library can read, or refused; Error says why
    joCancelled,   ///< the progress callback asked to stop
};

/// What DecodeJpeg is asked to do beyond decoding the whole picture.
struct TJpegOptions {
    /// 0: the picture at full size. Otherwise the picture is decoded at the
    /// smallest of the library's scales (1/8, 2/8 .. 8/8) at which its long
    /// side is still at least MinLongSide, which is far faster than decoding
    /// at full size and scaling down.
    std::int32_t MinLongSide = 0;
    /// Grey pictures as 8-bit grey, the toolkit reader's format; when false
    /// they come as 32-bit RGB like colour ones.
    bool KeepGrey = true;
    /// Called now and then with the share of the decoding done (0 .. 1), on
    /// the decoding thread; returning false stops the decoding (joCancelled).
    std::function<bool(double Done)> OnProgress;
};

/// The result of DecodeJpeg.
struct TJpegDecoding {
    TJpegOutcome Outcome = joFailed; ///< how it ended
    QImage Picture;                  ///< the pixels (joDecoded only)
    QString Error;                   ///< why it failed (joFailed only)
    /// The Exif orientation (1 .. 8, 1 = upright as stored) of the picture's
    /// APP1 marker; 1 when it has none. DecodeJpeg does not apply it.
    std::uint8_t Orientation = 1;
};

/// Decodes JPEG bytes with libjpeg-turbo straight into the picture's final
/// format, without the toolkit's image plugins: 32-bit RGB for colour
/// pictures (ink-based CMYK ones included), 8-bit grey for grey ones (see
/// KeepGrey), the same pixels and formats the toolkit's JPEG reader gives. Refused (joFailed, with a message
/// for the player):
/// - a picture whose decoded size in 32 bits per pixel is above the toolkit's
///   image allocation limit (QImageReader::allocationLimit): every picture
///   the game shows becomes 32-bit on its way to the screen, grey ones too;
/// - one whose decoding would need more working memory than that limit (the
///   coefficients of a large progressive picture);
/// - a progressive picture with more than MaxJpegScans scans.
/// Warnings of the library (a file cut short, say) keep the picture as far as
/// it was decoded, as the toolkit's reader does. Safe to call on any thread.
TJpegDecoding DecodeJpeg(const QByteArray& Bytes, const TJpegOptions& Options = {});

/// The orientation (1 .. 8) an Exif block gives: the bytes of an APP1
/// marker, starting with "Exif\0\0". 1 for anything else or anything
/// malformed.
std::uint8_t ExifOrientation(const QByteArray& App1);

/// Picture turned upright as an Exif orientation (1 .. 8) says: 2 mirrored,
/// 3 turned by 180 degrees, 4 flipped, 5 mirrored across the main diagonal,
/// 6 turned by 90 degrees clockwise, 7 mirrored across the other diagonal,
/// 8 turned by 90 degrees anticlockwise; anything else as it is.
QImage Oriented(const QImage& Picture, std::uint8_t Orientation);

} // namespace zindo
