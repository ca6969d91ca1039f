// The builder's helpers: sprites keyed for the game's transparency rule,
// seamless noise, wave files byte by byte, and the mixing of notes.

#include "ArtKit.h"
#include "Pictures.h"
#include "Sprites.h"
#include "Synth.h"
#include "WaveFile.h"

#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace zindo;

namespace {

int CountKey(const QImage& Sprite)
{
    int n = 0;
    for (int y = 0; y < Sprite.height(); ++y)
        for (int x = 0; x < Sprite.width(); ++x)
            n += (Sprite.pixel(x, y) & 0xFFFFFF) == (SpriteKeyColor & 0xFFFFFF);
    return n;
}

} // namespace

TEST(KeyedSprite, HalfCoveredPixelsDecideByCoverageWithoutAMatte)
{
    QImage art = NewCanvas(4, 1);
    art.setPixel(0, 0, qPremultiply(qRgba(200, 100, 50, 255)));
    art.setPixel(1, 0, qPremultiply(qRgba(200, 100, 50, 140)));
    art.setPixel(2, 0, qPremultiply(qRgba(200, 100, 50, 100)));
    const QImage sprite = ToKeyedSprite(art);
    EXPECT_EQ(sprite.format(), QImage::Format_RGB888);
    EXPECT_EQ(sprite.pixel(0, 0), qRgb(200, 100, 50));
    EXPECT_NEAR(qRed(sprite.pixel(1, 0)), 200, 2); // more than half covered: opaque, in its own colour
    EXPECT_EQ(sprite.pixel(2, 0), SpriteKeyColor);
    EXPECT_EQ(sprite.pixel(3, 0), SpriteKeyColor);
}

TEST(KeyedSprite, WithAMatteEdgesBlendAndOnlyClearPixelsBecomeTheKey)
{
    QImage art = NewCanvas(3, 1);
    art.setPixel(0, 0, qPremultiply(qRgba(255, 255, 255, 128)));
    art.setPixel(1, 0, qPremultiply(qRgba(255, 255, 255, 4)));
    const QImage sprite = ToKeyedSprite(art, QColor(0, 0, 0));
    EXPECT_NEAR(qRed(sprite.pixel(0, 0)), 128, 2);
    EXPECT_EQ(sprite.pixel(1, 0), SpriteKeyColor);
    EXPECT_EQ(sprite.pixel(2, 0), SpriteKeyColor);
}

TEST(KeyedSprite, AnOpaquePixelOfTheKeyColourIsNudgedOff)
{
    QImage art = NewCanvas(1, 1);
    art.setPixel(0, 0, qRgba(255, 0, 255, 255));
    const QImage sprite = ToKeyedSprite(art);
    EXPECT_NE(sprite.pixel(0, 0), SpriteKeyColor);
    EXPECT_EQ(CountKey(sprite), 0);
}

TEST(Sprites, ZindoAndBroomLeaveTheBottomLeftCornerClear)
{
    for (int frame = 0; frame < 4; ++frame) {
        const QImage zindo = MakeZindoFrame(frame);
        EXPECT_EQ(zindo.size(), QSize(ZindoFrameWidth, ZindoFrameHeight));
        EXPECT_EQ(zindo.pixel(0, zindo.height() - 1), SpriteKeyColor);
        EXPECT_GT(CountKey(zindo), zindo.width() * zindo.height() / 5);
    }
    const QImage broom = MakeBroomSprite();
    EXPECT_EQ(broom.pixel(0, broom.height() - 1), SpriteKeyColor);
}

TEST(Sprites, EveryBonusIconIsDrawnAndDistinct)
{
    std::vector<QImage> icons;
    for (int i = 0; i < BonusIconCount; ++i) {
        const QImage icon = MakeBonusIcon(TBonusIcon(i));
        EXPECT_EQ(icon.size(), QSize(BonusIconSize, BonusIconSize));
        EXPECT_EQ(icon.pixel(0, BonusIconSize - 1), SpriteKeyColor);
        const int key = CountKey(icon);
        EXPECT_GT(key, 50) << BonusIconName(TBonusIcon(i));
        EXPECT_LT(key, 850) << BonusIconName(TBonusIcon(i));
        for (const QImage& other : icons)
            EXPECT_NE(icon, other);
        icons.push_back(icon);
    }
}

