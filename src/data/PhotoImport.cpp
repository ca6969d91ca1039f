#include "PhotoImport.h"

#include "JpegPicture.h"
#include "QzBitmap.h"
#include "QzError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zindo {

namespace {

/// Shares of the work: decoding up to here, then scaling and turning.
constexpr int DecodedPercent = 85;

/// Picture as opaque 32-bit RGB, a transparent one laid on white.
QImage Opaque(const QImage& Picture)
{
    if (!Picture.hasAlphaChannel())
        return Picture.convertToFormat(QImage::Format_RGB32);
    QImage result(Picture.size(), QImage::Format_RGB32);
    if (result.isNull())
        return result;
    result.fill(Qt::white);
    QPainter painter(&result);
    painter.drawImage(0, 0, Picture);
    return result;
}

} // namespace

QSize LevelPictureSize(QSize Size)
{
    const int longSide = std::max(Size.width(), Size.height());
    if (longSide <= PhotoLongSide)
        return Size;
    const auto shorter = [longSide](int Side) {
        return std::max(1, static_cast<int>(std::lround(double(Side) * PhotoLongSide / longSide)));
    };
    return Size.width() >= Size.height() ? QSize(PhotoLongSide, shorter(Size.height()))
                                         : QSize(shorter(Size.width()), PhotoLongSide);
}

QImage TPhotoImport::Convert(const QString& FileName)
{
    return ConvertData(ReadPictureFile(FileName), FileName);
}

QImage TPhotoImport::ConvertData(const QByteArray& Bytes, const QString& Name)
{
    Reported = -1;
    Report(0);
    if (CancelRequested)
        return QImage();
    // Whatever the toolkit would take for JPEG goes through libjpeg-turbo,
    // which watches the scan count.
    QBuffer buffer;
    buffer.setData(Bytes);
    buffer.open(QIODevice::ReadOnly);
    const bool jpeg = Bytes.startsWith("\xFF\xD8") || QImageReader::imageFormat(&buffer) == "jpeg";
    std::uint8_t orientation = 1;
    QImage picture = jpeg ? ReadJpeg(Bytes, Name, orientation) : ReadWithToolkit(Bytes, Name);
    if (CancelRequested)
        return QImage();
    Report(DecodedPercent);
    picture = Opaque(picture);
    const QSize size = LevelPictureSize(picture.size());
    if (size != picture.size())
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture = Oriented(picture, orientation);
    if (picture.isNull()) // the toolkit could not allocate a step's result
        throw PictureError(Name, PictureTooLarge());
    if (CancelRequested)
        return QImage();
    Report(100);
    return picture;
}

QImage TPhotoImport::ReadJpeg(const QByteArray& Bytes, const QString& Name, std::uint8_t& Orientation)
{
    TJpegOptions options;
    options.MinLongSide = PhotoLongSide;
    options.KeepGrey = false;
    options.OnProgress = [this](double Done) {
        Report(static_cast<int>(Done * DecodedPercent));
        return !CancelRequested;
    };
    TJpegDecoding jpeg = zindo::DecodeJpeg(Bytes, options);
    switch (jpeg.Outcome) {
    case joDecoded:
        Orientation = jpeg.Orientation;
        return std::move(jpeg.Picture);
    case joCancelled:
        return QImage();
    case joFailed:
        break;
    }
    throw PictureError(Name, jpeg.Error);
}

QImage TPhotoImport::ReadWithToolkit(const QByteArray& Bytes, const QString& Name)
{
    QBuffer buffer;
    buffer.setData(Bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // Formats whose reader scales while decoding (WebP) are read at the size
    // of the level picture; the others at full size, then scaled.
    const QSize size = reader.size();
    if (size.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize) && LevelPictureSize(size) != size)
        reader.setScaledSize(LevelPictureSize(size));
    return ReadCheckedPicture(reader, Bytes, Name);
}

void TPhotoImport::Report(int Percent)
{
    if (Percent <= Reported)
        return;
    Reported = Percent;
    if (OnProgress)
        OnProgress(Percent);
}

QByteArray EncodeLevelPicture(const QImage& Picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QByteArrayLiteral("jpeg"));
    writer.setQuality(PhotoJpegQuality);
    writer.setOptimizedWrite(true);
    if (!writer.write(Picture.convertToFormat(QImage::Format_RGB32)))
        throw EQzError(QCoreApplication::translate("Files", "Cannot store the picture as JPEG. %1")
                           .arg(writer.errorString()));
    return bytes;
}

} // namespace zindo
