// The built data tree, read the way the game reads it: every container named
// by the game exists, carries the stored name whose extension tells the game
// how to read it, and decodes into what that reader expects.

#include "ContentFiles.h"
#include "Tutorial.h"

#include "data/AnsiText.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFileInfo>
#include <QFontMetrics>
#include <QTextDocument>

#include <set>

using namespace zindo;
using namespace zindo::test;

namespace {

const QRgb Magenta = qRgb(255, 0, 255);

QString Stored(const QString& Relative)
{
    return StoredFileName(DatFile(Relative));
}

struct TCoverage {
    int Transparent = 0;
    int Opaque = 0;
};

TCoverage Coverage(const TQzBitmap& Sprite)
{
    TCoverage c;
    const TColor key = Sprite.TransparentColor();
    for (int y = 0; y < Sprite.Height(); ++y)
        for (int x = 0; x < Sprite.Width(); ++x)
            (FromQRgb(Sprite.Image.pixel(x, y)) == key ? c.Transparent : c.Opaque)++;
    return c;
}

QStringList Themes()
{
    return QDir(DatFile(QStringLiteral("puzz"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QString LevelFile(const QString& Theme, int Level, int Variant = 1)
{
    return QStringLiteral("puzz/%1/IP%2%3.dat")
        .arg(Theme)
        .arg(Level, 2, 10, QLatin1Char('0'))
        .arg(Variant, 2, 10, QLatin1Char('0'));
}

} // namespace

TEST(DataTree, EveryFileTheGameNamesExists)
{
    const QStringList names = {
        "IBROOM.dat", "izn0.dat", "izn1.dat", "izn2.dat", "izn3.dat", "IPBK.DAT", "ibk.dat", "iss.dat",
        "IBROKEN.dat", "snd/mbk2.dat", "snd/MSEPTAKE.DAT", "snd/MSEPDROP.DAT", "snd/MSERISKTAKE.DAT",
        "snd/MSERISKWON.DAT", "snd/MSERISKLOST.DAT", "snd/MSEMAGIC.DAT", "tutorial/ITUTORIAL1.DAT",
        "tutorial/TTUTORIAL1.DAT"};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QFileInfo info(DatFile(name));
        ASSERT_TRUE(info.isFile());
        EXPECT_EQ(info.fileName(), QFileInfo(name).fileName()); // exact letter case
        EXPECT_GT(info.size(), ContainerHeaderSize);
        EXPECT_EQ(static_cast<std::uint8_t>(ReadAll(info.filePath()).at(0)), ContainerMarker);
    }
}

TEST(DataTree, SpritesAreBitmapsWithTheirBottomLeftColourTransparent)
{
    QStringList sprites = {QStringLiteral("IBROOM.dat")};
    for (int frame = 0; frame < 4; ++frame)
        sprites << QStringLiteral("izn%1.dat").arg(frame);
    for (const QString& name : sprites) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(Stored(name).endsWith(QStringLiteral(".bmp")));
        const TQzBitmap sprite = LoadTransparentBitmap(DecodeToTemp(DatFile(name)));
        ASSERT_FALSE(sprite.IsEmpty());
        EXPECT_EQ(sprite.PixelFormat(), pf24bit);
        EXPECT_EQ(sprite.TransparentColor(), FromQRgb(Magenta));
        const TCoverage c = Coverage(sprite);
        EXPECT_GT(c.Opaque, sprite.Width() * sprite.Height() / 8);
        EXPECT_GT(c.Transparent, sprite.Width() * sprite.Height() / 8);
    }
}

TEST(DataTree, ZindoFramesAreOneSizeAndShowDifferentSteps)
{
    std::vector<QImage> frames;
    for (int frame = 0; frame < 4; ++frame)
        frames.push_back(DecodedPicture(QStringLiteral("izn%1.dat").arg(frame)));
    for (const QImage& f : frames) {
        EXPECT_EQ(f.size(), frames[0].size());
        EXPECT_GE(f.width(), 60);
        EXPECT_LE(f.width(), 100);
        EXPECT_GE(f.height(), 40);
        EXPECT_LE(f.height(), 100);
    }
    // Legs move: the lowest rows (where the feet are) differ between frames.
    for (std::size_t a = 0; a < frames.size(); ++a)
        for (std::size_t b = a + 1; b < frames.size(); ++b) {
            const int h = frames[a].height();
            EXPECT_NE(frames[a].copy(0, h - 12, frames[a].width(), 12), frames[b].copy(0, h - 12, frames[b].width(), 12))
                << "frames " << a << " and " << b;
        }
}

TEST(DataTree, PicturesAreJpegsOfTheSizesTheScreensNeed)
{
    struct TExpect {
        const char* Name;
        int MinWidth, MinHeight, MaxWidth, MaxHeight;
    };
    static constexpr TExpect pictures[] = {
        {"IPBK.DAT", 600, 600, 2000, 2000},   // covers the largest board
        {"iss.dat", 1000, 590, 1024, 620},    // the main screen
        {"IBROKEN.dat", 300, 200, 600, 600},  // a level picture itself
        {"ibk.dat", 64, 64, 512, 512},        // a wallpaper tile
    };
    for (const TExpect& e : pictures) {
        SCOPED_TRACE(e.Name);
        const QString name = QString::fromLatin1(e.Name);
        EXPECT_TRUE(Stored(name).endsWith(QStringLiteral(".jpg")));
        const QImage image = DecodedPicture(name);
        EXPECT_GE(image.width(), e.MinWidth);
        EXPECT_GE(image.height(), e.MinHeight);
        EXPECT_LE(image.width(), e.MaxWidth);
        EXPECT_LE(image.height(), e.MaxHeight);
    }
}

TEST(DataTree, WallpaperIsDarkAndQuiet)
{
    const QImage tile = DecodedPicture(QStringLiteral("ibk.dat"));
    double sum = 0.0;
    int brightest = 0;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const int g = qGray(tile.pixel(x, y));
            sum += g;
            brightest = std::max(brightest, g);
        }
    const double mean = sum / (tile.width() * tile.height());
    EXPECT_LT(mean, 60.0);    // white and orange text stay readable on it
    EXPECT_GT(mean, 20.0);    // still a texture, not black
    EXPECT_LT(brightest, 110);
}

TEST(DataTree, TitleKeepsTheCornerOfTheTitleTextDark)
{
    // The game writes "Zindo Puzzle" in orange at (14, 26), 60 pixels high.
    const QImage title = DecodedPicture(QStringLiteral("iss.dat"));
    double sum = 0.0;
    int n = 0;
    for (int y = 26; y < 100; ++y)
        for (int x = 14; x < 420; ++x, ++n)
            sum += qGray(title.pixel(x, y));
    EXPECT_LT(sum / n, 110.0);
}

TEST(DataTree, ThereAreAtLeastFiveThemesOfTenLevels)
{
    const QStringList themes = Themes();
    EXPECT_GE(themes.size(), 5);
    for (const QString& theme : themes) {
        SCOPED_TRACE(theme.toStdString());
        for (int level = 1; level <= 10; ++level) {
            const QString file = LevelFile(theme, level);
            ASSERT_TRUE(QFileInfo::exists(DatFile(file))) << file.toStdString();
            EXPECT_TRUE(Stored(file).endsWith(QStringLiteral(".jpg"))) << file.toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(DatFile(LevelFile(theme, 11))));
    }
}

TEST(DataTree, EveryThemesTenPicturesAreSharpAtTwiceTheBoardInBothShapes)
{
    // A board is at most 600 pixels; its picture keeps its detail on a
    // screen that shows the game three times enlarged.
    for (const QString& theme : Themes()) {
        SCOPED_TRACE(theme.toStdString());
        int landscape = 0;
        int portrait = 0;
        for (int level = 1; level <= 10; ++level) {
            const QString file = LevelFile(theme, level);
            const QImage picture = DecodedPicture(file);
            ASSERT_FALSE(picture.isNull()) << file.toStdString();
            const int longSide = std::max(picture.width(), picture.height());
            const int shortSide = std::min(picture.width(), picture.height());
            EXPECT_GE(longSide, 1800) << file.toStdString();
            EXPECT_LE(longSide, 2400) << file.toStdString(); // no more than the package has room for
            EXPECT_NEAR(longSide * 3.0 / 4.0, shortSide, 1.0) << file.toStdString(); // 4:3 or 3:4
            (picture.width() > picture.height() ? landscape : portrait)++;
        }
        EXPECT_GE(landscape, 2);
        EXPECT_GE(portrait, 2);
    }
}

TEST(DataTree, TutorialPagesRunFromOneWithoutAGapAndEachHasItsText)
{
    int pages = 0;
    while (QFileInfo::exists(DatFile(QStringLiteral("tutorial/ITUTORIAL%1.DAT").arg(pages + 1))))
        ++pages;
    EXPECT_GE(pages, 6);
    EXPECT_LE(pages, 9);
    // No stray page beyond the gap that the tutorial would never show.
    QDirIterator it(DatFile(QStringLiteral("tutorial")), QDir::Files);
    while (it.hasNext()) {
        const QString name = QFileInfo(it.next()).fileName();
        const int number = name.mid(9).chopped(4).toInt();
        EXPECT_TRUE(number >= 1 && number <= pages) << name.toStdString();
    }
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        const QString picture = QStringLiteral("tutorial/ITUTORIAL%1.DAT").arg(page);
        const QString text = QStringLiteral("tutorial/TTUTORIAL%1.DAT").arg(page);
        EXPECT_TRUE(Stored(picture).endsWith(QStringLiteral(".jpg")));
        EXPECT_TRUE(Stored(text).endsWith(QStringLiteral(".txt")));
        const QByteArray bytes = DecodedBytes(text);
        EXPECT_GT(bytes.size(), 100);
        EXPECT_LE(bytes.size(), 20001);
        EXPECT_FALSE(bytes.contains('\0'));
        EXPECT_TRUE(bytes.startsWith("<b>"));
    }
}

