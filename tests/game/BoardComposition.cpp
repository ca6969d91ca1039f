// Turning a level picture into the board: scaling, centring, shadow, the
// pale preview, the cutting and the pieces placed at the start; the level
// picture kept whole, and the board composed from it at a screen's size.
#include "GameTestTree.h"

#include "data/Paths.h"
#include "data/QzError.h"

using namespace zindo;
using namespace zindo::test;

namespace {

class BoardComposition : public ::testing::Test {
protected:
    /// Loads a one-colour picture of the given size at Level.
    void LoadSolid(int Width, int Height, int Level, const QString& Extension = QStringLiteral(".bmp"))
    {
        const QString container =
            Tree.AddLevelPicture(QStringLiteral("T"), Level, 1, SolidImage(Width, Height, PictureColor), Extension);
        Puzzle.LoadPicture(DecodeToTemp(container), Level);
    }

    bool IsPictureColour(int X, int Y) const
    {
        return Puzzle.Picture().pixelColor(X, Y) == PictureColor;
    }

    static inline const QColor PictureColor = QColor(0, 0, 255);
    TGameTree Tree;
    TManualClock Clock;
    TRandomGenerator Random{3};
    TPuzzleClass Puzzle{Clock, Random};
};

} // namespace

TEST(BoardLayout, WorkedExamples)
{
    const TBoardLayout landscape = BoardLayoutFor(1200, 900, 600, 120);
    EXPECT_EQ(landscape.PictureWidth, 585);
    EXPECT_EQ(landscape.PictureHeight, 439);
    EXPECT_EQ(landscape.Width, 600);
    EXPECT_EQ(landscape.Height, 480);
    EXPECT_EQ(landscape.PictureLeft, 8);
    EXPECT_EQ(landscape.PictureTop, 20);

    const TBoardLayout square = BoardLayoutFor(700, 700, 600, 66);
    EXPECT_EQ(square.PictureWidth, 579);
    EXPECT_EQ(square.PictureHeight, 579);
    EXPECT_EQ(square.Width, 594);
    EXPECT_EQ(square.Height, 594);
    EXPECT_EQ(square.PictureLeft, 8);
    EXPECT_EQ(square.PictureTop, 8);

    const TBoardLayout portrait = BoardLayoutFor(600, 1200, 600, 100);
    EXPECT_EQ(portrait.PictureWidth, 292) << "292.5 rounds to even";
    EXPECT_EQ(portrait.PictureHeight, 585);
    EXPECT_EQ(portrait.Width, 400);
    EXPECT_EQ(portrait.Height, 600);
    EXPECT_EQ(portrait.PictureLeft, 54);
    EXPECT_EQ(portrait.PictureTop, 8);
}

TEST_F(BoardComposition, LandscapeAtLevelOne)
{
    LoadSolid(1200, 900, 1);
    EXPECT_EQ(Puzzle.Picture().size(), QSize(600, 480));
    EXPECT_EQ(Puzzle.Picture().format(), QImage::Format_BGR888);
    EXPECT_EQ(Puzzle.PieceSize(), 120);
    EXPECT_EQ(Puzzle.Columns(), 5);
    EXPECT_EQ(Puzzle.Rows(), 4);
    EXPECT_EQ(Puzzle.Pieces().size(), 20u);
    EXPECT_EQ(PiecesOnBoard(Puzzle), 4);
    EXPECT_EQ(Puzzle.State(), stLoaded);
    EXPECT_FALSE(Puzzle.Finished());

    // The picture spans (8, 20) .. (592, 458); the shadow shows 3 pixels to
    // the right and below; the texture lies around both.
    EXPECT_TRUE(IsPictureColour(8, 20));
    EXPECT_TRUE(IsPictureColour(592, 458));
    EXPECT_FALSE(IsPictureColour(7, 20));
    EXPECT_FALSE(IsPictureColour(8, 19));
    EXPECT_FALSE(IsPictureColour(593, 458));
    EXPECT_EQ(Puzzle.Picture().pixelColor(594, 30), QColor(128, 128, 128));
    EXPECT_EQ(Puzzle.Picture().pixelColor(30, 460), QColor(128, 128, 128));
    const QColor texture = Puzzle.Picture().pixelColor(2, 2);
    EXPECT_NEAR(texture.green(), TGameTree::TextureColor.green(), 6);
    EXPECT_NEAR(texture.red(), TGameTree::TextureColor.red(), 6);
}

