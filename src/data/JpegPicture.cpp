#include "JpegPicture.h"

#include <QCoreApplication>
#include <QImageReader>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace zindo {

namespace {

/// The library's error manager, with where to go back to on an error.
struct TJpegErrors {
    jpeg_error_mgr Manager; // first, so that the library's pointer is ours too
    std::jmp_buf Exit;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ExitWithError(j_common_ptr Info)
{
    auto* errors = reinterpret_cast<TJpegErrors*>(Info->err);
    errors->Manager.format_message(Info, errors->Message);
    std::longjmp(errors->Exit, 1);
}

void IgnoreMessage(j_common_ptr, int) {}

enum class TStep { Decoded, Unsupported, TooLarge, Failed };

/// The library's part. Nothing with a destructor lives in this frame, as an
/// error comes back here through longjmp.
TStep Decode(jpeg_decompress_struct& Info, TJpegErrors& Errors, const QByteArray& Bytes, QImage& Picture)
{
    if (setjmp(Errors.Exit)) {
        jpeg_destroy_decompress(&Info);
        return TStep::Failed;
    }
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, reinterpret_cast<const unsigned char*>(Bytes.constData()),
                 static_cast<unsigned long>(Bytes.size()));
    jpeg_read_header(&Info, TRUE);
    const bool grey = Info.jpeg_color_space == JCS_GRAYSCALE;
    if (!grey && Info.jpeg_color_space != JCS_YCbCr && Info.jpeg_color_space != JCS_RGB) {
        jpeg_destroy_decompress(&Info);
        return TStep::Unsupported;
    }
    Info.out_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGRX;
    jpeg_calc_output_dimensions(&Info);
    const long long limit = static_cast<long long>(QImageReader::allocationLimit()) * 1024 * 1024;
    const long long bytes =
        static_cast<long long>(Info.output_width) * Info.output_height * (grey ? 1 : 4);
    if (limit > 0 && bytes > limit) {
        jpeg_destroy_decompress(&Info);
        return TStep::TooLarge;
    }
    // The library's own buffers (a progressive picture's coefficients) stay
    // within bounds of the same order.
    if (limit > 0)
        Info.mem->max_memory_to_use = static_cast<long>(2 * limit);
    Picture = QImage(static_cast<int>(Info.output_width), static_cast<int>(Info.output_height),
                     grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (Picture.isNull()) {
        jpeg_destroy_decompress(&Info);
        return TStep::TooLarge;
    }
    jpeg_start_decompress(&Info);
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW row = Picture.scanLine(static_cast<int>(Info.output_scanline));
        jpeg_read_scanlines(&Info, &row, 1);
    }
    jpeg_finish_decompress(&Info);
    jpeg_destroy_decompress(&Info);
    return TStep::Decoded;
}

} // namespace

TJpegOutcome DecodeJpeg(const QByteArray& Bytes, QImage& Picture, QString& Error)
{
    jpeg_decompress_struct info{};
    TJpegErrors errors{};
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = ExitWithError;
    errors.Manager.emit_message = IgnoreMessage;
    switch (Decode(info, errors, Bytes, Picture)) {
    case TStep::Decoded:
        return TJpegOutcome::Decoded;
    case TStep::Unsupported:
        Picture = QImage();
        return TJpegOutcome::Unsupported;
    case TStep::TooLarge:
        Picture = QImage();
        Error = QCoreApplication::translate("Files", "The picture is too large.");
        return TJpegOutcome::Failed;
    case TStep::Failed:
        break;
    }
    Picture = QImage();
    Error = QString::fromLocal8Bit(errors.Message);
    return TJpegOutcome::Failed;
}

} // namespace zindo
