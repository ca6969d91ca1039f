// The load screen and the save dialog: saved games by name.

#include "Form1.h"

#include "ErrorBox.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "dialogs/SaveForm.h"
#include "game/Game.h"

#include <QListWidget>

namespace zindo {

void TForm1::BuildLoadScreen()
{
    LoadTabSheet = NewPage(QStringLiteral("LoadTabSheet"));
    SavedGamesListBox = new QListWidget(LoadTabSheet);
    SavedGamesListBox->setObjectName(QStringLiteral("SavedGamesListBox"));
    SavedGamesListBox->setGeometry(292, 118, 267, 231);
    SavedGamesListBox->setToolTip(QStringLiteral("Select a file"));
    StyleListBox(*SavedGamesListBox);
    connect(SavedGamesListBox, &QListWidget::itemDoubleClicked, this,
            [this] { RunGuarded([this] { LoadOKButtonClick(); }); });

    LoadOKButton = NewButton(LoadTabSheet, QStringLiteral("LoadOKButton"), QStringLiteral("OK"), QRect(292, 358, 111, 33),
                             QStringLiteral("Click \"OK\" to continue to saved game"));
    LoadCancelButton = NewButton(LoadTabSheet, QStringLiteral("LoadCancelButton"), QStringLiteral("Cancel"),
                                 QRect(408, 358, 111, 33), QStringLiteral("Back to the main screen"));
    OnClicked(LoadOKButton, [this] { LoadOKButtonClick(); });
    OnClicked(LoadCancelButton, [this] { LoadCancelButtonClick(); });
}

void TForm1::FillSavedGamesList()
{
    QStringList names;
    QString current;
    Game->ListSavedGames(names, current);
    SavedGamesListBox->clear();
    SavedGamesListBox->addItems(names);
    for (int i = 0; i < SavedGamesListBox->count(); ++i) {
        if (SavedGamesListBox->item(i)->text().compare(current, Qt::CaseInsensitive) == 0) {
            SavedGamesListBox->setCurrentRow(i);
            break;
        }
    }
}

void TForm1::LoadOKButtonClick()
{
    const QList<QListWidgetItem*> selected = SavedGamesListBox->selectedItems();
    if (selected.isEmpty()) {
        ShowPage(MainTabSheet);
        return;
    }
    Game->LoadGame(selected.first()->text());
    StartLevelScreen();
}

void TForm1::LoadCancelButtonClick()
{
    ShowPage(MainTabSheet);
}

void TForm1::ShowSaveDialog()
{
    TSaveForm form(this);
    QStringList names;
    QString current;
    Game->ListSavedGames(names, current);
    form.SetGameNames(names);
    form.SetGameName(current);
    if (form.exec() == QDialog::Accepted)
        Game->SaveGame(form.GetGameName());
}

} // namespace zindo
