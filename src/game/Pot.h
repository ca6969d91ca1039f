#pragma once

#include "game/Piece.h"

#include <cstdint>
#include <vector>

namespace zindo {

class TClock;
class TRandomGenerator;

/// The height of the pot in the playing screen's design pixels, which the
/// pot's entries fall through: how many pieces it holds decides when it is full.
inline constexpr std::int32_t PotDesignLength = 493;

/// One entry of the pot: a piece lying in it, with the kind it was given when
/// it entered. Positions are pixels upward from the pot's floor: an entry at
/// position p has its bottom edge p pixels above the bottom of the pot view.
class TPieceInPot {
public:
    /// Position rounded to the nearest integer, halves to even; hit testing
    /// and drawing use it.
    std::int32_t RoundedPosition() const;

    double Position = 0.0;     ///< height of the entry's bottom edge above the pot floor, in pixels
    TPiece* Piece = nullptr;   ///< the piece lying in the pot (owned by the puzzle)
    bool Moving = false;       ///< the entry moved in the last movement step
    TPieceKind Kind = pkPlain; ///< the entry's kind, fixed when it enters
};

/// The column beside the board in which loose pieces arrive. Entries appear at
/// the top, slide down 2 pixels per step and stack on the floor or on the entry
/// below; the player takes one by clicking it. Index 0 is the lowest entry.
///
/// The pot belongs to the puzzle and refers to the puzzle's pieces without
/// owning them. The puzzle decides when a piece is dealt; the pot decides where
/// entries lie, how they move, which kind each gets, when it counts as full and
/// which entry a click hits.
class TPot {
public:
    /// The pot draws kinds from Random and stamps changes with Clock's ticks.
    TPot(TClock& AClock, TRandomGenerator& ARandom);

    /// A new entry at the top (at EntryPosition) for Piece, which becomes
    /// plInPot. Its kind: an even Random(65535) draws the kind by Random(6),
    /// an odd one makes it plain.
    void Add(TPiece& Piece);

    /// Removes entry Index and answers its piece, now plInHand. The caller
    /// ensures 0 <= Index < Count().
    TPiece* Take(std::int32_t Index);

    /// Puts Piece back as entry Index (clamped to 0 .. Count()) with its kind
    /// Kind, its bottom edge at Position or just above the entry below, and
    /// raises the entries above it as far as needed to clear it. An entry
    /// raised past the entry position no longer fits the pot and goes back to
    /// the pieces still to deal (plFree); the answer is how many did.
    /// Piece becomes plInPot.
    std::int32_t PutBack(TPiece& Piece, TPieceKind Kind, std::int32_t Index, double Position);

    /// Empties the pot; every piece goes back to plFree. LastChange stays.
    void Clear();

    /// One movement step of Speed x Factor pixels; true when any entry moved.
    bool Move(double Factor);

    /// Index of the entry at height Y above the floor (the last match when
    /// entries overlap), or -1.
    std::int32_t HitTest(std::int32_t Y) const;

    /// A new entry may be added: the pot is empty, or its top entry has slid
    /// more than one piece size below the entry position.
    bool HasRoom() const;

    /// Nothing moves and the entries fill the pot up to the entry position.
    bool IsFull() const;

    /// The pot changed within the last 2000 ms, or something in it moves.
    bool IsBusy() const;

    /// Length - PieceSize: where new entries appear (their top edge touching
    /// the top of the pot).
    std::int32_t EntryPosition() const { return Length - PieceSize; }

    /// The number of entries.
    std::int32_t Count() const { return static_cast<std::int32_t>(Entries.size()); }
    /// Entry Index (0 <= Index < Count()), the lowest first.
    const TPieceInPot& Entry(std::int32_t Index) const { return Entries[static_cast<std::size_t>(Index)]; }
    /// All entries, the lowest first.
    const std::vector<TPieceInPot>& Items() const { return Entries; }

    std::int32_t Length = 400;    ///< height of the pot in pixels; the puzzle's pot is PotDesignLength high
    std::int32_t PieceSize = 0;   ///< side of the pieces; set by the puzzle at every LoadPicture
    double Speed = 2.0;           ///< pixels an entry moves per step at factor 1
    std::uint32_t LastChange = 0; ///< tick of the last entry added or taken

private:
    TClock& Clock;                    ///< source of LastChange and the busy test
    TRandomGenerator& Generator;      ///< the program's generator, for the kinds
    std::vector<TPieceInPot> Entries; ///< in order of arrival, the lowest first
};

} // namespace zindo