TEST_F(BoardComposition, SquareAtLevelNine)
{
    LoadSolid(700, 700, 9);
    EXPECT_EQ(Puzzle.Picture().size(), QSize(594, 594));
    EXPECT_EQ(Puzzle.Columns(), 9);
    EXPECT_EQ(Puzzle.Rows(), 9);
    EXPECT_EQ(PiecesOnBoard(Puzzle), 16);
    EXPECT_TRUE(IsPictureColour(8, 8));
    EXPECT_TRUE(IsPictureColour(586, 586));
    EXPECT_FALSE(IsPictureColour(7, 8));
    EXPECT_FALSE(IsPictureColour(587, 586));
}

TEST_F(BoardComposition, PortraitAtLevelThree)
{
    LoadSolid(600, 1200, 3);
    EXPECT_EQ(Puzzle.Picture().size(), QSize(400, 600));
    EXPECT_EQ(Puzzle.Columns(), 4);
    EXPECT_EQ(Puzzle.Rows(), 6);
    EXPECT_EQ(PiecesOnBoard(Puzzle), 5);
    EXPECT_TRUE(IsPictureColour(54, 8));
    EXPECT_TRUE(IsPictureColour(345, 592));
    EXPECT_FALSE(IsPictureColour(53, 8));
    EXPECT_FALSE(IsPictureColour(346, 8));
}

TEST_F(BoardComposition, PiecesAreCutColumnByColumn)
{
    const QString container = Tree.AddLevelPicture(QStringLiteral("T"), 1, 1, PatternImage(400, 300));
    Puzzle.LoadPicture(DecodeToTemp(container), 1);
    ASSERT_EQ(Puzzle.Pieces().size(), 20u);
    const TPiece& piece = *Puzzle.Pieces()[2 * 4 + 3]; // column 2, row 3
    EXPECT_EQ(piece.Column, 2);
    EXPECT_EQ(piece.Row, 3);
    EXPECT_EQ(piece.SourceLeft, 240);
    EXPECT_EQ(piece.SourceTop, 360);
    EXPECT_EQ(piece.Bitmap, Puzzle.Picture().copy(240, 360, 120, 120));
    // Every pre-placed piece lies on its own cell.
    for (const auto& p : Puzzle.Pieces()) {
        if (p->Place == plOnBoard) {
            EXPECT_EQ(Puzzle.CellPiece(p->Column, p->Row), p.get());
        }
    }
}

TEST_F(BoardComposition, HintPictureIsPale)
{
    LoadSolid(1200, 900, 1);
    EXPECT_EQ(Puzzle.HintPicture().pixelColor(100, 100), QColor(170, 170, 255));
    EXPECT_EQ(Puzzle.HintPicture().pixelColor(594, 30), QColor(255, 255, 255)); // grey 128 + 170
}

TEST_F(BoardComposition, JpegByExtensionOnlyJpgOrJpeg)
{
    QImage image = SolidImage(160, 120, PictureColor);
    Puzzle.LoadPicture(DecodeToTemp(Tree.AddLevelPicture(QStringLiteral("T"), 1, 1, image, QStringLiteral(".JPG"))),
                       1);
    EXPECT_EQ(Puzzle.Columns(), 5);

    // A bitmap stored under ".jpeg" is read as JPEG and fails; the puzzle
    // keeps the level it had.
    const QString bmpInJpeg = Tree.Path(QStringLiteral("plain/x.jpeg"));
    ASSERT_TRUE(image.save(bmpInJpeg, "BMP"));
    const QString container = Tree.Path(QStringLiteral("dat/puzz/T/IP0302.dat"));
    EncodeFile(bmpInJpeg, container);
    EXPECT_THROW(Puzzle.LoadPicture(DecodeToTemp(container), 3), EQzError);
    EXPECT_EQ(Puzzle.Level(), 1);
    EXPECT_EQ(Puzzle.Pieces().size(), 20u);
    EXPECT_EQ(PiecesOnBoard(Puzzle), 4);

    // A JPEG named ".jpeg" is a JPEG like one named ".jpg".
    Puzzle.LoadPicture(DecodeToTemp(Tree.AddLevelPicture(QStringLiteral("T"), 2, 1, image, QStringLiteral(".jpeg"))),
                       2);
    EXPECT_EQ(Puzzle.Level(), 2);
}

