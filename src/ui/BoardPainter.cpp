#include "BoardPainter.h"

#include "DeviceBoard.h"
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
#include <functional>

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

/// The part Visible (in the painter's units) covers on the device, in
/// rectangles of whole device pixels that do not overlap.
QRegion DeviceRegion(const QTransform& Device, const QRegion& Visible)
{
    QRegion region;
    for (const QRect& part : Visible)
        region += Device.mapRect(QRectF(part)).toAlignedRect();
    return region;
}

/// Runs Paint once for each part of Region (device pixels) with Painter set
/// to draw in device pixels, and sets it back afterwards.
void InDevicePixels(QPainter& Painter, const QRegion& Region, const std::function<void(const QRect& Part)>& Paint)
{
    Painter.save();
    Painter.setWorldTransform(Painter.deviceTransform().inverted() * Painter.worldTransform());
    for (const QRect& part : Region)
        Paint(part);
    Painter.restore();
}

/// Copies the piece whose own cell is Piece from Board's picture onto Target
/// (device pixels), within Part. A target a pixel larger or smaller than the
/// cell in the picture (cells meet on rounded edges) takes a pixel more or
/// less of the picture rather than a scaled copy.
void DrawDevicePiece(QPainter& Painter, const TDeviceBoard& Board, QPoint Piece, const QRect& Target,
                     const QRect& Part)
{
    const QRect shown = Target & Part;
    if (shown.isEmpty())
        return;
    const QPoint from = Board.Cell(Piece.x(), Piece.y()).topLeft() + (shown.topLeft() - Target.topLeft());
    const QRect source = QRect(from, shown.size()) & Board.Picture().rect();
    if (!source.isEmpty())
        DrawInBands(Painter, shown.topLeft() + (source.topLeft() - from), Board.Picture(), source);
}

/// Paints the board's cells within Part (device pixels, through a painter
/// that draws in them) as the puzzle renders them, at the device's
/// resolution: white, the pale preview, the grid, the pieces lying on the
/// board and the check's crosses. Device maps board pixels to device pixels.
void PaintDeviceCells(QPainter& Painter, const TBoardViewLayout& Layout, const TDeviceBoard& Board,
                      const QTransform& Device, const QRect& Part)
{
    const std::int32_t side = Layout.PieceSize;
    const QRect cells = DeviceRect(Device, QRect(0, 0, Layout.Columns * side, Layout.Rows * side));
    for (const QRect& outside : QRegion(Part) - cells)
        Painter.fillRect(outside, Qt::black);
    const QRect part = Part & cells;
    if (part.isEmpty())
        return;
    Painter.fillRect(part, Qt::white);
    if (Layout.Pale) {
        // The picture with each colour raised by 170: the puzzle's pale preview.
        const QRect source = part.translated(-cells.topLeft()) & Board.Picture().rect();
        if (!source.isEmpty())
            DrawInBands(Painter, source.topLeft() + cells.topLeft(), Board.Picture(), source);
        Painter.setCompositionMode(QPainter::CompositionMode_Plus);
        Painter.fillRect(part, QColor(170, 170, 170));
        Painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    // A line of one board pixel along the left and the top of every cell.
    for (std::int32_t k = 0; k <= Layout.Columns; ++k)
        Painter.fillRect(DeviceRect(Device, QRect(k * side, 0, 1, Layout.Rows * side)) & part, Qt::black);
    for (std::int32_t k = 0; k <= Layout.Rows; ++k)
        Painter.fillRect(DeviceRect(Device, QRect(0, k * side, Layout.Columns * side, 1)) & part, Qt::black);
    for (const TBoardViewLayout::TCell& cell : Layout.Cells) {
        const QRect target = DeviceRect(Device, QRect(cell.At * side, QSize(side, side)));
        DrawDevicePiece(Painter, Board, cell.Piece, target, part);
        if (cell.Crossed && target.intersects(part)) {
            Painter.save();
            Painter.setClipRect(part, Qt::IntersectClip);
            Painter.setRenderHint(QPainter::Antialiasing);
            DrawCheckCross(Painter, target, Device.m11());
            Painter.restore();
        }
    }
}

/// Board ready to draw Painter's view at the device's resolution.
bool DrawsAtDevice(const QPainter& Painter, const TDeviceBoard* Board)
{
    const double scale = DeviceScale(Painter);
    return Board && Board->Ready() && scale > 0 && std::abs(scale - Board->Scale()) < 1e-9;
}

} // namespace

