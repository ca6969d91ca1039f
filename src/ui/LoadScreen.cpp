#include "LoadScreen.h"

#include "ErrorBox.h"
#include "ScreenParts.h"

#include "controls/QzGraphicButton.h"
#include "game/Game.h"

#include <QListWidget>

namespace zindo {

TLoadScreen::TLoadScreen(TScreenHost& AHost, QStackedWidget& Pages)
    : TScreen(AHost, scLoad, Pages, QStringLiteral("LoadScreen"))
{
    SavedGamesList = new QListWidget(this);
    SavedGamesList->setObjectName(QStringLiteral("SavedGamesList"));
    SavedGamesList->setGeometry(292, 118, 267, 231);
    SavedGamesList->setToolTip(QStringLiteral("Select a file"));
    StyleListBox(*SavedGamesList);
    connect(SavedGamesList, &QListWidget::itemDoubleClicked, this,
            [this] { RunGuarded([this] { LoadOKButtonClick(); }); });

    LoadOKButton = NewButton(this, QStringLiteral("LoadOKButton"), QStringLiteral("OK"), QRect(292, 358, 111, 33),
                             QStringLiteral("Click \"OK\" to continue to saved game"));
    LoadCancelButton = NewButton(this, QStringLiteral("LoadCancelButton"), QStringLiteral("Cancel"),
                                 QRect(408, 358, 111, 33), QStringLiteral("Back to the main screen"));
    OnClicked(LoadOKButton, [this] { LoadOKButtonClick(); });
    OnClicked(LoadCancelButton, [this] { Host.ShowScreen(scMain); });
}

QWidget* TLoadScreen::FirstControl()
{
    return SavedGamesList;
}

void TLoadScreen::Enter()
{
    Host.ForbidMusic();
    FillSavedGamesList();
}

void TLoadScreen::FillSavedGamesList()
{
    QStringList names;
    QString current;
    Host.Session().ListSavedGames(names, current);
    SavedGamesList->clear();
    SavedGamesList->addItems(names);
    for (int i = 0; i < SavedGamesList->count(); ++i) {
        if (SavedGamesList->item(i)->text().compare(current, Qt::CaseInsensitive) == 0) {
            SavedGamesList->setCurrentRow(i);
            break;
        }
    }
}

void TLoadScreen::LoadOKButtonClick()
{
    const QList<QListWidgetItem*> selected = SavedGamesList->selectedItems();
    if (selected.isEmpty()) {
        Host.ShowScreen(scMain);
        return;
    }
    Host.Session().LoadGame(selected.first()->text());
    Host.StartLevelScreen();
}

} // namespace zindo
