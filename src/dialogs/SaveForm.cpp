#include "dialogs/SaveForm.h"

#include "controls/QzFonts.h"
#include "controls/QzTransparentButton.h"
#include "dialogs/QzDialogLook.h"

#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace zindo {

TSaveForm::TSaveForm(QWidget* Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("SaveForm"));
    setWindowTitle(QStringLiteral("Save"));
    ApplyQzDialogLook(*this);
    UseFixedDialogFrame(*this);
    setFixedSize(421, 272);

    SaveGameComboBox = new QWidget(this);
    SaveGameComboBox->setObjectName(QStringLiteral("SaveGameComboBox"));
    SaveGameComboBox->setGeometry(18, 14, 267, 241);
    auto* layout = new QVBoxLayout(SaveGameComboBox);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    SaveGameEdit = new QLineEdit(SaveGameComboBox);
    SaveGameEdit->setObjectName(QStringLiteral("SaveGameEdit"));
    SaveGameEdit->setFont(QzArialFont(16));
    SaveGameList = new QListWidget(SaveGameComboBox);
    SaveGameList->setObjectName(QStringLiteral("SaveGameList"));
    SaveGameList->setFont(QzArialFont(16));
    QPalette listPalette = SaveGameList->palette();
    listPalette.setColor(QPalette::Base, Qt::black);
    listPalette.setColor(QPalette::Text, Qt::white);
    SaveGameList->setPalette(listPalette);
    layout->addWidget(SaveGameEdit);
    layout->addWidget(SaveGameList, 1);
    connect(SaveGameList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* Item) { SaveGameEdit->setText(Item->text()); });
    connect(SaveGameList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* Item) {
        SaveGameEdit->setText(Item->text());
        SaveOKButtonClick();
    });
    connect(SaveGameEdit, &QLineEdit::returnPressed, this, [this] { SaveOKButtonClick(); });

    SaveOKButton = new TQzTransparentButton(QStringLiteral("OK"), this);
    SaveOKButton->setObjectName(QStringLiteral("SaveOKButton"));
    SaveOKButton->setGeometry(298, 14, 111, 33);
    SaveCancelButton = new TQzTransparentButton(QStringLiteral("Cancel"), this);
    SaveCancelButton->setObjectName(QStringLiteral("SaveCancelButton"));
    SaveCancelButton->setGeometry(298, 54, 111, 33);
    connect(SaveOKButton, &QAbstractButton::clicked, this, [this] { SaveOKButtonClick(); });
    connect(SaveCancelButton, &QAbstractButton::clicked, this, [this] { SaveCancelButtonClick(); });
    SaveGameEdit->setFocus();
}

void TSaveForm::SetGameNames(const QStringList& Names)
{
    SaveGameList->clear();
    SaveGameList->addItems(Names);
}

QStringList TSaveForm::GameNames() const
{
    QStringList names;
    for (int i = 0; i < SaveGameList->count(); ++i)
        names << SaveGameList->item(i)->text();
    return names;
}

QString TSaveForm::GetGameName() const
{
    return SaveGameEdit->text();
}

void TSaveForm::SetGameName(const QString& Name)
{
    SaveGameEdit->setText(Name);
    SaveGameEdit->selectAll();
}

void TSaveForm::SaveOKButtonClick()
{
    accept();
}

void TSaveForm::SaveCancelButtonClick()
{
    reject();
}

} // namespace zindo
