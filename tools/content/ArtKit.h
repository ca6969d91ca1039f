#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <functional>

namespace zindo {

/// The colour that marks the transparent pixels of the game's sprites and
/// icons. The game takes a sprite's transparent colour from its bottom-left
/// pixel, so every sprite leaves that corner empty.
inline constexpr QRgb SpriteKeyColor = 0xFFFF00FFu; // magenta 255, 0, 255

/// A small, fully defined random generator for the builder's own choices
/// (fur tufts, noise lattices, note jitter), so that every build draws and
/// sounds the same.
class TArtRandom {
public:
    explicit TArtRandom(std::uint32_t ASeed) : Seed(ASeed) {}
    /// The next 32-bit value.
    std::uint32_t Next();
    /// A value in 0 .. 1 (1 excluded).
    double Unit();
    /// A value in Low .. High.
    double Between(double Low, double High) { return Low + (High - Low) * Unit(); }

private:
    std::uint32_t Seed; ///< the generator's state
};

/// Smooth value noise on a lattice that repeats every PeriodX by PeriodY
/// lattice cells, so a texture made of it tiles without a seam when its size
/// is a whole number of periods.
class TValueNoise {
public:
    TValueNoise(std::uint32_t ASeed, int APeriodX, int APeriodY);
    /// Noise in -1 .. 1 at lattice coordinates (X, Y).
    double At(double X, double Y) const;
    /// Octaves of noise, each of double frequency and half amplitude; in -1 .. 1.
    double Fractal(double X, double Y, int Octaves) const;

private:
    double Lattice(int X, int Y) const;
    std::uint32_t Seed;  ///< picks the lattice values
    int PeriodX;         ///< lattice cells before the noise repeats across
    int PeriodY;         ///< lattice cells before the noise repeats down
};

/// A transparent canvas (premultiplied ARGB) of the given size.
QImage NewCanvas(int Width, int Height);

/// Paints at Factor times the size and scales down smoothly: anti-aliasing
/// that also smooths thin fur strokes. The painter sees Width x Height units.
QImage Supersampled(int Width, int Height, int Factor, const std::function<void(QPainter&)>& Paint);

/// Turns a painted ARGB canvas into a 24-bit sprite in which every
/// transparent pixel holds SpriteKeyColor. With a matte colour (icons that
/// always lie on the black pot) half-covered edge pixels are blended onto the
/// matte and only fully clear pixels become the key; without one (sprites
/// that cross photographs) a pixel is opaque when at least half covered. No
/// opaque pixel ever equals the key colour.
QImage ToKeyedSprite(const QImage& Art, const QColor& Matte = QColor());

/// The game's font, Arial (Liberation Sans on Linux), at a pixel size.
QFont ArtFont(int PixelSize, bool Bold, bool Italic = false);

/// Saves a JPEG of the given quality (baseline, no metadata). False on failure.
bool SaveJpeg(const QImage& Image, const QString& FileName, int Quality);

/// Saves a 24-bit device-independent bitmap. False on failure.
bool SaveBmp24(const QImage& Image, const QString& FileName);

/// Saves a PNG. False on failure.
bool SavePng(const QImage& Image, const QString& FileName);

/// A photograph scaled and cropped so that it covers Width x Height, centred
/// at the fractions (CentreX, CentreY) of the picture.
QImage CoverCrop(const QImage& Photo, int Width, int Height, double CentreX = 0.5, double CentreY = 0.5);

/// An arrow from From to To with a filled head, in the current pen's colour.
void DrawArrow(QPainter& Painter, QPointF From, QPointF To, double HeadSize);

/// The box a callout of Text needs at TopLeft, Width wide.
QRectF CalloutBox(QPointF TopLeft, double Width, const QString& Text, int PixelSize);

/// A label in the tutorial's callout style: dark box, orange frame, white
/// text (the first line bold orange when Title is true). Returns the box.
QRectF DrawCallout(QPainter& Painter, const QRectF& Box, const QString& Text, int PixelSize, bool Title = true);

} // namespace zindo
