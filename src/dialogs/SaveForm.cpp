#include "dialogs/SaveForm.h"

#include "controls/QzTransparentButton.h"
#include "controls/SimpleComboBox.h"
#include "dialogs/QzDialogLook.h"

#include <QLabel>
#include <QLineEdit>

namespace zindo {

TSaveForm::TSaveForm(QWidget* Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("SaveForm"));
    setWindowTitle(tr("Save"));
    ApplyQzDialogLook(*this);
    UseFixedDialogFrame(*this);
    // The prompt sits above the name and the list; everything below it moves
    // down by its height.
    constexpr int promptHeight = 24;
    setFixedSize(421, 272 + promptHeight);

    PromptLabel = new QLabel(tr("Save the game as:"), this);
    PromptLabel->setObjectName(QStringLiteral("PromptLabel"));
    PromptLabel->setGeometry(18, 12, 267, 20);

    SaveGameComboBox = new TSimpleComboBox(this);
    SaveGameComboBox->setObjectName(QStringLiteral("SaveGameComboBox"));
    SaveGameComboBox->setGeometry(18, 14 + promptHeight, 267, 241);
    SaveGameComboBox->OnAccept = [this] { SaveOKButtonClick(); };
    PromptLabel->setBuddy(SaveGameComboBox->Edit);

    SaveOKButton = new TQzTransparentButton(tr("OK"), this);
    SaveOKButton->setObjectName(QStringLiteral("SaveOKButton"));
    SaveOKButton->setGeometry(298, 14 + promptHeight, 111, 33);
    SaveCancelButton = new TQzTransparentButton(tr("Cancel"), this);
    SaveCancelButton->setObjectName(QStringLiteral("SaveCancelButton"));
    SaveCancelButton->setGeometry(298, 54 + promptHeight, 111, 33);
    connect(SaveOKButton, &QAbstractButton::clicked, this, [this] { SaveOKButtonClick(); });
    connect(SaveCancelButton, &QAbstractButton::clicked, this, [this] { SaveCancelButtonClick(); });
    SaveGameComboBox->Edit->setFocus();
}

void TSaveForm::SetGameNames(const QStringList& Names)
{
    const QString text = SaveGameComboBox->Text();
    SaveGameComboBox->SetItems(Names);
    SaveGameComboBox->SetText(text);
}

QStringList TSaveForm::GameNames() const
{
    return SaveGameComboBox->Items();
}

QString TSaveForm::GetGameName() const
{
    return SaveGameComboBox->Text();
}

void TSaveForm::SetGameName(const QString& Name)
{
    SaveGameComboBox->SetText(Name);
}

void TSaveForm::SaveOKButtonClick()
{
    if (OnSave && !OnSave(GetGameName())) {
        SaveGameComboBox->Edit->setFocus();
        return;
    }
    accept();
}

void TSaveForm::SaveCancelButtonClick()
{
    reject();
}

} // namespace zindo
