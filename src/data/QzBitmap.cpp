#include "QzBitmap.h"

#include "JpegPicture.h"
#include "Paths.h"
#include "QzError.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace zindo {

QRgb ToQRgb(TColor Color)
{
    return qRgb(RedOf(Color), GreenOf(Color), BlueOf(Color));
}

TColor FromQRgb(QRgb Rgb)
{
    return RGBColor(qRed(Rgb), qGreen(Rgb), qBlue(Rgb));
}

std::int32_t Clamp(std::int32_t Value, std::int32_t Low, std::int32_t High)
{
    if (Value < Low)
        return Low;
    if (Value > High)
        return High;
    return Value;
}

TColor AddToColor(TColor Color, std::int32_t Delta)
{
    return AddToColorRGB(Color, Delta, Delta, Delta);
}

TColor AddToColorRGB(TColor Color, std::int32_t DeltaRed, std::int32_t DeltaGreen, std::int32_t DeltaBlue)
{
    return RGBColor(Clamp(RedOf(Color) + DeltaRed, 0, 255), Clamp(GreenOf(Color) + DeltaGreen, 0, 255),
                    Clamp(BlueOf(Color) + DeltaBlue, 0, 255));
}

void ShiftPixelBytes(std::int32_t Delta, std::uint8_t* Pixel)
{
    for (int i = 0; i < 3; ++i) {
        const int value = Pixel[i] + Delta;
        Pixel[i] = static_cast<std::uint8_t>(Delta > 0 ? std::min(value, 255) : std::max(value, 0));
    }
}

std::uint32_t ReadScanPixel(const std::uint8_t* Row, TPixelFormat Format, int X)
{
    if (Format == pf32bit) {
        const std::uint8_t* p = Row + X * 4;
        return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
               (std::uint32_t(p[3]) << 24);
    }
    const std::uint8_t* p = Row + X * 3;
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
}

void WriteScanPixel(std::uint8_t* Row, TPixelFormat Format, int X, std::uint32_t Value)
{
    std::uint8_t* p = Row + X * (Format == pf32bit ? 4 : 3);
    p[0] = static_cast<std::uint8_t>(Value);
    p[1] = static_cast<std::uint8_t>(Value >> 8);
    p[2] = static_cast<std::uint8_t>(Value >> 16);
}

TPixelFormat PixelFormatOf(const QImage& Image)
{
    switch (Image.format()) {
    case QImage::Format_BGR888:
        return pf24bit;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return pf32bit;
    default:
        return pfSmall;
    }
}

void TQzBitmap::SetPixelFormat(TPixelFormat Format)
{
    if (Image.isNull() || Format == PixelFormat())
        return;
    if (Format == pf24bit)
        Image = Image.convertToFormat(QImage::Format_BGR888);
    else if (Format == pf32bit)
        Image = Image.convertToFormat(QImage::Format_RGB32);
}

TColor TQzBitmap::TransparentColor() const
{
    if (TransparentMode == tmFixed)
        return FixedTransparentColor;
    if (Image.isNull())
        return 0;
    return FromQRgb(Image.pixel(0, Image.height() - 1));
}

void TQzBitmap::SetTransparentColor(TColor Color)
{
    FixedTransparentColor = Color;
    TransparentMode = tmFixed;
}

void TQzBitmap::GreyOut()
{
    const TColor transparent = TransparentColor() & 0xFFFFFF;
    for (int x = 0; x < Image.width(); ++x)
        for (int y = 0; y < Image.height(); ++y) {
            const TColor c = FromQRgb(Image.pixel(x, y));
            if (c != transparent)
                Image.setPixel(x, y, ToQRgb(AddToColor(c, -88)));
        }
}

QImage TQzBitmap::TransparentImage() const
{
    if (Image.isNull())
        return QImage();
    const TColor color = TransparentColor();
    if (!TransparentCopy.isNull() && TransparentCopySource == Image.cacheKey() && TransparentCopyColor == color)
        return TransparentCopy;
    const QRgb transparent = ToQRgb(color) & 0xFFFFFF;
    QImage result = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            row[x] = (row[x] & 0xFFFFFF) == transparent ? 0 : (row[x] | 0xFF000000);
    }
    TransparentCopy = result;
    TransparentCopySource = Image.cacheKey();
    TransparentCopyColor = color;
    return result;
}

