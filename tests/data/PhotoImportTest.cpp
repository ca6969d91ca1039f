// A player's photo becomes a level picture: any format, upright, at most
// 1800 pixels on its long side, stored as JPEG.
#include "data/JpegPicture.h"
#include "data/PhotoImport.h"
#include "data/QzBitmap.h"
#include "data/QzError.h"
#include "support/EncodedPicture.h"
#include "support/HostilePictures.h"
#include "support/TestTree.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace zindo;
using namespace zindo::test;

namespace {

/// Four flat quarters: red top left, green top right, blue bottom left,
/// white bottom right.
QImage Quarters(int W, int H)
{
    QImage picture(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const bool right = x >= W / 2, bottom = y >= H / 2;
            picture.setPixel(x, y, bottom ? (right ? qRgb(255, 255, 255) : qRgb(0, 0, 255))
                                          : (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0)));
        }
    return picture;
}

bool Near(QRgb A, QRgb B)
{
    return NearColour(A, B, 40);
}

/// Detail everywhere, smooth enough that two good scalers agree.
QImage Waves(int W, int H)
{
    QImage picture(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < W; ++x)
            row[x] = qRgb((x / 7 + y / 13) & 255, (x * 255 / W), ((x ^ y) / 16) & 255);
    }
    return picture;
}

/// The mean difference per channel of two pictures of one size.
double MeanDifference(const QImage& A, const QImage& B)
{
    double sum = 0;
    for (int y = 0; y < A.height(); ++y)
        for (int x = 0; x < A.width(); ++x) {
            const QRgb a = A.pixel(x, y), b = B.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    return sum / (3.0 * A.width() * A.height());
}

QImage Import(const QByteArray& Bytes)
{
    return TPhotoImport().ConvertData(Bytes, QStringLiteral("photo.jpg"));
}

} // namespace

TEST(PhotoImport, ExifOrientationTurnsThePictureUpright)
{
    const QByteArray stored = EncodedPicture(Quarters(32, 16), "jpeg", 95);
    for (int orientation = 1; orientation <= 8; ++orientation)
        for (bool bigEndian : {true, false}) {
            SCOPED_TRACE(testing::Message() << "orientation " << orientation << " big endian " << bigEndian);
            const QByteArray jpeg = WithExifOrientation(stored, orientation, bigEndian);
            // The toolkit's reader turns it as well, its own way.
            QBuffer buffer;
            buffer.setData(jpeg);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer, "jpeg");
            reader.setAutoTransform(true);
            const QImage expected = reader.read().convertToFormat(QImage::Format_RGB32);
            const QImage picture = Import(jpeg);
            EXPECT_EQ(picture.format(), QImage::Format_RGB32);
            EXPECT_TRUE(picture == expected);
            EXPECT_EQ(picture.size(), orientation <= 4 ? QSize(32, 16) : QSize(16, 32));
        }
    // A phone held upright stores its picture turned anticlockwise and says
    // "turn by 90 degrees clockwise": the stored left edge becomes the top.
    const QImage upright = Import(WithExifOrientation(stored, 6));
    EXPECT_TRUE(Near(upright.pixel(1, 1), qRgb(0, 0, 255)));
    EXPECT_TRUE(Near(upright.pixel(14, 1), qRgb(255, 0, 0)));
    EXPECT_TRUE(Near(upright.pixel(14, 30), qRgb(0, 255, 0)));
    // A damaged Exif block leaves the picture as stored.
    const QByteArray exif = WithExifOrientation(stored, 6).mid(6, 44); // the marker's bytes
    ASSERT_EQ(ExifOrientation(exif), 6);
    for (int cut = 0; cut < 40; ++cut) // the orientation's entry ends at byte 40
        EXPECT_EQ(ExifOrientation(exif.left(cut)), 1) << cut;
}

