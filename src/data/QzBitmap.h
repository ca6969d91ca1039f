#pragma once

#include "JpegPicture.h"
#include "QzError.h"

#include <QImage>
#include <QString>

#include <cstdint>

class QImageReader;

namespace zindo {

/// A colour as the game stores it: 0x00BBGGRR (red in the low byte), so that
/// 48127 is orange (255, 187, 0) and 8421504 is mid-grey.
using TColor = std::uint32_t;

inline constexpr TColor RGBColor(int Red, int Green, int Blue)
{
    return TColor(Red & 0xFF) | (TColor(Green & 0xFF) << 8) | (TColor(Blue & 0xFF) << 16);
}
inline constexpr int RedOf(TColor Color) { return int(Color & 0xFF); }
inline constexpr int GreenOf(TColor Color) { return int((Color >> 8) & 0xFF); }
inline constexpr int BlueOf(TColor Color) { return int((Color >> 16) & 0xFF); }

/// Qt's 0xAARRGGBB from a game colour (opaque) and back (alpha dropped).
QRgb ToQRgb(TColor Color);
TColor FromQRgb(QRgb Rgb);

/// How a bitmap's pixels are stored: 24 bits in blue-green-red byte order,
/// 32 bits (blue, green, red, fourth byte), or anything smaller (palette, 16 bits).
enum TPixelFormat : std::uint8_t { pfSmall = 0, pf24bit, pf32bit };

/// Where a bitmap's transparent colour comes from: its bottom-left pixel, or a
/// colour set by the program.
enum TTransparentMode : std::uint8_t { tmAuto = 0, tmFixed };

/// Low when Value < Low, High when Value > High, else Value.
std::int32_t Clamp(std::int32_t Value, std::int32_t Low, std::int32_t High);

/// Each of red, green and blue plus Delta, clamped to 0..255.
TColor AddToColor(TColor Color, std::int32_t Delta);

/// Red, green and blue each plus its own delta, clamped to 0..255.
TColor AddToColorRGB(TColor Color, std::int32_t DeltaRed, std::int32_t DeltaGreen, std::int32_t DeltaBlue);

/// Three pixel bytes: for Delta > 0 each becomes min(byte + Delta, 255), else
/// max(byte + Delta, 0).
void ShiftPixelBytes(std::int32_t Delta, std::uint8_t* Pixel);

/// Pixel X of a scan line as one value, blue in the low byte, then green and
/// red (24 bits: upper byte 0; 32 bits: the fourth byte on top).
std::uint32_t ReadScanPixel(const std::uint8_t* Row, TPixelFormat Format, int X);

/// Writes the three low bytes of Value as pixel X (the fourth byte of a
/// 32-bit pixel stays).
void WriteScanPixel(std::uint8_t* Row, TPixelFormat Format, int X, std::uint32_t Value);

/// The storage format of an image as the scan-line helpers see it.
TPixelFormat PixelFormatOf(const QImage& Image);

/// The game's bitmap: a picture plus its transparency, with the two drawing
/// operations the game adds (GreyOut for inactive icons, MergeTransparent for
/// sprites). 24-bit bitmaps are kept as QImage::Format_BGR888 and 32-bit ones
/// as Format_RGB32, so their scan lines are blue-green-red.
class TQzBitmap {
public:
    TQzBitmap() = default;
    explicit TQzBitmap(QImage AImage) : Image(std::move(AImage)) {}

    int Width() const { return Image.width(); }
    int Height() const { return Image.height(); }
    bool IsEmpty() const { return Image.isNull(); }

    TPixelFormat PixelFormat() const { return PixelFormatOf(Image); }
    /// Converts the pixels to 24 or 32 bits per pixel.
    void SetPixelFormat(TPixelFormat Format);

    /// The transparent colour: the bottom-left pixel in the automatic mode
    /// (0 for an empty bitmap), else the colour set.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor Color);

    /// Darkens every pixel by 88 per channel, except the pixels of the
    /// transparent colour, which stay as they are.
    void GreyOut();