TEST(ValueNoise, RepeatsAfterItsPeriod)
{
    const TValueNoise noise(5u, 8, 4);
    for (double x = 0.0; x < 8.0; x += 0.37)
        for (double y = 0.0; y < 4.0; y += 0.41) {
            EXPECT_NEAR(noise.At(x, y), noise.At(x + 8.0, y), 1e-9);
            EXPECT_NEAR(noise.At(x, y), noise.At(x, y - 4.0), 1e-9);
            EXPECT_NEAR(noise.Fractal(x, y, 3), noise.Fractal(x + 8.0, y + 4.0, 3), 1e-9);
        }
    double low = 1.0, high = -1.0;
    for (double x = 0.0; x < 8.0; x += 0.13) {
        low = std::min(low, noise.At(x, 1.7));
        high = std::max(high, noise.At(x, 1.7));
    }
    EXPECT_GE(low, -1.0);
    EXPECT_LE(high, 1.0);
    EXPECT_GT(high - low, 0.5);
}

TEST(Wallpaper, TilesWithoutASeam)
{
    // Across the tile's edge (last column to first) neighbouring pixels differ
    // no more than neighbours inside the tile do.
    const QImage tile = MakeWallpaper();
    const auto columnStep = [&](int A, int B) {
        double sum = 0.0;
        for (int y = 0; y < tile.height(); ++y)
            sum += std::abs(qGray(tile.pixel(A, y)) - qGray(tile.pixel(B, y)));
        return sum / tile.height();
    };
    const auto rowStep = [&](int A, int B) {
        double sum = 0.0;
        for (int x = 0; x < tile.width(); ++x)
            sum += std::abs(qGray(tile.pixel(x, A)) - qGray(tile.pixel(x, B)));
        return sum / tile.width();
    };
    // Seams run a quarter tile in (columns and rows 64 and 192); compare
    // with the plain stretches between them.
    double inner = 0.0;
    for (int x = 90; x < 160; ++x)
        inner = std::max({inner, columnStep(x, x + 1), rowStep(x, x + 1)});
    EXPECT_LE(columnStep(tile.width() - 1, 0), inner + 0.5);
    EXPECT_LE(rowStep(tile.height() - 1, 0), inner + 0.5);
}

TEST(ComposeBoard, MakesTheGamesBoardOfAWidePicture)
{
    // A 1200 x 900 picture at 120-pixel pieces: a 600 x 480 board of 5 x 4.
    QImage photo(1200, 900, QImage::Format_RGB32);
    photo.fill(QColor(10, 200, 10));
    QImage texture(640, 640, QImage::Format_RGB32);
    texture.fill(QColor(120, 60, 20));
    const TComposedBoard board = ComposeBoard(photo, 120, texture);
    EXPECT_EQ(board.Picture.size(), QSize(600, 480));
    EXPECT_EQ(board.Columns, 5);
    EXPECT_EQ(board.Rows, 4);
    EXPECT_EQ(board.Picture.pixel(8, 20), qRgb(10, 200, 10));  // the picture starts at (8, 20)
    EXPECT_EQ(board.Picture.pixel(7, 20), qRgb(120, 60, 20));  // the table beside it
    EXPECT_EQ(board.Picture.pixel(8 + 585 + 1, 20 + 439 + 1), qRgb(128, 128, 128)); // its shadow
}