TEST(DataTree, TutorialPicturesInEveryLanguageAreStoredAtTwiceTheSizeTheyAreShown)
{
    // The tutorial shows a picture 1011 x 511; one of twice that size stays
    // sharp on a screen that shows the game enlarged.
    QStringList folders = {QStringLiteral("tutorial")};
    for (const QString& language : QDir(DatFile(QStringLiteral("tutorial"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders << QStringLiteral("tutorial/") + language;
    EXPECT_GE(folders.size(), 3); // English, German, French
    for (const QString& folder : folders)
        for (int page = 1; page <= TutorialPageCount; ++page) {
            const QString picture = QStringLiteral("%1/ITUTORIAL%2.DAT").arg(folder).arg(page);
            SCOPED_TRACE(picture.toStdString());
            EXPECT_TRUE(Stored(picture).endsWith(QStringLiteral(".jpg")));
            EXPECT_EQ(DecodedPicture(picture).size(), QSize(2 * 1011, 2 * 511));
        }
    EXPECT_EQ(QSize(TutorialWidth, TutorialHeight) * TutorialScale, QSize(2 * 1011, 2 * 511));
}

TEST(DataTree, TutorialTextsAreWindows1252AndFitTheirLabel)
{
    // The label under the picture is 1011 x 80 pixels, white Arial with a
    // 16-pixel cell; it renders <b> and <br>.
    for (int page = 1; QFileInfo::exists(DatFile(QStringLiteral("tutorial/TTUTORIAL%1.DAT").arg(page))); ++page) {
        SCOPED_TRACE(page);
        const QByteArray bytes = DecodedBytes(QStringLiteral("tutorial/TTUTORIAL%1.DAT").arg(page));
        for (const char c : bytes) {
            const auto b = std::uint8_t(c);
            // Bytes that Windows-1252 leaves undefined, and control characters.
            EXPECT_TRUE(b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) << int(b);
            EXPECT_TRUE(b >= 0x20 || b == '\r' || b == '\n') << int(b);
        }
        QTextDocument document;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(16);
        document.setDefaultFont(font);
        document.setDocumentMargin(0);
        document.setTextWidth(1011);
        document.setHtml(FromAnsi(bytes));
        EXPECT_LE(document.size().height(), 80.0);
        const QString plain = document.toPlainText();
        EXPECT_FALSE(plain.contains(QLatin1Char('<'))) << plain.toStdString();
    }
}

TEST(DataTree, PuzzleMakerPlaceholderIsAPlayableLevelPicture)
{
    // The puzzle maker copies it as a level picture, so it must read as one.
    EXPECT_TRUE(Stored(QStringLiteral("IBROKEN.dat")).endsWith(QStringLiteral(".jpg")));
    const QImage picture = DecodedPicture(QStringLiteral("IBROKEN.dat"));
    EXPECT_GT(picture.width(), picture.height());
}

TEST(DataTree, WholeTreeLeavesRoomForASixthThemeInA25MegabytePackage)
{
    qint64 total = 0;
    QDirIterator it(QStringLiteral(ZINDO_DAT_DIR), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    // Six themes, the tutorial and the sounds under 24.8 MB make, with the
    // program, a Debian package under 25 MB: the pictures do not compress,
    // but the sounds, the program and its text files do (a data tree of
    // 22.1 MB installed as 24.0 MB packs into 21.5 MB). A theme of ten
    // pictures takes about 2.5 MB: the themes not shipped yet are counted at that.
    const qint64 missingThemes = std::max<qint64>(0, 6 - Themes().size());
    EXPECT_GT(total, 1'000'000);
    EXPECT_LT(total + missingThemes * 2'500'000, 24'800'000);
}
