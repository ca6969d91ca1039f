#include "PlayInput.h"

#include "game/Game.h"

#include <algorithm>

namespace zindo {

TPlayInput::TPlayInput(TGame& ASession) : Session(ASession) {}

void TPlayInput::Reset()
{
    KeysOn = paPot;
    PotIndex = 0;
    BoardCell = QPoint(0, 0);
}

std::optional<TPlayCommand> TPlayInput::CommandForKey(int Key, std::uint32_t Modifiers)
{
    if ((Modifiers & ~static_cast<std::uint32_t>(Qt::KeypadModifier)) != Qt::NoModifier)
        return std::nullopt;
    switch (Key) {
    case Qt::Key_Up:
        return pcUp;
    case Qt::Key_Down:
        return pcDown;
    case Qt::Key_Left:
        return pcLeft;
    case Qt::Key_Right:
        return pcRight;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return pcAccept;
    case Qt::Key_B:
        return pcBroom;
    case Qt::Key_M:
        return pcMagic;
    case Qt::Key_C:
        return pcCheck;
    case Qt::Key_N:
        return pcDealNext;
    case Qt::Key_P:
        return pcPause;
    default:
        return std::nullopt;
    }
}

TPlayArea TPlayInput::Area() const
{
    return Session.Puzzle().HeldPiece() ? paBoard : KeysOn;
}

std::int32_t TPlayInput::PotCursor() const
{
    const std::int32_t count = Session.Puzzle().Pot().Count();
    return count == 0 ? -1 : std::clamp(PotIndex, 0, count - 1);
}

QPoint TPlayInput::BoardCursor() const
{
    const TPuzzleClass& puzzle = Session.Puzzle();
    return QPoint(std::clamp(BoardCell.x(), 0, std::max(0, puzzle.Columns() - 1)),
                  std::clamp(BoardCell.y(), 0, std::max(0, puzzle.Rows() - 1)));
}

void TPlayInput::KeepCursorsInPlace()
{
    PotIndex = std::max(0, PotCursor());
    BoardCell = BoardCursor();
}

TPlayResponse TPlayInput::Execute(TPlayCommand Command)
{
    KeepCursorsInPlace();
    switch (Command) {
    case pcUp:
        return Move(0, -1);
    case pcDown:
        return Move(0, 1);
    case pcLeft:
        return Move(-1, 0);
    case pcRight:
        return Move(1, 0);
    case pcAccept:
        return Accept();
    case pcBack:
        return Back();
    case pcBroom:
        return Session.UseBonus(bnCleanup) == boUsed ? prDone : prRefused;
    case pcMagic:
        return Session.UseBonus(bnJoker) == boUsed ? prDone : prRefused;
    case pcCheck:
        return Session.UseBonus(bnCheck) == boUsed ? prDone : prRefused;
    case pcDealNext:
        return Session.DealNow() == dlDealt ? prDone : prRefused;
    case pcPause:
        return Session.TogglePause() == psNotRunning ? prRefused : prDone;
    case pcMenu:
        return prOpenMenu;
    }
    return prRefused;
}

TPlayResponse TPlayInput::Move(int Columns, int Rows)
{
    // Nothing is chosen on a hidden (paused) or ended level.
    if (Session.Puzzle().State() != stPlaying)
        return prRefused;
    if (Area() == paPot) {
        if (Columns < 0) {
            KeysOn = paBoard;
            return prDone;
        }
        // Up is a piece higher up the pot: a later entry.
        const std::int32_t count = Session.Puzzle().Pot().Count();
        if (Columns > 0 || count == 0)
            return prRefused;
        const std::int32_t index = std::clamp(PotIndex - Rows, 0, count - 1);
        if (index == PotIndex)
            return prRefused;
        PotIndex = index;
        return prDone;
    }
    const TPuzzleClass& puzzle = Session.Puzzle();
    const QPoint cell = BoardCell + QPoint(Columns, Rows);
    if (cell.x() >= puzzle.Columns() && !puzzle.HeldPiece()) {
        KeysOn = paPot;
        return prDone;
    }
    if (cell.x() < 0 || cell.y() < 0 || cell.x() >= puzzle.Columns() || cell.y() >= puzzle.Rows())
        return prRefused;
    BoardCell = cell;
    return prDone;
}

TPlayResponse TPlayInput::Accept()
{
    if (Area() == paPot) {
        if (Session.TakeFromPot(PotCursor()) != toTaken)
            return prRefused;
        KeysOn = paBoard;
        return prDone;
    }
    switch (Session.DropOrLiftAt(BoardCell.x(), BoardCell.y())) {
    case coDropped:
        // The next piece comes from the pot.
        KeysOn = paPot;
        return prDone;
    case coLifted:
        KeysOn = paBoard;
        return prDone;
    case coRefused:
    case coEmptyCell:
    case coOutside:
    case coNotPlaying:
        break;
    }
    return prRefused;
}

TPlayResponse TPlayInput::Back()
{
    switch (Session.PutBackHeldPiece()) {
    case pbToPot:
        KeysOn = paPot;
        return prDone;
    case pbToCell:
        KeysOn = paBoard;
        return prDone;
    case pbEmptyHand:
    case pbNotPlaying:
        break;
    }
    return prOpenMenu;
}

} // namespace zindo
