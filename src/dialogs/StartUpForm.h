#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QRadioButton;

namespace zindo {

class TQzGraphicButton;
class TQzImage;

/// Asked once, on the very first start: play full screen or in a window. The
/// question ("QuestionLabel"), two radio buttons ("FullScreenRadioButton",
/// checked at first, and "WindowRadioButton"), a screenshot for each choice
/// ("FullScreenPicture", "WindowPicture"; a click on one checks its radio
/// button), a note where to change it later ("NoteLabel") and "OK"
/// ("OKButton"). Centred on the screen, since the main window is not shown
/// yet; the caller creates it without a parent. The checked radio button has
/// the focus; the arrow keys choose, Enter answers OK.
class TStartUpForm : public QDialog
{
    Q_OBJECT

public:
    explicit TStartUpForm(QWidget* Parent = nullptr);

    /** Shows the question modally and returns the player's choice: true for
        full screen, false for a window; nullopt when the form was closed
        without "OK" (Esc or the frame's close button), which leaves the
        question open for the next start. */
    std::optional<bool> AskFullScreen();

protected:
    void keyPressEvent(class QKeyEvent* Event) override;
    /** Tab goes round the form's controls. */
    bool focusNextPrevChild(bool Next) override;

private:
    QLabel* QuestionLabel;               ///< window or full screen?
    QRadioButton* FullScreenRadioButton; ///< "Full Screen", checked at first
    QRadioButton* WindowRadioButton;     ///< "Window"
    TQzImage* FullScreenPicture;         ///< screenshot of the game filling the screen
    TQzImage* WindowPicture;             ///< screenshot of the game in a window
    QLabel* NoteLabel;                   ///< where to change it later
    TQzGraphicButton* OKButton;          ///< "OK": the only way to answer
};

} // namespace zindo
