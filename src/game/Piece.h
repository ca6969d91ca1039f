#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>

namespace zindo {

/// Where a piece is now. Every piece is in exactly one place; a piece on the
/// board is referenced by exactly one cell, and at most one piece is in hand.
enum TPiecePlace : std::uint8_t {
    plFree = 0,    ///< in the free pool: not yet dealt, or knocked back off the board or out of the pot
    plInPot = 1,   ///< lying in the pot
    plInHand = 2,  ///< held by the player
    plOnBoard = 3, ///< lying in a board cell
};

/// The kind of a pot entry; the kind of the piece in hand is copied into
/// TPuzzleClass::HeldKind when it is taken.
enum TPieceKind : std::uint8_t {
    pkPlain = 0,      ///< nothing special
    pkAutoDrop = 1,   ///< dropped anywhere, it lands on its own cell
    pkChangeDrop = 2, ///< may be dropped on an occupied cell; the occupant falls off
    pkCleanup = 3,    ///< marked in the pot; behaves as a plain piece
    pkSlow = 4,       ///< marked in the pot; behaves as a plain piece
    pkDeath = 5,      ///< the risk piece: a right drop is rewarded, a wrong one punished
};

/// The number of piece kinds (pkPlain .. pkDeath).
inline constexpr std::uint32_t PieceKindCount = 6;

/// A number (a random draw, a byte from somewhere) as a piece kind; values
/// beyond pkDeath become pkPlain.
inline TPieceKind ToPieceKind(std::uint32_t Value)
{
    return Value < PieceKindCount ? static_cast<TPieceKind>(Value) : pkPlain;
}

/// One square of the board picture. The puzzle owns every piece; the pot, the
/// hand and the board cells only refer to them. A piece is identified by the
/// cell it belongs to (Column, Row); lying in that cell it is "right",
/// anywhere else "wrong". Pieces are plain squares without tabs or masks.
class TPiece {
public:
    std::int32_t Column = 0;     ///< column of the cell where the piece belongs (0-based, left to right)
    std::int32_t Row = 0;        ///< row of the cell where the piece belongs (0-based, top to bottom)
    std::int32_t Size = 0;       ///< side of the square in pixels (the puzzle's PieceSize)
    std::int32_t SourceLeft = 0; ///< Column x Size: left edge of the square in the board picture
    std::int32_t SourceTop = 0;  ///< Row x Size: top edge of the square in the board picture
    TPiecePlace Place = plFree;  ///< where the piece is now
    QImage Bitmap;               ///< Size x Size copy of the board picture at (SourceLeft, SourceTop), 24 bits
};

/// A piece knocked off the board, falling out of the picture. Its picture is a
/// dimmed copy of the piece: the piece under an even grey veil (Veil), which
/// looks the same however much the board is enlarged, so a view drawing the
/// piece at its screen's resolution lays the same veil over it. The puzzle
/// creates and moves it; the board view draws it.
class TRemovingPiece {
public:
    /// Makes the dimmed picture of Piece, placed at (AX, AY).
    TRemovingPiece(const TPiece& Piece, std::int32_t AX, std::int32_t AY);

    /// The veil over a falling piece: mid-grey, half opaque.
    static QColor Veil() { return QColor(128, 128, 128, 128); }

    QImage Picture;          ///< the dimmed copy of the piece, 24 bits
    std::int32_t Column = 0; ///< the piece's own cell, where its picture comes from
    std::int32_t Row = 0;    ///< the piece's own cell, where its picture comes from
    std::int32_t X = 0;      ///< pixel position of its top-left corner on the board
    std::int32_t Y = 0;      ///< pixel position of its top-left corner on the board
};

} // namespace zindo
