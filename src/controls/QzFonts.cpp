#include "controls/QzFonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <map>
#include <utility>

namespace zindo {

QFont QzArialFont(int CellPixels, bool Bold)
{
    // Every pixel size the font system is asked about loads a face of its
    // own, a slow step while the window is being built. So each cell is
    // worked out once, and the search starts at the usual answer (Arial's
    // cell is about 1.11 em, so nine tenths of it) instead of at the cell.
    static std::map<std::pair<int, bool>, QFont> known;
    const int cell = std::max(1, CellPixels);
    const auto key = std::make_pair(cell, Bold);
    if (const auto found = known.find(key); found != known.end())
        return found->second;

    QFont font;
    font.setFamily(QStringLiteral("Arial"));
    font.setBold(Bold);
    const auto fits = [&font, cell](int PixelSize) {
        font.setPixelSize(PixelSize);
        return QFontMetrics(font).height() <= cell;
    };
    // The largest pixel size whose cell fits (1 when none does); the cell
    // grows with the pixel size.
    int pixelSize = std::clamp(cell * 9 / 10, 1, cell);
    if (fits(pixelSize)) {
        while (pixelSize < cell && fits(pixelSize + 1))
            ++pixelSize;
    } else {
        do
            --pixelSize;
        while (pixelSize > 1 && !fits(pixelSize));
        pixelSize = std::max(1, pixelSize);
    }
    font.setPixelSize(pixelSize);
    known.emplace(key, font);
    return font;
}

} // namespace zindo
