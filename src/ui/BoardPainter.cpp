#include "BoardPainter.h"

#include "DevicePicture.h"

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
    // 32 points on a 96-dpi picture, in pixels, so that the word has the same
    // size on the screen, whatever its resolution, as where it is measured.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(43);
    return font;
}

} // namespace

QRect PausedTextRect(QSize BoardSize)
{
    // Measured on a 24-bit picture of the board.
    const QImage device(1, 1, QImage::Format_BGR888);
    const QFontMetrics metrics(PausedFont(), &device);
    const int width = metrics.horizontalAdvance(PausedText());
    const int x = BoardSize.width() / 2 - width / 2;
    const int y = BoardSize.height() / 2 - metrics.height() / 2;
    return QRect(x, y, width + 2, metrics.height());
}

namespace {

/// Rays are shorter than this.
constexpr int SparkleReach = 70;

/// The square the sparkle's rays lie in.
QRect SparkleRect(const TSparkleRay& Ray)
{
    return QRect(Ray.X - SparkleReach, Ray.Y - SparkleReach, 2 * SparkleReach + 1, 2 * SparkleReach + 1);
}

/// Adds the rays onto what Painter has painted within Visible, at the
/// device's resolution: thin lines as sharp as the device can draw them,
/// however the view is scaled.
void PaintSparkle(QPainter& Painter, const std::vector<TSparkleRay>& Rays, const QRegion& Visible)
{
    const QTransform device = Painter.deviceTransform();
    const bool scalable = device.type() <= QTransform::TxScale;
    auto toDevice = [&](const QRectF& Rect) { return scalable ? device.mapRect(Rect) : Rect; };
    const QRect square = SparkleRect(Rays.front());
    const QRectF place = toDevice(QRectF(square));
    const QPoint origin(static_cast<int>(std::floor(place.left())), static_cast<int>(std::floor(place.top())));
    QImage rays(static_cast<int>(std::ceil(place.right())) - origin.x(),
                static_cast<int>(std::ceil(place.bottom())) - origin.y(), QImage::Format_RGB32);
    rays.fill(Qt::black);
    const double scale = scalable ? device.m11() : 1.0;
    for (const TSparkleRay& ray : Rays) {
        const QPointF start = scalable ? device.map(QPointF(ray.X, ray.Y)) : QPointF(ray.X, ray.Y);
        DrawSparkleRay(rays, ray, start.x() - origin.x(), start.y() - origin.y(), scale);
    }
    Painter.save();
    if (scalable)
        Painter.setWorldTransform(device.inverted() * Painter.worldTransform());
    Painter.setCompositionMode(QPainter::CompositionMode_Plus);
    for (const QRect& part : Visible) {
        const QRect shown = toDevice(QRectF(part & square)).toAlignedRect() & QRect(origin, rays.size());
        if (!shown.isEmpty())
            DrawInBands(Painter, shown.topLeft(), rays, shown.translated(-origin));
    }
    Painter.restore();
}

} // namespace

std::vector<QRect> TBoardViewLayout::LayerRects() const
{
    std::vector<QRect> rects;
    for (const TLayer& layer : Layers)
        if (const QRect rect = QRect(layer.At, layer.Picture.size()) & Board.rect(); !rect.isEmpty())
            rects.push_back(rect);
    if (!Sparkle.empty())
        if (const QRect rect = SparkleRect(Sparkle.front()) & Board.rect(); !rect.isEmpty())
            rects.push_back(rect);
    return rects;
}

TBoardViewLayout LayOutBoardView(const TPuzzleClass& Puzzle, QSize BoxSize, QPoint Pointer, TRandomGenerator& Random)
{
    TBoardViewLayout layout;
    layout.Size = BoxSize;
    layout.Board = Puzzle.BoardBitmap();
    if (layout.Board.isNull())
        return layout;
    if (Puzzle.State() == stPaused) {
        layout.Paused = true;
        return layout;
    }
    for (const TRemovingPiece& piece : Puzzle.FallingPieces())
        layout.Layers.push_back({piece.Picture, QPoint(piece.X, piece.Y)});

    // The piece follows the pointer only while it is over the board; a
    // pointer on the box's edge or beyond the board's pixels is outside.
    if (Puzzle.HeldPiece() && (QRect(QPoint(0, 0), BoxSize) & layout.Board.rect()).contains(Pointer)) {
        const QImage& held = Puzzle.HeldPiece()->Bitmap;
        layout.Layers.push_back({held, Pointer - QPoint(held.width() / 2, held.height() / 2)});
    }
    if (Puzzle.BroomActive())
        layout.Layers.push_back({Puzzle.BroomPicture().TransparentImage(), Puzzle.BroomPosition()});
    if (Puzzle.ZindoRunning()) {
        const TQzBitmap& frame = Puzzle.ZindoFrameBitmap();
        const QPoint at = Puzzle.ZindoPosition();
        layout.Layers.push_back({frame.TransparentImage(), at});
    }
    if (Puzzle.SparkleActive()) {
        const QPoint at = Puzzle.SparklePosition();
        const std::array<TSparkleRay, 7> rays = SparkleRays(at.x(), at.y(), Random);
        layout.Sparkle.assign(rays.begin(), rays.end());
    }
    return layout;
}

