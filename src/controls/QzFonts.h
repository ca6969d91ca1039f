#pragma once

#include <QFont>

namespace zindo {

/// The Arial font of the game's forms, sized by its character cell: the pixel
/// size is chosen so that ascent + descent is at most CellPixels (a 16-pixel
/// cell is Arial at a 14-pixel em). The family is asked for as "Arial";
/// fontconfig maps it to a metric-compatible face on Linux.
QFont QzArialFont(int CellPixels, bool Bold = false);

} // namespace zindo
