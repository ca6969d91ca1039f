#include "ThemeSelectionScreen.h"

#include "ErrorBox.h"
#include "PictureBox.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "data/AnsiText.h"
#include "data/PlayerSettings.h"
#include "data/QzError.h"
#include "dialogs/QzMessageBoxForm.h"
#include "game/Game.h"
#include "game/ThemeFiles.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>

namespace zindo {

TThemeSelectionScreen::TThemeSelectionScreen(TScreenHost& AHost, QStackedWidget& Pages, TGame& ASession)
    : TScreen(AHost, scThemeSelection, Pages, QStringLiteral("ThemeSelectionScreen")), Session(ASession)
{
    NewLabel(this, QStringLiteral("PlayerNameCaption"), tr("Your name for the Highscore List:"), 14, 74);
    PlayerNameEdit = new QLineEdit(this);
    PlayerNameEdit->setObjectName(QStringLiteral("PlayerNameEdit"));
    PlayerNameEdit->setFont(QzArialFont(16));
    PlayerNameEdit->setGeometry(14, 94, 291, 24);
    NewLabel(this, QStringLiteral("ThemeCaption"), tr("Select a theme"), 14, 128);

    ThemeList = new QListWidget(this);
    ThemeList->setObjectName(QStringLiteral("ThemeList"));
    ThemeList->setGeometry(14, 150, 291, 221);
    ThemeList->setToolTip(tr("Select a theme"));
    StyleListBox(*ThemeList);
    connect(ThemeList, &QListWidget::itemSelectionChanged, this, [this] { RunGuarded([this] { ThemeListClick(); }); });

    const int lefts[] = {312, 418, 524, 630, 736};
    for (int n = 1; n <= 10; ++n) {
        auto* preview = new TPictureBox(this);
        preview->setObjectName(QStringLiteral("ThemePreview%1Image").arg(n, 2, 10, QLatin1Char('0')));
        const int top = n <= 5 ? 150 : (n == 7 ? 256 : 257);
        preview->setGeometry(lefts[(n - 1) % 5], top, 100, 100);
        Previews[static_cast<std::size_t>(n - 1)] = preview;
    }

    GoButton = NewButton(this, QStringLiteral("GoButton"), tr("Go"), QRect(14, 378, 110, 33),
                         tr("Click \"Go\" to start the puzzle"));
    OnClicked(GoButton, [this] { GoButtonClick(); });
    // A player who came here by mistake goes back without starting a game.
    BackButton = NewButton(this, QStringLiteral("ThemeSelectionBackButton"), tr("Back to Main Screen"),
                           QRect(131, 378, 174, 33), tr("Back to the main screen (Esc)"));
    OnClicked(BackButton, [this] { Host.ShowScreen(scMain); });
}

void TThemeSelectionScreen::Open()
{
    FillThemeList();
    // The last player's name is offered, selected, so that another player
    // simply types over it.
    if (PlayerNameEdit->text().isEmpty()) {
        PlayerNameEdit->setText(TPlayerSettings().PlayerName());
        PlayerNameEdit->selectAll();
    }
    Host.ForbidMusic();
    Host.ShowScreen(scThemeSelection);
}

QWidget* TThemeSelectionScreen::FirstControl()
{
    return PlayerNameEdit;
}

void TThemeSelectionScreen::Enter()
{
    Host.ForbidMusic();
    ThemeListClick();
}

void TThemeSelectionScreen::Leave()
{
    for (TPictureBox* preview : Previews)
        preview->SetPicture(QImage());
}

void TThemeSelectionScreen::FillThemeList()
{
    const QSignalBlocker blocker(ThemeList);
    ThemeList->clear();
    ThemeList->addItems(TThemeFiles().ThemeNames());
    if (ThemeList->count() > 0)
        ThemeList->setCurrentRow(0);
}

void TThemeSelectionScreen::ThemeListClick()
{
    const QList<QListWidgetItem*> selected = ThemeList->selectedItems();
    if (!selected.isEmpty())
        ShowThemePreviews(selected.first()->text());
}

void TThemeSelectionScreen::ShowThemePreviews(const QString& Theme)
{
    const TThemeFiles themes;
    for (int n = 1; n <= TThemeFiles::LevelCount; ++n)
        Previews[static_cast<std::size_t>(n - 1)]->SetPicture(themes.LevelPreview(Theme, n));
}

void TThemeSelectionScreen::GoButtonClick()
{
    const QString name = PlayerNameEdit->text();
    if (name.size() > 20)
        throw EQzError(tr("Player Name may not be longer than 20 characters"));
    // A game without a name would enter the high-score list without one.
    if (name.trimmed().isEmpty()) {
        PlayerNameEdit->setFocus();
        throw EQzError(tr("Please type your name for the Highscore List first."));
    }
    // The high-score list and saved games keep Western European letters only;
    // a name they would store as '?' is refused here, where it is typed.
    if (!IsAnsiText(name)) {
        PlayerNameEdit->setFocus();
        CheckAnsiText(name, QCoreApplication::translate("AnsiText", "player name"));
    }
    ShowMessageBox(tr("Get Ready"), mtInformation, mbOK);
    const QList<QListWidgetItem*> selected = ThemeList->selectedItems();
    if (selected.isEmpty())
        throw EQzError(tr("Please select a theme first."));
    Session.NewGame(selected.first()->text(), name);
    Host.StartLevelScreen();
    // Forgetting the name is no reason to keep the player from playing.
    try {
        TPlayerSettings().SetPlayerName(name);
    } catch (const std::exception& error) {
        Host.SetZindoMessage(QString::fromUtf8(error.what()), msHint, false);
    }
}

} // namespace zindo
