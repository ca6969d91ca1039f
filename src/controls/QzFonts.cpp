#include "controls/QzFonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace zindo {

namespace {

/// Whether Font's cell one pixel above its size PixelSize surely exceeds
/// Cell, told without loading that size. A scalable face's exact ascent and
/// descent grow in proportion to the size, and the cell is each of them
/// rounded; the answer is "not surely" when either lands near a half pixel
/// (where the rounding could go either way) or when they are whole pixels
/// (metrics hinted to the pixel grid, which do not grow in proportion).
bool NextSizeSurelyTooTall(const QFont& Font, int PixelSize, int Cell)
{
    const QFontMetricsF exact(Font);
    const double ascent = exact.ascent();
    const double descent = exact.descent();
    if (ascent == std::floor(ascent) && descent == std::floor(descent))
        return false;
    const double scale = double(PixelSize + 1) / PixelSize;
    const double nextAscent = ascent * scale;
    const double nextDescent = descent * scale;
    const auto clearOfHalf = [](double Value) { return std::abs(Value - std::floor(Value) - 0.5) > 0.05; };
    if (!clearOfHalf(nextAscent) || !clearOfHalf(nextDescent))
        return false;
    return std::lround(nextAscent) + std::lround(nextDescent) > Cell;
}

} // namespace

QFont QzArialFont(int CellPixels, bool Bold)
{
    // Every pixel size the font system is asked about loads a face of its
    // own, a slow step while the window is being built. So each cell is
    // worked out once, the search starts at the usual answer (Arial's cell
    // is about 1.11 em, so nine tenths of it) instead of at the cell, and the
    // size above the answer is loaded only when its cell cannot be told.
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
        while (pixelSize < cell && !NextSizeSurelyTooTall(font, pixelSize, cell) && fits(pixelSize + 1))
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
