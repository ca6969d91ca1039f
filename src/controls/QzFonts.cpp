#include "controls/QzFonts.h"

#include <QFontMetrics>

#include <algorithm>

namespace zindo {

QFont QzArialFont(int CellPixels, bool Bold)
{
    QFont font;
    font.setFamily(QStringLiteral("Arial"));
    font.setBold(Bold);
    // Arial's cell is about 1.15 em: shrink from the cell height until it fits.
    int pixelSize = std::max(1, CellPixels);
    font.setPixelSize(pixelSize);
    while (pixelSize > 1 && QFontMetrics(font).height() > CellPixels) {
        --pixelSize;
        font.setPixelSize(pixelSize);
    }
    return font;
}

} // namespace zindo
