#pragma once


#include <QPoint>

#include <cstdint>
#include <optional>

namespace zindo {

class TGame;

/// What a key or a gamepad button asks for in a level.
enum TPlayCommand : std::uint8_t {
    pcUp = 0,   ///< the cursor of the pot (a piece higher up) or of the board (a row up)
    pcDown,     ///< the cursor of the pot (a piece lower down) or of the board (a row down)
    pcLeft,     ///< from the pot to the board; on the board a column left
    pcRight,    ///< on the board a column right; from its last column back to the pot
    pcAccept,   ///< take the piece at the pot's cursor, drop the piece in hand or lift one
    pcBack,     ///< put the piece in hand back; with an empty hand the in-game menu
    pcBroom,    ///< the broom
    pcMagic,    ///< "Use Magic"
    pcCheck,    ///< the check
    pcDealNext, ///< the next piece now
    pcPause,    ///< pause or resume
    pcMenu,     ///< the in-game menu
};

/// Where the keys of a level work.
enum TPlayArea : std::uint8_t {
    paPot = 0, ///< the pot: choose a piece and take it
    paBoard,   ///< the board: move a piece to its cell, or lift one
};

/// What a command left for the screen to do.
enum TPlayResponse : std::uint8_t {
    prDone = 0, ///< carried out, or a cursor moved: the screen shows the cursors anew
    prRefused,  ///< nothing could be done (a beep says so)
    prOpenMenu, ///< the in-game menu is wanted
};

/// The keyboard's and the gamepads' way through a level: the two cursors and
/// the turning of commands into the session's intents. The playing screen
/// owns one and paints the cursors; what they point at is view state, kept
/// here and nowhere in the puzzle.
///
/// The keys work the pot while the hand is empty: Up and Down choose a piece
/// (the lowest first), Space or Enter takes it, and Left crosses to the board
/// to lift a piece lying there. While a piece is in the hand the arrows move
/// the board's cursor cell by cell and Space or Enter drops the piece there;
/// once it is dropped the keys are back on the pot. With an empty hand, Right
/// from the board's last column crosses back to the pot. Escape puts a piece
/// in hand back where it came from (and the keys with it), and opens the
/// in-game menu when the hand is empty.
class TPlayInput {
public:
    /// Commands go to ASession's intents.
    explicit TPlayInput(TGame& ASession);

    /// A level starts: the pot's cursor on the lowest piece (the one the
    /// mouse would take first), the board's on the top-left cell, the keys
    /// on the pot.
    void Reset();
    /// Carries Command out; answers what is left for the screen.
    TPlayResponse Execute(TPlayCommand Command);

    /// The command Key stands for in a level, with Modifiers held: the
    /// arrows, Space and Enter, B, M, C, N and P (no modifier but the
    /// keypad's); Escape is the window's.
    static std::optional<TPlayCommand> CommandForKey(int Key, std::uint32_t Modifiers);

    /// Where the keys work now: the board whenever a piece is in the hand.
    TPlayArea Area() const;
    /// The pot entry the pot's cursor is on; -1 while the pot is empty.
    std::int32_t PotCursor() const;
    /// The cell the board's cursor is on, within the level's grid.
    QPoint BoardCursor() const;

private:
    /// The cursors kept within the pot's entries and the board's grid.
    void KeepCursorsInPlace();
    TPlayResponse Move(int Columns, int Rows);
    TPlayResponse Accept();
    TPlayResponse Back();

    TGame& Session;              ///< the game session
    TPlayArea KeysOn = paPot;    ///< see Area
    std::int32_t PotIndex = 0;   ///< see PotCursor, before it is kept within the pot
    QPoint BoardCell{0, 0};      ///< see BoardCursor, before it is kept within the grid
};

} // namespace zindo
