#include "BoardPainter.h"

#include "data/QzBitmapCache.h"
#include "data/RandomGenerator.h"
#include "game/PuzzleClass.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zindo {

namespace {

const char* const KindIcons[] = {nullptr, "BMP_BONUS_AUTODROP", "BMP_BONUS_CHANGEDROP", "BMP_BONUS_CLEANUP",
                                 "BMP_BONUS_SLOW", "BMP_BONUS_DEATH"};

QString PausedText()
{
    return QCoreApplication::translate("PlayingScreen", "PAUSED");
}

QFont PausedFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(32);
    return font;
}

} // namespace

QRect PausedTextRect(QSize BoardSize)
{
    // Measured for a 24-bit image (the board view's device), whose resolution
    // turns the point size into pixels.
    const QImage device(1, 1, QImage::Format_BGR888);
    const QFontMetrics metrics(PausedFont(), &device);
    const int width = metrics.horizontalAdvance(PausedText());
    const int x = BoardSize.width() / 2 - width / 2;
    const int y = BoardSize.height() / 2 - metrics.height() / 2;
    return QRect(x, y, width + 2, metrics.height());
}

QImage ComposeBoardView(TPuzzleClass& Puzzle, QSize BoxSize, QPoint Pointer, TRandomGenerator& Random)
{
    QImage work = Puzzle.GetBoardBitmap().copy();
    if (work.isNull())
        return work;
    if (work.format() != QImage::Format_BGR888)
        work = work.convertToFormat(QImage::Format_BGR888);

    if (Puzzle.State == stPaused) {
        work.fill(Qt::black);
        QPainter painter(&work);
        painter.setFont(PausedFont());
        painter.setPen(Qt::white);
        painter.drawText(PausedTextRect(work.size()), Qt::AlignLeft | Qt::AlignTop, PausedText());
        return work;
    }

    QPainter painter(&work);
    for (const TRemovingPiece& piece : Puzzle.FallingPieces)
        painter.drawImage(piece.X, piece.Y, piece.Picture);

    // The piece follows the pointer only while it is over the board; a
    // pointer on the box's edge or beyond the board's pixels is outside.
    const QRect board = QRect(QPoint(0, 0), BoxSize) & work.rect();
    if (Puzzle.HeldPiece && board.contains(Pointer)) {
        const QImage& held = Puzzle.HeldPiece->Bitmap;
        painter.drawImage(Pointer.x() - held.width() / 2, Pointer.y() - held.height() / 2, held);
    }
    painter.end();

    if (Puzzle.BroomActive) {
        const QPoint at = Puzzle.BroomPosition();
        Puzzle.BroomPicture.MergeTransparent(work, at.x(), at.y());
    }
    if (Puzzle.ZindoRunning) {
        const TQzBitmap& frame = Puzzle.ZindoFrameBitmap();
        const QPoint at = Puzzle.ZindoPosition();
        frame.MergeTransparent(work, at.x(), at.y());
    }
    if (Puzzle.SparkleActive()) {
        const QPoint at = Puzzle.SparklePosition();
        DrawSparkle(work, at.x(), at.y(), Random);
    }
    return work;
}