void TQzBitmap::MergeTransparent(QImage& Dest, int X, int Y) const
{
    if (Image.isNull() || Dest.isNull())
        return;
    const TColor t = TransparentColor();
    const TPixelFormat sourceFormat = PixelFormat();
    const TPixelFormat destFormat = PixelFormatOf(Dest);

    if (sourceFormat == pfSmall || destFormat == pfSmall) {
        // General path: pixel by pixel through Qt's access; Dest clips.
        for (int i = 0; i < Image.width(); ++i)
            for (int j = 0; j < Image.height(); ++j) {
                const QRgb c = Image.pixel(i, j);
                if (FromQRgb(c) != t && Dest.valid(X + i, Y + j))
                    Dest.setPixel(X + i, Y + j, c);
            }
        return;
    }

    // Fast path on scan lines. The transparent colour in scan-line byte order.
    const std::uint8_t tb = static_cast<std::uint8_t>(BlueOf(t));
    const std::uint8_t tg = static_cast<std::uint8_t>(GreenOf(t));
    const std::uint8_t tr = static_cast<std::uint8_t>(RedOf(t));
    const int sourceStep = sourceFormat == pf32bit ? 4 : 3;
    const int destStep = destFormat == pf32bit ? 4 : 3;
    const int destWidth = Dest.width();
    const int firstColumn = std::max(0, -X);
    const int lastColumn = std::min(Image.width(), destWidth - X); // exclusive
    if (firstColumn >= lastColumn)
        return;
    for (int i = 0; i < Image.height(); ++i) {
        const int d = Y + i;
        if (d < 0 || d >= Dest.height())
            continue;
        const std::uint8_t* source = Image.constScanLine(i);
        std::uint8_t* dest = Dest.scanLine(d);
        for (int e = firstColumn; e < lastColumn; ++e) {
            const std::uint8_t* s = source + e * sourceStep;
            if (s[0] == tb && s[1] == tg && s[2] == tr)
                continue;
            std::uint8_t* p = dest + (X + e) * destStep;
            p[0] = s[0];
            p[1] = s[1];
            p[2] = s[2];
            if (destStep == 4)
                p[3] = sourceStep == 4 ? s[3] : 0xFF; // a 24-bit sprite makes an opaque pixel
        }
    }
}

bool IsJpegFileName(const QString& FileName)
{
    const QString extension = FileExtension(FileName);
    return extension.compare(QStringLiteral(".jpg"), Qt::CaseInsensitive) == 0 ||
           extension.compare(QStringLiteral(".jpeg"), Qt::CaseInsensitive) == 0;
}

EQzError PictureError(const QString& Name, const QString& Reason)
{
    return EQzError(QCoreApplication::translate("Files", "Cannot read picture \"%1\". %2").arg(Name, Reason));
}