    /// Draws this bitmap onto Dest with its top-left corner at (X, Y), leaving
    /// out its transparent colour; clipped to Dest, negative positions allowed.
    void MergeTransparent(QImage& Dest, int X, int Y) const;
    void MergeTransparent(TQzBitmap& Dest, int X, int Y) const { MergeTransparent(Dest.Image, X, Y); }
    /// The picture as a painter draws it with its transparent colour left
    /// out: premultiplied ARGB, the pixels of the transparent colour fully
    /// transparent, every other pixel opaque. Drawn unscaled it leaves the
    /// pixels MergeTransparent leaves; drawn scaled, its edges blend into
    /// what lies beneath instead of into the transparent colour. Made once
    /// and kept until the picture or its transparent colour changes, so the
    /// same picture comes back each time (sprites drawn at every step).
    QImage TransparentImage() const;

    QImage Image;                               ///< the pixels
    bool Transparent = false;                   ///< drawn with its transparent colour left out
    TTransparentMode TransparentMode = tmAuto;  ///< where TransparentColor comes from
    TColor FixedTransparentColor = 0;           ///< the colour of the fixed mode

private:
    mutable QImage TransparentCopy;           ///< the picture TransparentImage gives, once made
    mutable qint64 TransparentCopySource = 0; ///< cache key of the picture it was made from
    mutable TColor TransparentCopyColor = 0;  ///< the transparent colour it was made with
};

/// Whether a picture named FileName is read as JPEG: its extension is ".jpg"
/// or ".jpeg" in any letter case.
bool IsJpegFileName(const QString& FileName);

/// Reads a picture file as the format its extension names: ".jpg" and ".jpeg"
/// in any letter case are JPEG, every other extension a device-independent
/// bitmap. The content is never sniffed. Raises EQzError when the file cannot
/// be read or the picture is refused (see LoadPictureData).
QImage LoadPictureFile(const QString& FileName);

/// The same for a picture already in memory; FileName only decides the format
/// and names the picture in the error. A file and its bytes in memory give
/// the same picture or the same error. Refused, so that no picture can stall
/// the game or make it allocate far beyond what an honest picture needs:
/// - a picture whose size in 32 bits per pixel is above PictureMemoryLimit,
///   judged from its header before any pixel is decoded;
/// - a progressive JPEG with more than MaxJpegScans scans (JpegPicture.h);
/// - a bitmap whose pixel data ends before the picture does (see
///   BitmapDataProblem).
QImage LoadPictureData(const QByteArray& Bytes, const QString& FileName);

/// The picture Reader is set up for, read from Bytes (the bytes behind its
/// device) and refused as LoadPictureData refuses a picture: a bitmap whose
/// data is cut short, a size above PictureMemoryLimit judged from the header
/// (at Reader's scaled size when one is set) before any pixel is decoded and
/// again after. Name names the picture in the error.
QImage ReadCheckedPicture(QImageReader& Reader, const QByteArray& Bytes, const QString& Name);

/// Why the device-independent bitmap Bytes cannot be read: empty when its
/// pixel data covers the whole picture, or when Bytes is no bitmap the check
/// understands (the toolkit's reader then judges it). The toolkit's reader
/// leaves pixels it finds no data for as the memory held them before, so a
/// bitmap cut short, or a compressed one that skips pixels, is refused.
QString BitmapDataProblem(const QByteArray& Bytes);

/// The bytes of the picture file FileName. Raises EQzError when it cannot be
/// read or is larger than PictureMemoryLimit (and its headers).
QByteArray ReadPictureFile(const QString& FileName);

/// The error of a picture that cannot be read: "Cannot read picture "Name".
/// Reason".
EQzError PictureError(const QString& Name, const QString& Reason);

/// Loads a sprite: a picture file set to 24 bits, transparent with the colour
/// of its bottom-left pixel.
TQzBitmap LoadTransparentBitmap(const QString& FileName);
/// The same for a picture already read.
TQzBitmap TransparentBitmap(const QImage& Picture);

} // namespace zindo