TEST(ComposeBoard, AtScaleTwoHasTwiceThePixelsOfTheSameLayout)
{
    QImage photo(1200, 900, QImage::Format_RGB32);
    photo.fill(QColor(10, 200, 10));
    QImage texture(640, 640, QImage::Format_RGB32);
    texture.fill(QColor(120, 60, 20));
    const TComposedBoard board = ComposeBoard(photo, 120, texture, 2);
    EXPECT_EQ(board.Picture.size(), QSize(1200, 960));
    EXPECT_EQ(board.Picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(board.PieceSize, 120);
    EXPECT_EQ(board.Columns, 5);
    EXPECT_EQ(board.Rows, 4);
    EXPECT_EQ(board.Picture.pixel(2 * 8, 2 * 20), qRgb(10, 200, 10));
    EXPECT_EQ(board.Picture.pixel(2 * 8 - 1, 2 * 20), qRgb(120, 60, 20));
    EXPECT_EQ(board.Picture.pixel(2 * (8 + 585) + 3, 2 * (20 + 439) + 3), qRgb(128, 128, 128));
}

TEST(Callout, ALineTooLongIsBrokenIntoLinesOfEvenLengthNotAWordLeftOver)
{
    // One word more than fits a line: broken greedily, the word would stand
    // alone on the second line.
    constexpr int size = 17;
    constexpr double width = 234.0;
    const QFontMetricsF metrics(ArtFont(size, false));
    QString line = QStringLiteral("Spielfeld");
    while (metrics.horizontalAdvance(line + QStringLiteral(" Spielfeld")) <= width - 20.0)
        line += QStringLiteral(" Spielfeld");
    const QString text = QStringLiteral("Title\n") + line + QStringLiteral(" Spielfeld");
    const QRectF box = CalloutBox(QPointF(0.0, 0.0), width, text, size);
    QImage image(int(box.width()) + 2, int(box.height()) + 2, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    DrawCallout(painter, box, text, size);
    painter.end();
    // The rightmost white ink of each body line.
    const double lineHeight = metrics.height() + 1.0;
    std::vector<int> ends;
    for (int k = 1; k <= 2; ++k) {
        int end = 0;
        for (int y = int(6 + k * lineHeight) + 2; y < int(6 + (k + 1) * lineHeight) - 2; ++y)
            for (int x = 0; x < int(width) - 12; ++x)
                if (qRed(image.pixel(x, y)) > 160 && qBlue(image.pixel(x, y)) > 160)
                    end = std::max(end, x);
        ends.push_back(end);
    }
    EXPECT_NEAR(box.height(), 3 * lineHeight + 12.0, 0.5); // title and two lines
    EXPECT_GT(ends[1], ends[0] * 0.6) << ends[0] << " " << ends[1];
}

TEST(WaveFile, WritesAPcmHeaderAndPadsOddData)
{
    TSound sound;
    sound.Format = {11025, 8, 1};
    sound.Samples = {0.0f, 1.0f, -1.0f};
    const QByteArray bytes = EncodeWave(sound);
    ASSERT_EQ(bytes.size(), 44 + 4);
    EXPECT_EQ(bytes.left(4), QByteArray("RIFF"));
    EXPECT_EQ(bytes.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(bytes.mid(36, 4), QByteArray("data"));
    EXPECT_EQ(std::uint8_t(bytes[40]), 3); // data size excludes the pad byte
    EXPECT_EQ(std::uint8_t(bytes[44]), 128);
    EXPECT_EQ(std::uint8_t(bytes[45]), 255);
    EXPECT_EQ(std::uint8_t(bytes[46]), 1);
    EXPECT_EQ(std::uint8_t(bytes[47]), 0);
    const auto info = zindo::test::ParseWave(bytes);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->Data.size(), 3);
}

TEST(WaveFile, SixteenBitStereoIsLittleEndianAndClipped)
{
    TSound sound;
    sound.Format = {22050, 16, 2};
    sound.Samples = {0.5f, -0.5f, 2.0f, -2.0f};
    const QByteArray bytes = EncodeWave(sound);
    const auto info = zindo::test::ParseWave(bytes);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->BlockAlign, 4);
    EXPECT_EQ(info->ByteRate, 88200);
    EXPECT_NEAR(zindo::test::WaveSample(*info, 0, 0), 0.5, 1e-4);
    EXPECT_NEAR(zindo::test::WaveSample(*info, 0, 1), -0.5, 1e-4);
    EXPECT_EQ(QuantiseSample(2.0f, 16), 32767);
    EXPECT_EQ(QuantiseSample(-2.0f, 16), -32767);
}

TEST(MixBuffer, ANoteSoundsAtItsPitchAndFadesToSilence)
{
    TMixBuffer mix(22050, 1, 0.5);
    TNote note;
    note.Length = 0.3;
    note.Frequency = 441.0;
    note.Amplitude = 0.5;
    note.Envelope = {0.01, 0.0, 1.0, 0.1, 0.0};
    mix.Add(note);
    const std::vector<float> s = mix.Samples(0.5, false, 0.0);
    ASSERT_EQ(s.size(), 11025u);
    // 441 Hz at 22050 Hz: one period every 50 samples.
    int crossings = 0;
    for (std::size_t i = 2205; i < 4410; ++i)
        crossings += (s[i - 1] < 0.0f) != (s[i] < 0.0f);
    EXPECT_NEAR(crossings, 88, 2);
    EXPECT_EQ(s[10000], 0.0f); // after length + release
}

TEST(MixBuffer, StereoPanSendsANoteToOneSide)
{
    TMixBuffer mix(11025, 2, 0.2);
    TNote note;
    note.Length = 0.15;
    note.Pan = -1.0;
    mix.Add(note);
    const std::vector<float> s = mix.Samples(1.0, false, 0.0);
    double left = 0.0, right = 0.0;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        left += std::abs(s[i]);
        right += std::abs(s[i + 1]);
    }
    EXPECT_GT(left, 100.0 * right + 1.0);
}

TEST(MixBuffer, FadeBringsBothEndsToZero)
{
    TMixBuffer mix(11025, 1, 0.3);
    TNote note;
    note.Length = 1.0;
    note.Envelope = {0.0, 0.0, 1.0, 0.0, 0.0};
    mix.Add(note);
    const std::vector<float> s = mix.Samples(0.8, true, 0.01);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_EQ(s.back(), 0.0f);
    float peak = 0.0f;
    for (const float v : s)
        peak = std::max(peak, std::abs(v));
    EXPECT_NEAR(peak, 0.8f, 1e-5);
}