bool TBoardViewLayout::TCell::operator==(const TCell& Other) const
{
    return At == Other.At && Piece == Other.Piece && Crossed == Other.Crossed;
}

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

std::vector<QRect> TBoardViewLayout::ChangedRects(const TBoardViewLayout& Before) const
{
    if (Size != Before.Size || Level != Before.Level || Board.size() != Before.Board.size() ||
        Paused != Before.Paused || Pale != Before.Pale || PieceSize != Before.PieceSize)
        return {QRect(QPoint(0, 0), Size)};
    std::vector<QRect> rects = LayerRects();
    const std::vector<QRect> left = Before.LayerRects();
    rects.insert(rects.end(), left.begin(), left.end());
    // Both lists run column by column: a cell that lies in one and not the
    // other, or lies in both differently, changed.
    auto now = Cells.begin();
    auto then = Before.Cells.begin();
    auto later = [](QPoint A, QPoint B) { return A.x() != B.x() ? A.x() > B.x() : A.y() > B.y(); };
    auto cellRect = [this](QPoint At) { return QRect(At * PieceSize, QSize(PieceSize, PieceSize)); };
    while (now != Cells.end() || then != Before.Cells.end()) {
        if (then == Before.Cells.end() || (now != Cells.end() && later(then->At, now->At))) {
            rects.push_back(cellRect((now++)->At));
        } else if (now == Cells.end() || later(now->At, then->At)) {
            rects.push_back(cellRect((then++)->At));
        } else {
            if (!(*now == *then))
                rects.push_back(cellRect(now->At));
            ++now;
            ++then;
        }
    }
    return rects;
}

