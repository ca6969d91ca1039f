#pragma once

#include "DevicePicture.h"

#include <QImage>
#include <QRect>

#include <cstdint>

namespace zindo {

class TPuzzleClass;

/// The level's board picture at a screen's own resolution: background
/// texture, shadow and photograph composed afresh at the device scale from
/// the full-resolution level picture, with the puzzle's board layout, and
/// the cells the pieces are cut from in it. The board, the pieces on it and
/// in the hand, the falling ones and the pieces in the pot are all drawn
/// from this one picture, so each shows the photograph's own detail at any
/// scale while the puzzle keeps every geometry in board pixels.
///
/// Belongs to the playing screen; made when the level or the scale changes,
/// so there is one device-size copy at most.
class TDeviceBoard {
public:
    /// Makes the picture for Puzzle's level at Scale device pixels to a board
    /// pixel, unless the one kept is that already; lets go of it without a
    /// level or without a scale (0: a painter that does not simply scale).
    /// True when the picture is ready.
    bool Prepare(const TPuzzleClass& Puzzle, double Scale);
    /// A picture is ready.
    bool Ready() const { return !Composed.isNull(); }
    /// Device pixels to a board pixel of the picture kept.
    double Scale() const { return ForScale; }
    /// The board at the device's resolution, 24 bits; empty when not ready.
    const QImage& Picture() const { return Composed; }
    /// Where the piece of cell (Column, Row) lies in Picture: the board's
    /// cells with their edges at round(k x piece side x Scale), so that
    /// neighbouring pieces meet without a gap.
    QRect Cell(std::int32_t Column, std::int32_t Row) const;
    /// Lets go of the picture.
    void Clear();

private:
    qint64 LevelKey = 0;         ///< cache key of the puzzle's Picture that Composed was made for
    double ForScale = 0;         ///< see Scale
    std::int32_t PieceSide = 0;  ///< the level's piece size in board pixels
    QImage Composed;             ///< see Picture
};

/// What makes Puzzle's board picture afresh at any size from the level
/// picture at its full resolution (the board's preview beside it, say); it
/// holds the level's pictures, shared, until it is let go.
TPictureComposer BoardPictureComposer(const TPuzzleClass& Puzzle);

} // namespace zindo
