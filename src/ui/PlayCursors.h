#pragma once

#include <QRect>

class QPainter;

namespace zindo {

/// Draws a cursor of the keyboard and gamepad over a level's view: a frame
/// just inside Area (an entry of the pot, a cell of the board), an orange
/// band between two black lines, so that it shows on light and dark photos
/// alike. Active, where the keys work now, the band is three pixels wide;
/// otherwise one.
void PaintPlayCursor(QPainter& Painter, const QRect& Area, bool Active);

} // namespace zindo
