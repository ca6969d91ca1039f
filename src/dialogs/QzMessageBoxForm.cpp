#include "dialogs/QzMessageBoxForm.h"

#include "controls/FocusKeys.h"
#include "controls/QzTransparentButton.h"
#include "dialogs/QzDialogLook.h"
#include "dialogs/QzImage.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

#include <algorithm>
#include <memory>
#include <vector>

namespace zindo {

namespace {

constexpr int ClientWidth = 543;
constexpr int ClientMinHeight = 183;  ///< with a message that fits beside the emblem
constexpr int MessageLeft = 128;
constexpr int MessageTop = 10;
constexpr int MessageWidth = 409;
constexpr int MessageMinHeight = 117; ///< the height beside the emblem
constexpr int ButtonGap = 11;         ///< between the message and the buttons
constexpr int BottomMargin = 12;      ///< below the buttons
constexpr int ButtonWidth = 111;     ///< at least; a longer caption makes its button wider
constexpr int ButtonHeight = 33;
constexpr int ButtonSpacing = 7;     ///< between two buttons
constexpr int CaptionPadding = 14;   ///< on each side of a caption within its button
constexpr int SideMargin = 8;        ///< left of the emblem, right of the message

/// Text with a place to break the line, a zero-width space, wherever a word
/// (a file's path, say) is wider than Width: after each '/' and, within a
/// part still too wide, after each character. The label breaks lines only
/// between words and would cut such a word off at its edge.
QString BreakableText(const QString& Text, const QFontMetrics& Metrics, int Width)
{
    constexpr QChar zeroWidthSpace(0x200B);
    QString result;
    QString word;
    auto flushWord = [&] {
        if (Metrics.horizontalAdvance(word) > Width) {
            QString part;
            for (const QChar c : word) {
                part += c;
                if (c == QLatin1Char('/')) {
                    result += part + zeroWidthSpace;
                    part.clear();
                } else if (Metrics.horizontalAdvance(part) > Width * 3 / 4) {
                    result += part + zeroWidthSpace;
                    part.clear();
                }
            }
            result += part;
        } else {
            result += word;
        }
        word.clear();
    };
    for (const QChar c : Text) {
        if (c.isSpace()) {
            flushWord();
            result += c;
        } else {
            word += c;
        }
    }
    flushWord();
    return result;
}

} // namespace

TQzMessageBoxForm::TQzMessageBoxForm(QWidget* Parent)
    : QDialog(Parent)
{
    UseFixedDialogFrame(*this);
    ApplyQzDialogLook(*this);
    setWindowTitle(QStringLiteral("Zindo Puzzle"));
    setFixedSize(ClientWidth, ClientMinHeight);

    EmblemPicture = new TQzImage(this);
    EmblemPicture->setObjectName(QStringLiteral("EmblemPicture"));
    EmblemPicture->setGeometry(8, MessageTop, 113, 117);
    EmblemPicture->LoadPicture(QStringLiteral(":/images/emblem.png"));

    MessageLabel = new QLabel(this);
    MessageLabel->setObjectName(QStringLiteral("MessageLabel"));
    MessageLabel->setGeometry(MessageLeft, MessageTop, MessageWidth, MessageMinHeight);
    MessageLabel->setWordWrap(true);
    MessageLabel->setTextFormat(Qt::PlainText);
    MessageLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MessageLabel->setContentsMargins(0, 0, 0, 0);
    MessageLabel->setMargin(0);
    MessageLabel->setIndent(0);

    auto makeButton = [this](const char* Name) {
        auto* button = new TQzTransparentButton(QString(), this);
        button->setObjectName(QLatin1String(Name));
        button->resize(ButtonWidth, ButtonHeight);
        return button;
    };
    YesButton = makeButton("YesButton");
    NoButton = makeButton("NoButton");
    OKButton = makeButton("OKButton");
    CancelButton = makeButton("CancelButton");

    // The actions belong to the form, not to the buttons, so their keys work
    // while a button is hidden.
    OKAction = new QAction(tr("OK"), this);
    OKAction->setObjectName(QStringLiteral("OKAction"));
    OKAction->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    OKAction->setShortcutContext(Qt::WindowShortcut);
    addAction(OKAction);
    CancelAction = new QAction(tr("Cancel"), this);
    CancelAction->setObjectName(QStringLiteral("CancelAction"));
    CancelAction->setShortcut(QKeySequence(Qt::Key_Escape));
    CancelAction->setShortcutContext(Qt::WindowShortcut);
    addAction(CancelAction);

    // Each answer closes the box with its result; closing it otherwise
    // (the frame, reject) ends with 0, which Ask reads as Esc.
    connect(OKAction, &QAction::triggered, this, [this] { done(DefaultAnswer()); });
    connect(CancelAction, &QAction::triggered, this, [this] { done(EscapeAnswer()); });
    connect(YesButton, &QAbstractButton::clicked, this, [this] { done(mrYes); });
    connect(NoButton, &QAbstractButton::clicked, this, [this] { done(mrNo); });
    connect(OKButton, &QAbstractButton::clicked, this, [this] { done(mrOK); });
    connect(CancelButton, &QAbstractButton::clicked, this, [this] { done(mrCancel); });
    MoveFocusWithArrows(*this);
}

TModalResult TQzMessageBoxForm::Ask(const QString& Text, TMessageButtons AButtons, const TMessageCaptions& Captions)
{
    SetButtons(AButtons, Captions);
    SetMessageText(Text);
    // The button Enter answers with has the focus; without it the box holds
    // the focus itself, so that Enter still answers as it would.
    TQzTransparentButton* first = (ButtonSet & mbYes) != 0 ? YesButton : OKButton;
    if (first->isVisibleTo(this))
        first->setFocus();
    else
        setFocus();
    const int result = exec();
    switch (result) {
    case mrOK:
    case mrCancel:
    case mrYes:
    case mrNo:
        return static_cast<TModalResult>(result);
    default:
        return EscapeAnswer();
    }
}

TModalResult TQzMessageBoxForm::DefaultAnswer() const
{
    return (ButtonSet & mbYes) != 0 ? mrYes : mrOK;
}

TModalResult TQzMessageBoxForm::EscapeAnswer() const
{
    return (ButtonSet & mbNo) != 0 && (ButtonSet & mbCancel) == 0 ? mrNo : mrCancel;
}

void TQzMessageBoxForm::SetButtons(TMessageButtons AButtons, const TMessageCaptions& Captions)
{
    ButtonSet = AButtons;
    const auto caption = [](const QString& Given, const QString& Usual) { return Given.isEmpty() ? Usual : Given; };
    YesButton->setText(caption(Captions.Yes, tr("Yes")));
    NoButton->setText(caption(Captions.No, tr("No")));
    OKButton->setText(caption(Captions.OK, tr("OK")));
    CancelButton->setText(caption(Captions.Cancel, tr("Cancel")));
    YesButton->setVisible((AButtons & mbYes) != 0);
    NoButton->setVisible((AButtons & mbNo) != 0);
    OKButton->setVisible((AButtons & mbOK) != 0);
    CancelButton->setVisible((AButtons & mbCancel) != 0);
}

void TQzMessageBoxForm::SetMessageText(const QString& AText)
{
    Message = AText;
    MessageLabel->setText(BreakableText(AText, MessageLabel->fontMetrics(), MessageWidth));
    // A message longer than the room beside the emblem makes the box taller,
    // the buttons moving down below it.
    const int height = std::max(MessageMinHeight, MessageLabel->heightForWidth(MessageWidth));
    MessageLabel->setGeometry(MessageLeft, MessageTop, MessageWidth, height);
    const int buttonTop = MessageTop + height + ButtonGap;

    // The buttons in a row below the message, each as wide as its caption
    // needs; a row too wide for the room below the message starts below the
    // emblem, and one too wide for that too widens the box.
    std::vector<TQzTransparentButton*> shown;
    int rowWidth = -ButtonSpacing;
    for (TQzTransparentButton* button : {YesButton, NoButton, OKButton, CancelButton}) {
        if (button->isHidden())
            continue;
        const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 2 * CaptionPadding;
        button->resize(std::max(ButtonWidth, needed), ButtonHeight);
        rowWidth += button->width() + ButtonSpacing;
        shown.push_back(button);
    }
    int left = MessageLeft;
    if (left + rowWidth > ClientWidth - SideMargin)
        left = SideMargin;
    for (TQzTransparentButton* button : shown) {
        button->move(left, buttonTop);
        left += button->width() + ButtonSpacing;
    }
    const int boxWidth = std::max(ClientWidth, SideMargin + rowWidth + SideMargin);
    setFixedSize(boxWidth, buttonTop + ButtonHeight + BottomMargin);
}

void TQzMessageBoxForm::keyPressEvent(QKeyEvent* Event)
{
    // Reached when the shortcuts did not take the key (the box not yet active).
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (Event->modifiers() == Qt::NoModifier || Event->modifiers() == Qt::KeypadModifier) {
            OKAction->trigger();
            return;
        }
        break;
    case Qt::Key_Escape:
        CancelAction->trigger();
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(Event);
}

namespace {

QPointer<TQzMessageBoxForm>& SharedBox()
{
    static QPointer<TQzMessageBoxForm> box;
    return box;
}

} // namespace

TQzMessageBoxForm* SharedMessageBoxForm()
{
    return SharedBox().data();
}

TModalResult ShowMessageBox(const QString& Text, [[maybe_unused]] TMessageKind Kind, TMessageButtons Buttons,
                            const TMessageCaptions& Captions)
{
    QPointer<TQzMessageBoxForm>& box = SharedBox();
    if (box.isNull()) {
        QWidget* owner = QApplication::activeWindow();
        box = new TQzMessageBoxForm(owner);
        // Without an owner, nothing else would release it before the application.
        if (owner == nullptr)
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, box, &QObject::deleteLater);
    }
    // A message raised while the box shows another (the game goes on behind
    // it) gets a box of its own, so neither text is lost.
    std::unique_ptr<TQzMessageBoxForm> second;
    TQzMessageBoxForm* shown = box.data();
    if (shown->isVisible()) {
        second = std::make_unique<TQzMessageBoxForm>(QApplication::activeWindow());
        shown = second.get();
    }
    return shown->Ask(Text, Buttons, Captions);
}

bool TQzMessageBoxForm::focusNextPrevChild(bool Next)
{
    return MoveFocusWithin(*this, Next);
}

} // namespace zindo
