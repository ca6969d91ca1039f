#include "JpegPicture.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QTransform>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace zindo {

namespace {

/// Why a decoding stopped early, besides the library's own errors.
enum TJpegStop : std::uint8_t { jsLibrary = 0, jsTooLarge, jsTooManyScans, jsCancelled };

/// The library's error manager, with where to go back to on an error.
struct TJpegErrors {
    jpeg_error_mgr Manager; // first, so that the library's pointer is ours too
    std::jmp_buf Exit;
    char Message[JMSG_LENGTH_MAX];
    TJpegStop Stop;
};

/// The library's progress monitor, which also watches the scan count.
struct TJpegProgress {
    jpeg_progress_mgr Manager; // first, as above
    TJpegErrors* Errors;
    const std::function<bool(double)>* OnProgress;
    double Reported;
};

[[noreturn]] void ExitWithError(j_common_ptr Info)
{
    auto* errors = reinterpret_cast<TJpegErrors*>(Info->err);
    errors->Manager.format_message(Info, errors->Message);
    std::longjmp(errors->Exit, 1);
}

void IgnoreMessage(j_common_ptr, int) {}

[[noreturn]] void Stop(TJpegErrors& Errors, TJpegStop Why)
{
    Errors.Stop = Why;
    std::longjmp(Errors.Exit, 1);
}

/// Called by the library once per row of blocks and once per scan while it
/// reads the coefficients, and once per batch of rows it gives out.
void MonitorProgress(j_common_ptr Info)
{
    auto* progress = reinterpret_cast<TJpegProgress*>(Info->progress);
    if (reinterpret_cast<j_decompress_ptr>(Info)->input_scan_number > MaxJpegScans)
        Stop(*progress->Errors, jsTooManyScans);
    if (!*progress->OnProgress)
        return;
    const jpeg_progress_mgr& m = progress->Manager;
    const double pass = m.pass_limit > 0 ? double(m.pass_counter) / double(m.pass_limit) : 0.0;
    const double done = std::clamp((m.completed_passes + pass) / std::max(m.total_passes, 1), 0.0, 1.0);
    // The library's estimate may also go back a little when it finds more
    // scans than it expected; only steps forward are told.
    if (done < progress->Reported + 0.01)
        return;
    progress->Reported = done;
    if (!(*progress->OnProgress)(done))
        Stop(*progress->Errors, jsCancelled);
}

/// The scale N/8 at which the long side of the picture is still at least
/// MinLongSide, the smallest such; 8 (full size) when none is smaller.
void ChooseScale(jpeg_decompress_struct& Info, std::int32_t MinLongSide)
{
    Info.scale_denom = 8;
    Info.scale_num = 8;
    if (MinLongSide <= 0)
        return;
    for (unsigned n = 1; n < 8; ++n) {
        Info.scale_num = n;
        jpeg_calc_output_dimensions(&Info);
        if (static_cast<std::int64_t>(std::max(Info.output_width, Info.output_height)) >= MinLongSide)
            return;
    }
    Info.scale_num = 8;
}

/// Turns a row of ink values, as Adobe's programs store them (inverted:
/// 255 is no ink), into 32-bit RGB in place: each colour is its ink's value
/// times the black's.
void CmykToRgb(std::uint8_t* Row, JDIMENSION Width)
{
    for (JDIMENSION x = 0; x < Width; ++x, Row += 4) {
        const unsigned cyan = Row[0], magenta = Row[1], yellow = Row[2], black = Row[3];
        Row[0] = static_cast<std::uint8_t>(yellow * black / 255);
        Row[1] = static_cast<std::uint8_t>(magenta * black / 255);
        Row[2] = static_cast<std::uint8_t>(cyan * black / 255);
        Row[3] = 0xFF;
    }
}

/// The library's part. Nothing with a destructor lives in this frame, as an
/// error comes back here through longjmp.
TJpegOutcome Decode(jpeg_decompress_struct& Info, TJpegErrors& Errors, TJpegProgress& Progress,
                    const QByteArray& Bytes, const TJpegOptions& Options, TJpegDecoding& Result)
{
    if (setjmp(Errors.Exit)) {
        jpeg_destroy_decompress(&Info);
        return Errors.Stop == jsCancelled ? joCancelled : joFailed;
    }
    jpeg_create_decompress(&Info);
    Info.progress = &Progress.Manager;
    jpeg_mem_src(&Info, reinterpret_cast<const unsigned char*>(Bytes.constData()),
                 static_cast<unsigned long>(Bytes.size()));
    jpeg_save_markers(&Info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&Info, TRUE);
    for (jpeg_saved_marker_ptr marker = Info.marker_list; marker; marker = marker->next)
        if (marker->marker == JPEG_APP0 + 1) {
            const std::uint8_t orientation = ExifOrientation(QByteArray::fromRawData(
                reinterpret_cast<const char*>(marker->data), static_cast<qsizetype>(marker->data_length)));
            if (orientation != 1) {
                Result.Orientation = orientation;
                break;
            }
        }
    const bool grey = Info.jpeg_color_space == JCS_GRAYSCALE;
    const bool cmyk = Info.jpeg_color_space == JCS_CMYK || Info.jpeg_color_space == JCS_YCCK;
    const bool greyOut = grey && Options.KeepGrey;
    Info.out_color_space = greyOut ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    ChooseScale(Info, Options.MinLongSide);
    jpeg_calc_output_dimensions(&Info);
    if (!PictureSizeAllowed(Info.output_width, Info.output_height))
        Stop(Errors, jsTooLarge);
    // The library's own buffers (a progressive picture's coefficients, up to
    // six bytes a pixel) stay within the same limit: the library refuses to
    // allocate more.
    if (const qint64 limit = PictureMemoryLimit(); limit > 0)
        Info.mem->max_memory_to_use = static_cast<long>(limit);
    Result.Picture = QImage(static_cast<int>(Info.output_width), static_cast<int>(Info.output_height),
                            greyOut ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (Result.Picture.isNull())
        Stop(Errors, jsTooLarge);
    jpeg_start_decompress(&Info);
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW rows[16];
        const JDIMENSION count = std::min<JDIMENSION>(16, Info.output_height - Info.output_scanline);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = Result.Picture.scanLine(static_cast<int>(Info.output_scanline + i));
        jpeg_read_scanlines(&Info, rows, count);
        if (cmyk)
            for (JDIMENSION i = 0; i < count; ++i)
                CmykToRgb(rows[i], Info.output_width);
    }
    jpeg_finish_decompress(&Info);
    jpeg_destroy_decompress(&Info);
    return joDecoded;
}

std::uint32_t ReadUnsigned(const std::uint8_t* Data, int Size, bool BigEndian)
{
    std::uint32_t value = 0;
    for (int i = 0; i < Size; ++i)
        value |= std::uint32_t(Data[BigEndian ? i : Size - 1 - i]) << (8 * (Size - 1 - i));
    return value;
}

} // namespace

