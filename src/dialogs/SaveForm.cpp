#include "dialogs/SaveForm.h"

#include "controls/FocusKeys.h"
#include "controls/QzTransparentButton.h"
#include "controls/SimpleComboBox.h"
#include "dialogs/QzDialogLook.h"
#include "dialogs/QzMessageBoxForm.h"

#include <QLabel>
#include <QLineEdit>

namespace zindo {

namespace {
constexpr int ClientWidth = 421;
constexpr int ClientHeight = 272;
/// The prompt sits above the name and the list; everything below it moves
/// down by its height.
constexpr int PromptHeight = 24;
} // namespace

TSaveForm::TSaveForm(QWidget* Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("SaveForm"));
    setWindowTitle(tr("Save"));
    ApplyQzDialogLook(*this);
    UseFixedDialogFrame(*this);
    setFixedSize(ClientWidth, ClientHeight + PromptHeight);

    PromptLabel = new QLabel(tr("Save the game as:"), this);
    PromptLabel->setObjectName(QStringLiteral("PromptLabel"));
    PromptLabel->setGeometry(18, 12, 267, 20);

    SaveGameComboBox = new TSimpleComboBox(this);
    SaveGameComboBox->setObjectName(QStringLiteral("SaveGameComboBox"));
    SaveGameComboBox->setGeometry(18, 14 + PromptHeight, 267, 241);
    SaveGameComboBox->OnAccept = [this] { Confirm(); };
    PromptLabel->setBuddy(SaveGameComboBox->Edit);

    SaveOKButton = new TQzTransparentButton(tr("OK"), this);
    SaveOKButton->setObjectName(QStringLiteral("SaveOKButton"));
    SaveOKButton->setGeometry(298, 14 + PromptHeight, 111, 33);
    SaveCancelButton = new TQzTransparentButton(tr("Cancel"), this);
    SaveCancelButton->setObjectName(QStringLiteral("SaveCancelButton"));
    SaveCancelButton->setGeometry(298, 54 + PromptHeight, 111, 33);
    connect(SaveOKButton, &QAbstractButton::clicked, this, [this] { Confirm(); });
    connect(SaveCancelButton, &QAbstractButton::clicked, this, &QDialog::reject);
    SaveGameComboBox->Edit->setFocus();
    MoveFocusWithArrows(*this);
}

std::optional<QString> TSaveForm::Ask(const QStringList& SavedGames, const QString& Proposed)
{
    SaveGameComboBox->SetItems(SavedGames);
    SaveGameComboBox->SetText(Proposed);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return SaveGameComboBox->Text();
}

void TSaveForm::Confirm()
{
    const QString name = SaveGameComboBox->Text();
    if (IsTaken && IsTaken(name) &&
        ShowMessageBox(tr("There is a saved game named \"%1\" already. Replace it with this game?").arg(name),
                       mtConfirmation, mbOKCancel, {.OK = tr("Replace"), .Cancel = tr("Choose Another Name")}) != mrOK) {
        SaveGameComboBox->Edit->setFocus();
        SaveGameComboBox->Edit->selectAll();
        return;
    }
    if (OnSave && !OnSave(name)) {
        SaveGameComboBox->Edit->setFocus();
        return;
    }
    accept();
}

bool TSaveForm::focusNextPrevChild(bool Next)
{
    return MoveFocusWithin(*this, Next);
}

} // namespace zindo
