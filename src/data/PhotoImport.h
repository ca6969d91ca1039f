#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

namespace zindo {

/// The long side of a level picture made from a photo, in pixels: enough for
/// the board drawn at device resolution on a 4K screen.
inline constexpr std::int32_t PhotoLongSide = 1800;

/// The JPEG quality of a level picture made from a photo. At 90 the
/// quantisation steps are a fifth of the standard tables' (two fifths of
/// those at the library's default of 75): nothing shows in a photograph
/// seen at 1:1, while a 1800-pixel photograph takes well under a megabyte
/// (the game's own photos some 350 KB) and a theme of ten a few megabytes.
/// At 95 the steps halve again and the files grow for differences nobody
/// sees.
inline constexpr int PhotoJpegQuality = 90;

/// Turns a player's photo into a level picture: reads any picture format the
/// toolkit reads on the system (JPEG, PNG, WebP, TIFF, BMP, GIF, ...; the
/// content decides, whatever the file's extension), turns it upright as its
/// Exif orientation says, lays a transparent picture on white, and scales it
/// smoothly so that its long side is at most PhotoLongSide pixels (smaller
/// pictures keep their size). The result is 32-bit RGB (QImage::Format_RGB32),
/// ready for EncodeLevelPicture.
///
/// JPEG goes through libjpeg-turbo, decoded straight at the smallest of its
/// scales that still gives at least PhotoLongSide pixels; formats whose
/// toolkit reader can scale while decoding are read scaled too.
///
/// Refused with EQzError ("Cannot read picture ..."), as the game's picture
/// loaders refuse them (see LoadPictureData): a picture whose decoded size
/// in 32 bits per pixel is above PictureMemoryLimit, a progressive JPEG with
/// more than MaxJpegScans scans, a bitmap whose pixel data is cut short, and
/// anything the toolkit cannot read.
///
/// Threads: an import touches no widget and no state shared with anything
/// else, so the screens run it on a worker thread, one import object per
/// photo. Convert and ConvertData run on the thread that calls them and
/// raise OnProgress there; Cancel may be called from any thread.
class TPhotoImport {
public:
    /// The level picture of the photo file FileName (see the class comment);
    /// a null picture when cancelled. Raises EQzError.
    QImage Convert(const QString& FileName);
    /// The same for a photo already in memory; Name names it in the error.
    QImage ConvertData(const QByteArray& Bytes, const QString& Name);

    /// Asks the conversion under way, or the next one, to stop as soon as
    /// it can; it then returns a null picture. Safe from any thread.
    void Cancel() { CancelRequested = true; }
    /// Whether Cancel was called.
    bool Cancelled() const { return CancelRequested; }

    /// Raised on the converting thread with the share of the work done,
    /// 0 .. 100, rising, 100 last. Empty: nobody listens.
    std::function<void(int Percent)> OnProgress;

private:
    /// JPEG through libjpeg-turbo at a reduced scale, its Exif orientation
    /// not yet applied.
    QImage ReadJpeg(const QByteArray& Bytes, const QString& Name, std::uint8_t& Orientation);
    /// Anything else; the toolkit's reader applies the orientation itself.
    QImage ReadWithToolkit(const QByteArray& Bytes, const QString& Name);
    /// Raises OnProgress when Percent is above what was told last.
    void Report(int Percent);

    std::atomic<bool> CancelRequested{false}; ///< set by Cancel
    int Reported = -1;                         ///< the percentage told last
};

/// The size a Width x Height picture takes as a level picture: unchanged
/// when its long side is at most PhotoLongSide, else that long side and the
/// other rounded to keep the proportions (at least one pixel).
QSize LevelPictureSize(QSize Size);

/// The JPEG bytes a level picture's container holds: Picture at
/// PhotoJpegQuality, with optimised coding tables. Stored under a name ending
/// in ".jpg", the game reads it as JPEG. Raises EQzError when the encoder
/// fails. Safe on any thread.
QByteArray EncodeLevelPicture(const QImage& Picture);

} // namespace zindo
