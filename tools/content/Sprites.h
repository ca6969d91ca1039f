#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <cstdint>

namespace zindo {

/// The zindo's colours. The game's own zindo is orange-brown; the risk icon
/// shows it red with rage.
struct TZindoLook {
    QColor Fur{196, 112, 44};       ///< main fur colour
    QColor FurLight{240, 172, 92};  ///< lit side of the fur
    QColor FurDark{112, 54, 20};    ///< shaded fur, far legs
    QColor Outline{46, 22, 8};      ///< the drawn outline
    bool Angry = false;             ///< slanted brows and bared fangs

    static TZindoLook Normal() { return TZindoLook(); }
    static TZindoLook Raging();
};

/// Width and height of one frame of the running zindo, in pixels.
inline constexpr int ZindoFrameWidth = 88;
inline constexpr int ZindoFrameHeight = 70;

/// Paints the zindo running to the right in a ZindoFrameWidth x
/// ZindoFrameHeight box at the painter's origin. Frame 0 to 3 are the steps of
/// one stride: each pair of diagonal legs swings forward, lands, swings back
/// and lifts, and the body bobs with them.
void PaintRunningZindo(QPainter& Painter, int Frame, const TZindoLook& Look = TZindoLook::Normal());

/// Paints the zindo's head seen from the front, filling Box.
void PaintZindoHead(QPainter& Painter, const QRectF& Box, const TZindoLook& Look = TZindoLook::Normal());

/// One frame of the running zindo as the game's 24-bit sprite (izn0 .. izn3).
QImage MakeZindoFrame(int Frame);

/// The broom that sweeps wrong pieces off the board, as a 24-bit sprite.
QImage MakeBroomSprite();

/// The kinds of the program's bonus icons, in resource-name order.
enum TBonusIcon : std::uint8_t { biAutoDrop = 0, biChangeDrop, biCheck, biCleanup, biDeath, biSlow };
inline constexpr int BonusIconCount = 6;
inline constexpr int BonusIconSize = 30;

/// The resource name of an icon ("BMP_BONUS_AUTODROP", ...).
const char* BonusIconName(TBonusIcon Icon);

/// Paints an icon into a 30 x 30 unit box at the painter's origin.
void PaintBonusIcon(QPainter& Painter, TBonusIcon Icon);

/// The icon as the game's 30 x 30 24-bit bitmap: drawn for the black pot and
/// bonus boxes, transparent colour in the bottom-left pixel.
QImage MakeBonusIcon(TBonusIcon Icon);

/// The icon with real transparency, any size (tutorial pictures).
QImage BonusIconArt(TBonusIcon Icon, int Size);

/// The zindo's head with real transparency (emblem, icons, pictures).
QImage ZindoHeadArt(int Width, int Height, const TZindoLook& Look = TZindoLook::Normal());

/// The running zindo with real transparency, scaled (title and tutorial art).
QImage RunningZindoArt(int Frame, double Scale, const TZindoLook& Look = TZindoLook::Normal());

/// The broom with real transparency, scaled.
QImage BroomArt(double Scale);

} // namespace zindo
