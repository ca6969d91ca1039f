#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>

namespace zindo {

class TPuzzleClass;
class TRandomGenerator;

/// The board view as the player sees it: the rendered board with the falling
/// pieces, the piece in hand centred on Pointer (only while Pointer lies on the
/// board: within both BoxSize and the board's pixels), the broom, the zindo and
/// the sparkle on top; a black "PAUSED" screen while the level is paused.
/// Reading the zindo's position ends its run once it has left the picture, as
/// painting is what looks at it.
QImage ComposeBoardView(TPuzzleClass& Puzzle, QSize BoxSize, QPoint Pointer, TRandomGenerator& Random);

/// Where the paused board view writes "PAUSED" (white Arial, 32 points) on a
/// board of BoardSize: centred on it. The in-game menu, shown over a paused
/// board, covers it when centred on the board.
QRect PausedTextRect(QSize BoardSize);

/// The pot view: black, each entry's piece with a white outline (trembling
/// while time runs out), the kind icons at the left edge and the red entry
/// line. Only black while the level is paused.
QImage ComposePotView(const TPuzzleClass& Puzzle, QSize BoxSize, TRandomGenerator& Random);

/// A bonus box: |Count| icons from the bitmap cache, 2 pixels apart, the
/// greyed "_INACTIVE" icons when Count is negative; black when Count is 0.
/// Count is meant to be TPuzzleClass::BonusCount, which is 0 whenever the level
/// is not being played, so the boxes of a paused or ended level are black (the
/// puzzle asks for their repaint when the level ends).
QImage ComposeBonusBox(QSize BoxSize, const QString& IconName, std::int32_t Count);

/// A burst of seven fading rays of random length, angle and colour, added
/// onto the 24-bit bitmap around (X, Y). New values at every call, so it flickers.
void DrawSparkle(QImage& Bitmap, std::int32_t X, std::int32_t Y, TRandomGenerator& Random);

/// One ray from (X, Y), Length pixels long at Angle grads (400 to the circle),
/// in one of seven colours, fading to nothing; clipped to the bitmap.
void DrawSparkleRay(QImage& Bitmap, std::int32_t X, std::int32_t Y, std::int32_t Length, std::int32_t Angle,
                    TRandomGenerator& Random);

} // namespace zindo
