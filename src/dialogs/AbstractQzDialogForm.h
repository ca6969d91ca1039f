#pragma once

#include <QDialog>

namespace zindo {

class TQzGraphicButton;

/// Base of the game's OK/Cancel dialogs (options, points breakdown): a black
/// form with white Arial text, caption "Zindo Puzzle", and the own buttons
/// OKButton ("OK") and CancelButton ("Cancel"), 145 x 33, at the top right,
/// Cancel below OK. OK answers QDialog::Accepted, Cancel, Esc and the close
/// button of the frame answer QDialog::Rejected. Derived forms move the buttons
/// to their own places. Created by its caller with the main window as parent,
/// shown with exec(), read when the result is Accepted, and released.
class TAbstractQzDialogForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAbstractQzDialogForm(QWidget* Parent = nullptr);

    /** Closes the form with the result Accepted. */
    void OKButtonClick();
    /** Closes the form with the result Rejected. */
    void CancelButtonClick();

    TQzGraphicButton* OKButton;     ///< "OK"
    TQzGraphicButton* CancelButton; ///< "Cancel", below OKButton

protected:
    /** Enter answers OK, as the OK button would; Esc stays Cancel. */
    void keyPressEvent(class QKeyEvent* Event) override;
    /** Sizes the form for an outer size (frame included) of Width x Height,
        taking a usual dialog frame off for the client area. */
    void SetOuterSize(int Width, int Height);

    static constexpr int FrameWidth = 8;   ///< left + right frame of a dialog
    static constexpr int FrameHeight = 30; ///< title bar + top and bottom frame
};

} // namespace zindo
