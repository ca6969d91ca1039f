#include "ArtKit.h"

#include <QImageWriter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zindo {

std::uint32_t TArtRandom::Next()
{
    // xorshift32 on a state that is never zero.
    if (Seed == 0)
        Seed = 0x9E3779B9u;
    Seed ^= Seed << 13;
    Seed ^= Seed >> 17;
    Seed ^= Seed << 5;
    return Seed;
}

double TArtRandom::Unit()
{
    return double(Next() >> 8) / double(1u << 24);
}

TValueNoise::TValueNoise(std::uint32_t ASeed, int APeriodX, int APeriodY)
    : Seed(ASeed), PeriodX(std::max(1, APeriodX)), PeriodY(std::max(1, APeriodY))
{
}

double TValueNoise::Lattice(int X, int Y) const
{
    X = ((X % PeriodX) + PeriodX) % PeriodX;
    Y = ((Y % PeriodY) + PeriodY) % PeriodY;
    std::uint32_t h = Seed ^ (std::uint32_t(X) * 0x8DA6B343u) ^ (std::uint32_t(Y) * 0xD8163841u);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return double(h & 0xFFFFFF) / double(0x7FFFFF) - 1.0;
}

double TValueNoise::At(double X, double Y) const
{
    const double fx = std::floor(X);
    const double fy = std::floor(Y);
    const int ix = int(fx);
    const int iy = int(fy);
    const double tx = X - fx;
    const double ty = Y - fy;
    const double sx = tx * tx * (3.0 - 2.0 * tx);
    const double sy = ty * ty * (3.0 - 2.0 * ty);
    const double a = Lattice(ix, iy);
    const double b = Lattice(ix + 1, iy);
    const double c = Lattice(ix, iy + 1);
    const double d = Lattice(ix + 1, iy + 1);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

double TValueNoise::Fractal(double X, double Y, int Octaves) const
{
    // Each octave doubles the frequency; with a power-of-two period every
    // octave repeats at the same place, so the sum tiles like the first.
    double sum = 0.0;
    double amplitude = 1.0;
    double total = 0.0;
    double scale = 1.0;
    for (int i = 0; i < Octaves; ++i) {
        const TValueNoise octave(Seed + 977u * std::uint32_t(i), PeriodX * int(scale), PeriodY * int(scale));
        sum += amplitude * octave.At(X * scale, Y * scale);
        total += amplitude;
        amplitude *= 0.5;
        scale *= 2.0;
    }
    return sum / total;
}

QImage NewCanvas(int Width, int Height)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Supersampled(int Width, int Height, int Factor, const std::function<void(QPainter&)>& Paint)
{
    QImage big = NewCanvas(Width * Factor, Height * Factor);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(Factor, Factor);
        Paint(painter);
    }
    return big.scaled(Width, Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage ToKeyedSprite(const QImage& Art, const QColor& Matte)
{
    const QImage argb = Art.convertToFormat(QImage::Format_ARGB32);
    QImage result(argb.size(), QImage::Format_RGB888);
    const QRgb key = SpriteKeyColor;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        std::uint8_t* out = result.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = in[x];
            const int a = qAlpha(p);
            QRgb c;
            if (Matte.isValid()) {
                if (a < 8) {
                    c = key;
                } else {
                    const auto blend = [a](int Value, int Under) { return (Value * a + Under * (255 - a) + 127) / 255; };
                    c = qRgb(blend(qRed(p), Matte.red()), blend(qGreen(p), Matte.green()), blend(qBlue(p), Matte.blue()));
                }
            } else {
                c = a < 128 ? key : qRgb(qRed(p), qGreen(p), qBlue(p));
            }
            if (a >= (Matte.isValid() ? 8 : 128) && (c & 0xFFFFFF) == (key & 0xFFFFFF))
                c = qRgb(254, 0, 254);
            out[3 * x] = std::uint8_t(qRed(c));
            out[3 * x + 1] = std::uint8_t(qGreen(c));
            out[3 * x + 2] = std::uint8_t(qBlue(c));
        }
    }
    return result;
}

