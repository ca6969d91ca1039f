#pragma once

#include "BoardPainter.h"
#include "DeviceBoard.h"
#include "DevicePicture.h"
#include "PlayInput.h"
#include "Screen.h"

#include "game/PuzzleClass.h"

#include <QCoreApplication>
#include <QImage>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

class QFocusEvent;
class QKeyEvent;
class QLabel;
class QMouseEvent;
class QPainter;

namespace zindo {

class TGame;
class TPaintBox;
class TPictureBox;
class TQzGraphicButton;
class TRandomGenerator;

/// The icon the mode box shows: what the piece in hand or the running check
/// does to the next click on the board.
enum TModeIcon : std::uint8_t {
    miNone = 0,       ///< nothing special
    miRisk = 1,       ///< a risk piece is in the hand
    miCheck = 2,      ///< the check marks the wrong pieces
    miChangeDrop = 3, ///< a change-drop piece is in the hand: it may replace a piece
};

/// The playing screen, on which a level is played: the finished picture for
/// reference, the board, the pot, the three bonus boxes (broom, magic, check),
/// the level, lives, score and mode read-outs, and the buttons along the
/// bottom ("Menu", "Pause", the end-of-level choice, "Save...", "Next").
///
/// It turns the player's clicks, keys and gamepad buttons into the session's
/// intents (the keys through TPlayInput, PlayingScreenInput.cpp), follows the
/// session's four events itself (repaints, effects, states, news), paints its
/// views from the session's puzzle when the idle pass finds them due, tells
/// the session's news (a raid's toll, a risk won or lost, a bonus used up) as
/// passing lines in the message panel, and shows the verdict with the points
/// dialog at the end of a level (PlayingScreenVerdict.cpp).
///
/// When a level starts the keys work the pot and the board (the screen itself
/// has the focus); Tab reaches the buttons. The cursors of the pot and the
/// board show while the keyboard or a gamepad is used and hide when the
/// mouse moves; meanwhile the piece in hand follows the board's cursor
/// rather than the pointer. When the level ends, the button that goes on
/// ("Next Level", "Try Again") takes the focus.
class TPlayingScreen : public TScreen {
    Q_DECLARE_TR_FUNCTIONS(PlayingScreen)

public:
    /// Subscribes to ASession's events. Random: the program's generator, which
    /// the views draw their flicker from.
    TPlayingScreen(TScreenHost& AHost, QStackedWidget& Pages, TGame& ASession, TRandomGenerator& ARandom);

    // Levels.

    /// Starts the session's current level ("Go", "OK" on the load screen,
    /// "Next Level", "Try Again") and shows the screen.
    void StartLevelScreen();
    /// Esc or "Menu", only while this screen is shown: the in-game menu,
    /// with the level paused behind it.
    void ShowInGameMenu();
    /// The "Save" dialog over the screen: saves the game under the name
    /// typed (asking before it replaces a saved game), and says so in the
    /// message panel; a save that fails shows its error and keeps the dialog
    /// open. True when the game was saved, false when the player cancelled.
    bool ShowSaveDialog();
    /// Lets go of the board and its preview at the screen's resolution,
    /// which only this screen shows; StartLevelScreen makes them again.
    void Leave() override;

    // The keyboard and the gamepads.

    /// The keys and the pot and board: the screen itself.
    QWidget* FirstControl() override;
    /// Escape: the piece in hand goes back where it came from; with an empty
    /// hand, the in-game menu.
    void GoBack() override;
    /// Carries out a command of a key or a gamepad button (a beep where
    /// nothing can be done) and shows the cursors.
    void RunCommand(TPlayCommand Command);
    /// The keyboard or a gamepad is in use (true), or the mouse moved
    /// (false): the cursors show or hide.
    void ShowCursors(bool Shown);
    /// The cursors show.
    bool CursorsShown() const { return CursorsVisible; }
    /// The cursors and where the keys work.
    const TPlayInput& PlayInput() const { return Input; }

    // Layout.

    /// Places the panels and buttons for the page's size: reference picture
    /// top left, pot top right with the bonus boxes below it, buttons along
    /// the bottom, then the board.
    void Arrange();
    /// Fits the board panel to the level's picture, left of the pot.
    void LayoutBoardPanel();

    // The idle pass.

    /// Marks views for painting at the next idle pass (RepaintBoard,
    /// RepaintPot, RepaintBonus) and wakes the pass; the session's OnChange.
    void RequestRepaint(std::uint8_t Parts);
    /// Some view waits to be painted.
    bool RepaintPending() const { return PendingRepaint != 0; }
    /// The idle pass's painting: the views due are painted once, and the
    /// request is cleared even when painting fails.
    void FlushPendingRepaints();
    /// Read-outs, pointer, mode icon and buttons after the session's state.
    void UpdatePlayControls();

