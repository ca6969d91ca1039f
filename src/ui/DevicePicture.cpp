#include "DevicePicture.h"

#include <QPainter>

#include <algorithm>

namespace zindo {

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

void TDevicePicture::Draw(QPainter& Painter, const QRect& Target, const QImage& Picture, const QRegion& Exposed)
{
    // Through a rotating painter, and at the device's own resolution where
    // the picture must be fitted, the painter draws it as it is.
    const QTransform device = Painter.deviceTransform();
    if (Picture.isNull() || device.type() > QTransform::TxScale ||
        (device.type() <= QTransform::TxTranslate && Target.size() != Picture.size())) {
        Painter.drawImage(Target, Picture);
        return;
    }
    // The target in device pixels, on whole pixels so that the copy is a
    // plain one.
    const QRectF exact = device.mapRect(QRectF(Target));
    const QPoint topLeft(qRound(exact.left()), qRound(exact.top()));
    const QRect deviceTarget(topLeft, QSize(qRound(exact.right()) - topLeft.x(), qRound(exact.bottom()) - topLeft.y()));
    if (deviceTarget.isEmpty())
        return;
    if (Picture.cacheKey() != SourceKey || Scaled.size() != deviceTarget.size()) {
        Scaled = deviceTarget.size() == Picture.size()
                     ? Picture
                     : Picture.scaled(deviceTarget.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The screen's own format, a plain copy (or a plain blend, with transparency).
        Scaled = Scaled.convertToFormat(Picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                  : QImage::Format_RGB32);
        SourceKey = Picture.cacheKey();
    }
    Painter.save();
    Painter.setWorldTransform(device.inverted() * Painter.worldTransform());
    if (Exposed.isEmpty()) {
        DrawInBands(Painter, topLeft, Scaled, Scaled.rect());
    } else {
        for (const QRect& part : Exposed) {
            const QRect devicePart = device.mapRect(QRectF(part)).toAlignedRect() & deviceTarget;
            if (!devicePart.isEmpty())
                DrawInBands(Painter, devicePart.topLeft(), Scaled, devicePart.translated(-topLeft));
        }
    }
    Painter.restore();
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
