#include "dialogs/StartUpForm.h"

#include "controls/FocusKeys.h"
#include "controls/QzGraphicButton.h"
#include "dialogs/QzDialogLook.h"
#include "dialogs/QzImage.h"

#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

namespace zindo {

namespace {
constexpr int ClientWidth = 411;
constexpr int ClientHeight = 320;
} // namespace

TStartUpForm::TStartUpForm(QWidget* Parent)
    : QDialog(Parent)
{
    UseFixedDialogFrame(*this);
    ApplyQzDialogLook(*this);
    setWindowTitle(QStringLiteral("Zindo Puzzle"));
    setFixedSize(ClientWidth, ClientHeight);

    QuestionLabel = new QLabel(tr("You can play Zindo Puzzle either in a window or as full-screen game. "
                                  "Please select the display mode you prefer"),
                               this);
    QuestionLabel->setObjectName(QStringLiteral("QuestionLabel"));
    QuestionLabel->setWordWrap(true);
    QuestionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QuestionLabel->setGeometry(16, 16, 359, 60);

    FullScreenRadioButton = new QRadioButton(tr("Full Screen"), this);
    FullScreenRadioButton->setObjectName(QStringLiteral("FullScreenRadioButton"));
    FullScreenRadioButton->setGeometry(15, 80, 150, 20);
    FullScreenRadioButton->setChecked(true);

    WindowRadioButton = new QRadioButton(tr("Window"), this);
    WindowRadioButton->setObjectName(QStringLiteral("WindowRadioButton"));
    WindowRadioButton->setGeometry(249, 80, 150, 20);

    FullScreenPicture = new TQzImage(this);
    FullScreenPicture->setObjectName(QStringLiteral("FullScreenPicture"));
    FullScreenPicture->setGeometry(16, 104, 150, 112);
    FullScreenPicture->LoadPicture(QStringLiteral(":/images/startup_fullscreen.png"));
    FullScreenPicture->OnClick = [this] { FullScreenRadioButton->setChecked(true); };

    WindowPicture = new TQzImage(this);
    WindowPicture->setObjectName(QStringLiteral("WindowPicture"));
    WindowPicture->setGeometry(248, 104, 150, 112);
    WindowPicture->LoadPicture(QStringLiteral(":/images/startup_window.png"));
    WindowPicture->OnClick = [this] { WindowRadioButton->setChecked(true); };

    NoteLabel = new QLabel(tr("Note: You can always change the setting in the options"), this);
    NoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    NoteLabel->setGeometry(16, 240, 395, 20);

    OKButton = new TQzGraphicButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(129, 280, 153, 33);
    connect(OKButton, &QAbstractButton::clicked, this, &QDialog::accept);
    MoveFocusWithArrows(*this);
}

void TStartUpForm::keyPressEvent(QKeyEvent* Event)
{
    // Enter answers OK wherever the focus is (a focused OK presses itself).
    if ((Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) && IsPlainKey(*Event)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(Event);
}

std::optional<bool> TStartUpForm::AskFullScreen()
{
    (FullScreenRadioButton->isChecked() ? FullScreenRadioButton : WindowRadioButton)->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return FullScreenRadioButton->isChecked();
}

bool TStartUpForm::focusNextPrevChild(bool Next)
{
    return MoveFocusWithin(*this, Next);
}

} // namespace zindo
