#include "PlayCursors.h"

#include "controls/QzGraphicButton.h"

#include <QPainter>

namespace zindo {

void PaintPlayCursor(QPainter& Painter, const QRect& Area, bool Active)
{
    const int band = Active ? 3 : 1;
    if (Area.width() < 2 * (band + 2) || Area.height() < 2 * (band + 2))
        return;
    // Rings from the outside in, each a frame of whole pixels.
    auto ring = [&Painter](const QRect& Outer, int Width, const QColor& Colour) {
        const QRegion frame = QRegion(Outer) - QRegion(Outer.adjusted(Width, Width, -Width, -Width));
        for (const QRect& part : frame)
            Painter.fillRect(part, Colour);
    };
    ring(Area, 1, Qt::black);
    ring(Area.adjusted(1, 1, -1, -1), band, QColor::fromRgb(TQzGraphicButton::FrameColor));
    ring(Area.adjusted(1 + band, 1 + band, -1 - band, -1 - band), 1, Qt::black);
}

} // namespace zindo
