// The views composed for the screen: board layers, the pause picture, the pot
// layout, the bonus boxes and the sparkle's rays; the board enlarged with the
// level picture's own detail.

#include "UiFixture.h"

#include "data/QzBitmapCache.h"
#include "dialogs/ActionForm.h"
#include "game/Game.h"
#include "game/HighScores.h"
#include "ui/BoardPainter.h"
#include "ui/SceneView.h"

#include <gtest/gtest.h>

using namespace zindo;
using namespace zindo::test;

namespace {

class Views : public testing::Test {
protected:
    void SetUp() override
    {
        Form = &Fixture.Create();
        Fixture.StartTestland(QStringLiteral("Vi"));
    }
    TPuzzleClass& Puzzle() { return TModelTestAccess::Puzzle(Form->Session()); }

    TWindowFixture Fixture;
    TMainWindow* Form = nullptr;
    TRandomGenerator Random{3};
};

/// The mean difference of two pictures of one size, per colour channel (0 to 255).
double MeanDifference(const QImage& A, const QImage& B)
{
    double sum = 0;
    for (int y = 0; y < A.height(); ++y)
        for (int x = 0; x < A.width(); ++x) {
            const QRgb a = A.pixel(x, y);
            const QRgb b = B.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    return sum / (3.0 * A.width() * A.height());
}

int CountDifferent(const QImage& A, const QImage& B)
{
    int n = 0;
    for (int y = 0; y < A.height(); ++y)
        for (int x = 0; x < A.width(); ++x)
            n += A.pixel(x, y) != B.pixel(x, y);
    return n;
}

} // namespace

TEST_F(Views, HeldPieceFollowsThePointerOnlyInsideTheBoard)
{
    Puzzle().TakeFromPot(0);
    ASSERT_NE(Puzzle().HeldPiece(), nullptr);
    const QSize box = Puzzle().Picture().size();
    const QImage board = Puzzle().BoardBitmap().convertToFormat(QImage::Format_BGR888);
    const QImage outside = ComposeBoardView(Puzzle(), box, QPoint(-10, 50), Random);
    EXPECT_EQ(CountDifferent(outside, board), 0);
    // Just past the right edge, and beyond the board in a box wider than it.
    EXPECT_EQ(CountDifferent(ComposeBoardView(Puzzle(), box, QPoint(box.width(), 50), Random), board), 0);
    EXPECT_EQ(CountDifferent(ComposeBoardView(Puzzle(), box + QSize(100, 0), QPoint(box.width() + 20, 50), Random),
                             board),
              0);
    const QImage inside = ComposeBoardView(Puzzle(), box, QPoint(200, 200), Random);
    const QImage& piece = Puzzle().HeldPiece()->Bitmap;
    const int s = piece.width();
    EXPECT_EQ(inside.pixel(200 - s / 2 + 3, 200 - s / 2 + 3), piece.pixel(3, 3));
    EXPECT_EQ(inside.pixel(200 + s / 2 - 3, 200 + s / 2 - 3), piece.pixel(s - 3, s - 3));
}

TEST_F(Views, PausedBoardIsBlackWithTheWordAndThePotIsEmptyBlack)
{
    Form->Session().Pause();
    const QImage view = ComposeBoardView(Puzzle(), Puzzle().Picture().size(), QPoint(10, 10), Random);
    EXPECT_EQ(view.pixel(0, 0) & 0xFFFFFF, 0u);
    int white = 0;
    for (int y = 0; y < view.height(); ++y)
        for (int x = 0; x < view.width(); ++x)
            white += (view.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_GT(white, 100); // "PAUSED"
    const QImage pot = ComposePotView(Puzzle(), QSize(129, 493), Random);
    for (int y = 0; y < pot.height(); y += 3)
        for (int x = 0; x < pot.width(); x += 3)
            ASSERT_EQ(pot.pixel(x, y) & 0xFFFFFF, 0u);
}

TEST(PausedBoard, MenuCentredOverAPortraitBoardCoversThePausedWord)
{
    // A portrait board lies right-aligned beside the pot, well off the
    // window's middle, where the menu would be centred by default.
    QWidget window;
    window.setGeometry(0, 0, 760, 600);
    auto* board = new QWidget(&window);
    board->setGeometry(300, 0, 400, 600);
    TActionForm menu(&window);
    QRect placed;
    WhenModalOpens([&placed](QWidget& Modal) {
        placed = Modal.geometry();
        static_cast<QDialog&>(Modal).reject();
    });
    menu.Ask(true, true, board);
    const QRect word = PausedTextRect(board->size()).translated(board->mapToGlobal(QPoint(0, 0)));
    ASSERT_FALSE(word.isEmpty());
    EXPECT_TRUE(placed.contains(word))
        << "menu " << placed.x() << "," << placed.y() << " word " << word.x() << "," << word.y() << " " << word.width();
}

TEST_F(Views, PotLaysOutEntriesTheirOutlineAndTheEntryLine)
{
    ASSERT_EQ(Puzzle().PieceSize(), 120);
    const QImage pot = ComposePotView(Puzzle(), QSize(129, 493), Random);
    const TPieceInPot& entry = Puzzle().Pot().Entry(0);
    const int bottom = 493 - entry.RoundedPosition();
    // 120-pixel pieces start at x = 8 in a 129-pixel pot: the outline is white there.
    EXPECT_EQ(pot.pixel(8, bottom - 60) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(pot.pixel(7, bottom - 60) & 0xFFFFFF, 0u);
    EXPECT_EQ(pot.pixel(127, bottom - 60) & 0xFFFFFF, 0xFFFFFFu);
    // The red line where entries come in, across the whole width.
    const int line = 493 - Puzzle().Pot().EntryPosition();
    EXPECT_EQ(pot.pixel(0, line) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(pot.pixel(128, line) & 0xFFFFFF, 0xFF0000u);
    // Smaller pieces start at x = 28.
    const QImage wide = ComposePotView(Puzzle(), QSize(200, 493), Random);
    EXPECT_EQ(wide.pixel(28, bottom - 60) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(wide.pixel(8, bottom - 60) & 0xFFFFFF, 0u);
}

TEST_F(Views, PotRepaintedWhereItChangedLooksAsIfPaintedWhole)
{
    const QSize size(129, 493);
    auto paint = [size](const TPotLayout& Layout, QImage* Onto, const std::vector<QRect>& Parts) {
        QImage image = Onto ? *Onto : QImage(size, QImage::Format_RGB32);
        QPainter painter(&image);
        QRegion region;
        if (Onto) {
            // As a paint event gives it: clipped to the parts, and told them.
            for (const QRect& part : Parts)
                region += part;
            painter.setClipRegion(region);
        }
        PaintPotView(painter, Layout, nullptr, nullptr, region);
        return image;
    };
    TPotLayout shown = LayOutPot(Puzzle(), size, Random);
    QImage screen = paint(shown, nullptr, {});
    EXPECT_TRUE(shown.ChangedRects(shown).empty());
    int partial = 0;
    int whole = 0;
    // Fifteen seconds: entries fall, and the next one comes in.
    for (int step = 0; step < 300; ++step) {
        Fixture.Run(50);
        const TPotLayout next = LayOutPot(Puzzle(), size, Random);
        const std::vector<QRect> parts = next.ChangedRects(shown);
        if (parts.size() == 1 && parts.front() == QRect(QPoint(0, 0), size))
            ++whole;
        else if (!parts.empty())
            ++partial;
        screen = paint(next, &screen, parts);
        ASSERT_EQ(screen, paint(next, nullptr, {})) << "step " << step;
        shown = next;
    }
    EXPECT_GT(partial, 100);
    EXPECT_GE(whole, 1);
}

TEST(BonusBoxView, DrawsOneIconPerUseAndGreyWhileHeld)
{
    QImage icon(30, 30, QImage::Format_BGR888);
    icon.fill(QColor(255, 0, 255));
    for (int y = 5; y < 25; ++y)
        for (int x = 5; x < 25; ++x)
            icon.setPixel(x, y, qRgb(200, 200, 200));
    auto live = std::make_unique<TQzBitmap>(icon);
    auto grey = std::make_unique<TQzBitmap>(icon);
    grey->GreyOut();
    BitmapCache().AddBitmap(QStringLiteral("TEST_ICON"), std::move(live));
    BitmapCache().AddBitmap(QStringLiteral("TEST_ICON_INACTIVE"), std::move(grey));

    const QImage two = ComposeBonusBox(QSize(129, 30), QStringLiteral("TEST_ICON"), 2);
    EXPECT_EQ(two.pixel(10, 10) & 0xFFFFFF, 0xC8C8C8u);
    EXPECT_EQ(two.pixel(32 + 10, 10) & 0xFFFFFF, 0xC8C8C8u);
    EXPECT_EQ(two.pixel(64 + 10, 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(two.pixel(2, 2) & 0xFFFFFF, 0u); // the transparent corner stays black
    const QImage held = ComposeBonusBox(QSize(129, 30), QStringLiteral("TEST_ICON"), -2);
    EXPECT_EQ(held.pixel(32 + 10, 10) & 0xFFFFFF, 0x707070u);
    const QImage none = ComposeBonusBox(QSize(129, 30), QStringLiteral("TEST_ICON"), 0);
    EXPECT_EQ(none.pixel(10, 10) & 0xFFFFFF, 0u);
}

TEST(SparkleRays, AreClippedToTheBitmapAndFadeOut)
{
    QImage bitmap(40, 40, QImage::Format_BGR888);
    bitmap.fill(Qt::black);
    TRandomGenerator random(11);
    for (int angle = 0; angle < 400; angle += 25)
        DrawSparkleRay(bitmap, 0, 0, 60, angle, random); // from the corner, mostly outside
    int lit = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            lit += (bitmap.pixel(x, y) & 0xFFFFFF) != 0;
    EXPECT_GT(lit, 20);

    QImage ray(100, 3, QImage::Format_BGR888);
    ray.fill(Qt::black);
    DrawSparkleRay(ray, 0, 1, 80, 0, random); // along the row, to the right
    EXPECT_GT(qGray(ray.pixel(1, 1)), qGray(ray.pixel(60, 1)));
    EXPECT_EQ(ray.pixel(85, 1) & 0xFFFFFF, 0u); // the ray ends at its length
    EXPECT_EQ(ray.pixel(0, 1) & 0xFFFFFF, 0u);  // and starts one pixel out
}

TEST(HighScoreBox, ShowsStoredOrderSkipsEmptyRecordsAndFitsSevenRows)
{
    THighScoreTable table{};
    for (int i = 0; i < THighScoreTable::EntryCount; ++i) {
        table.Entries[static_cast<std::size_t>(i)].PlayerName = QStringLiteral("P%1").arg(i);
        table.Entries[static_cast<std::size_t>(i)].Score = 5000 - i;
    }
    table.Entries[1].Score = 0;
    table.Entries[3].Score = -5;
    const auto rows = VisibleHighScores(table, 16);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0]->PlayerName, QStringLiteral("P0"));
    EXPECT_EQ(rows[1]->PlayerName, QStringLiteral("P2"));
    EXPECT_EQ(rows[2]->PlayerName, QStringLiteral("P4"));
    EXPECT_EQ(rows[6]->PlayerName, QStringLiteral("P8"));
    EXPECT_TRUE(VisibleHighScores(THighScoreTable{}, 16).empty());
}

TEST(ScaledBoard, AtTwiceItsSizeShowsTheLevelPicturesOwnDetail)
{
    // A level picture as large as the shipped ones, of detail finer than the
    // board at its design size can hold: grey blocks of 3 x 3 pixels.
    TWindowFixture fixture;
    QImage detail(1800, 1350, QImage::Format_RGB32);
    std::uint32_t seed = 7;
    {
        QPainter painter(&detail);
        for (int y = 0; y < detail.height(); y += 3)
            for (int x = 0; x < detail.width(); x += 3) {
                seed = seed * 1103515245u + 12345u;
                const int grey = static_cast<int>((seed >> 16) & 0xFF);
                painter.fillRect(x, y, 3, 3, QColor(grey, grey, grey));
            }
    }
    WriteDatPicture(fixture.Tree, QStringLiteral("puzz/Testland/IP0101.dat"), detail, "BMP",
                    QStringLiteral("detail.bmp"));
    TMainWindow& form = fixture.Create();
    form.resize(2 * SceneDesignWidth, 2 * SceneDesignHeight);
    QApplication::processEvents();
    ASSERT_DOUBLE_EQ(form.SceneView().Scale(), 2.0);
    fixture.StartTestland(QStringLiteral("Sharp"));
    TPuzzleClass& puzzle = TModelTestAccess::Puzzle(form.Session());
    ASSERT_EQ(puzzle.SourcePicture().size(), detail.size());

    // Every piece on its own cell: the board shows the whole picture.
    puzzle.Solve();
    form.PlayingScreen().FlushPendingRepaints();
    const QImage shot = form.grab().toImage();
    const QWidget* board = Find(form, "BoardView");
    const QPoint origin =
        form.SceneView().MapFromDesign(board->mapTo(Find(form, "Scene"), QPoint(0, 0))).toPoint();
    const TBoardLayout& layout = puzzle.BoardLayout();
    const QRect photo(origin + 2 * QPoint(layout.PictureLeft, layout.PictureTop),
                      2 * QSize(layout.PictureWidth, layout.PictureHeight));
    const QImage shown = shot.copy(photo);

    // Like the level picture drawn at that size, and far from the board of
    // the design size enlarged.
    const QImage sharp =
        puzzle.SourcePicture().scaled(photo.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage enlarged =
        puzzle.Picture()
            .copy(layout.PictureLeft, layout.PictureTop, layout.PictureWidth, layout.PictureHeight)
            .scaled(photo.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double fromSharp = MeanDifference(shown, sharp);
    const double fromEnlarged = MeanDifference(shown, enlarged);
    EXPECT_LT(fromSharp, 1.0);
    EXPECT_GT(fromEnlarged, 10.0);
    EXPECT_GT(fromEnlarged, 10 * fromSharp);
}
