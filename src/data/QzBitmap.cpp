#include "QzBitmap.h"

#include "JpegPicture.h"
#include "Paths.h"
#include "QzError.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <optional>

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
    if (!FTransparentImage.isNull() && FTransparentSource == Image.cacheKey() && FTransparentColor == color)
        return FTransparentImage;
    const QRgb transparent = ToQRgb(color) & 0xFFFFFF;
    QImage result = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            row[x] = (row[x] & 0xFFFFFF) == transparent ? 0 : (row[x] | 0xFF000000);
    }
    FTransparentImage = result;
    FTransparentSource = Image.cacheKey();
    FTransparentColor = color;
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

namespace {

EQzError CannotReadPicture(const QString& Name, const QString& Reason)
{
    return EQzError(QCoreApplication::translate("Files", "Cannot read picture \"%1\". %2").arg(Name, Reason));
}

QImage ReadPicture(QImageReader& Reader, const QString& Name)
{
    Reader.setAutoDetectImageFormat(false);
    Reader.setDecideFormatFromContent(false);
    QImage image = Reader.read();
    if (image.isNull())
        throw CannotReadPicture(Name, Reader.errorString());
    return image;
}

QByteArray ReaderFormat(const QString& FileName)
{
    return IsJpegFileName(FileName) ? QByteArrayLiteral("jpeg") : QByteArrayLiteral("bmp");
}

/// JPEG through libjpeg-turbo at once, the few colour spaces it does not
/// convert (CMYK) through the toolkit's reader (nothing in the first case).
std::optional<QImage> ReadJpeg(const QByteArray& Bytes, const QString& Name)
{
    QImage picture;
    QString error;
    switch (DecodeJpeg(Bytes, picture, error)) {
    case TJpegOutcome::Decoded:
        return picture;
    case TJpegOutcome::Unsupported:
        return std::nullopt;
    case TJpegOutcome::Failed:
        break;
    }
    throw CannotReadPicture(Name, error);
}

} // namespace

QImage LoadPictureFile(const QString& FileName)
{
    if (IsJpegFileName(FileName)) {
        QFile file(FileName);
        if (!file.open(QIODevice::ReadOnly))
            throw CannotReadPicture(FileName, file.errorString());
        if (std::optional<QImage> picture = ReadJpeg(file.readAll(), FileName))
            return *picture;
    }
    QImageReader reader(FileName, ReaderFormat(FileName));
    return ReadPicture(reader, FileName);
}

QImage LoadPictureData(const QByteArray& Bytes, const QString& FileName)
{
    if (IsJpegFileName(FileName))
        if (std::optional<QImage> picture = ReadJpeg(Bytes, FileName))
            return *picture;
    QBuffer buffer;
    buffer.setData(Bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, ReaderFormat(FileName));
    return ReadPicture(reader, FileName);
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