TEST(PhotoImport, ReadsEveryFormatByItsContent)
{
    QImage withAlpha = Quarters(40, 30).convertToFormat(QImage::Format_ARGB32);
    withAlpha.setPixel(39, 29, qRgba(0, 0, 0, 0));
    const QImage grey = Quarters(40, 30).convertToFormat(QImage::Format_Grayscale8);
    const struct {
        const char* Format;
        QImage Picture;
    } cases[] = {{"png", withAlpha}, {"webp", Quarters(40, 30)}, {"tiff", Quarters(40, 30)},
                 {"bmp", Quarters(40, 30)}, {"jpeg", grey}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Format);
        const QByteArray bytes = EncodedPicture(c.Picture, c.Format, 90);
        ASSERT_FALSE(bytes.isEmpty()) << "no writer; is the toolkit's image formats package installed?";
        const QImage picture = Import(bytes); // named photo.jpg whatever it is
        ASSERT_EQ(picture.size(), QSize(40, 30));
        EXPECT_EQ(picture.format(), QImage::Format_RGB32);
        EXPECT_TRUE(Near(picture.pixel(2, 2), c.Picture.pixel(2, 2)));
        EXPECT_TRUE(Near(picture.pixel(30, 25), c.Picture.pixel(30, 25)));
    }
    EXPECT_EQ(Import(EncodedPicture(withAlpha, "png")).pixel(39, 29), qRgb(255, 255, 255)); // laid on white
    // The toolkit writes no GIF: one red pixel, coded by hand.
    const QImage gif = Import(QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\x00\x00\x00\x00\x00"
                                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                                         35));
    EXPECT_EQ(gif.size(), QSize(1, 1));
    EXPECT_EQ(gif.pixel(0, 0), qRgb(255, 0, 0));
    TTestTree tree;
    EXPECT_THROW(TPhotoImport().Convert(tree.Write(QStringLiteral("notes.jpg"), "not a picture")), EQzError);
    EXPECT_THROW(TPhotoImport().Convert(tree.Path(QStringLiteral("missing.png"))), EQzError);
}

TEST(PhotoImport, LargePhotoComesOutAtTheLongSideWithItsProportions)
{
    const QImage source = Waves(3000, 2000);
    const QByteArray jpeg = EncodedPicture(source, "jpeg", 90);
    std::vector<int> percents;
    TPhotoImport import;
    import.OnProgress = [&](int Percent) { percents.push_back(Percent); };
    const QImage picture = import.ConvertData(jpeg, QStringLiteral("big.jpg"));
    ASSERT_EQ(picture.size(), QSize(1800, 1200));
    // Decoded at a reduced scale, then scaled: as good as decoding it whole.
    const QImage whole = LoadPictureData(jpeg, QStringLiteral("big.jpg"))
                             .scaled(1800, 1200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(picture, whole), 2.0);
    ASSERT_GE(percents.size(), 3u);
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()) &&
                std::adjacent_find(percents.begin(), percents.end()) == percents.end());

    EXPECT_EQ(Import(EncodedPicture(Waves(1000, 3001), "png")).size(), QSize(600, 1800));
    EXPECT_EQ(LevelPictureSize(QSize(1800, 1799)), QSize(1800, 1799));
    EXPECT_EQ(LevelPictureSize(QSize(9000, 3)), QSize(1800, 1));

    // Cancelled half-way: no picture.
    TPhotoImport cancelled;
    cancelled.OnProgress = [&](int Percent) {
        if (Percent >= 20)
            cancelled.Cancel();
    };
    EXPECT_TRUE(cancelled.ConvertData(jpeg, QStringLiteral("big.jpg")).isNull());
}

TEST(PhotoImport, LevelPictureStoredAsJpegTheGameReads)
{
    const QImage picture = Waves(1800, 1200);
    const QByteArray bytes = EncodeLevelPicture(picture);
    ASSERT_TRUE(bytes.startsWith("\xFF\xD8"));
    const QImage stored = LoadPictureData(bytes, QStringLiteral("IP0101.jpg"));
    ASSERT_EQ(stored.size(), picture.size());
    EXPECT_LT(MeanDifference(stored, picture), 1.5);
}
