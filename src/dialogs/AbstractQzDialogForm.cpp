#include "dialogs/AbstractQzDialogForm.h"

#include "controls/FocusKeys.h"
#include "controls/QzGraphicButton.h"
#include "dialogs/QzDialogLook.h"

#include <QKeyEvent>

namespace zindo {

namespace {
constexpr int ButtonWidth = 145;
constexpr int ButtonHeight = 33;
constexpr int ButtonMargin = 8;
constexpr int OKButtonTop = 12;
constexpr int CancelButtonTop = 48;
constexpr int DefaultOuterWidth = 401;
constexpr int DefaultOuterHeight = 344;
} // namespace

TAbstractQzDialogForm::TAbstractQzDialogForm(QWidget* Parent)
    : QDialog(Parent)
{
    UseFixedDialogFrame(*this);
    ApplyQzDialogLook(*this);
    setWindowTitle(QStringLiteral("Zindo Puzzle"));

    OKButton = new TQzGraphicButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new TQzGraphicButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    SetOuterSize(DefaultOuterWidth, DefaultOuterHeight);
    connect(OKButton, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QAbstractButton::clicked, this, &QDialog::reject);
    MoveFocusWithArrows(*this);
}

bool TAbstractQzDialogForm::ExecConfirmed()
{
    // The derived form's controls come first in the focus order, OK and
    // Cancel last: a control put back into its form joins the end of the
    // form's focus order. The first control has the focus.
    for (TQzGraphicButton* button : {OKButton, CancelButton}) {
        const bool hidden = button->isHidden();
        button->setParent(nullptr);
        button->setParent(this);
        button->setHidden(hidden);
    }
    if (QWidget* first = FirstTabStop(*this))
        first->setFocus();
    return exec() == QDialog::Accepted;
}

void TAbstractQzDialogForm::SetOuterSize(int Width, int Height)
{
    const int clientWidth = Width - FrameWidth;
    setFixedSize(clientWidth, Height - FrameHeight);
    const int left = clientWidth - ButtonWidth - ButtonMargin;
    OKButton->setGeometry(left, OKButtonTop, ButtonWidth, ButtonHeight);
    CancelButton->setGeometry(left, CancelButtonTop, ButtonWidth, ButtonHeight);
}

void TAbstractQzDialogForm::PlaceOKButton(QPoint At)
{
    OKButton->move(At);
}

void TAbstractQzDialogForm::PlaceCancelButton(QPoint At)
{
    CancelButton->move(At);
}

void TAbstractQzDialogForm::HideCancelButton()
{
    CancelButton->hide();
}

bool TAbstractQzDialogForm::focusNextPrevChild(bool Next)
{
    return MoveFocusWithin(*this, Next);
}

void TAbstractQzDialogForm::keyPressEvent(QKeyEvent* Event)
{
    if ((Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) && OKButton->isVisible()) {
        accept();
        return;
    }
    QDialog::keyPressEvent(Event);
}

} // namespace zindo
