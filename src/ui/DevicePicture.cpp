#include "DevicePicture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zindo {

namespace {

/// Below this, a difference of positions is the arithmetic's, not the
/// screen's: a press on the very edge of a cell counts as on the edge.
constexpr double Tolerance = 1e-6;

/// The first device pixel whose top-left corner lies at or after Edge.
int FirstPixelFrom(double Edge)
{
    return static_cast<int>(std::ceil(Edge - Tolerance));
}

/// Formats the toolkit copies or blends onto the screen's own without a slow
/// conversion on the way.
bool DrawsFast(QImage::Format Format)
{
    return Format == QImage::Format_RGB32 || Format == QImage::Format_ARGB32_Premultiplied ||
           Format == QImage::Format_RGB888;
}

/// Picture in a format the toolkit draws fast: itself when it is one.
QImage InFastFormat(const QImage& Picture)
{
    if (DrawsFast(Picture.format()))
        return Picture;
    return Picture.convertToFormat(Picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB888);
}

/// A copy made at the device's resolution, in a format drawn fast: 24 bits
/// where it has no transparency, three quarters of the memory of 32.
QImage AsDeviceCopy(const QImage& Picture)
{
    if (Picture.hasAlphaChannel())
        return Picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return Picture.convertToFormat(QImage::Format_RGB888);
}

} // namespace

void DrawInBands(QPainter& Painter, const QPoint& At, const QImage& Picture, const QRect& Part)
{
    constexpr int band = 64;
    const int pixelBytes = Picture.depth() / 8;
    for (int top = Part.top(); top <= Part.bottom(); top += band) {
        const int height = std::min(band, Part.bottom() + 1 - top);
        const QImage rows(Picture.constScanLine(top) + Part.left() * pixelBytes, Part.width(), height,
                          Picture.bytesPerLine(), Picture.format());
        Painter.drawImage(At + QPoint(0, top - Part.top()), rows);
    }
}

double DeviceScale(const QPainter& Painter)
{
    const QTransform device = Painter.deviceTransform();
    if (device.type() > QTransform::TxScale || device.m11() <= 0 || std::abs(device.m11() - device.m22()) > 1e-9)
        return 0;
    return device.m11();
}

QRect DeviceRect(const QTransform& Device, const QRectF& Rect)
{
    const QRectF exact = Device.mapRect(Rect);
    const QPoint topLeft(FirstPixelFrom(exact.left()), FirstPixelFrom(exact.top()));
    const QPoint end(FirstPixelFrom(exact.right()), FirstPixelFrom(exact.bottom()));
    return QRect(topLeft, end - QPoint(1, 1));
}

QPoint DesignPixel(const QPointF& Position)
{
    return QPoint(static_cast<int>(std::floor(Position.x() + Tolerance)),
                  static_cast<int>(std::floor(Position.y() + Tolerance)));
}

void TDevicePicture::Draw(QPainter& Painter, const QRect& Target, const QImage& Picture, const QRegion& Exposed,
                          const TPictureComposer& Compose)
{
    if (Picture.isNull())
        return;
    // Through a rotating painter the picture is drawn as it is.
    const QTransform device = Painter.deviceTransform();
    if (device.type() > QTransform::TxScale) {
        Painter.drawImage(Target, Picture);
        return;
    }
    // The place on whole pixels, so that the copy is a plain one; the size
    // follows the target's alone, so that a picture moving across the view
    // keeps the one it has.
    const QRect place = DeviceRect(device, Target);
    const QSize size(static_cast<int>(std::lround(Target.width() * device.m11())),
                     static_cast<int>(std::lround(Target.height() * device.m22())));
    if (place.isEmpty() || size.isEmpty())
        return;
    if (Picture.cacheKey() != SourceKey || Scaled.size() != size) {
        Scaled = QImage(); // two copies at the device's size are never kept
        if (Compose)
            Scaled = AsDeviceCopy(Compose(size));
        else if (size == Picture.size())
            Scaled = InFastFormat(Picture);
        else
            Scaled = AsDeviceCopy(Picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        SourceKey = Picture.cacheKey();
        if (Scaled.size() != size)
            return;
    }
    const QRect shown = place & QRect(place.topLeft(), size);
    Painter.save();
    Painter.setWorldTransform(device.inverted() * Painter.worldTransform());
    if (Exposed.isEmpty()) {
        DrawInBands(Painter, shown.topLeft(), Scaled, shown.translated(-place.topLeft()));
    } else {
        for (const QRect& part : Exposed) {
            const QRect devicePart = device.mapRect(QRectF(part)).toAlignedRect() & shown;
            if (!devicePart.isEmpty())
                DrawInBands(Painter, devicePart.topLeft(), Scaled, devicePart.translated(-place.topLeft()));
        }
    }
    Painter.restore();
}

void TDevicePicture::Clear()
{
    SourceKey = 0;
    Scaled = QImage();
}

void TDevicePictureSet::Draw(QPainter& Painter, const QRect& Target, const QImage& Picture, const QRegion& Exposed)
{
    TEntry& entry = Pictures[Picture.cacheKey()];
    entry.LastUsed = Painting;
    entry.Picture.Draw(Painter, Target, Picture, Exposed);
}

void TDevicePictureSet::Keep(const QImage& Picture)
{
    if (const auto entry = Pictures.find(Picture.cacheKey()); entry != Pictures.end())
        entry->second.LastUsed = Painting;
}

void TDevicePictureSet::ForgetUnused()
{
    for (auto entry = Pictures.begin(); entry != Pictures.end();)
        entry = Painting - entry->second.LastUsed >= ForgetAfter ? Pictures.erase(entry) : std::next(entry);
    ++Painting;
}

} // namespace zindo
