#include "dialogs/AbstractQzDialogForm.h"

#include "controls/QzGraphicButton.h"
#include "dialogs/QzDialogLook.h"

#include <QKeyEvent>

namespace zindo {

namespace {
constexpr int ButtonWidth = 145;
constexpr int ButtonHeight = 33;
constexpr int ButtonMargin = 8;
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

    SetOuterSize(401, 344);
    connect(OKButton, &QAbstractButton::clicked, this, [this] { OKButtonClick(); });
    connect(CancelButton, &QAbstractButton::clicked, this, [this] { CancelButtonClick(); });
}

void TAbstractQzDialogForm::SetOuterSize(int Width, int Height)
{
    const int clientWidth = Width - FrameWidth;
    setFixedSize(clientWidth, Height - FrameHeight);
    // Top right, Cancel below OK; derived forms may move them.
    const int left = clientWidth - ButtonWidth - ButtonMargin;
    OKButton->setGeometry(left, 12, ButtonWidth, ButtonHeight);
    CancelButton->setGeometry(left, 48, ButtonWidth, ButtonHeight);
}

void TAbstractQzDialogForm::keyPressEvent(QKeyEvent* Event)
{
    if ((Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) && OKButton->isVisible()) {
        OKButtonClick();
        return;
    }
    QDialog::keyPressEvent(Event);
}

void TAbstractQzDialogForm::OKButtonClick()
{
    accept();
}

void TAbstractQzDialogForm::CancelButtonClick()
{
    reject();
}

} // namespace zindo
