#include "Pictures.h"

#include "ArtKit.h"
#include "Sprites.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

namespace zindo {

namespace {

constexpr double Pi = 3.14159265358979323846;

double Smooth(double Edge0, double Edge1, double X)
{
    const double t = std::clamp((X - Edge0) / (Edge1 - Edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

QRgb Mix(QRgb A, QRgb B, double T)
{
    T = std::clamp(T, 0.0, 1.0);
    return qRgb(int(std::lround(qRed(A) + (qRed(B) - qRed(A)) * T)),
                int(std::lround(qGreen(A) + (qGreen(B) - qGreen(A)) * T)),
                int(std::lround(qBlue(A) + (qBlue(B) - qBlue(A)) * T)));
}

QRgb Scale(QRgb C, double F)
{
    return qRgb(std::clamp(int(std::lround(qRed(C) * F)), 0, 255), std::clamp(int(std::lround(qGreen(C) * F)), 0, 255),
                std::clamp(int(std::lround(qBlue(C) * F)), 0, 255));
}

/// One side of a jigsaw piece from A to B; Normal points out of the piece.
void JigsawEdge(QPainterPath& Path, QPointF A, QPointF B, QPointF Normal, int Knob)
{
    if (Knob == 0) {
        Path.lineTo(B);
        return;
    }
    const QPointF along = B - A;
    const double length = std::hypot(along.x(), along.y());
    const QPointF u = along / length;
    const auto p = [&](double T, double H) { return A + u * (T * length) + Normal * (H * length * Knob); };
    Path.lineTo(p(0.37, 0.0));
    Path.cubicTo(p(0.44, 0.0), p(0.43, 0.07), p(0.40, 0.12));
    Path.cubicTo(p(0.35, 0.22), p(0.43, 0.29), p(0.50, 0.29));
    Path.cubicTo(p(0.57, 0.29), p(0.65, 0.22), p(0.60, 0.12));
    Path.cubicTo(p(0.57, 0.07), p(0.56, 0.0), p(0.63, 0.0));
    Path.lineTo(B);
}

/// A square tile cut from a picture, as the pot shows it: white outline.
QImage PieceTile(const QImage& Source, QRect Area, int Size)
{
    QImage tile = Source.copy(Area).scaled(Size, Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&tile);
    painter.setPen(QPen(QColor(255, 255, 255), 1.0));
    painter.drawRect(QRectF(0.5, 0.5, Size - 1.0, Size - 1.0));
    return tile;
}

/// The square of Source centred at (CentreX, CentreY) whose side is Share of
/// the picture's shorter side (all as fractions), whatever the picture's size.
QRect SquareAt(const QImage& Source, double CentreX, double CentreY, double Share)
{
    const int side = int(std::min(Source.width(), Source.height()) * Share);
    return QRect(int(Source.width() * CentreX) - side / 2, int(Source.height() * CentreY) - side / 2, side, side);
}

/// Draws Image rotated by Degrees around its centre at Centre, over a soft
/// drop shadow.
void DrawTilted(QPainter& Painter, const QImage& Image, QPointF Centre, double Degrees, double Shadow = 8.0)
{
    Painter.save();
    Painter.translate(Centre);
    Painter.rotate(Degrees);
    const QRectF box(-Image.width() / 2.0, -Image.height() / 2.0, Image.width(), Image.height());
    for (int i = 4; i >= 1; --i) {
        Painter.setPen(Qt::NoPen);
        Painter.setBrush(QColor(0, 0, 0, 34));
        const double grow = i * 1.6;
        Painter.drawRoundedRect(box.translated(Shadow * 0.6, Shadow).adjusted(-grow, -grow, grow, grow), grow, grow);
    }
    Painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Painter.drawImage(box.topLeft(), Image);
    Painter.restore();
}

} // namespace

QPainterPath JigsawPiece(double Size, int Top, int Right, int Bottom, int Left)
{
    QPainterPath path;
    const QPointF a(0.0, 0.0), b(Size, 0.0), c(Size, Size), d(0.0, Size);
    path.moveTo(a);
    JigsawEdge(path, a, b, QPointF(0.0, -1.0), Top);
    JigsawEdge(path, b, c, QPointF(1.0, 0.0), Right);
    JigsawEdge(path, c, d, QPointF(0.0, 1.0), Bottom);
    JigsawEdge(path, d, a, QPointF(-1.0, 0.0), Left);
    path.closeSubpath();
    return path;
}

QImage MakeTableTexture()
{
    constexpr int size = TableTextureSize;
    constexpr int plank = 80;
    QImage image(size, size, QImage::Format_RGB32);
    const TValueNoise figure(1201u, 64, 64);
    const TValueNoise fibre(1307u, 512, 512);
    const TValueNoise tone(1409u, 16, 16);
    TArtRandom random(2024u);
    struct TPlank {
        double Shade;
        double Phase;
        int Joint;
        double ShadeAfter;
        double PhaseAfter;
    };
    std::array<TPlank, size / plank> planks{};
    for (TPlank& p : planks)
        p = {random.Between(-0.12, 0.12), random.Between(0.0, 40.0), int(random.Between(120.0, 520.0)),
             random.Between(-0.12, 0.12), random.Between(0.0, 40.0)};

    const QRgb dark = qRgb(70, 36, 16);
    const QRgb light = qRgb(158, 98, 50);
    for (int y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int p = y / plank;
        const int v = y % plank;
        for (int x = 0; x < size; ++x) {
            const TPlank& pl = planks[std::size_t(p)];
            const bool after = x >= pl.Joint;
            const double shade = after ? pl.ShadeAfter : pl.Shade;
            const double phase = after ? pl.PhaseAfter : pl.Phase;
            // Growth rings: lines along the plank, bent by slow noise.
            const double bend = 14.0 * figure.Fractal(x / 90.0 + phase, y / 24.0 + p * 3.7, 3);
            const double ring = std::fmod(std::abs(y * 0.9 + bend + phase * 7.0) / 6.5, 1.0);
            const double line = Smooth(0.0, 0.18, ring) * (1.0 - Smooth(0.5, 1.0, ring));
            const double streak = fibre.Fractal(x / 40.0, y / 1.6, 2);
            const double broad = tone.Fractal(x / 120.0 + p, y / 60.0, 2);
            double t = 0.46 + shade + 0.14 * broad + 0.05 * streak - 0.22 * line;
            QRgb c = Mix(dark, light, t);
            // The gaps between planks and the end joints.
            if (v == 0 || v == plank - 1)
                c = Scale(c, 0.42);
            else if (v == 1)
                c = Scale(c, 1.12);
            if (x == pl.Joint || x == pl.Joint - 1)
                c = Scale(c, 0.45);
            row[x] = c;
        }
    }
    // A soft sheen of varnish from the upper left.
    QPainter painter(&image);
    QRadialGradient sheen(QPointF(size * 0.3, size * 0.25), size * 0.9);
    sheen.setColorAt(0.0, QColor(255, 230, 190, 34));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 40));
    painter.fillRect(image.rect(), sheen);
    return image;
}

QImage MakeWallpaper()
{
    constexpr int size = WallpaperSize;
    QImage image(size, size, QImage::Format_RGB32);
    const TValueNoise cloud(77u, 8, 8);
    const TValueNoise grain(91u, 128, 128);
    for (int y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double n = cloud.Fractal(x / 32.0, y / 32.0, 4);
            const double g = grain.At(x / 2.0, y / 2.0);
            const int base = int(std::lround(38.0 + 5.0 * n + 1.2 * g));
            row[x] = qRgb(base, base, base + 3);
        }
    }
    // Faint jigsaw seams, embossed: a dark line and a light line beside it.
    // Each seam is drawn once more a tile further on, so the pattern wraps.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int half = size / 2;
    static constexpr std::array<int, 8> knobs = {1, -1, -1, 1, 1, 1, -1, -1};
    QPainterPath seams;
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            // Horizontal seam along the top of cell (i, j) and vertical along its left.
            QPainterPath h;
            h.moveTo(i * half, j * half);
            JigsawEdge(h, QPointF(i * half, j * half), QPointF((i + 1) * half, j * half), QPointF(0.0, -1.0),
                       knobs[std::size_t(i * 2 + j)]);
            QPainterPath v;
            v.moveTo(i * half, j * half);
            JigsawEdge(v, QPointF(i * half, j * half), QPointF(i * half, (j + 1) * half), QPointF(-1.0, 0.0),
                       knobs[std::size_t(4 + i * 2 + j)]);
            seams.addPath(h);
            seams.addPath(v);
        }
    }
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            // A quarter tile in, so no seam runs along the tile's own edge.
            const QPainterPath shifted = seams.translated(dx * size + half / 2, dy * size + half / 2);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(22, 22, 24, 150), 1.6));
            painter.drawPath(shifted.translated(0.8, 0.8));
            painter.setPen(QPen(QColor(70, 70, 76, 110), 1.1));
            painter.drawPath(shifted);
        }
    }
    return image;
}

