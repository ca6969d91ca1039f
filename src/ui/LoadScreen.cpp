#include "LoadScreen.h"

#include "ErrorBox.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "game/Game.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>

namespace zindo {

namespace {

/// When a game was saved, as the list shows it: local time to the minute.
QString SavedAtText(const QDateTime& Time)
{
    return Time.isValid() ? Time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

} // namespace

TLoadScreen::TLoadScreen(TScreenHost& AHost, QStackedWidget& Pages, TGame& ASession)
    : TScreen(AHost, scLoad, Pages, QStringLiteral("LoadScreen")), Session(ASession)
{
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
    const int widths[ColumnCount] = {0, 150, 56, 80, 150};
    const QFontMetrics heading(QzArialFont(16, true));
    for (int column = clTheme; column < ColumnCount; ++column) {
        const int needed = heading.horizontalAdvance(SavedGamesList->headerItem()->text(column)) + 12;
        header->resizeSection(column, std::max(widths[column], needed));
    }
    for (const int column : {clLevel, clScore})
        SavedGamesList->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    StyleListBox(*SavedGamesList);
    connect(SavedGamesList, &QTreeWidget::itemDoubleClicked, this,
            [this] { RunGuarded([this] { LoadOKButtonClick(); }); });

    LoadOKButton = NewButton(this, QStringLiteral("LoadOKButton"), tr("OK"), QRect(292, 358, 111, 33),
                             tr("Click \"OK\" to continue to saved game"));
    LoadCancelButton = NewButton(this, QStringLiteral("LoadCancelButton"), tr("Cancel"),
                                 QRect(408, 358, 111, 33), tr("Back to the main screen (Esc)"));
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