TEST_F(BoardComposition, KeepsTheLevelPictureWholeAndComposesTheBoardFromItAtAnySize)
{
    const QImage source = PatternImage(1800, 1350);
    Puzzle.LoadPicture(DecodeToTemp(Tree.AddLevelPicture(QStringLiteral("T"), 1, 1, source)), 1);
    ASSERT_EQ(Puzzle.SourcePicture().size(), source.size());
    EXPECT_EQ(Puzzle.SourcePicture().pixel(1234, 987), source.pixel(1234, 987));
    const TBoardLayout& layout = Puzzle.BoardLayout();
    const TBoardLayout expected = BoardLayoutFor(1800, 1350, MaxBoardSide, 120);
    EXPECT_EQ(QRect(layout.PictureLeft, layout.PictureTop, layout.PictureWidth, layout.PictureHeight),
              QRect(expected.PictureLeft, expected.PictureTop, expected.PictureWidth, expected.PictureHeight));
    EXPECT_EQ(QSize(layout.Width, layout.Height), Puzzle.Picture().size());

    // At the board's own size the composition is the puzzle's picture.
    const QImage design =
        ComposeBoardPicture(Puzzle.SourcePicture(), Puzzle.BackgroundTexture(), layout, QSize(600, 480));
    EXPECT_EQ(design.convertToFormat(QImage::Format_BGR888), Puzzle.Picture());

    // Two and a half times as large, everything lies where the board's
    // places fall, and the picture is the level picture scaled once.
    const QImage large =
        ComposeBoardPicture(Puzzle.SourcePicture(), Puzzle.BackgroundTexture(), layout, QSize(1500, 1200));
    ASSERT_EQ(large.size(), QSize(1500, 1200));
    const QRect photo(QPoint(20, 50), QPoint(1482, 1147)); // (8, 20) .. (593, 459) x 2.5, rounded
    ASSERT_EQ(QRect(layout.PictureLeft, layout.PictureTop, layout.PictureWidth, layout.PictureHeight),
              QRect(8, 20, 585, 439));
    const QImage scaled = source.scaled(photo.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (const QPoint at : {QPoint(0, 0), QPoint(700, 500), QPoint(1462, 1097)})
        EXPECT_EQ(large.pixel(photo.topLeft() + at), scaled.pixel(at)) << at.x() << "," << at.y();
    const QColor texture = large.pixelColor(10, 10);
    EXPECT_NEAR(texture.green(), TGameTree::TextureColor.green(), 6);
    EXPECT_NE(large.pixelColor(photo.left() - 1, 600), QColor(128, 128, 128));
    EXPECT_EQ(large.pixelColor(photo.right() + 3, 600), QColor(128, 128, 128)); // the shadow, 3 board pixels wide
    EXPECT_EQ(large.pixelColor(700, photo.bottom() + 3), QColor(128, 128, 128));
    EXPECT_NE(large.pixelColor(photo.right() + 9, 600), QColor(128, 128, 128));
}

TEST(BoardSprites, MissingZindoFrameFailsConstruction)
{
    TGameTree tree;
    QFile::remove(tree.Path(QStringLiteral("dat/izn2.dat")));
    TManualClock clock;
    TRandomGenerator random;
    EXPECT_THROW(TPuzzleClass(clock, random), EQzError);
}

TEST_F(BoardComposition, RenderedBoardShowsGridPiecesPreviewAndCrosses)
{
    LoadSolid(1200, 900, 1);
    Puzzle.Start();
    const QImage& board = Puzzle.BoardBitmap();
    EXPECT_FALSE(TModelTestAccess::BoardDirty(Puzzle));
    EXPECT_EQ(board.size(), QSize(600, 480));
    EXPECT_EQ(board.pixelColor(120, 60), QColor(Qt::black)); // grid line
    // An empty cell shows the preview; a placed piece shows itself.
    const TPiece* placed = nullptr;
    int emptyColumn = -1, emptyRow = -1;
    ASSERT_TRUE(FindEmptyCell(Puzzle, -1, -1, emptyColumn, emptyRow));
    for (const auto& p : Puzzle.Pieces())
        if (p->Place == plOnBoard)
            placed = p.get();
    ASSERT_NE(placed, nullptr);
    const QPoint inEmpty = Puzzle.CellOrigin(emptyColumn, emptyRow) + QPoint(60, 60);
    const QPoint inPlaced = Puzzle.CellOrigin(placed->Column, placed->Row) + QPoint(60, 61);
    EXPECT_EQ(board.pixelColor(inEmpty), Puzzle.HintPicture().pixelColor(inEmpty));
    EXPECT_EQ(board.pixelColor(inPlaced), Puzzle.Picture().pixelColor(inPlaced));

    // Without the preview an empty cell is white; the check crosses a wrong piece.
    TModelTestAccess::Bonus(Puzzle, bnPreview).Active = false;
    TPiece* wrong = const_cast<TPiece*>(placed);
    TModelTestAccess::RemoveAt(Puzzle, wrong->Column, wrong->Row);
    ASSERT_TRUE(TModelTestAccess::PutAt(Puzzle, *wrong, emptyColumn, emptyRow));
    TModelTestAccess::Bonus(Puzzle, bnCheck).Active = true;
    TModelTestAccess::MarkBoardDirty(Puzzle);
    const QImage& checked = Puzzle.BoardBitmap();
    const QPoint origin = Puzzle.CellOrigin(emptyColumn, emptyRow);
    EXPECT_EQ(checked.pixelColor(origin + QPoint(60, 60)), QColor(255, 0, 0));
    EXPECT_EQ(checked.pixelColor(Puzzle.CellOrigin(placed->Column, placed->Row) + QPoint(60, 61)),
              QColor(Qt::white));
}

TEST_F(BoardComposition, CheckCrossShowsOnARedPictureAndStaysInItsPiece)
{
    const QString container =
        Tree.AddLevelPicture(QStringLiteral("R"), 1, 1, SolidImage(1200, 900, QColor(255, 0, 0)));
    Puzzle.LoadPicture(DecodeToTemp(container), 1);
    Puzzle.Start();
    TModelTestAccess::Bonus(Puzzle, bnPreview).Active = false;
    TPiece* wrong = nullptr;
    for (const auto& piece : Puzzle.Pieces())
        if (piece->Place == plOnBoard)
            wrong = piece.get();
    ASSERT_NE(wrong, nullptr);
    int column = -1, row = -1;
    ASSERT_TRUE(FindEmptyCell(Puzzle, -1, -1, column, row));
    TModelTestAccess::RemoveAt(Puzzle, wrong->Column, wrong->Row);
    ASSERT_TRUE(TModelTestAccess::PutAt(Puzzle, *wrong, column, row));
    const QImage plain = Puzzle.BoardBitmap().copy();
    TModelTestAccess::Bonus(Puzzle, bnCheck).Active = true;
    TModelTestAccess::MarkBoardDirty(Puzzle);
    const QImage checked = Puzzle.BoardBitmap().copy();

    // Every changed pixel lies within the wrong piece.
    const QRect cell(Puzzle.CellOrigin(column, row), QSize(Puzzle.PieceSize(), Puzzle.PieceSize()));
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != checked.pixel(x, y)) {
                ++changed;
                ASSERT_TRUE(cell.contains(x, y)) << x << "," << y;
            }
    EXPECT_GT(changed, Puzzle.PieceSize() * 3); // the white edges at least, four lines along two diagonals

    // Across each diagonal, a quarter of the way in: at least 3 pixels of red
    // with white on both sides, which parts the cross from a red picture.
    const QColor red(255, 0, 0);
    const QColor white(Qt::white);
    const int q = Puzzle.PieceSize() / 4;
    for (const QPoint on : {cell.topLeft() + QPoint(q, q), cell.topRight() + QPoint(-q, q)}) {
        ASSERT_EQ(checked.pixelColor(on), red);
        int left = 0, right = 0;
        while (left < 4 && checked.pixelColor(on - QPoint(left + 1, 0)) == red)
            ++left;
        while (right < 4 && checked.pixelColor(on + QPoint(right + 1, 0)) == red)
            ++right;
        EXPECT_GE(left + right + 1, 3) << on.x() << "," << on.y();
        EXPECT_EQ(checked.pixelColor(on - QPoint(left + 1, 0)), white) << on.x() << "," << on.y();
        EXPECT_EQ(checked.pixelColor(on + QPoint(right + 1, 0)), white) << on.x() << "," << on.y();
    }
}
