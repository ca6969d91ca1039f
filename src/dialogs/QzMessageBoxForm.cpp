#include "dialogs/QzMessageBoxForm.h"

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

namespace zindo {

namespace {

constexpr int MessageLeft = 128;
constexpr int MessageWidth = 409;
constexpr int MessageMinHeight = 117; ///< the height beside the emblem
constexpr int ButtonGap = 11;         ///< between the message and the buttons
constexpr int BottomMargin = 12;      ///< below the buttons
constexpr int ButtonHeight = 33;

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
    setFixedSize(543, 183);

    Image1 = new TQzImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 10, 113, 117);
    Image1->LoadPicture(QStringLiteral(":/images/emblem.png"));

    MessageTextStaticText = new QLabel(this);
    MessageTextStaticText->setObjectName(QStringLiteral("MessageTextStaticText"));
    MessageTextStaticText->setGeometry(MessageLeft, 10, MessageWidth, MessageMinHeight);
    MessageTextStaticText->setWordWrap(true);
    MessageTextStaticText->setTextFormat(Qt::PlainText);
    MessageTextStaticText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MessageTextStaticText->setContentsMargins(0, 0, 0, 0);
    MessageTextStaticText->setMargin(0);
    MessageTextStaticText->setIndent(0);

    OKButton = new TQzTransparentButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(MessageLeft, 10 + MessageMinHeight + ButtonGap, 111, ButtonHeight);
    CancelButton = new TQzTransparentButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(246, 10 + MessageMinHeight + ButtonGap, 111, ButtonHeight);

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

    connect(OKAction, &QAction::triggered, this, [this] { OKActionExecute(); });
    connect(CancelAction, &QAction::triggered, this, [this] { CancelActionExecute(); });
    connect(OKButton, &QAbstractButton::clicked, OKAction, &QAction::trigger);
    connect(CancelButton, &QAbstractButton::clicked, CancelAction, &QAction::trigger);
}

void TQzMessageBoxForm::SetButtons(std::uint16_t AButtons)
{
    FButtons = AButtons;
    OKButton->setVisible((AButtons & mbOKBit) != 0);
    CancelButton->setVisible((AButtons & mbCancelBit) != 0);
}

void TQzMessageBoxForm::SetMessageText(const QString& AText)
{
    FMessageText = AText;
    MessageTextStaticText->setText(BreakableText(AText, MessageTextStaticText->fontMetrics(), MessageWidth));
    // A message longer than the room beside the emblem makes the box taller,
    // the buttons moving down below it.
    const int height = std::max(MessageMinHeight, MessageTextStaticText->heightForWidth(MessageWidth));
    MessageTextStaticText->setGeometry(MessageLeft, 10, MessageWidth, height);
    const int buttonTop = 10 + height + ButtonGap;
    OKButton->move(OKButton->x(), buttonTop);
    CancelButton->move(CancelButton->x(), buttonTop);
    setFixedSize(width(), buttonTop + ButtonHeight + BottomMargin);
}

void TQzMessageBoxForm::OKActionExecute()
{
    accept();
}

void TQzMessageBoxForm::CancelActionExecute()
{
    reject();
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

int ShowMessageBox(const QString& Text, [[maybe_unused]] int Kind, std::uint16_t Buttons,
                   [[maybe_unused]] int HelpContext)
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
    shown->SetButtons(Buttons);
    shown->SetMessageText(Text);
    return shown->exec();
}

} // namespace zindo