    /// The icon in the mode box.
    TModeIcon ModeIcon() const { return ShownModeIcon; }

protected:
    void resizeEvent(QResizeEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    // The session's events.
    /// The sound of an effect; a pause hides the reference picture and
    /// silences the music, a resume undoes that.
    void HandleEffect(TGameEffect Effect);
    /// The points dialog once per solved level, the verdict line, the music
    /// and the controls.
    void HandleStateChange(TPuzzleState State);
    /// The news as a passing line in the message panel.
    void ShowNews(const TPuzzleNews& News);

    void BuildViews();
    void BuildButtons();
    void FlushRepaints(std::uint8_t Mask);
    QPoint BoardPointer() const;
    void PaintBoardView(QPainter& Painter, const QRegion& Exposed);
    void PaintPotView(QPainter& Painter, const QRegion& Exposed);
    void PaintModeIcon(QPainter& Painter);
    /// The board's cursor over the painted board, while the cursors show.
    void PaintBoardCursor(QPainter& Painter);
    /// The pot's cursor over the painted pot, while the cursors show.
    void PaintPotCursor(QPainter& Painter);
    /// Where the board's cursor is drawn now; empty while it is not.
    QRect BoardCursorRect() const;
    /// The centre of the board's cursor, where the piece in hand is shown
    /// while the cursors show.
    QPoint BoardCursorCentre() const;
    /// Paints the cursors again where they were and where they are.
    void RepaintCursors();
    void PotViewMouseDown(QMouseEvent& Event);
    void BoardViewMouseDown(QMouseEvent& Event);
    void NextPieceButtonClick();
    void PauseButtonClick();
    void EndOfLevelButtonClick();
    /// The "Save" dialog: the name the game was saved under, or nothing
    /// when the player cancelled.
    std::optional<QString> SaveThroughDialog();
    /// "Game saved as ..." in the message panel.
    void TellSaved(const QString& Name);
    void UpdateEndOfLevelButtons();

    TGame& Session;                       ///< the game session, whose puzzle the views show
    TRandomGenerator& Random;             ///< the program's generator
    std::uint8_t PendingRepaint = 0;      ///< views to paint at the next idle pass
    bool CongratulationShown = false;     ///< the points dialog was shown for this level
    TModeIcon ShownModeIcon = miNone;     ///< see ModeIcon
    TPlayInput Input;                     ///< the cursors and the keys' commands
    bool CursorsVisible = false;          ///< see CursorsShown
    QRect ShownBoardCursor;               ///< where the board's cursor was last asked to be painted
    /// A bonus box and the count it shows.
    struct TShownBonus {
        TPaintBox* Box;
        TBonusKind Slot;
        std::int32_t Count = std::numeric_limits<std::int32_t>::min(); ///< none shown yet
    };
    std::vector<TShownBonus> ShownBonuses; ///< brooms, magic, checks
    TBoardViewLayout BoardLayout;             ///< the board as last laid out for the screen
    TPotLayout PotLayout;                 ///< the pot as last laid out for the screen
    TDevicePictureSet PotIcons;           ///< the pot's kind icons at the screen's resolution
    TDeviceBoard BoardPicture;            ///< the board at the screen's resolution, the pieces cut from it
    TDevicePictureSet BoardSprites;       ///< the sprites over the board, at the same

    QWidget* PreviewPanel = nullptr;         ///< frame of the reference picture
    TPictureBox* PreviewImage = nullptr;     ///< the finished picture; hidden while paused
    QWidget* BoardPanel = nullptr;           ///< frame of the board, sized to the level's picture
    TPaintBox* BoardView = nullptr;          ///< the board: drop, pick up, the piece in hand
    QWidget* PotPanel = nullptr;             ///< frame of the pot
    TPaintBox* PotView = nullptr;            ///< the pot: take a piece
    QWidget* CleanupBonusPanel = nullptr;    ///< frame of the brooms
    TPaintBox* CleanupBonusView = nullptr;   ///< brooms: sweep away the wrong pieces
    QWidget* JokerBonusPanel = nullptr;      ///< frame of the magic
    TPaintBox* JokerBonusView = nullptr;     ///< "Use Magic": a piece to its own cell
    QWidget* CheckBonusPanel = nullptr;      ///< frame of the checks
    TPaintBox* CheckBonusView = nullptr;     ///< checks: mark the wrong pieces for five seconds
    QLabel* LevelLabel = nullptr;            ///< level read-out
    QLabel* LivesLabel = nullptr;            ///< lives read-out
    QLabel* ScoreLabel = nullptr;            ///< score read-out
    TPaintBox* ModeIconView = nullptr;       ///< the mode icon
    TQzGraphicButton* MenuButton = nullptr;       ///< "Menu": the in-game menu
    TQzGraphicButton* PauseButton = nullptr;      ///< "Pause" / "Continue Playing"
    TQzGraphicButton* EndOfLevelButton = nullptr; ///< "Try Again", "Next Level" or "Back to Main Screen"
    TQzGraphicButton* SaveButton = nullptr;       ///< "Save...", between levels
    TQzGraphicButton* NextPieceButton = nullptr;  ///< "Next": deals the next piece at once
};

} // namespace zindo