namespace {

std::uint32_t LittleEndian(const QByteArray& Bytes, qsizetype At, int Size)
{
    std::uint32_t value = 0;
    for (int i = Size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(Bytes[At + i]);
    return value;
}

/// Whether the run-length coded pixels from Start on (4 or 8 bits a pixel)
/// give every pixel of a Width x Height bitmap a value: runs and literal
/// runs fill each row exactly, rows end with an end-of-line code (the last
/// one may end with the end-of-bitmap code instead), nothing is skipped with
/// a delta and nothing lies beyond the data.
bool RunLengthDataComplete(const QByteArray& Bytes, qsizetype Start, qint64 Width, qint64 Height, int Bits)
{
    const qsizetype size = Bytes.size();
    qsizetype at = Start;
    qint64 x = 0;
    qint64 y = 0;
    while (y < Height) {
        if (at + 2 > size)
            return false;
        const int count = static_cast<std::uint8_t>(Bytes[at]);
        const int code = static_cast<std::uint8_t>(Bytes[at + 1]);
        at += 2;
        if (count > 0) {
            x += count;
        } else if (code == 0) { // end of line
            if (x != Width)
                return false;
            x = 0;
            ++y;
            continue;
        } else if (code == 1) { // end of bitmap
            return x == Width && y == Height - 1;
        } else if (code == 2) { // delta: skips pixels
            return false;
        } else { // literal run of code pixels, padded to whole 16-bit words
            const qsizetype bytes = Bits == 8 ? code : (code + 1) / 2;
            at += bytes + (bytes & 1);
            if (at > size)
                return false;
            x += code;
        }
        if (x > Width)
            return false;
    }
    return true;
}

QString CutShort()
{
    return QCoreApplication::translate("Files", "The picture's pixel data is cut short.");
}

} // namespace

QString BitmapDataProblem(const QByteArray& Bytes)
{
    // File header (14 bytes): "BM", file size, reserved, offset of the
    // pixels. Then the information header, which starts with its own size:
    // 12 bytes in the oldest form (16-bit sides), 40 or more in the others.
    if (Bytes.size() < 26 || !Bytes.startsWith("BM"))
        return QString();
    const qint64 pixelOffset = LittleEndian(Bytes, 10, 4);
    const qint64 headerSize = LittleEndian(Bytes, 14, 4);
    qint64 width, height;
    int bits;
    std::uint32_t compression = 0;
    qint64 colours = 0;
    int colourSize = 4;
    qint64 masks = 0;
    if (headerSize == 12) {
        width = LittleEndian(Bytes, 18, 2);
        height = LittleEndian(Bytes, 20, 2);
        bits = static_cast<int>(LittleEndian(Bytes, 24, 2));
        colourSize = 3;
    } else if (headerSize >= 40 && Bytes.size() >= 54) {
        width = static_cast<std::int32_t>(LittleEndian(Bytes, 18, 4));
        height = static_cast<std::int32_t>(LittleEndian(Bytes, 22, 4));
        bits = static_cast<int>(LittleEndian(Bytes, 28, 2));
        compression = LittleEndian(Bytes, 30, 4);
        colours = LittleEndian(Bytes, 46, 4);
        if (headerSize == 40 && compression == 3) // three colour masks after the header
            masks = 12;
        else if (headerSize == 40 && compression == 6) // four, with alpha
            masks = 16;
    } else {
        return QString();
    }
    height = std::abs(height); // negative: stored top row first
    if (width <= 0 || height == 0)
        return QString();
    if (bits <= 8 && colours == 0)
        colours = qint64(1) << bits;
    const qint64 tableEnd = 14 + headerSize + masks + (bits <= 8 ? colours * colourSize : 0);
    const qint64 start = std::max(pixelOffset, tableEnd);
    switch (compression) {
    case 0: // plain rows, each padded to whole 32-bit words
    case 3:
    case 6: {
        // Sides and depth are any 32-bit and 16-bit numbers: no product of
        // them all is formed.
        const qint64 stride = (width * bits + 31) / 32 * 4;
        const qint64 available = Bytes.size() - start;
        if (stride == 0)
            return QString();
        return available < 0 || height > available / stride ? CutShort() : QString();
    }
    case 1: // run-length coded, 8 or 4 bits a pixel
    case 2:
        if (start >= Bytes.size())
            return CutShort();
        return RunLengthDataComplete(Bytes, start, width, height, compression == 1 ? 8 : 4) ? QString()
                                                                                           : CutShort();
    default:
        return QString();
    }
}

QImage ReadCheckedPicture(QImageReader& Reader, const QByteArray& Bytes, const QString& Name)
{
    if (Reader.format() == "bmp")
        if (const QString problem = BitmapDataProblem(Bytes); !problem.isEmpty())
            throw PictureError(Name, problem);
    const QSize size = Reader.scaledSize().isValid() ? Reader.scaledSize() : Reader.size();
    if (size.isValid() && !PictureSizeAllowed(size.width(), size.height()))
        throw PictureError(Name, PictureTooLarge());
    QImage image = Reader.read();
    if (image.isNull())
        throw PictureError(Name, Reader.errorString());
    if (!PictureSizeAllowed(image.width(), image.height()))
        throw PictureError(Name, PictureTooLarge());
    return image;
}

QByteArray ReadPictureFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(FileName, file.errorString());
    // No picture file needs to be larger than the pixels it may decode to:
    // a bitmap of the largest size allowed is as large as they are, plus
    // its headers.
    const qint64 limit = PictureMemoryLimit();
    if (limit > 0 && file.size() > limit + 4096)
        throw PictureError(FileName, PictureTooLarge());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PictureError(FileName, file.errorString());
    return bytes;
}

QImage LoadPictureFile(const QString& FileName)
{
    return LoadPictureData(ReadPictureFile(FileName), FileName);
}

QImage LoadPictureData(const QByteArray& Bytes, const QString& FileName)
{
    if (IsJpegFileName(FileName)) {
        TJpegDecoding jpeg = DecodeJpeg(Bytes);
        if (jpeg.Outcome != joDecoded)
            throw PictureError(FileName, jpeg.Error);
        return std::move(jpeg.Picture);
    }
    // A bitmap, never sniffed.
    QBuffer buffer;
    buffer.setData(Bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, QByteArrayLiteral("bmp"));
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    return ReadCheckedPicture(reader, Bytes, FileName);
}

TQzBitmap LoadTransparentBitmap(const QString& FileName)
{
    return TransparentBitmap(LoadPictureFile(FileName));
}

TQzBitmap TransparentBitmap(const QImage& Picture)
{
    TQzBitmap bitmap(Picture);
    bitmap.SetPixelFormat(pf24bit);
    bitmap.Transparent = true;
    bitmap.TransparentMode = tmAuto;
    return bitmap;
}

} // namespace zindo
