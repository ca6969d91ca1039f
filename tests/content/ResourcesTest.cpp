// The program's bitmap resources as the game loads them from the resource
// system: 30 x 30 bonus icons transparent by their bottom-left pixel, and the
// emblem, window icon and start-up pictures at the sizes their forms show.

#include "data/QzBitmap.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace zindo;

TEST(ProgramResources, BonusIconsAre30By30WithTheBottomLeftTransparentRule)
{
    const char* names[] = {"BMP_BONUS_AUTODROP", "BMP_BONUS_CHANGEDROP", "BMP_BONUS_CHECK",
                           "BMP_BONUS_CLEANUP", "BMP_BONUS_DEATH", "BMP_BONUS_SLOW"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const QString path = QStringLiteral(":/bitmaps/%1.bmp").arg(QLatin1String(name));
        const TQzBitmap icon = LoadTransparentBitmap(path);
        ASSERT_FALSE(icon.IsEmpty());
        EXPECT_EQ(icon.Width(), 30);
        EXPECT_EQ(icon.Height(), 30);
        const TColor key = icon.TransparentColor();
        EXPECT_EQ(key, RGBColor(255, 0, 255));
        int transparent = 0;
        int opaque = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                (FromQRgb(icon.Image.pixel(x, y)) == key ? transparent : opaque)++;
        EXPECT_GT(transparent, 50);
        EXPECT_GT(opaque, 100);
        // Merged onto the black pot, no pixel of the transparent colour shows.
        QImage pot(30, 30, QImage::Format_BGR888);
        pot.fill(Qt::black);
        icon.MergeTransparent(pot, 0, 0);
        int keyShown = 0;
        int drawn = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) {
                keyShown += pot.pixel(x, y) == qRgb(255, 0, 255);
                drawn += pot.pixel(x, y) != qRgb(0, 0, 0);
            }
        EXPECT_EQ(keyShown, 0);
        EXPECT_GT(drawn, 100);
    }
}

TEST(ProgramResources, PicturesHaveTheSizesOfTheirPlaces)
{
    struct TExpect {
        const char* Path;
        int Width, Height;
    };
    const TExpect pictures[] = {{":/images/emblem.png", 113, 117},
                                {":/images/icon.png", 64, 64},
                                {":/images/startup_fullscreen.png", 150, 112},
                                {":/images/startup_window.png", 150, 112}};
    for (const TExpect& e : pictures) {
        SCOPED_TRACE(e.Path);
        const QImage image(QString::fromLatin1(e.Path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(e.Width, e.Height));
    }
    EXPECT_NE(QImage(QStringLiteral(":/images/startup_fullscreen.png")),
              QImage(QStringLiteral(":/images/startup_window.png")));
}

TEST(ProgramResources, EmblemIsTheZindoOnAClearGround)
{
    const QImage emblem = QImage(QStringLiteral(":/images/emblem.png")).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(emblem.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(emblem.pixel(112, 116)), 0);
    EXPECT_EQ(qAlpha(emblem.pixel(56, 70)), 255);
    // Mostly the warm fur colour in the middle.
    const QRgb centre = emblem.pixel(56, 88);
    EXPECT_GT(qRed(centre), qBlue(centre));
}
