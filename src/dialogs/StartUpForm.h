#pragma once

#include <QDialog>

class QLabel;
class QRadioButton;

namespace zindo {

class TQzGraphicButton;
class TQzImage;

/// Asked once, on the very first start: play full screen or in a window. Two
/// radio buttons, a screenshot for each choice (clicking it checks its radio
/// button) and "OK". Centred on the screen, since the main window is not shown
/// yet. "OK" answers Accepted; the frame's close button and Esc answer Rejected.
class TStartUpForm : public QDialog
{
    Q_OBJECT

public:
    explicit TStartUpForm(QWidget* Parent = nullptr);

    /** Whether "Full Screen" is checked. */
    bool FullScreenChosen() const;

    /** Checks FullScreenRadioButton. */
    void Image1Click();
    /** Checks WindowRadioButton. */
    void Image2Click();
    /** Closes the form with the result Accepted. */
    void QzGraphicButton1Click();

    QLabel* Label1;                       ///< the question
    QRadioButton* FullScreenRadioButton;  ///< "Full Screen", checked at first
    QRadioButton* WindowRadioButton;      ///< "Window"
    TQzImage* Image1;                     ///< screenshot of the game filling the screen
    TQzImage* Image2;                     ///< screenshot of the game in a window
    QLabel* Label2;                       ///< where to change it later
    TQzGraphicButton* QzGraphicButton1;   ///< "OK"
};

} // namespace zindo