QImage ComposePotView(const TPuzzleClass& Puzzle, QSize BoxSize, TRandomGenerator& Random)
{
    QImage work(BoxSize, QImage::Format_RGB32);
    work.fill(Qt::black);
    if (Puzzle.State == stPaused || BoxSize.isEmpty())
        return work;

    const TPot& pot = Puzzle.Pot;
    const int width = BoxSize.width();
    const int height = BoxSize.height();
    const int size = pot.PieceSize;
    QPainter painter(&work);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::NoBrush);
    for (const TPieceInPot& entry : pot.Items()) {
        int left = 28;
        if (width - 1 < size + 28)
            left = width - 1 - size;
        int bottom = height - entry.RoundedPosition();
        if (Puzzle.TimeRunningOut()) {
            // The pieces tremble while the player runs out of time.
            const int dy = static_cast<int>(Random.Random(2)) - 1;
            const int dx = static_cast<int>(Random.Random(2)) - 1;
            bottom += dy;
            left += dx;
        }
        const int top = bottom - size;
        if (entry.Piece)
            painter.drawImage(left, top, entry.Piece->Bitmap);
        painter.drawRect(left, top, size - 1, size - 1);
        if (entry.Kind != pkPlain && entry.Kind < std::size(KindIcons)) {
            if (const TQzBitmap* icon = BitmapCache().GetBitmap(QLatin1String(KindIcons[entry.Kind]))) {
                painter.end();
                icon->MergeTransparent(work, 0, height - entry.RoundedPosition() - 30);
                painter.begin(&work);
                painter.setPen(Qt::white);
                painter.setBrush(Qt::NoBrush);
            }
        }
    }
    painter.setPen(QColor(255, 0, 0));
    const int line = height - pot.EntryPosition();
    painter.drawLine(0, line, width - 1, line);
    return work;
}

QImage ComposeBonusBox(QSize BoxSize, const QString& IconName, std::int32_t Count)
{
    QImage work(BoxSize, QImage::Format_RGB32);
    work.fill(Qt::black);
    const QString name = Count < 0 ? IconName + QStringLiteral("_INACTIVE") : IconName;
    const TQzBitmap* icon = BitmapCache().GetBitmap(name);
    if (!icon)
        return work;
    int x = 0;
    for (int i = 0; i < std::abs(Count); ++i) {
        icon->MergeTransparent(work, x, 0);
        x += icon->Width() + 2;
    }
    return work;
}

void DrawSparkle(QImage& Bitmap, std::int32_t X, std::int32_t Y, TRandomGenerator& Random)
{
    std::int32_t angle = 0;
    for (int i = 0; i < 7; ++i) {
        angle += 20 + static_cast<std::int32_t>(Random.Random(360));
        const auto length = 30 + static_cast<std::int32_t>(Random.Random(40));
        DrawSparkleRay(Bitmap, X, Y, length, angle, Random);
    }
}

void DrawSparkleRay(QImage& Bitmap, std::int32_t X, std::int32_t Y, std::int32_t Length, std::int32_t Angle,
                    TRandomGenerator& Random)
{
    if (Bitmap.format() != QImage::Format_BGR888 || Length <= 0)
        return;
    std::uint32_t mask = Random.Random(65535) & 7;
    if (mask == 0)
        mask = 7;
    double blue = (mask & 1) ? 255.0 : 0.0;
    double green = (mask & 2) ? 255.0 : 0.0;
    double red = (mask & 4) ? 255.0 : 0.0;
    const double step = 255.0 / Length;
    const double a = Angle * M_PI / 200.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    int rowIndex = -1;
    std::uint8_t* row = nullptr;
    auto add = [](std::uint8_t& Byte, double Intensity) {
        Byte = static_cast<std::uint8_t>(std::min(255, Byte + static_cast<int>(std::nearbyint(Intensity))));
    };
    for (int i = 1; i < Length; ++i) {
        const int x = static_cast<int>(std::nearbyint(c * i + X));
        const int y = static_cast<int>(std::nearbyint(s * i + Y));
        if (x >= 0 && x < Bitmap.width() && y >= 0 && y < Bitmap.height()) {
            if (y != rowIndex) { // fetch a row only when the ray moves to another one
                rowIndex = y;
                row = Bitmap.scanLine(y);
            }
            std::uint8_t* pixel = row + x * 3;
            add(pixel[0], blue);
            add(pixel[1], green);
            add(pixel[2], red);
        }
        blue = std::max(blue - step, 0.0);
        green = std::max(green - step, 0.0);
        red = std::max(red - step, 0.0);
    }
}

} // namespace zindo
