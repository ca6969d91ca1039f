#include "LoadScreen.h"

#include "ErrorBox.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "dialogs/QzMessageBoxForm.h"
#include "game/Game.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>

#include <algorithm>

namespace zindo {

namespace {

/// Room on each side of a cell's text, so that neighbouring columns never touch.
constexpr int CellPadding = 6;

/// When a game was saved, as the list shows it: local time to the minute.
QString SavedAtText(const QDateTime& Time)
{
    return Time.isValid() ? Time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

} // namespace

TLoadScreen::TLoadScreen(TScreenHost& AHost, QStackedWidget& Pages, TGame& ASession)
    : TScreen(AHost, scLoad, Pages, QStringLiteral("LoadScreen")), Session(ASession)
{
    QLabel* heading = NewLabel(this, QStringLiteral("LoadHeading"), tr("Continue a Saved Game"), 292, 78, true);
    heading->setFont(QzArialFont(26, true));
    heading->adjustSize();

    // Wide enough for the details that tell the games apart; its left edge
    // stays above the buttons.
    SavedGamesList = new QTreeWidget(this);
    SavedGamesList->setObjectName(QStringLiteral("SavedGamesList"));
    SavedGamesList->setGeometry(292, 118, 620, 231);
    SavedGamesList->setToolTip(tr("Select a file"));
    SavedGamesList->setColumnCount(ColumnCount);
    SavedGamesList->setHeaderLabels({tr("Saved game"), tr("Theme"), tr("Level"),
                                     tr("Score"), tr("Saved")});
    SavedGamesList->setRootIsDecorated(false);
    SavedGamesList->setUniformRowHeights(true);
    SavedGamesList->setAllColumnsShowFocus(true);
    SavedGamesList->setSelectionMode(QAbstractItemView::SingleSelection);
    SavedGamesList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* header = SavedGamesList->header();
    header->setSectionsMovable(false);
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(clName, QHeaderView::Stretch);
    // A heading longer than its column (in another language) widens the
    // column; the name column gives up the room.
    const int widths[ColumnCount] = {0, 150, 60, 84, 150};
    const QFontMetrics headingMetrics(QzArialFont(16, true));
    for (int column = clTheme; column < ColumnCount; ++column) {
        const int needed = headingMetrics.horizontalAdvance(SavedGamesList->headerItem()->text(column)) +
                           2 * CellPadding + 4;
        header->resizeSection(column, std::max(widths[column], needed));
    }
    for (const int column : {clLevel, clScore})
        SavedGamesList->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    StyleListBox(*SavedGamesList);
    // Every cell and heading keeps room on both sides: a number aligned right
    // stays clear of the date that follows it.
    SavedGamesList->setStyleSheet(SavedGamesList->styleSheet() +
                                  QStringLiteral("QTreeView::item { border: none; padding: 0px %1px; }"
                                                 "QHeaderView::section { padding: 2px %1px; }")
                                      .arg(CellPadding));
    SavedGamesList->installEventFilter(this);
    connect(SavedGamesList, &QTreeWidget::itemDoubleClicked, this,
            [this] { RunGuarded([this] { LoadOKButtonClick(); }); });

    LoadOKButton = NewButton(this, QStringLiteral("LoadOKButton"), tr("OK"), QRect(292, 358, 111, 33),
                             tr("Click \"OK\" to continue to saved game"));
    LoadCancelButton = NewButton(this, QStringLiteral("LoadCancelButton"), tr("Cancel"),
                                 QRect(408, 358, 111, 33), tr("Back to the main screen (Esc)"));
    LoadDeleteButton = NewButton(this, QStringLiteral("LoadDeleteButton"), tr("Delete"), QRect(524, 358, 111, 33),
                                 tr("Delete the selected saved game"));
    OnClicked(LoadOKButton, [this] { LoadOKButtonClick(); });
    OnClicked(LoadCancelButton, [this] { Host.ShowScreen(scMain); });
    OnClicked(LoadDeleteButton, [this] { DeleteSelectedGame(); });
}

bool TLoadScreen::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == SavedGamesList && Event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Delete) {
        RunGuarded([this] { DeleteSelectedGame(); });
        return true;
    }
    return TScreen::eventFilter(Watched, Event);
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
    SavedGamesList->clear();
    QTreeWidgetItem* current = nullptr;
    for (const TSavedGameInfo& saved : Session.SavedGames()) {
        auto* item = new QTreeWidgetItem(SavedGamesList);
        item->setText(clName, saved.Name);
        if (saved.Readable) {
            item->setText(clTheme, saved.Record.Theme);
            item->setText(clLevel, QString::number(saved.Record.NextLevel()));
            item->setText(clScore, QString::number(saved.Record.Score));
            item->setText(clSaved, SavedAtText(saved.SavedAt));
        } else {
            item->setText(clTheme, tr("cannot be read"));
            item->setForeground(clTheme, QColor(160, 160, 160));
        }
        for (const int column : {clLevel, clScore})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        // The game saved last in this run; among equal names the newest,
        // which comes first.
        if (!current && saved.Name.compare(Session.SaveName(), Qt::CaseInsensitive) == 0)
            current = item;
    }
    if (current)
        SavedGamesList->setCurrentItem(current);
}

void TLoadScreen::DeleteSelectedGame()
{
    const QList<QTreeWidgetItem*> selected = SavedGamesList->selectedItems();
    if (selected.isEmpty())
        return;
    const QString name = selected.first()->text(clName);
    const int row = SavedGamesList->indexOfTopLevelItem(selected.first());
    if (ShowMessageBox(tr("Delete the saved game \"%1\"? It cannot be brought back.").arg(name), mtConfirmation,
                       mbOKCancel, {.OK = tr("Delete")}) != mrOK)
        return;
    TGame::DeleteSavedGame(name);
    FillSavedGamesList();
    // The game that took its place, or the one before when it was the last.
    const int count = SavedGamesList->topLevelItemCount();
    if (count > 0)
        SavedGamesList->setCurrentItem(SavedGamesList->topLevelItem(std::min(row, count - 1)));
    SavedGamesList->setFocus();
    Host.SetZindoMessage(tr("The saved game \"%1\" has been deleted.").arg(name), msHint, false);
}

void TLoadScreen::LoadOKButtonClick()
{
    const QList<QTreeWidgetItem*> selected = SavedGamesList->selectedItems();
    if (selected.isEmpty()) {
        Host.ShowScreen(scMain);
        return;
    }
    Session.LoadGame(selected.first()->text(clName));
    Host.StartLevelScreen();
}

} // namespace zindo
