#include "Pot.h"

#include "data/Clock.h"
#include "data/RandomGenerator.h"

#include <algorithm>
#include <cmath>

namespace zindo {

std::int32_t TPieceInPot::RoundedPosition() const
{
    return static_cast<std::int32_t>(std::nearbyint(Position));
}

TPot::TPot(TClock& AClock, TRandomGenerator& ARandom) : Clock(AClock), Generator(ARandom) {}

void TPot::Add(TPiece& Piece)
{
    TPieceInPot entry;
    entry.Position = EntryPosition();
    entry.Piece = &Piece;
    entry.Moving = false;
    Piece.Place = plInPot;
    // Half of the entries are plain; the other half draw one of the six kinds
    // (plain included), so each special kind comes with about 1/12.
    if (Generator.Random(65535) % 2 == 0)
        entry.Kind = ToPieceKind(Generator.Random(PieceKindCount));
    else
        entry.Kind = pkPlain;
    Entries.push_back(entry);
    LastChange = Clock.TickCount();
}

TPiece* TPot::Take(std::int32_t Index)
{
    const auto at = Entries.begin() + Index;
    TPiece* piece = at->Piece;
    piece->Place = plInHand;
    Entries.erase(at);
    LastChange = Clock.TickCount();
    return piece;
}

std::int32_t TPot::PutBack(TPiece& Piece, TPieceKind Kind, std::int32_t Index, double Position)
{
    const auto index = static_cast<std::size_t>(std::clamp<std::int32_t>(Index, 0, Count()));
    TPieceInPot entry;
    entry.Position = Position;
    entry.Piece = &Piece;
    entry.Kind = Kind;
    Piece.Place = plInPot;
    Entries.insert(Entries.begin() + static_cast<std::ptrdiff_t>(index), entry);
    // Each entry clears the one below it by the gap a resting stack keeps.
    const double gap = PieceSize + 2;
    for (std::size_t i = std::max<std::size_t>(index, 1); i < Entries.size(); ++i) {
        const double lowest = Entries[i - 1].Position + gap;
        if (Entries[i].Position < lowest)
            Entries[i].Position = lowest;
        else if (i > index)
            break; // the rest lie higher already
    }
    std::int32_t leftOver = 0;
    while (!Entries.empty() && Entries.back().Position > EntryPosition() && Entries.back().Piece != &Piece) {
        Entries.back().Piece->Place = plFree;
        Entries.pop_back();
        ++leftOver;
    }
    LastChange = Clock.TickCount();
    return leftOver;
}

void TPot::Clear()
{
    for (TPieceInPot& entry : Entries)
        entry.Piece->Place = plFree;
    Entries.clear();
}

bool TPot::Move(double Factor)
{
    const double step = Speed * Factor;
    bool moved = false;
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        TPieceInPot& entry = Entries[i];
        entry.Moving = false;
        // An entry falls while above the floor and, above another entry, while
        // the gap to it (as already moved in this step) stays wider than 2.
        bool mayMove = entry.Position > 0;
        if (mayMove && i > 0)
            mayMove = Entries[i - 1].Position + PieceSize + step + 2 < entry.Position;
        if (mayMove) {
            entry.Position -= step;
            entry.Moving = true;
            moved = true;
        }
    }
    return moved;
}

std::int32_t TPot::HitTest(std::int32_t Y) const
{
    std::int32_t result = -1;
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        const std::int32_t bottom = Entries[i].RoundedPosition();
        if (bottom <= Y && Y <= bottom + PieceSize)
            result = static_cast<std::int32_t>(i);
    }
    return result;
}

bool TPot::HasRoom() const
{
    if (Entries.empty())
        return true;
    return Entries.back().Position < EntryPosition() - PieceSize;
}

bool TPot::IsFull() const
{
    for (const TPieceInPot& entry : Entries)
        if (entry.Moving)
            return false;
    return EntryPosition() < Count() * (PieceSize + 2);
}

bool TPot::IsBusy() const
{
    if (TickDiff(Clock.TickCount(), LastChange) < 2000)
        return true;
    for (const TPieceInPot& entry : Entries)
        if (entry.Moving)
            return true;
    return false;
}

} // namespace zindo
