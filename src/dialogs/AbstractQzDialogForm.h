#pragma once

#include <QDialog>

namespace zindo {

class TQzGraphicButton;

/// Base of the game's OK/Cancel dialogs (options, points breakdown): a black
/// form with white Arial text, caption "Zindo Puzzle", and the own buttons
/// "OK" (object name "OKButton") and "Cancel" ("CancelButton"), 145 x 33, at
/// the top right, Cancel below OK. OK and Enter close the form as confirmed;
/// Cancel, Esc and the close button of the frame close it as cancelled.
/// The keyboard reaches the derived form's controls first, then OK and
/// Cancel; the arrow keys move the focus as Tab does where a control does
/// not use them, and Enter on a focused button presses that button.
/// Derived forms place the buttons where they belong and offer one public
/// call that fills the form, shows it modally and returns the player's
/// answer. The caller creates the form with the main window as parent, makes
/// that call once, and releases the form.
class TAbstractQzDialogForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAbstractQzDialogForm(QWidget* Parent = nullptr);

protected:
    /** Shows the form modally, the focus on its first control; true when it
        was closed with OK (the button or Enter), false when it was cancelled. */
    bool ExecConfirmed();

    /** Sizes the form for an outer size (frame included) of Width x Height,
        taking a usual dialog frame off for the client area, and puts the
        buttons at its top right. */
    void SetOuterSize(int Width, int Height);
    /** Moves the OK button's top left corner to At. */
    void PlaceOKButton(QPoint At);
    /** Moves the Cancel button's top left corner to At. */
    void PlaceCancelButton(QPoint At);
    /** Leaves OK as the only button; Esc and the frame still cancel. */
    void HideCancelButton();

    /** Enter answers OK, as the OK button would; Esc stays Cancel. */
    void keyPressEvent(class QKeyEvent* Event) override;
    /** Tab goes round the form's controls. */
    bool focusNextPrevChild(bool Next) override;

    static constexpr int FrameWidth = 8;   ///< left + right frame of a dialog
    static constexpr int FrameHeight = 30; ///< title bar + top and bottom frame

private:
    TQzGraphicButton* OKButton;     ///< "OK": closes the form as confirmed
    TQzGraphicButton* CancelButton; ///< "Cancel", below OKButton: closes it as cancelled
};

} // namespace zindo
