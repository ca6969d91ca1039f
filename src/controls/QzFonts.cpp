#include "controls/QzFonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include <fontconfig/fontconfig.h>

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

/// The family QzArialFont asks for, and whether the toolkit has been seen to
/// draw with it.
struct TArialFamily {
    QString Name = QStringLiteral("Arial");
    bool Checked = true;
};

TArialFamily& ArialFamily()
{
    static TArialFamily family;
    return family;
}

std::map<std::pair<int, bool>, QFont>& KnownFonts()
{
    static std::map<std::pair<int, bool>, QFont> known;
    return known;
}

} // namespace

QString FontconfigStandIn(const QString& Family)
{
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return {};
    const QByteArray name = Family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    QString found;
    FcChar8* family = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch && family)
        found = QString::fromUtf8(reinterpret_cast<const char*>(family));
    if (match)
        FcPatternDestroy(match);
    return found;
}

void UseArialStandIn(const QString& Family)
{
    const QString family = Family.isEmpty() ? QStringLiteral("Arial") : Family;
    if (family == ArialFamily().Name)
        return;
    ArialFamily() = {family, family == QLatin1String("Arial")};
    KnownFonts().clear();
}

QFont QzArialFont(int CellPixels, bool Bold)
{
    // Every pixel size the font system is asked about loads a face of its
    // own, a slow step while the window is being built. So each cell is
    // worked out once, the search starts at the usual answer (Arial's cell
    // is about 1.11 em, so nine tenths of it) instead of at the cell, and the
    // size above the answer is loaded only when its cell cannot be told.
    std::map<std::pair<int, bool>, QFont>& known = KnownFonts();
    const int cell = std::max(1, CellPixels);
    const auto key = std::make_pair(cell, Bold);
    if (const auto found = known.find(key); found != known.end())
        return found->second;

    QFont font;
    font.setFamily(ArialFamily().Name);
    font.setBold(Bold);
    int pixelSize = std::clamp(cell * 9 / 10, 1, cell);
    if (!ArialFamily().Checked) {
        // A stand-in the toolkit does not list (a font format it skips, say)
        // would come out as some other face: then Arial is asked for after
        // all. Told at the first size the search loads anyway.
        font.setPixelSize(pixelSize);
        ArialFamily().Checked = true;
        if (QFontInfo(font).family() != ArialFamily().Name) {
            UseArialStandIn(QString());
            font.setFamily(ArialFamily().Name);
        }
    }
    const auto fits = [&font, cell](int PixelSize) {
        font.setPixelSize(PixelSize);
        return QFontMetrics(font).height() <= cell;
    };
    // The largest pixel size whose cell fits (1 when none does); the cell
    // grows with the pixel size.
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
