// Pictures made to stall the game or make it allocate far too much are
// refused with a message, by the level loaders and by the photo import alike.
#include "data/JpegPicture.h"
#include "data/PhotoImport.h"
#include "data/QzBitmap.h"
#include "data/QzError.h"
#include "support/HostilePictures.h"
#include "support/TestTree.h"

#include <gtest/gtest.h>

#include <QtEndian>

using namespace zindo;
using namespace zindo::test;

namespace {

/// The message of the EQzError that Load raises; empty when it raises none.
template <typename TLoad> QString ErrorOf(TLoad Load)
{
    try {
        Load();
    } catch (const EQzError& error) {
        return error.Message();
    }
    return QString();
}

QString ImportError(const QByteArray& Bytes)
{
    return ErrorOf([&] { TPhotoImport().ConvertData(Bytes, QStringLiteral("photo.png")); });
}

QByteArray U16(int Value)
{
    QByteArray b(2, '\0');
    qToLittleEndian<quint16>(static_cast<quint16>(Value), b.data());
    return b;
}

QByteArray U32(quint32 Value)
{
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(Value, b.data());
    return b;
}

/// An 8-bit run-length coded bitmap of Width x Height with two colours,
/// coded as Data.
QByteArray RunLengthBitmap(int Width, int Height, const QByteArray& Data)
{
    const QByteArray palette = QByteArray("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8); // red, blue
    const QByteArray info = U32(40) + U32(quint32(Width)) + U32(quint32(Height)) + U16(1) + U16(8) + U32(1) +
                            U32(quint32(Data.size())) + U32(2835) + U32(2835) + U32(2) + U32(0);
    const quint32 offset = 14 + 40 + quint32(palette.size());
    return QByteArray("BM") + U32(offset + quint32(Data.size())) + U32(0) + U32(offset) + info + palette + Data;
}

/// Run-length data of Rows full rows of Width pixels (Width < 256).
QByteArray FullRows(int Width, int Rows)
{
    QByteArray data;
    for (int row = 0; row < Rows; ++row)
        data += QByteArray(1, char(Width)) + QByteArray(1, char(row & 1)) + QByteArray(2, '\0');
    return data;
}

} // namespace

TEST(HostilePictures, ProgressiveJpegRefusedAboveTheScanLimit)
{
    const QByteArray allowed = ManyScansJpeg(64, 48, MaxJpegScans);
    const QByteArray hostile = ManyScansJpeg(64, 48, MaxJpegScans + 1);
    EXPECT_EQ(LoadPictureData(allowed, QStringLiteral("IP0101.jpg")).size(), QSize(64, 48));
    const QString error = ErrorOf([&] { LoadPictureData(hostile, QStringLiteral("IP0101.jpg")); });
    EXPECT_TRUE(error.contains(QStringLiteral("IP0101.jpg")) && error.contains(QString::number(MaxJpegScans)) &&
                error.contains(QStringLiteral("scans")))
        << error.toStdString();

    TTestTree tree;
    const QString file = tree.Write(QStringLiteral("IP0101.jpg"), hostile);
    EXPECT_EQ(ErrorOf([&] { LoadPictureFile(file); }), QString(error).replace(QStringLiteral("IP0101.jpg"), file));
    EXPECT_TRUE(ImportError(hostile).contains(QStringLiteral("scans")));
}

TEST(HostilePictures, EveryPictureJudgedAtThirtyTwoBitsAPixel)
{
    const TScopedAllocationLimit limit(1); // 1 MB: 262,144 pixels
    const QString tooLarge = QStringLiteral("too large");
    // A grey JPEG of 256 KB decoded, 1 MB once it becomes 32-bit RGB.
    EXPECT_EQ(LoadPictureData(HugeGreyJpeg(512, 512), QStringLiteral("g.jpg")).size(), QSize(512, 512));
    EXPECT_TRUE(ErrorOf([] { LoadPictureData(HugeGreyJpeg(513, 512), QStringLiteral("g.jpg")); }).contains(tooLarge));
    // An 8-bit bitmap the same, judged from its header.
    QImage indexed(513, 512, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    indexed.fill(1);
    const QByteArray bitmap = EncodedPicture(indexed, "bmp");
    EXPECT_LT(bitmap.size(), 300 * 1024);
    EXPECT_TRUE(ErrorOf([&] { LoadPictureData(bitmap, QStringLiteral("s.bmp")); }).contains(tooLarge));
    EXPECT_TRUE(ImportError(bitmap).contains(tooLarge));
    // The import decodes a JPEG at a reduced scale, but not its progressive
    // coefficients, which the library keeps at full size: 2 bytes a pixel.
    const TScopedAllocationLimit import(16);
    const QByteArray progressive = ManyScansJpeg(2400, 2400, 3);
    EXPECT_TRUE(ImportError(progressive).isEmpty()) << ImportError(progressive).toStdString();
    EXPECT_TRUE(ImportError(ManyScansJpeg(7200, 7200, 3)).contains(tooLarge));
    // Decoded at 1/8, still 2500 x 2500.
    EXPECT_TRUE(ImportError(HugeGreyJpeg(20000, 20000)).contains(tooLarge));
}

TEST(HostilePictures, BitmapWhosePixelsEndEarlyRefusedFromFileAndMemory)
{
    TTestTree tree;
    const QString cutShort = QStringLiteral("cut short");
    const QByteArray plain = CutShortBitmap(64, 64);
    const QString file = tree.Write(QStringLiteral("izn0.bmp"), plain);
    const QString fromMemory = ErrorOf([&] { LoadPictureData(plain, QStringLiteral("izn0.bmp")); });
    EXPECT_TRUE(fromMemory.contains(cutShort)) << fromMemory.toStdString();
    EXPECT_EQ(ErrorOf([&] { LoadPictureFile(file); }), QString(fromMemory).replace(QStringLiteral("izn0.bmp"), file));
    EXPECT_TRUE(ImportError(plain).contains(cutShort));
    // Sides and depth as large as the header can hold.
    QByteArray absurd = plain;
    qToLittleEndian<quint32>(0x7FFFFFFF, absurd.data() + 18);
    qToLittleEndian<quint32>(0x7FFFFFFF, absurd.data() + 22);
    qToLittleEndian<quint16>(0xFFFF, absurd.data() + 28);
    EXPECT_EQ(BitmapDataProblem(absurd), BitmapDataProblem(plain));

    // Run-length coded: every pixel must get a value.
    const QByteArray complete = RunLengthBitmap(6, 4, FullRows(6, 4) + QByteArray("\x00\x01", 2));
    const QImage picture = LoadPictureData(complete, QStringLiteral("r.bmp"));
    EXPECT_EQ(picture.size(), QSize(6, 4));
    EXPECT_EQ(picture.pixel(5, 3), qRgb(255, 0, 0)); // bottom row first: row 0 is colour 0
    EXPECT_EQ(picture.pixel(5, 2), qRgb(0, 0, 255));
    const QByteArray literal = RunLengthBitmap(6, 1, QByteArray("\x00\x06\x01\x00\x01\x00\x01\x01\x00\x01", 10));
    EXPECT_EQ(LoadPictureData(literal, QStringLiteral("r.bmp")).pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(LoadPictureData(literal, QStringLiteral("r.bmp")).pixel(1, 0), qRgb(255, 0, 0));
    const QByteArray threeRows = RunLengthBitmap(6, 4, FullRows(6, 3));
    const QByteArray shortRow = RunLengthBitmap(6, 4, FullRows(6, 3) + QByteArray("\x05\x01\x00\x00", 4));
    const QByteArray skipping = RunLengthBitmap(6, 4, FullRows(6, 2) + QByteArray("\x00\x02\x00\x02", 4));
    for (const QByteArray* bytes : {&threeRows, &shortRow, &skipping})
        EXPECT_TRUE(ErrorOf([&] { LoadPictureData(*bytes, QStringLiteral("r.bmp")); }).contains(cutShort));
}
