#include "data/QzBitmap.h"
#include "data/QzBitmapCache.h"
#include "data/QzError.h"
#include "support/EncodedPicture.h"
#include "support/TestTree.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

using namespace zindo;
using zindo::test::TTestTree;

namespace {

QImage Filled(int W, int H, QImage::Format Format, QRgb Color)
{
    QImage image(W, H, Format);
    image.fill(Color);
    return image;
}

/// A 4 x 4 sprite: magenta background (bottom-left pixel), a 2 x 2 red block at (1, 1).
TQzBitmap Sprite(QImage::Format Format)
{
    TQzBitmap sprite(Filled(4, 4, Format, qRgb(255, 0, 255)));
    for (int x = 1; x <= 2; ++x)
        for (int y = 1; y <= 2; ++y)
            sprite.Image.setPixel(x, y, qRgb(200, 10, 10));
    sprite.Transparent = true;
    return sprite;
}

int CountPixels(const QImage& Image, QRgb Color)
{
    int n = 0;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            n += (Image.pixel(x, y) & 0xFFFFFF) == (Color & 0xFFFFFF);
    return n;
}

} // namespace

TEST(ColourHelpers, ClampEachChannel)
{
    EXPECT_EQ(Clamp(-5, 0, 255), 0);
    EXPECT_EQ(Clamp(300, 0, 255), 255);
    EXPECT_EQ(Clamp(77, 0, 255), 77);
    EXPECT_EQ(AddToColorRGB(RGBColor(250, 10, 128), 10, -20, 0), RGBColor(255, 0, 128));
    EXPECT_EQ(AddToColor(RGBColor(100, 50, 20), -88), RGBColor(12, 0, 0));
    std::uint8_t pixel[3] = {50, 200, 100}; // blue, green, red
    ShiftPixelBytes(170, pixel);
    EXPECT_EQ(pixel[0], 220);
    EXPECT_EQ(pixel[1], 255);
    EXPECT_EQ(pixel[2], 255);
    ShiftPixelBytes(-60, pixel);
    EXPECT_EQ(pixel[0], 160);
    std::uint8_t dark[3] = {10, 0, 59};
    ShiftPixelBytes(-60, dark);
    EXPECT_EQ(dark[2], 0);
}

