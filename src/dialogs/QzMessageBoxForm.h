#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

class QAction;
class QLabel;

namespace zindo {

class TQzImage;
class TQzTransparentButton;

/// Button bits of ShowMessageBox's button set (the positions of the usual
/// message-dialog set: yes 0, no 1, OK 2, cancel 3); other bits are ignored.
inline constexpr std::uint16_t mbOKBit = 1u << 2;
inline constexpr std::uint16_t mbCancelBit = 1u << 3;

/// The game's message box: the zindo emblem on the left, the message beside it,
/// word-wrapped and vertically centred, and the own buttons "OK" and "Cancel".
/// Enter answers Accepted and Esc Rejected even when the button is hidden.
/// One instance serves the whole run (see ShowMessageBox) and keeps its last
/// text and buttons between uses.
class TQzMessageBoxForm : public QDialog
{
    Q_OBJECT

public:
    explicit TQzMessageBoxForm(QWidget* Parent = nullptr);

    /** Stores Buttons; OKButton shows when bit 2 is set, CancelButton when bit 3 is. */
    void SetButtons(std::uint16_t AButtons);
    /** Stores the text and shows it; a word too wide for a line (a long
        path) is broken where it must be, and a text taller than the room
        beside the emblem makes the box taller, the buttons staying below it. */
    void SetMessageText(const QString& AText);

    /** Closes the box with Accepted. */
    void OKActionExecute();
    /** Closes the box with Rejected. */
    void CancelActionExecute();

    QString MessageText() const { return FMessageText; }
    std::uint16_t Buttons() const { return FButtons; }

    TQzImage* Image1;                  ///< the emblem, stretched
    QLabel* MessageTextStaticText;     ///< the message
    TQzTransparentButton* OKButton;    ///< "OK", bound to OKAction
    TQzTransparentButton* CancelButton;///< "Cancel", bound to CancelAction
    QAction* OKAction;                 ///< Enter / Return
    QAction* CancelAction;             ///< Esc

protected:
    void keyPressEvent(class QKeyEvent* Event) override;

private:
    QString FMessageText;        ///< the text shown
    std::uint16_t FButtons = 0;  ///< the button set last given
};

/** Shows Text in the shared message box, modally, and returns its result
    (QDialog::Accepted for OK, QDialog::Rejected for Cancel). Buttons selects
    the buttons (mbOKBit, mbCancelBit). Kind (the usual message-dialog kind;
    callers pass 2, information) and HelpContext are accepted and not used.
    The box is created at the first call, with the active window as its owner,
    and reused by every later call; a call while it is open shows the new
    message in a second box of the same kind. */
int ShowMessageBox(const QString& Text, int Kind, std::uint16_t Buttons, int HelpContext);

/** The shared message box, or null before the first ShowMessageBox. */
TQzMessageBoxForm* SharedMessageBoxForm();

} // namespace zindo