QFont ArtFont(int PixelSize, bool Bold, bool Italic)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(PixelSize);
    font.setBold(Bold);
    font.setItalic(Italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

bool SaveJpeg(const QImage& Image, const QString& FileName, int Quality)
{
    QImageWriter writer(FileName, QByteArrayLiteral("jpeg"));
    writer.setQuality(Quality);
    writer.setOptimizedWrite(true);
    writer.setProgressiveScanWrite(false);
    return writer.write(Image.convertToFormat(QImage::Format_RGB32));
}

bool SaveBmp24(const QImage& Image, const QString& FileName)
{
    QImageWriter writer(FileName, QByteArrayLiteral("bmp"));
    return writer.write(Image.convertToFormat(QImage::Format_RGB888));
}

bool SavePng(const QImage& Image, const QString& FileName)
{
    QImageWriter writer(FileName, QByteArrayLiteral("png"));
    writer.setCompression(9);
    return writer.write(Image);
}

QImage CoverCrop(const QImage& Photo, int Width, int Height, double CentreX, double CentreY)
{
    const double scale = std::max(double(Width) / Photo.width(), double(Height) / Photo.height());
    const int w = int(std::ceil(Photo.width() * scale));
    const int h = int(std::ceil(Photo.height() * scale));
    const QImage scaled = Photo.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int x = std::clamp(int(std::lround(CentreX * w - Width / 2.0)), 0, w - Width);
    const int y = std::clamp(int(std::lround(CentreY * h - Height / 2.0)), 0, h - Height);
    return scaled.copy(x, y, Width, Height).convertToFormat(QImage::Format_RGB32);
}

void DrawArrow(QPainter& Painter, QPointF From, QPointF To, double HeadSize)
{
    const QPointF d = To - From;
    const double length = std::hypot(d.x(), d.y());
    if (length < 1e-6)
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const QPointF base = To - u * HeadSize;
    Painter.drawLine(From, base + u * 1.0);
    QPainterPath head;
    head.moveTo(To);
    head.lineTo(base + n * HeadSize * 0.55);
    head.lineTo(base - n * HeadSize * 0.55);
    head.closeSubpath();
    Painter.fillPath(head, Painter.pen().color());
}

namespace {

/// Text broken into lines at spaces, each as long as fits Room.
QStringList WrapWords(const QString& Text, double Room, const QFontMetricsF& Metrics)
{
    QStringList lines;
    QString line;
    for (const QString& word : Text.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && Metrics.horizontalAdvance(longer) > Room) {
            lines.append(line);
            line = word;
        } else {
            line = longer;
        }
    }
    lines.append(line);
    return lines;
}

/// The lines of a callout as drawn: the text's own lines, each broken between
/// words where it is wider than the box (a translation may run longer than
/// the English the box was sized for). The first line is bold when Title.
QStringList CalloutLines(const QString& Text, double Width, int PixelSize, bool Title)
{
    const double room = Width - 20.0;
    QStringList lines;
    const QStringList given = Text.split(QLatin1Char('\n'));
    for (int i = 0; i < given.size(); ++i) {
        const QFontMetricsF metrics(ArtFont(PixelSize, Title && i == 0));
        const QStringList wrapped = WrapWords(given[i], room, metrics);
        if (wrapped.size() == 1) {
            lines += wrapped;
            continue;
        }
        // A line too long for the callout is broken into lines of even
        // length, at the narrowest room that needs no more lines, rather than
        // into full lines and a word or two left over.
        double narrow = room;
        for (double step = room / 2.0; step >= 1.0; step /= 2.0)
            if (WrapWords(given[i], narrow - step, metrics).size() == wrapped.size())
                narrow -= step;
        lines += WrapWords(given[i], narrow, metrics);
    }
    return lines;
}

} // namespace

QRectF CalloutBox(QPointF TopLeft, double Width, const QString& Text, int PixelSize)
{
    const int lines = int(CalloutLines(Text, Width, PixelSize, true).size());
    const double line = QFontMetricsF(ArtFont(PixelSize, false)).height() + 1.0;
    return QRectF(TopLeft, QSizeF(Width, lines * line + 12.0));
}

QRectF DrawCallout(QPainter& Painter, const QRectF& Box, const QString& Text, int PixelSize, bool Title)
{
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setPen(QPen(QColor(255, 187, 0), 2.0));
    Painter.setBrush(QColor(0, 0, 0, 215));
    Painter.drawRoundedRect(Box, 7, 7);
    const QRectF inner = Box.adjusted(10, 6, -10, -6);
    const QStringList lines = CalloutLines(Text, Box.width(), PixelSize, Title);
    double y = inner.top();
    for (int i = 0; i < lines.size(); ++i) {
        const bool heading = Title && i == 0;
        const QFont font = ArtFont(PixelSize, heading);
        Painter.setFont(font);
        Painter.setPen(heading ? QColor(255, 187, 0) : QColor(255, 255, 255));
        const QFontMetricsF metrics(font);
        Painter.drawText(QRectF(inner.left(), y, inner.width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
        y += metrics.height() + 1;
    }
    Painter.restore();
    return Box;
}

} // namespace zindo
