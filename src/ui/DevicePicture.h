#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QTransform>

#include <functional>
#include <map>

class QPainter;

namespace zindo {

/// Draws the Part of Picture with its top-left corner at At, in bands of
/// rows: the toolkit hands a taller picture to helper threads, whose hand-off
/// costs more than it saves on the parts of a view drawn at each game step.
/// Each band is a picture of its own over the same pixels, so that it takes
/// the toolkit's plain copy or blend.
void DrawInBands(QPainter& Painter, const QPoint& At, const QImage& Picture, const QRect& Part);

/// The device pixels per unit of a painter that only scales and moves (the
/// same factor across and down): the scene's scale times the screen's pixel
/// ratio. 0 for a painter that rotates, shears or stretches unevenly, which
/// is left to draw as it will.
double DeviceScale(const QPainter& Painter);

/// Rect (in the units of the transform Device maps from) in device pixels:
/// the pixels whose top-left corner lies within it, which are the pixels a
/// press maps back into it (a press at a device pixel arrives at that
/// corner), and lie within what the toolkit repaints when Rect is updated.
/// Rectangles that meet in design units meet in device pixels too.
QRect DeviceRect(const QTransform& Device, const QRectF& Rect);

/// The design pixel a press at Position (in design units, mapped back from a
/// device pixel) lies in: rounded down, as DeviceRect draws.
QPoint DesignPixel(const QPointF& Position);

/// Makes a picture afresh at a size in device pixels, from a source finer
/// than the picture shown at the design size (the level picture behind the
/// board's preview, say).
using TPictureComposer = std::function<QImage(QSize Size)>;

/// A picture that a view draws again and again through a painter that may
/// scale it (the scene shown larger or smaller than designed): it is scaled
/// smoothly to the device's pixels once and copied from then on, until the
/// picture or its size on the device changes; the place it is drawn at may
/// move meanwhile. Belongs to the view that draws it.
class TDevicePicture {
public:
    /// Draws Picture filling Target (in the painter's units) at the device's
    /// own resolution: made at that size by Compose when given (Picture then
    /// stands for it: its cache key names what Compose makes), scaled from
    /// Picture otherwise; a picture whose size is the target's is copied as
    /// it is. Through a rotating painter it is simply drawn. With Exposed,
    /// only the parts of it that lie there, one rectangle at a time, which
    /// costs what those parts cost.
    void Draw(QPainter& Painter, const QRect& Target, const QImage& Picture, const QRegion& Exposed = QRegion(),
              const TPictureComposer& Compose = {});
    /// Lets go of the picture kept at the device's resolution.
    void Clear();

private:
    qint64 SourceKey = 0; ///< cache key of the picture that Scaled shows
    QImage Scaled;        ///< the picture at the device's resolution
};

/// Several pictures drawn through a painter that may scale them (the kind
/// icons in the pot, the sprites over the board), each kept at the device's
/// resolution while it is in use: a picture not drawn for a while (the
/// zindo's frames take turns) is forgotten.
class TDevicePictureSet {
public:
    /// Draws Picture filling Target, as TDevicePicture does.
    void Draw(QPainter& Painter, const QRect& Target, const QImage& Picture, const QRegion& Exposed = QRegion());
    /// Keeps Picture, which is not drawn this time (it lies outside what is
    /// painted).
    void Keep(const QImage& Picture);
    /// Ends one painting: forgets the pictures neither drawn nor kept during
    /// the last ForgetAfter paintings.
    void ForgetUnused();

    static constexpr int ForgetAfter = 100; ///< paintings a picture is kept unused

private:
    struct TEntry {
        TDevicePicture Picture; ///< the picture at the device's resolution
        int LastUsed = 0;       ///< the painting it was last used in
    };
    std::map<qint64, TEntry> Pictures; ///< by the pictures' cache keys
    int Painting = 0;                  ///< paintings so far
};

} // namespace zindo