TEST(ColourHelpers, ScanPixelsInBlueGreenRedOrder)
{
    std::uint8_t row24[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(ReadScanPixel(row24, pf24bit, 1), 0x060504u);
    WriteScanPixel(row24, pf24bit, 2, 0xAABBCCDDu);
    EXPECT_EQ(row24[6], 0xDD);
    EXPECT_EQ(row24[8], 0xBB);
    std::uint8_t row32[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    WriteScanPixel(row32, pf32bit, 1, 0x00112233u);
    EXPECT_EQ(row32[4], 0x33);
    EXPECT_EQ(row32[6], 0x11);
    EXPECT_EQ(row32[7], 8); // the fourth byte stays
}

TEST(GreyOut, DarkensAllButTheTransparentColour)
{
    TQzBitmap icon(Filled(3, 3, QImage::Format_BGR888, qRgb(0, 255, 0)));
    icon.Image.setPixel(1, 1, qRgb(100, 50, 20));
    icon.Image.setPixel(2, 0, qRgb(200, 200, 200));
    icon.GreyOut();
    EXPECT_EQ(icon.Image.pixel(1, 1) & 0xFFFFFF, qRgb(12, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(icon.Image.pixel(2, 0) & 0xFFFFFF, qRgb(112, 112, 112) & 0xFFFFFF);
    EXPECT_EQ(icon.Image.pixel(0, 2) & 0xFFFFFF, qRgb(0, 255, 0) & 0xFFFFFF); // bottom-left: transparent
    EXPECT_EQ(icon.Image.pixel(0, 0) & 0xFFFFFF, qRgb(0, 255, 0) & 0xFFFFFF);
}

TEST(MergeTransparent, CopiesOnlyOpaquePixelsOnEveryPath)
{
    const QImage::Format formats[] = {QImage::Format_BGR888, QImage::Format_RGB32, QImage::Format_RGB16};
    for (QImage::Format sourceFormat : formats)
        for (QImage::Format destFormat : formats) {
            QImage dest = Filled(10, 10, destFormat, qRgb(0, 0, 255));
            Sprite(sourceFormat).MergeTransparent(dest, 3, 4);
            SCOPED_TRACE(testing::Message() << "source " << sourceFormat << " dest " << destFormat);
            EXPECT_EQ(CountPixels(dest, dest.pixel(4, 5)), 4);
            EXPECT_NE(dest.pixel(4, 5), qRgb(0, 0, 255));
            EXPECT_EQ(dest.pixel(3, 4), dest.pixel(0, 0)); // transparent corner left alone
            EXPECT_EQ(dest.pixel(6, 7), dest.pixel(0, 0));
            EXPECT_EQ(CountPixels(dest, qRgb(255, 0, 255)), 0);
        }
}

TEST(MergeTransparent, ClipsAtNegativeAndFarPositions)
{
    QImage dest = Filled(10, 10, QImage::Format_BGR888, qRgb(0, 0, 0));
    Sprite(QImage::Format_BGR888).MergeTransparent(dest, -2, -2);
    // Only sprite pixel (2, 2) of the red block lies inside, at (0, 0).
    EXPECT_EQ(CountPixels(dest, qRgb(200, 10, 10)), 1);
    EXPECT_EQ(dest.pixel(0, 0) & 0xFFFFFF, qRgb(200, 10, 10) & 0xFFFFFF);

    QImage far = Filled(10, 10, QImage::Format_BGR888, qRgb(0, 0, 0));
    Sprite(QImage::Format_BGR888).MergeTransparent(far, 10, 0);
    Sprite(QImage::Format_BGR888).MergeTransparent(far, 0, 10);
    Sprite(QImage::Format_BGR888).MergeTransparent(far, -4, -4);
    EXPECT_EQ(CountPixels(far, qRgb(0, 0, 0)), 100);

    QImage edge = Filled(10, 10, QImage::Format_RGB32, qRgb(0, 0, 0));
    Sprite(QImage::Format_BGR888).MergeTransparent(edge, 8, 8);
    EXPECT_EQ(CountPixels(edge, qRgb(200, 10, 10)), 1);
    EXPECT_EQ(qAlpha(edge.pixel(9, 9)), 255);
}

TEST(MergeTransparent, FixedTransparentColourOverridesTheCorner)
{
    TQzBitmap sprite = Sprite(QImage::Format_BGR888);
    sprite.SetTransparentColor(RGBColor(200, 10, 10));
    QImage dest = Filled(4, 4, QImage::Format_BGR888, qRgb(0, 0, 0));
    sprite.MergeTransparent(dest, 0, 0);
    EXPECT_EQ(CountPixels(dest, qRgb(255, 0, 255)), 12);
    EXPECT_EQ(CountPixels(dest, qRgb(0, 0, 0)), 4);
}

TEST(LoadPictureFile, ExtensionDecidesTheFormat)
{
    TTestTree tree;
    QImage picture = Filled(8, 6, QImage::Format_RGB32, qRgb(10, 120, 200));
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(picture.save(&buffer, "JPEG", 90));
    }
    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(picture.save(&buffer, "BMP"));
    }
    EXPECT_EQ(LoadPictureFile(tree.Write(QStringLiteral("a.JPG"), jpeg)).size(), QSize(8, 6));
    EXPECT_EQ(LoadPictureFile(tree.Write(QStringLiteral("b.dat"), bmp)).size(), QSize(8, 6));
    EXPECT_EQ(LoadPictureFile(tree.Write(QStringLiteral("c.jpeg"), jpeg)).size(), QSize(8, 6));
    EXPECT_EQ(LoadPictureFile(tree.Write(QStringLiteral("c2.JPEG"), jpeg)).size(), QSize(8, 6));
    EXPECT_THROW(LoadPictureFile(tree.Write(QStringLiteral("c3.jpeg"), bmp)), EQzError);
    EXPECT_THROW(LoadPictureFile(tree.Write(QStringLiteral("d.jpg"), bmp)), EQzError);
    EXPECT_THROW(LoadPictureFile(tree.Path(QStringLiteral("missing.jpg"))), EQzError);

    const TQzBitmap sprite = LoadTransparentBitmap(tree.Write(QStringLiteral("e.bmp"), bmp));
    EXPECT_EQ(sprite.PixelFormat(), pf24bit);
    EXPECT_TRUE(sprite.Transparent);
    EXPECT_EQ(sprite.TransparentColor(), RGBColor(10, 120, 200));
}

namespace {

/// A picture with detail in every channel, so that decoders that differ in
/// any step give different pixels.
QImage Gradient(int W, int H, QImage::Format Format)
{
    QImage picture(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y) & 255, (y * 5) & 255, ((x ^ y) * 3) & 255));
    return picture.convertToFormat(Format);
}

QByteArray Jpeg(const QImage& Picture, bool Progressive)
{
    const QByteArray bytes = test::EncodedPicture(Picture, "jpeg", 80, Progressive);
    EXPECT_FALSE(bytes.isEmpty());
    return bytes;
}

/// A JPEG of ink values as Adobe's programs write them (inverted), made with
/// libjpeg-turbo: the toolkit's writer makes none.
QByteArray CmykJpeg(int W, int H)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(W);
    info.image_height = static_cast<JDIMENSION>(H);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(W) * 4);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x)
            for (int c = 0; c < 4; ++c)
                row[static_cast<std::size_t>(x * 4 + c)] = static_cast<unsigned char>(255 - ((x * (c + 3) + y * (5 - c)) & 127));
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

