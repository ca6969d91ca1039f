#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

class QAction;
class QLabel;

namespace zindo {

class TQzImage;
class TQzTransparentButton;

/// The kind of a message, as the usual message dialogs know them. The game's
/// box looks the same for every kind; callers say what their message is.
enum TMessageKind : std::uint8_t {
    mtWarning = 0,  ///< something went wrong that the player may mend
    mtError,        ///< an operation failed
    mtInformation,  ///< news for the player ("Get Ready", an error the game goes on after)
    mtConfirmation, ///< a question
    mtCustom        ///< none of these
};

/// A message box's button set: bits at the positions of the usual
/// message-dialog set (yes 0, no 1, OK 2, cancel 3). The box has OK and Cancel
/// only; other bits are kept but show nothing.
using TMessageButtons = std::uint16_t;
inline constexpr TMessageButtons mbOK = 1u << 2;                ///< the "OK" button
inline constexpr TMessageButtons mbCancel = 1u << 3;            ///< the "Cancel" button
inline constexpr TMessageButtons mbOKCancel = mbOK | mbCancel;  ///< both

/// How the player closed a message box.
enum TModalResult : std::uint8_t {
    mrOK = 1,    ///< "OK" or Enter
    mrCancel = 2 ///< "Cancel", Esc or the frame's close button
};

/// The game's message box: the zindo emblem on the left ("EmblemPicture"), the
/// message beside it ("MessageLabel"), word-wrapped and vertically centred,
/// and the own buttons "OK" ("OKButton") and "Cancel" ("CancelButton"). Enter
/// answers OK and Esc Cancel even when that button is hidden; OK has the
/// focus when the box opens, and Enter on a focused Cancel presses Cancel. One instance
/// serves the whole run (see ShowMessageBox) and keeps its last text and
/// buttons between uses.
class TQzMessageBoxForm : public QDialog
{
    Q_OBJECT

public:
    explicit TQzMessageBoxForm(QWidget* Parent = nullptr);

    /** Shows Text with the buttons that AButtons selects, modally, and
        returns how the player closed the box. A word too wide for a line (a
        long path) is broken where it must be, and a text taller than the
        room beside the emblem makes the box taller, the buttons staying
        below it. */
    TModalResult Ask(const QString& Text, TMessageButtons AButtons);

    /** The text shown last, as given. */
    QString MessageText() const { return Message; }
    /** The button set given last, other bits included. */
    TMessageButtons Buttons() const { return ButtonSet; }

protected:
    void keyPressEvent(class QKeyEvent* Event) override;
    /** Tab goes round the form's controls. */
    bool focusNextPrevChild(bool Next) override;

private:
    /** Stores AButtons; "OK" shows when mbOK is set, "Cancel" when mbCancel is. */
    void SetButtons(TMessageButtons AButtons);
    /** Stores the text and lays the box out for it. */
    void SetMessageText(const QString& AText);

    TQzImage* EmblemPicture;            ///< the emblem, stretched
    QLabel* MessageLabel;               ///< the message
    TQzTransparentButton* OKButton;     ///< "OK", bound to OKAction
    TQzTransparentButton* CancelButton; ///< "Cancel", bound to CancelAction
    QAction* OKAction;                  ///< Enter / Return: closes with mrOK
    QAction* CancelAction;              ///< Esc: closes with mrCancel
    QString Message;                    ///< the text shown
    TMessageButtons ButtonSet = 0;      ///< the button set last given
};

/** Shows Text in the shared message box, modally, with the buttons Buttons
    selects (mbOK, mbCancel), and returns how the player closed it. Kind says
    what the message is; the box looks the same for every kind. The box is
    created at the first call, with the active window as its owner, and reused
    by every later call; a call while it is open shows the new message in a
    second box of the same kind. */
TModalResult ShowMessageBox(const QString& Text, TMessageKind Kind, TMessageButtons Buttons);

/** The shared message box, or null before the first ShowMessageBox. */
TQzMessageBoxForm* SharedMessageBoxForm();

} // namespace zindo