void PaintBoardView(QPainter& Painter, const TBoardViewLayout& Layout, TDevicePicture* Board,
                    TDevicePictureSet* Sprites, const QRegion& Exposed)
{
    if (Layout.Board.isNull()) {
        Painter.fillRect(QRect(QPoint(0, 0), Layout.Size), Qt::black);
        return;
    }
    const QRect area = Layout.Board.rect();
    if (Layout.Paused) {
        Painter.fillRect(area, Qt::black);
        Painter.setFont(PausedFont());
        Painter.setPen(Qt::white);
        Painter.drawText(PausedTextRect(area.size()), Qt::AlignLeft | Qt::AlignTop, PausedText());
        return;
    }
    if (Board)
        Board->Draw(Painter, area, Layout.Board, Exposed);
    else
        Painter.drawImage(0, 0, Layout.Board);
    // The layers stay within the board: each is drawn only where it is seen.
    const QRegion visible = Exposed.isEmpty() ? QRegion(area) : Exposed & area;
    for (const TBoardViewLayout::TLayer& layer : Layout.Layers) {
        const QRect place(layer.At, layer.Picture.size());
        if (!visible.intersects(place)) {
            if (Sprites)
                Sprites->Keep(layer.Picture);
        } else if (Sprites) {
            Sprites->Draw(Painter, place, layer.Picture, visible);
        } else {
            for (const QRect& part : visible & place)
                Painter.drawImage(part.topLeft(), layer.Picture, part.translated(-place.topLeft()));
        }
    }
    if (!Layout.Sparkle.empty() && visible.intersects(SparkleRect(Layout.Sparkle.front())))
        PaintSparkle(Painter, Layout.Sparkle, visible);
    if (Sprites)
        Sprites->ForgetUnused();
}

QImage ComposeBoardView(const TPuzzleClass& Puzzle, QSize BoxSize, QPoint Pointer, TRandomGenerator& Random)
{
    const TBoardViewLayout layout = LayOutBoardView(Puzzle, BoxSize, Pointer, Random);
    if (layout.Board.isNull())
        return QImage();
    QImage work(layout.Board.size(), QImage::Format_BGR888);
    QPainter painter(&work);
    PaintBoardView(painter, layout);
    return work;
}

bool TPotLayout::TEntry::operator==(const TEntry& Other) const
{
    return Piece.cacheKey() == Other.Piece.cacheKey() && Box == Other.Box && Kind == Other.Kind &&
           IconAt == Other.IconAt;
}

QRect TPotLayout::TEntry::Area() const
{
    QRect area = Box | QRect(Box.topLeft(), Piece.size());
    if (!Icon.isNull())
        area |= QRect(IconAt, Icon.size());
    return area;
}

bool TPotLayout::operator==(const TPotLayout& Other) const
{
    return Size == Other.Size && Blank == Other.Blank && Entries == Other.Entries && LineY == Other.LineY;
}

std::vector<QRect> TPotLayout::ChangedRects(const TPotLayout& Before) const
{
    if (Size != Before.Size || Blank != Before.Blank || LineY != Before.LineY ||
        Entries.size() != Before.Entries.size())
        return {QRect(QPoint(0, 0), Size)};
    std::vector<QRect> rects;
    for (std::size_t i = 0; i < Entries.size(); ++i)
        if (!(Entries[i] == Before.Entries[i]))
            rects.push_back(Entries[i].Area() | Before.Entries[i].Area());
    return rects;
}

TPotLayout LayOutPot(const TPuzzleClass& Puzzle, QSize BoxSize, TRandomGenerator& Random)
{
    TPotLayout layout;
    layout.Size = BoxSize;
    if (Puzzle.State() == stPaused || BoxSize.isEmpty())
        return layout;
    layout.Blank = false;

    const TPot& pot = Puzzle.Pot();
    const int width = BoxSize.width();
    const int height = BoxSize.height();
    const int size = pot.PieceSize;
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
        TPotLayout::TEntry placed;
        if (entry.Piece)
            placed.Piece = entry.Piece->Bitmap;
        placed.Box = QRect(left, bottom - size, size, size);
        placed.Kind = entry.Kind;
        if (entry.Kind != pkPlain && entry.Kind < std::size(KindIcons)) {
            if (const TQzBitmap* icon = BitmapCache().GetBitmap(QLatin1String(KindIcons[entry.Kind]))) {
                placed.Icon = icon->TransparentImage();
                placed.IconAt = QPoint(0, height - entry.RoundedPosition() - 30);
            }
        }
        layout.Entries.push_back(std::move(placed));
    }
    layout.LineY = height - pot.EntryPosition();
    return layout;
}