qint64 PictureMemoryLimit()
{
    return static_cast<qint64>(QImageReader::allocationLimit()) * 1024 * 1024;
}

bool PictureSizeAllowed(qint64 Width, qint64 Height)
{
    const qint64 limit = PictureMemoryLimit();
    // Sides are below 2^31 each, so the product cannot overflow.
    return limit <= 0 || (Width >= 0 && Height >= 0 && Width * Height * 4 <= limit);
}

QString PictureTooLarge()
{
    return QCoreApplication::translate("Files", "The picture is too large.");
}

TJpegDecoding DecodeJpeg(const QByteArray& Bytes, const TJpegOptions& Options)
{
    TJpegDecoding result;
    jpeg_decompress_struct info{};
    TJpegErrors errors{};
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = ExitWithError;
    errors.Manager.emit_message = IgnoreMessage;
    TJpegProgress progress{};
    progress.Manager.progress_monitor = MonitorProgress;
    progress.Errors = &errors;
    progress.OnProgress = &Options.OnProgress;
    result.Outcome = Decode(info, errors, progress, Bytes, Options, result);
    if (result.Outcome == joDecoded)
        return result;
    result.Picture = QImage();
    if (result.Outcome != joFailed)
        return result;
    // Working memory above max_memory_to_use: the library has no backing store
    // to turn to.
    if (errors.Stop == jsLibrary &&
        (errors.Manager.msg_code == JERR_OUT_OF_MEMORY || errors.Manager.msg_code == JERR_NO_BACKING_STORE))
        errors.Stop = jsTooLarge;
    switch (errors.Stop) {
    case jsTooLarge:
        result.Error = PictureTooLarge();
        break;
    case jsTooManyScans:
        result.Error = QCoreApplication::translate("Files", "The picture is made of more than %1 progressive scans.")
                           .arg(MaxJpegScans);
        break;
    case jsLibrary:
    case jsCancelled:
        result.Error = QString::fromLocal8Bit(errors.Message);
        break;
    }
    return result;
}

std::uint8_t ExifOrientation(const QByteArray& App1)
{
    // "Exif\0\0", then a TIFF header: byte order, 42, offset of the first
    // directory; a directory is a count and 12-byte entries of tag, type,
    // count and value.
    constexpr qsizetype headerSize = 6;
    if (App1.size() < headerSize + 8 || !App1.startsWith(QByteArrayLiteral("Exif\0\0")))
        return 1;
    const auto* tiff = reinterpret_cast<const std::uint8_t*>(App1.constData()) + headerSize;
    const std::int64_t size = App1.size() - headerSize;
    bool bigEndian;
    if (tiff[0] == 'M' && tiff[1] == 'M')
        bigEndian = true;
    else if (tiff[0] == 'I' && tiff[1] == 'I')
        bigEndian = false;
    else
        return 1;
    if (ReadUnsigned(tiff + 2, 2, bigEndian) != 42)
        return 1;
    const std::int64_t directory = ReadUnsigned(tiff + 4, 4, bigEndian);
    if (directory + 2 > size)
        return 1;
    const std::int64_t count = ReadUnsigned(tiff + directory, 2, bigEndian);
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t entry = directory + 2 + 12 * i;
        if (entry + 12 > size)
            break;
        if (ReadUnsigned(tiff + entry, 2, bigEndian) != 0x0112)
            continue;
        const std::uint32_t type = ReadUnsigned(tiff + entry + 2, 2, bigEndian);
        std::uint32_t value = 0;
        if (type == 3) // SHORT, as the standard says
            value = ReadUnsigned(tiff + entry + 8, 2, bigEndian);
        else if (type == 4) // LONG, written by a few programs
            value = ReadUnsigned(tiff + entry + 8, 4, bigEndian);
        return value >= 1 && value <= 8 ? static_cast<std::uint8_t>(value) : 1;
    }
    return 1;
}

QImage Oriented(const QImage& Picture, std::uint8_t Orientation)
{
    const QTransform clockwise = QTransform().rotate(90);
    switch (Orientation) {
    case 2:
        return Picture.mirrored(true, false);
    case 3:
        return Picture.mirrored(true, true);
    case 4:
        return Picture.mirrored(false, true);
    case 5:
        return Picture.transformed(clockwise).mirrored(true, false);
    case 6:
        return Picture.transformed(clockwise);
    case 7:
        return Picture.transformed(clockwise).mirrored(false, true);
    case 8:
        return Picture.transformed(QTransform().rotate(270));
    default:
        return Picture;
    }
}

} // namespace zindo
