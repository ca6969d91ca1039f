// The playing screen's keys and gamepad buttons: commands of TPlayInput, and
// the two cursors that show where they work.

#include "PlayingScreen.h"

#include "PaintBox.h"
#include "PlayCursors.h"

#include "game/Game.h"

#include <QApplication>
#include <QKeyEvent>

namespace zindo {

QWidget* TPlayingScreen::FirstControl()
{
    return this;
}

void TPlayingScreen::GoBack()
{
    RunCommand(pcBack);
}

void TPlayingScreen::keyPressEvent(QKeyEvent* Event)
{
    // Keys reach the screen while it has the focus itself, and the letters
    // also while one of its buttons has it (the buttons use the arrows,
    // Space and Enter themselves).
    const std::optional<TPlayCommand> command = TPlayInput::CommandForKey(Event->key(), Event->modifiers());
    if (!command || (Event->isAutoRepeat() && *command >= pcAccept)) {
        TScreen::keyPressEvent(Event);
        return;
    }
    RunCommand(*command);
    Event->accept();
}

void TPlayingScreen::RunCommand(TPlayCommand Command)
{
    ShowCursors(true);
    switch (Input.Execute(Command)) {
    case prDone:
        break;
    case prRefused:
        QApplication::beep();
        break;
    case prOpenMenu:
        ShowInGameMenu();
        break;
    }
    UpdatePlayControls();
    // The piece in hand follows the board's cursor.
    RequestRepaint(RepaintBoard);
    RepaintCursors();
}

void TPlayingScreen::ShowCursors(bool Shown)
{
    if (CursorsVisible == Shown)
        return;
    CursorsVisible = Shown;
    // The piece in hand goes from the pointer to the cursor, or back.
    if (Session.Puzzle().HeldPiece())
        RequestRepaint(RepaintBoard);
    RepaintCursors();
}

void TPlayingScreen::focusInEvent(QFocusEvent* Event)
{
    TScreen::focusInEvent(Event);
    RepaintCursors();
}

void TPlayingScreen::focusOutEvent(QFocusEvent* Event)
{
    TScreen::focusOutEvent(Event);
    RepaintCursors();
}

QRect TPlayingScreen::BoardCursorRect() const
{
    const TPuzzleClass& puzzle = Session.Puzzle();
    if (!CursorsVisible || puzzle.State() != stPlaying || puzzle.Columns() == 0)
        return QRect();
    const QPoint cell = Input.BoardCursor();
    return QRect(puzzle.CellOrigin(cell.x(), cell.y()), QSize(puzzle.PieceSize(), puzzle.PieceSize()));
}

QPoint TPlayingScreen::BoardCursorCentre() const
{
    const TPuzzleClass& puzzle = Session.Puzzle();
    const QPoint cell = Input.BoardCursor();
    return puzzle.CellOrigin(cell.x(), cell.y()) + QPoint(puzzle.PieceSize() / 2, puzzle.PieceSize() / 2);
}

void TPlayingScreen::RepaintCursors()
{
    const QRect board = BoardCursorRect();
    BoardView->update(ShownBoardCursor);
    BoardView->update(board);
    ShownBoardCursor = board;
    // The pot is narrow: it is painted whole, wherever its cursor went.
    PotView->update();
}

void TPlayingScreen::PaintBoardCursor(QPainter& Painter)
{
    const QRect cursor = BoardCursorRect();
    if (cursor.isEmpty() || BoardLayout.Paused || BoardLayout.Board.isNull())
        return;
    PaintPlayCursor(Painter, cursor, hasFocus() && Input.Area() == paBoard);
}

void TPlayingScreen::PaintPotCursor(QPainter& Painter)
{
    const std::int32_t index = Input.PotCursor();
    if (!CursorsVisible || Session.Puzzle().State() != stPlaying || PotLayout.Blank || index < 0 ||
        index >= static_cast<std::int32_t>(PotLayout.Entries.size()))
        return;
    PaintPlayCursor(Painter, PotLayout.Entries[static_cast<std::size_t>(index)].Box,
                    hasFocus() && Input.Area() == paPot);
}

} // namespace zindo