void PaintPotView(QPainter& Painter, const TPotLayout& Layout, TDevicePictureSet* Pieces, const QRegion& Exposed)
{
    const QRect whole(QPoint(0, 0), Layout.Size);
    const QRegion visible = Exposed.isEmpty() ? QRegion(whole) : Exposed & whole;
    for (const QRect& part : visible)
        Painter.fillRect(part, Qt::black);
    if (Layout.Blank)
        return;
    Painter.setPen(Qt::white);
    Painter.setBrush(Qt::NoBrush);
    for (const TPotLayout::TEntry& entry : Layout.Entries) {
        if (!visible.intersects(entry.Area())) {
            if (Pieces && !entry.Piece.isNull())
                Pieces->Keep(entry.Piece);
            continue;
        }
        if (!entry.Piece.isNull()) {
            if (Pieces)
                Pieces->Draw(Painter, QRect(entry.Box.topLeft(), entry.Piece.size()), entry.Piece);
            else
                Painter.drawImage(entry.Box.topLeft(), entry.Piece);
        }
        Painter.drawRect(entry.Box.adjusted(0, 0, -1, -1));
        if (!entry.Icon.isNull())
            Painter.drawImage(entry.IconAt, entry.Icon);
    }
    Painter.setPen(QColor(255, 0, 0));
    Painter.drawLine(0, Layout.LineY, Layout.Size.width() - 1, Layout.LineY);
    if (Pieces)
        Pieces->ForgetUnused();
}

QImage ComposePotView(const TPuzzleClass& Puzzle, QSize BoxSize, TRandomGenerator& Random)
{
    QImage work(BoxSize, QImage::Format_RGB32);
    work.fill(Qt::black);
    const TPotLayout layout = LayOutPot(Puzzle, BoxSize, Random);
    if (!layout.Blank) {
        QPainter painter(&work);
        PaintPotView(painter, layout);
    }
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

std::array<TSparkleRay, 7> SparkleRays(std::int32_t X, std::int32_t Y, TRandomGenerator& Random)
{
    std::array<TSparkleRay, 7> rays;
    std::int32_t angle = 0;
    for (TSparkleRay& ray : rays) {
        angle += 20 + static_cast<std::int32_t>(Random.Random(360));
        ray.X = X;
        ray.Y = Y;
        ray.Length = 30 + static_cast<std::int32_t>(Random.Random(40));
        ray.Angle = angle;
        ray.Mask = Random.Random(65535) & 7;
        if (ray.Mask == 0)
            ray.Mask = 7;
    }
    return rays;
}

void DrawSparkleRay(QImage& Bitmap, const TSparkleRay& Ray, double StartX, double StartY, double Scale)
{
    const int length = static_cast<int>(std::nearbyint(Ray.Length * Scale));
    const bool wide = Bitmap.format() == QImage::Format_RGB32;
    if ((Bitmap.format() != QImage::Format_BGR888 && !wide) || length <= 0)
        return;
    double blue = (Ray.Mask & 1) ? 255.0 : 0.0;
    double green = (Ray.Mask & 2) ? 255.0 : 0.0;
    double red = (Ray.Mask & 4) ? 255.0 : 0.0;
    const double step = 255.0 / length;
    const double a = Ray.Angle * M_PI / 200.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    int rowIndex = -1;
    std::uint8_t* row = nullptr;
    auto add = [](std::uint8_t& Byte, double Intensity) {
        Byte = static_cast<std::uint8_t>(std::min(255, Byte + static_cast<int>(std::nearbyint(Intensity))));
    };
    for (int i = 1; i < length; ++i) {
        const int x = static_cast<int>(std::nearbyint(c * i + StartX));
        const int y = static_cast<int>(std::nearbyint(s * i + StartY));
        if (x >= 0 && x < Bitmap.width() && y >= 0 && y < Bitmap.height()) {
            if (y != rowIndex) { // fetch a row only when the ray moves to another one
                rowIndex = y;
                row = Bitmap.scanLine(y);
            }
            if (wide) {
                QRgb& pixel = reinterpret_cast<QRgb*>(row)[x];
                std::uint8_t b = qBlue(pixel), g = qGreen(pixel), r = qRed(pixel);
                add(b, blue);
                add(g, green);
                add(r, red);
                pixel = qRgb(r, g, b);
            } else {
                std::uint8_t* pixel = row + x * 3;
                add(pixel[0], blue);
                add(pixel[1], green);
                add(pixel[2], red);
            }
        }
        blue = std::max(blue - step, 0.0);
        green = std::max(green - step, 0.0);
        red = std::max(red - step, 0.0);
    }
}

void DrawSparkle(QImage& Bitmap, std::int32_t X, std::int32_t Y, TRandomGenerator& Random)
{
    for (const TSparkleRay& ray : SparkleRays(X, Y, Random))
        DrawSparkleRay(Bitmap, ray, ray.X, ray.Y, 1.0);
}

void DrawSparkleRay(QImage& Bitmap, std::int32_t X, std::int32_t Y, std::int32_t Length, std::int32_t Angle,
                    TRandomGenerator& Random)
{
    TSparkleRay ray{X, Y, Length, Angle, Random.Random(65535) & 7};
    if (ray.Mask == 0)
        ray.Mask = 7;
    DrawSparkleRay(Bitmap, ray, X, Y, 1.0);
}

} // namespace zindo