QImage ToolkitJpeg(const QByteArray& Bytes)
{
    QBuffer buffer;
    buffer.setData(Bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "jpeg").read();
}

} // namespace

TEST(LoadPictureData, JpegGivesTheToolkitReadersPixelsAndFormats)
{
    const QByteArray colour = Jpeg(Gradient(61, 37, QImage::Format_RGB32), false);
    const QByteArray grey = Jpeg(Gradient(61, 37, QImage::Format_Grayscale8), false);
    const QByteArray progressive = Jpeg(Gradient(200, 150, QImage::Format_RGB32), true);
    // Cut short: the library warns and fills the rest, and the picture stays.
    const QByteArray cut = progressive.left(progressive.size() / 2);
    const QByteArray cmyk = CmykJpeg(45, 30);
    for (const QByteArray* bytes : {&colour, &grey, &progressive, &cut, &cmyk}) {
        const QImage expected = ToolkitJpeg(*bytes);
        ASSERT_FALSE(expected.isNull());
        const QImage picture = LoadPictureData(*bytes, QStringLiteral("level.JPG"));
        EXPECT_EQ(picture.format(), expected.format());
        EXPECT_TRUE(picture == expected) << "a different picture from " << bytes->size() << " bytes";
    }
    EXPECT_EQ(LoadPictureData(grey, QStringLiteral("g.jpeg")).format(), QImage::Format_Grayscale8);

    // Refused: no picture at all, and one above the image allocation limit.
    EXPECT_THROW(LoadPictureData(QByteArray(), QStringLiteral("empty.jpg")), EQzError);
    EXPECT_THROW(LoadPictureData(colour.left(40), QStringLiteral("header.jpg")), EQzError);
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    const QByteArray large = Jpeg(Gradient(600, 600, QImage::Format_RGB32), false);
    EXPECT_THROW(LoadPictureData(large, QStringLiteral("large.jpg")), EQzError);
    QImageReader::setAllocationLimit(limit);
    EXPECT_EQ(LoadPictureData(large, QStringLiteral("large.jpg")).size(), QSize(600, 600));
}

TEST(BitmapCache, LooksUpIgnoringCaseAndFirstEntryWins)
{
    TQzBitmapCache cache;
    auto first = std::make_unique<TQzBitmap>(Filled(1, 1, QImage::Format_BGR888, qRgb(1, 1, 1)));
    TQzBitmap* firstPointer = first.get();
    cache.AddBitmap(QStringLiteral("BMP_BONUS_CHECK"), std::move(first));
    cache.AddBitmap(QStringLiteral("bmp_bonus_check"), std::make_unique<TQzBitmap>());
    EXPECT_EQ(cache.GetBitmap(QStringLiteral("bmp_bonus_check")), firstPointer);
    EXPECT_EQ(cache.GetBitmap(QStringLiteral("BMP_BONUS_CHECK_INACTIVE")), nullptr);
    cache.Delete(0);
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_NE(cache.GetBitmap(QStringLiteral("BMP_BONUS_CHECK")), nullptr);
    EXPECT_NE(cache.GetBitmap(QStringLiteral("BMP_BONUS_CHECK")), firstPointer);
    cache.Delete(5); // out of range: nothing happens
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_EQ(&BitmapCache(), &BitmapCache());
}