TComposedBoard ComposeBoard(const QImage& Photo, int PieceSize, const QImage& Texture, int Scale)
{
    TComposedBoard board;
    const int s = PieceSize;
    const int longest = (600 / s) * s;
    const double aspect = double(Photo.width()) / Photo.height();
    int w, h;
    if (Photo.width() > Photo.height()) {
        w = longest - 15;
        h = int(std::nearbyint(w / aspect));
    } else {
        h = longest - 15;
        w = int(std::nearbyint(h * aspect));
    }
    const int W = s * int((w + 15.0) / s + 0.999999999);
    const int H = s * int((h + 15.0) / s + 0.999999999);
    QImage picture(W * Scale, H * Scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(Scale);
    picture.fill(QColor(255, 255, 255));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, Texture);
    const int left = int(std::nearbyint(W / 2.0 - w / 2.0));
    const int top = int(std::nearbyint(H / 2.0 - h / 2.0));
    painter.fillRect(QRect(left + 3, top + 3, w, h), QColor(0x80, 0x80, 0x80));
    QImage photo = Photo.scaled(w * Scale, h * Scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    photo.setDevicePixelRatio(Scale);
    painter.drawImage(left, top, photo);
    painter.end();
    board.Picture = picture;
    board.PieceSize = s;
    board.Columns = W / s;
    board.Rows = H / s;
    return board;
}

QImage MakeTitlePicture(const TPhotoSource& Photos)
{
    QImage image = CoverCrop(Photos(QStringLiteral("photos/Landscapes/10_SummerNight.jpg")), TitleWidth, TitleHeight,
                             0.5, 0.42);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // Deepen the sky at the top left, where the orange title goes.
    QRadialGradient night(QPointF(170.0, 40.0), 520.0);
    night.setColorAt(0.0, QColor(8, 6, 40, 150));
    night.setColorAt(1.0, QColor(8, 6, 40, 0));
    painter.fillRect(image.rect(), night);

    // A few stars in the dark sky.
    TArtRandom random(31337u);
    for (int i = 0; i < 70; ++i) {
        const QPointF p(random.Between(0.0, TitleWidth), random.Between(0.0, 230.0));
        const double r = random.Between(0.4, 1.3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 240, int(random.Between(60.0, 200.0))));
        painter.drawEllipse(p, r, r);
    }

    // The board: a photograph cut into 4 x 3 pieces, three of them missing.
    const QImage flowers = Photos(QStringLiteral("photos/Garden/04_Marigold.jpg"));
    constexpr int piece = 92;
    constexpr int columns = 4;
    constexpr int rows = 3;
    const QImage boardPhoto = CoverCrop(flowers, columns * piece, rows * piece, 0.55, 0.5);
    const std::array<QPoint, 3> missing = {QPoint(3, 0), QPoint(2, 2), QPoint(3, 2)};
    const auto isMissing = [&](int C, int R) {
        return std::any_of(missing.begin(), missing.end(), [&](QPoint P) { return P.x() == C && P.y() == R; });
    };
    QImage board(columns * piece + 24, rows * piece + 24, QImage::Format_ARGB32_Premultiplied);
    board.fill(Qt::transparent);
    {
        QPainter b(&board);
        b.setRenderHint(QPainter::Antialiasing);
        const QImage texture = MakeTableTexture();
        QPainterPath frame;
        frame.addRoundedRect(QRectF(0.0, 0.0, board.width(), board.height()), 6.0, 6.0);
        b.setClipPath(frame);
        b.drawImage(0, 0, texture);
        b.setClipping(false);
        b.setPen(QPen(QColor(40, 20, 8), 2.0));
        b.setBrush(Qt::NoBrush);
        b.drawPath(frame);
        const QPoint origin(12, 12);
        b.fillRect(QRect(origin, QSize(columns * piece, rows * piece)), QColor(255, 255, 255));
        for (int c = 0; c < columns; ++c)
            for (int r = 0; r < rows; ++r)
                if (!isMissing(c, r))
                    b.drawImage(origin + QPoint(c * piece, r * piece),
                                boardPhoto.copy(c * piece, r * piece, piece, piece));
        b.setRenderHint(QPainter::Antialiasing, false);
        b.setPen(QPen(QColor(0, 0, 0), 1.0));
        for (int c = 0; c <= columns; ++c)
            b.drawLine(origin + QPoint(c * piece, 0), origin + QPoint(c * piece, rows * piece));
        for (int r = 0; r <= rows; ++r)
            b.drawLine(origin + QPoint(0, r * piece), origin + QPoint(columns * piece, r * piece));
    }
    DrawTilted(painter, board, QPointF(300.0, 352.0), -4.0, 12.0);

    // Loose pieces: the missing ones, and two from other pictures.
    const QImage forest = Photos(QStringLiteral("photos/Landscapes/07_SnowyForest.jpg"));
    const QImage cups = Photos(QStringLiteral("photos/Curiosities/07_Cups.jpg"));
    DrawTilted(painter, PieceTile(boardPhoto, QRect(2 * piece, 2 * piece, piece, piece), piece), QPointF(618.0, 248.0),
               14.0);
    DrawTilted(painter, PieceTile(forest, SquareAt(forest, 0.5, 0.45, 0.3), piece), QPointF(100.0, 520.0), -11.0);
    DrawTilted(painter, PieceTile(cups, SquareAt(cups, 0.4, 0.6, 0.36), 84), QPointF(218.0, 560.0), 7.0);
    DrawTilted(painter, PieceTile(boardPhoto, QRect(3 * piece, 2 * piece, piece, piece), piece), QPointF(566.0, 362.0),
               -6.0);

    // The zindo runs off with the last piece, which tumbles over its head.
    const QPointF zindoAt(560.0, 436.0);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 3.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const QPointF from = zindoAt + QPointF(-70.0 + i * 12.0, 60.0 + i * 22.0);
        painter.drawLine(from, from + QPointF(58.0 - i * 6.0, 0.0));
    }
    painter.drawImage(zindoAt, RunningZindoArt(1, 2.1));
    DrawTilted(painter, PieceTile(boardPhoto, QRect(3 * piece, 0, piece, piece), 78), QPointF(700.0, 376.0), 28.0,
               16.0);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 2.0, Qt::DashLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(668.0, 452.0);
    arc.quadTo(662.0, 420.0, 672.0, 398.0);
    painter.drawPath(arc);

    // A burst of sparkles where a piece was set by magic.
    const auto sparkle = [&](QPointF Centre, double Radius, QColor Colour) {
        for (int i = 0; i < 4; ++i) {
            const double a = i * Pi / 4.0;
            QLinearGradient ray(Centre, Centre + QPointF(std::cos(a), std::sin(a)) * Radius);
            Colour.setAlpha(230);
            ray.setColorAt(0.0, Colour);
            ray.setColorAt(1.0, QColor(Colour.red(), Colour.green(), Colour.blue(), 0));
            painter.setPen(QPen(QBrush(ray), i % 2 == 0 ? 2.2 : 1.2, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(Centre - QPointF(std::cos(a), std::sin(a)) * Radius,
                             Centre + QPointF(std::cos(a), std::sin(a)) * Radius);
        }
    };
    sparkle(QPointF(160.0, 236.0), 22.0, QColor(255, 255, 200));
    sparkle(QPointF(188.0, 262.0), 12.0, QColor(255, 210, 120));
    sparkle(QPointF(458.0, 214.0), 16.0, QColor(200, 230, 255));

    // Let the picture's lower and right edges melt into the wallpaper beyond.
    QLinearGradient bottom(QPointF(0.0, TitleHeight - 70.0), QPointF(0.0, TitleHeight));
    bottom.setColorAt(0.0, QColor(38, 38, 41, 0));
    bottom.setColorAt(1.0, QColor(38, 38, 41, 235));
    painter.fillRect(QRectF(0.0, TitleHeight - 70.0, TitleWidth, 70.0), bottom);
    QLinearGradient right(QPointF(TitleWidth - 30.0, 0.0), QPointF(TitleWidth, 0.0));
    right.setColorAt(0.0, QColor(38, 38, 41, 0));
    right.setColorAt(1.0, QColor(38, 38, 41, 220));
    painter.fillRect(QRectF(TitleWidth - 30.0, 0.0, 30.0, TitleHeight), right);
    return image;
}

QImage MakeMissingPicture()
{
    constexpr int width = 600;
    constexpr int height = 450;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(QPointF(0.0, 0.0), QPointF(0.0, height));
    ground.setColorAt(0.0, QColor(70, 70, 76));
    ground.setColorAt(1.0, QColor(34, 34, 38));
    painter.fillRect(image.rect(), ground);
    painter.setPen(QPen(QColor(255, 255, 255, 12), 14.0));
    for (int x = -height; x < width; x += 40)
        painter.drawLine(QPointF(x, height), QPointF(x + height, 0.0));

    painter.setPen(QPen(QColor(255, 187, 0), 5.0, Qt::DashLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(18.0, 18.0, width - 36.0, height - 36.0), 18.0, 18.0);

    // An empty picture frame with a question mark where the picture should be.
    const QRectF frame(200.0, 58.0, 200.0, 160.0);
    painter.setPen(QPen(QColor(30, 20, 10), 3.0));
    painter.setBrush(QColor(150, 96, 48));
    painter.drawRoundedRect(frame, 8.0, 8.0);
    const QRectF canvas = frame.adjusted(16.0, 16.0, -16.0, -16.0);
    painter.setBrush(QColor(226, 232, 240));
    painter.drawRect(canvas);
    QPainterPath hills;
    hills.moveTo(canvas.bottomLeft());
    hills.lineTo(canvas.left() + 40.0, canvas.bottom() - 50.0);
    hills.lineTo(canvas.left() + 70.0, canvas.bottom() - 28.0);
    hills.lineTo(canvas.left() + 110.0, canvas.bottom() - 70.0);
    hills.lineTo(canvas.right(), canvas.bottom() - 20.0);
    hills.lineTo(canvas.bottomRight());
    hills.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(180, 190, 204));
    painter.drawPath(hills);
    painter.setBrush(QColor(200, 206, 216));
    painter.drawEllipse(QPointF(canvas.left() + 30.0, canvas.top() + 26.0), 12.0, 12.0);
    painter.setPen(QColor(255, 140, 0));
    painter.setFont(ArtFont(110, true));
    painter.drawText(canvas.adjusted(0.0, -6.0, 0.0, 0.0), Qt::AlignCenter, QStringLiteral("?"));

    painter.setPen(QColor(255, 187, 0));
    painter.setFont(ArtFont(56, true));
    painter.drawText(QRectF(0.0, 238.0, width, 72.0), Qt::AlignCenter, QStringLiteral("No picture yet"));
    painter.setPen(QColor(255, 255, 255));
    painter.setFont(ArtFont(27, false));
    painter.drawText(QRectF(0.0, 318.0, width, 40.0), Qt::AlignCenter, QStringLiteral("Click here and choose a photo"));
    painter.drawText(QRectF(0.0, 356.0, width, 40.0), Qt::AlignCenter, QStringLiteral("for this level of your theme"));
    return image;
}

QImage MakeEmblem()
{
    return Supersampled(113, 117, 4, [](QPainter& Painter) {
        PaintZindoHead(Painter, QRectF(1.0, 2.0, 111.0, 114.0));
    });
}

namespace {

/// The program's icon in a 64 x 64 unit box: an orange jigsaw piece with the
/// zindo peeking out of it.
void PaintProgramIcon(QPainter& Painter)
{
    const QPainterPath piece = JigsawPiece(42.0, 1, 1, 0, 0).translated(4.0, 14.0);
    QLinearGradient orange(QPointF(0.0, 10.0), QPointF(0.0, 60.0));
    orange.setColorAt(0.0, QColor(255, 206, 60));
    orange.setColorAt(1.0, QColor(230, 140, 0));
    Painter.setPen(QPen(QColor(90, 44, 0), 2.0));
    Painter.setBrush(orange);
    Painter.drawPath(piece);
    PaintZindoHead(Painter, QRectF(8.0, 20.0, 38.0, 40.0));
}

} // namespace

QImage MakeWindowIcon()
{
    return MakeProgramIcon(64);
}

QImage MakeProgramIcon(int Size)
{
    return Supersampled(Size, Size, 4, [Size](QPainter& Painter) {
        Painter.scale(Size / 64.0, Size / 64.0);
        PaintProgramIcon(Painter);
    });
}

QImage MakeStartupPicture(bool FullScreen, const QImage& Title)
{
    QImage image = NewCanvas(150, 112);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // The monitor: bezel, screen and stand.
    QLinearGradient plastic(QPointF(0.0, 0.0), QPointF(0.0, 98.0));
    plastic.setColorAt(0.0, QColor(84, 86, 92));
    plastic.setColorAt(1.0, QColor(36, 37, 40));
    painter.setPen(QPen(QColor(16, 16, 18), 1.0));
    painter.setBrush(QColor(52, 53, 58));
    QPainterPath stand;
    stand.moveTo(64.0, 95.0);
    stand.lineTo(86.0, 95.0);
    stand.lineTo(90.0, 104.0);
    stand.lineTo(60.0, 104.0);
    stand.closeSubpath();
    painter.drawPath(stand);
    painter.drawRoundedRect(QRectF(42.0, 103.0, 66.0, 6.0), 3.0, 3.0);
    painter.setBrush(plastic);
    painter.drawRoundedRect(QRectF(2.5, 1.5, 145.0, 95.0), 5.0, 5.0);
    const QRectF screen(8.0, 7.0, 134.0, 82.0);

    const auto miniGame = [&](const QRectF& Area) {
        // The main screen in small: black bars, the title picture, the
        // menu buttons on the right and the high-score box below them.
        painter.fillRect(Area, QColor(0, 0, 0));
        const double bar = std::max(1.0, Area.height() * 0.025);
        const QRectF page = Area.adjusted(0.0, bar, 0.0, -bar - Area.height() * 0.06);
        painter.drawImage(page, Title);
        const double k = page.width() / TitleWidth;
        painter.setFont(ArtFont(std::max(6, int(std::lround(60.0 * k))), true));
        painter.setPen(QColor(204, 136, 0));
        painter.drawText(page.topLeft() + QPointF(16.0 * k, 26.0 * k + 50.0 * k), QStringLiteral("Zindo Puzzle"));
        painter.setPen(QColor(255, 187, 0));
        painter.drawText(page.topLeft() + QPointF(14.0 * k, 24.0 * k + 50.0 * k), QStringLiteral("Zindo Puzzle"));
        const double left = page.left() + (TitleWidth - 160.0) * k;
        const std::array<double, 6> tops = {34.0, 73.0, 107.0, 146.0, 184.0, 222.0};
        painter.setPen(QPen(QColor(255, 187, 0), std::max(0.6, 1.5 * k)));
        painter.setBrush(QColor(48, 48, 48));
        for (const double top : tops)
            painter.drawRect(QRectF(left, page.top() + top * k, 150.0 * k, 29.0 * k));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 170));
        painter.drawRect(QRectF(page.left() + (TitleWidth - 260.0) * k, page.bottom() - 160.0 * k, 250.0 * k, 150.0 * k));
        painter.fillRect(QRectF(Area.left(), page.bottom(), Area.width(), Area.height() * 0.06), QColor(0, 0, 0));
    };

    if (FullScreen) {
        miniGame(screen);
    } else {
        // A desktop with a task bar, a few icons and the game in its window.
        QLinearGradient desk(screen.topLeft(), screen.bottomRight());
        desk.setColorAt(0.0, QColor(40, 110, 170));
        desk.setColorAt(1.0, QColor(16, 50, 100));
        painter.fillRect(screen, desk);
        painter.fillRect(QRectF(screen.left(), screen.bottom() - 7.0, screen.width(), 7.0), QColor(24, 26, 30));
        painter.fillRect(QRectF(screen.left() + 2.0, screen.bottom() - 6.0, 12.0, 5.0), QColor(90, 150, 220));
        for (int i = 0; i < 3; ++i)
            painter.fillRect(QRectF(screen.left() + 4.0, screen.top() + 5.0 + i * 14.0, 9.0, 8.0),
                             QColor(220, 220, 200));
        const QRectF window(screen.left() + 24.0, screen.top() + 6.0, 100.0, 66.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 80));
        painter.drawRect(window.translated(2.0, 2.0));
        painter.setBrush(QColor(210, 214, 222));
        painter.drawRect(window);
        painter.fillRect(QRectF(window.left(), window.top(), window.width(), 7.0), QColor(60, 90, 150));
        for (int i = 0; i < 3; ++i)
            painter.fillRect(QRectF(window.right() - 7.0 - i * 6.0, window.top() + 1.5, 4.0, 4.0),
                             QColor(230, 230, 235));
        miniGame(window.adjusted(1.0, 7.0, -1.0, -1.0));
    }
    // Glass glare over the screen.
    QLinearGradient glare(screen.topLeft(), screen.bottomRight());
    glare.setColorAt(0.0, QColor(255, 255, 255, 40));
    glare.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.fillRect(screen, glare);
    painter.setPen(QPen(QColor(10, 10, 12), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(screen);
    return image;
}

} // namespace zindo