TBoardViewLayout LayOutBoardView(const TPuzzleClass& Puzzle, QSize BoxSize, QPoint Pointer, TRandomGenerator& Random)
{
    TBoardViewLayout layout;
    layout.Size = BoxSize;
    layout.Board = Puzzle.BoardBitmap();
    if (layout.Board.isNull())
        return layout;
    layout.Level = Puzzle.Picture().cacheKey();
    if (Puzzle.State() == stPaused) {
        layout.Paused = true;
        return layout;
    }
    layout.Pale = Puzzle.BonusActive(bnPreview);
    layout.PieceSize = Puzzle.PieceSize();
    layout.Columns = Puzzle.Columns();
    layout.Rows = Puzzle.Rows();
    const bool check = Puzzle.BonusActive(bnCheck);
    for (std::int32_t c = 0; c < layout.Columns; ++c)
        for (std::int32_t r = 0; r < layout.Rows; ++r)
            if (const TPiece* piece = Puzzle.CellPiece(c, r)) {
                const QPoint own(piece->Column, piece->Row);
                layout.Cells.push_back({QPoint(c, r), own, check && own != QPoint(c, r)});
            }
    for (const TRemovingPiece& piece : Puzzle.FallingPieces())
        layout.Layers.push_back({piece.Picture, QPoint(piece.X, piece.Y), QPoint(piece.Column, piece.Row), true});

    // The piece follows the pointer only while it is over the board; a
    // pointer on the box's edge or beyond the board's pixels is outside.
    if (const TPiece* held = Puzzle.HeldPiece();
        held && (QRect(QPoint(0, 0), BoxSize) & layout.Board.rect()).contains(Pointer)) {
        const QImage& picture = held->Bitmap;
        layout.Layers.push_back({picture, Pointer - QPoint(picture.width() / 2, picture.height() / 2),
                                 QPoint(held->Column, held->Row)});
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

void PaintBoardView(QPainter& Painter, const TBoardViewLayout& Layout, const TDeviceBoard* Board,
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
    // The layers stay within the board: each is drawn only where it is seen.
    const QRegion visible = Exposed.isEmpty() ? QRegion(area) : Exposed & area;
    const bool atDevice = DrawsAtDevice(Painter, Board);
    const QTransform device = Painter.deviceTransform();
    const QRegion deviceRegion = atDevice ? DeviceRegion(device, visible) : QRegion();
    if (atDevice)
        InDevicePixels(Painter, deviceRegion,
                       [&](const QRect& Part) { PaintDeviceCells(Painter, Layout, *Board, device, Part); });
    else
        for (const QRect& part : visible)
            Painter.drawImage(part.topLeft(), Layout.Board, part);
    for (const TBoardViewLayout::TLayer& layer : Layout.Layers) {
        const QRect place(layer.At, layer.Picture.size());
        if (!visible.intersects(place)) {
            if (Sprites)
                Sprites->Keep(layer.Picture);
        } else if (atDevice && layer.Piece.x() >= 0) {
            const QRect target = DeviceRect(device, place);
            InDevicePixels(Painter, deviceRegion, [&](const QRect& Part) {
                DrawDevicePiece(Painter, *Board, layer.Piece, target, Part);
                if (layer.Dimmed)
                    Painter.fillRect(target & Part, TRemovingPiece::Veil());
            });
        } else if (Sprites && layer.Piece.x() < 0) {
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
        if (entry.Piece) {
            placed.Piece = entry.Piece->Bitmap;
            placed.PieceCell = QPoint(entry.Piece->Column, entry.Piece->Row);
        }
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

void PaintPotView(QPainter& Painter, const TPotLayout& Layout, const TDeviceBoard* Board, TDevicePictureSet* Icons,
                  const QRegion& Exposed)
{
    const QRect whole(QPoint(0, 0), Layout.Size);
    const QRegion visible = Exposed.isEmpty() ? QRegion(whole) : Exposed & whole;
    const bool atDevice = DrawsAtDevice(Painter, Board);
    const QTransform device = Painter.deviceTransform();
    const QRegion deviceRegion = atDevice ? DeviceRegion(device, visible) : QRegion();
    if (atDevice)
        InDevicePixels(Painter, deviceRegion, [&](const QRect& Part) { Painter.fillRect(Part, Qt::black); });
    else
        for (const QRect& part : visible)
            Painter.fillRect(part, Qt::black);
    if (Layout.Blank)
        return;
    Painter.setPen(Qt::white);
    Painter.setBrush(Qt::NoBrush);
    // The outline is one board pixel wide, on the box's outermost pixels.
    const int line = std::max(1, static_cast<int>(std::lround(atDevice ? Board->Scale() : 1.0)));
    for (const TPotLayout::TEntry& entry : Layout.Entries) {
        if (!visible.intersects(entry.Area())) {
            if (Icons && !entry.Icon.isNull())
                Icons->Keep(entry.Icon);
            continue;
        }
        if (atDevice) {
            const QRect target = DeviceRect(device, QRect(entry.Box.topLeft(), entry.Piece.size()));
            const QRect box = DeviceRect(device, entry.Box);
            InDevicePixels(Painter, deviceRegion, [&](const QRect& Part) {
                if (!entry.Piece.isNull() && entry.PieceCell.x() >= 0)
                    DrawDevicePiece(Painter, *Board, entry.PieceCell, target, Part);
                for (const QRect& edge : {QRect(box.left(), box.top(), box.width(), line),
                                          QRect(box.left(), box.bottom() + 1 - line, box.width(), line),
                                          QRect(box.left(), box.top(), line, box.height()),
                                          QRect(box.right() + 1 - line, box.top(), line, box.height())})
                    Painter.fillRect(edge & Part, Qt::white);
            });
        } else {
            if (!entry.Piece.isNull())
                Painter.drawImage(entry.Box.topLeft(), entry.Piece);
            Painter.drawRect(entry.Box.adjusted(0, 0, -1, -1));
        }
        if (!entry.Icon.isNull()) {
            if (Icons)
                Icons->Draw(Painter, QRect(entry.IconAt, entry.Icon.size()), entry.Icon);
            else
                Painter.drawImage(entry.IconAt, entry.Icon);
        }
    }
    Painter.setPen(QColor(255, 0, 0));
    Painter.drawLine(0, Layout.LineY, Layout.Size.width() - 1, Layout.LineY);
    if (Icons)
        Icons->ForgetUnused();
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
