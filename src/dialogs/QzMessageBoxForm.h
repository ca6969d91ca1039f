#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

class QAction;
class QLabel;

namespace zindo {

class TQzImage;
class TQzTransparentButton;
struct TMessageCaptions;

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
/// message-dialog set (yes 0, no 1, OK 2, cancel 3). Other bits are kept but
/// show nothing.
using TMessageButtons = std::uint16_t;
inline constexpr TMessageButtons mbYes = 1u << 0;                       ///< the "Yes" button
inline constexpr TMessageButtons mbNo = 1u << 1;                        ///< the "No" button
inline constexpr TMessageButtons mbOK = 1u << 2;                        ///< the "OK" button
inline constexpr TMessageButtons mbCancel = 1u << 3;                    ///< the "Cancel" button
inline constexpr TMessageButtons mbOKCancel = mbOK | mbCancel;          ///< OK and Cancel
inline constexpr TMessageButtons mbYesNoCancel = mbYes | mbNo | mbCancel; ///< a choice of three

/// How the player closed a message box.
enum TModalResult : std::uint8_t {
    mrOK = 1,     ///< "OK", or Enter without "Yes"
    mrCancel = 2, ///< "Cancel", or Esc and the frame's close button (see TQzMessageBoxForm)
    mrYes = 6,    ///< "Yes", or Enter while it shows
    mrNo = 7,     ///< "No", or Esc and the frame's close button while it shows without "Cancel"
};


/// The game's message box: the zindo emblem on the left ("EmblemPicture"), the
/// message beside it ("MessageLabel"), word-wrapped and vertically centred,
/// and below it the own buttons the call asks for, left to right "Yes"
/// ("YesButton"), "No" ("NoButton"), "OK" ("OKButton") and "Cancel"
/// ("CancelButton"), each as wide as its caption needs. Enter answers Yes
/// while it shows, else OK; Esc and the frame's close button answer Cancel,
/// or No while No shows without Cancel; the keys work even when their button
/// is hidden. The button Enter answers with has the focus when the box opens;
/// Enter on another focused button presses that one. One instance serves the
/// whole run (see ShowMessageBox) and keeps its last text and buttons between
/// uses.
class TQzMessageBoxForm : public QDialog
{
    Q_OBJECT

public:
    explicit TQzMessageBoxForm(QWidget* Parent = nullptr);

    /** Shows Text with the buttons that AButtons selects, captioned as
        Captions says, modally, and returns how the player closed the box. A
        word too wide for a line (a long path) is broken where it must be, and
        a text taller than the room beside the emblem makes the box taller,
        the buttons staying below it. Buttons too wide for the room beside the
        emblem start below it, and widen the box when they need more. */
    TModalResult Ask(const QString& Text, TMessageButtons AButtons, const TMessageCaptions& Captions);

    /** The text shown last, as given. */
    QString MessageText() const { return Message; }
    /** The button set given last, other bits included. */
    TMessageButtons Buttons() const { return ButtonSet; }

protected:
    void keyPressEvent(class QKeyEvent* Event) override;
    /** Tab goes round the form's controls. */
    bool focusNextPrevChild(bool Next) override;

private:
    /** Stores AButtons and captions the buttons; each shows when its bit is set. */
    void SetButtons(TMessageButtons AButtons, const TMessageCaptions& Captions);
    /** Stores the text and lays the box out for it and its buttons. */
    void SetMessageText(const QString& AText);
    /** The answer of Enter: Yes while it shows, else OK. */
    TModalResult DefaultAnswer() const;
    /** The answer of Esc and the frame: Cancel, or No while it shows without Cancel. */
    TModalResult EscapeAnswer() const;

    TQzImage* EmblemPicture;            ///< the emblem, stretched
    QLabel* MessageLabel;               ///< the message
    TQzTransparentButton* YesButton;    ///< "Yes": closes with mrYes
    TQzTransparentButton* NoButton;     ///< "No": closes with mrNo
    TQzTransparentButton* OKButton;     ///< "OK": closes with mrOK
    TQzTransparentButton* CancelButton; ///< "Cancel": closes with mrCancel
    QAction* OKAction;                  ///< Enter / Return: closes with DefaultAnswer
    QAction* CancelAction;              ///< Esc: closes with EscapeAnswer
    QString Message;                    ///< the text shown
    TMessageButtons ButtonSet = 0;      ///< the button set last given
};

/// What the buttons of a question say, so that each answer names what it
/// does ("Save and Quit" rather than "Yes"). An empty caption keeps the
/// usual one ("Yes", "No", "OK", "Cancel").
struct TMessageCaptions {
    QString Yes{};    ///< the caption of "YesButton"
    QString No{};     ///< the caption of "NoButton"
    QString OK{};     ///< the caption of "OKButton"
    QString Cancel{}; ///< the caption of "CancelButton"
};

/** Shows Text in the shared message box, modally, with the buttons Buttons
    selects (mbYes, mbNo, mbOK, mbCancel) captioned as Captions says, and
    returns how the player closed it. Kind says what the message is; the box
    looks the same for every kind. The box is created at the first call, with
    the active window as its owner, and reused by every later call; a call
    while it is open shows the new message in a second box of the same kind. */
TModalResult ShowMessageBox(const QString& Text, TMessageKind Kind, TMessageButtons Buttons,
                            const TMessageCaptions& Captions = {});

/** The shared message box, or null before the first ShowMessageBox. */
TQzMessageBoxForm* SharedMessageBoxForm();

} // namespace zindo
