#include "ThemeSelectionScreen.h"

#include "ErrorBox.h"
#include "PictureBox.h"
#include "SceneView.h"
#include "ScreenParts.h"
#include "ThemeNameForm.h"

#include "controls/AnsiTextValidator.h"
#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "data/AnsiText.h"
#include "data/PhotoImport.h"
#include "data/PlayerSettings.h"
#include "data/QzError.h"
#include "dialogs/QzMessageBoxForm.h"
#include "game/Game.h"
#include "game/HighScores.h"
#include "game/ThemeFiles.h"
#include "game/ThemeMaker.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFileDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace zindo {

namespace {

/// The orange of the game's buttons, for the heading.
const QString HeadingStyle = QStringLiteral("QLabel { color: #FFBB00; background: transparent; }");

/// The longer side the thumbnails are decoded at: sharp on a screen that
/// shows the page at three times its design size.
constexpr int ThumbnailSide = 360;

/// The local files among dropped or pasted data.
QStringList LocalFiles(const QMimeData* Data)
{
    QStringList files;
    if (!Data || !Data->hasUrls())
        return files;
    for (const QUrl& url : Data->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    return files;
}

} // namespace

TThemeSelectionScreen::TThemeSelectionScreen(TScreenHost& AHost, QStackedWidget& Pages, TGame& ASession)
    : TScreen(AHost, scThemeSelection, Pages, QStringLiteral("ThemeSelectionScreen")), Session(ASession)
{
    setAcceptDrops(true);

    Heading = new QLabel(tr("New Game"), this);
    Heading->setObjectName(QStringLiteral("ThemeSelectionHeading"));
    Heading->setFont(QzArialFont(32, true));
    Heading->setStyleSheet(HeadingStyle);

    // Built in keyboard order.
    PlayerNameCaption = NewLabel(this, QStringLiteral("PlayerNameCaption"), tr("Your name for the Highscore List:"), 0, 0);
    PlayerNameEdit = new QLineEdit(this);
    PlayerNameEdit->setObjectName(QStringLiteral("PlayerNameEdit"));
    PlayerNameEdit->setFont(QzArialFont(16));
    PlayerNameEdit->setMaxLength(THighScoreEntry::MaxTextLength);
    PlayerNameCaption->setBuddy(PlayerNameEdit);
    auto* validator = new TAnsiTextValidator(PlayerNameEdit);
    validator->OnRefused = [this](const QString& Refused) {
        Host.SetZindoMessage(tr("\"%1\" cannot be stored in the Highscore List: please use Western European "
                                "letters only.")
                                 .arg(Refused),
                             msHint, false);
    };
    PlayerNameEdit->setValidator(validator);
    PlayerNameEdit->installEventFilter(this);

    ThemeCaption = NewLabel(this, QStringLiteral("ThemeCaption"), tr("Select a theme"), 0, 0);
    ThemeList = new QListWidget(this);
    ThemeList->setObjectName(QStringLiteral("ThemeList"));
    ThemeList->setToolTip(tr("Select a theme"));
    StyleListBox(*ThemeList);
    connect(ThemeList, &QListWidget::itemSelectionChanged, this, [this] { RunGuarded([this] { ThemeListClick(); }); });

    NewThemeButton = NewButton(this, QStringLiteral("NewThemeButton"), tr("New Theme from Photos..."), QRect(),
                               tr("Make a theme of your own from your photos (or drop photos or a folder here)"));
    OnClicked(NewThemeButton, [this] { NewThemeButtonClick(); });
    RenameThemeButton = NewButton(this, QStringLiteral("RenameThemeButton"), tr("Rename..."), QRect(),
                                  tr("Give your theme another name"));
    OnClicked(RenameThemeButton, [this] { RenameThemeButtonClick(); });
    DeleteThemeButton = NewButton(this, QStringLiteral("DeleteThemeButton"), tr("Delete"), QRect(),
                                  tr("Delete your theme with its pictures"));
    OnClicked(DeleteThemeButton, [this] { DeleteThemeButtonClick(); });
    ShippedThemeNote = new QLabel(tr("This theme comes with the game: it cannot be renamed or deleted."), this);
    ShippedThemeNote->setObjectName(QStringLiteral("ShippedThemeNote"));
    ShippedThemeNote->setFont(QzArialFont(14));
    ShippedThemeNote->setWordWrap(true);

    GoButton = NewButton(this, QStringLiteral("GoButton"), tr("Go"), QRect(), tr("Click \"Go\" to start the puzzle"));
    OnClicked(GoButton, [this] { GoButtonClick(); });
    // Enter on the name starts the game, as "Go" does: the name is the last
    // thing a player types before playing.
    connect(PlayerNameEdit, &QLineEdit::returnPressed, this, [this] { GoButton->click(); });
    // A player who came here by mistake goes back without starting a game.
    BackButton = NewButton(this, QStringLiteral("ThemeSelectionBackButton"), tr("Back to Main Screen"), QRect(),
                           tr("Back to the main screen (Esc)"));
    OnClicked(BackButton, [this] { Host.ShowScreen(scMain); });

    PreviewCaption = new QLabel(this);
    PreviewCaption->setObjectName(QStringLiteral("PreviewCaption"));
    PreviewCaption->setFont(QzArialFont(16));
    for (int n = 1; n <= TThemeFiles::LevelCount; ++n) {
        const auto index = static_cast<std::size_t>(n - 1);
        auto* preview = new TPictureBox(this);
        preview->setObjectName(QStringLiteral("ThemePreview%1Image").arg(n, 2, 10, QLatin1Char('0')));
        preview->setCursor(Qt::PointingHandCursor);
        preview->setFocusPolicy(Qt::TabFocus);
        preview->setToolTip(tr("Level %1: click to see the picture large").arg(n));
        preview->OnClick = [this, n] { RunGuarded([this, n] { ShowLargePreview(n); }); };
        Previews[index] = preview;
        auto* label = new QLabel(tr("Level %1").arg(n), this);
        label->setObjectName(QStringLiteral("ThemePreview%1Label").arg(n, 2, 10, QLatin1Char('0')));
        label->setFont(QzArialFont(14));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        PreviewLabels[index] = label;
    }

    // The large picture lies over the whole page; a click or Esc closes it.
    LargePreview = new QWidget(this);
    LargePreview->setObjectName(QStringLiteral("LargePreview"));
    LargePreview->setAutoFillBackground(true);
    LargePreview->setPalette(BlackPalette());
    LargePreview->setFocusPolicy(Qt::StrongFocus);
    LargePreview->setCursor(Qt::PointingHandCursor);
    LargePreview->installEventFilter(this);
    LargePicture = new TPictureBox(LargePreview);
    LargePicture->setObjectName(QStringLiteral("LargePicture"));
    LargePicture->OnClick = [this] { LargePreview->hide(); };
    LargeCaption = new QLabel(LargePreview);
    LargeCaption->setObjectName(QStringLiteral("LargeCaption"));
    LargeCaption->setFont(QzArialFont(16));
    LargeCaption->setAlignment(Qt::AlignCenter);
    LargePreview->hide();

    ChoosePhotoFiles = [this] {
        // The platform's dialog opens beside the scene, as a window of its own.
        // It opens in the desktop's pictures folder when there is one.
        QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (!QFileInfo(folder).isDir())
            folder = QDir::homePath();
        return QFileDialog::getOpenFileNames(
            TSceneView::HostWindow(*this), tr("New Theme from Photos"), folder,
            tr("Pictures (%1)").arg(TThemeMaker::PhotoFilePatterns().join(QLatin1Char(' '))));
    };
    Arrange();
}

void TThemeSelectionScreen::Open()
{
    const TPlayerSettings settings;
    FillThemeList(settings.LastTheme());
    // The last player's name is offered, selected, so that another player
    // simply types over it.
    if (PlayerNameEdit->text().isEmpty()) {
        PlayerNameEdit->setText(settings.PlayerName());
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
    // The scene's stand-in in the view passes dropped files on only when it
    // takes drops itself.
    if (QGraphicsProxyWidget* proxy = window()->graphicsProxyWidget())
        proxy->setAcceptDrops(true);
    ThemeListClick();
}

void TThemeSelectionScreen::Leave()
{
    LargePreview->hide();
    LargePicture->SetPicture(QImage());
    for (TPictureBox* preview : Previews)
        preview->SetPicture(QImage());
}

void TThemeSelectionScreen::resizeEvent(QResizeEvent* Event)
{
    // Full screen gives the page more room than a window: the controls
    // follow the size the page really gets.
    TScreen::resizeEvent(Event);
    Arrange();
}

void TThemeSelectionScreen::Arrange()
{
    const int margin = 24;
    const int top = 72;
    const int leftWidth = 270;
    const int bottomRow = height() - 22 - 33;

    Heading->adjustSize();
    Heading->move(margin, 14);

    // The left column: name, themes and the way to a new theme.
    PlayerNameCaption->move(margin, top);
    PlayerNameEdit->setGeometry(margin, top + 24, leftWidth, 28);
    ThemeCaption->move(margin, top + 66);
    const int newThemeTop = bottomRow - 33 - 20;
    ThemeList->setGeometry(margin, top + 90, leftWidth, newThemeTop - 12 - (top + 90));
    NewThemeButton->setGeometry(margin, newThemeTop, leftWidth, 33);
    BackButton->setGeometry(margin, bottomRow, leftWidth, 33);

    // The right side: the ten levels of the selected theme, five in a row,
    // each with its number beneath it.
    const int right = margin + leftWidth + 30;
    const int rightWidth = width() - margin - right;
    const int gap = 12;
    const int cell = (rightWidth - 4 * gap) / 5;
    const int labelHeight = 20;
    PreviewCaption->setGeometry(right, top, rightWidth, 24);
    const int gridTop = top + 32;
    for (int i = 0; i < TThemeFiles::LevelCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const int x = right + (i % 5) * (cell + gap);
        const int y = gridTop + (i / 5) * (cell + labelHeight + 14);
        PreviewCells[index] = QRect(x, y, cell, cell);
        PlacePreview(index);
        PreviewLabels[index]->setGeometry(x, y + cell + 2, cell, labelHeight);
    }
    const int themeButtonsTop = gridTop + 2 * (cell + labelHeight + 14) + 6;
    RenameThemeButton->setGeometry(right, themeButtonsTop, 160, 33);
    DeleteThemeButton->setGeometry(right + 172, themeButtonsTop, 160, 33);
    ShippedThemeNote->setGeometry(right, themeButtonsTop, rightWidth, 40);
    GoButton->setGeometry(width() - margin - 200, bottomRow, 200, 33);

    LargePreview->setGeometry(rect());
    LargePicture->setGeometry(LargePreview->rect().adjusted(20, 16, -20, -48));
    LargeCaption->setGeometry(0, LargePreview->height() - 40, LargePreview->width(), 28);
}

void TThemeSelectionScreen::FillThemeList(const QString& Selected)
{
    const QSignalBlocker blocker(ThemeList);
    ThemeList->clear();
    ThemeList->addItems(TThemeFiles().ThemeNames());
    int row = 0;
    for (int i = 0; i < ThemeList->count(); ++i)
        if (ThemeList->item(i)->text() == Selected)
            row = i;
    if (ThemeList->count() > 0) {
        ThemeList->setCurrentRow(row);
        ThemeList->scrollToItem(ThemeList->currentItem());
    }
    UpdateThemeButtons();
}

QString TThemeSelectionScreen::SelectedTheme() const
{
    const QList<QListWidgetItem*> selected = ThemeList->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TThemeSelectionScreen::ThemeListClick()
{
    // A click beside the names would leave no theme selected: the current
    // one stays.
    if (ThemeList->selectedItems().isEmpty() && ThemeList->currentItem()) {
        const QSignalBlocker blocker(ThemeList);
        ThemeList->currentItem()->setSelected(true);
    }
    UpdateThemeButtons();
    const QString theme = SelectedTheme();
    if (!theme.isEmpty())
        ShowThemePreviews(theme);
}

void TThemeSelectionScreen::UpdateThemeButtons()
{
    const QString theme = SelectedTheme();
    const bool own = !theme.isEmpty() && TThemeFiles().IsPlayersTheme(theme);
    RenameThemeButton->setVisible(own);
    DeleteThemeButton->setVisible(own);
    ShippedThemeNote->setVisible(!theme.isEmpty() && !own);
}

void TThemeSelectionScreen::ShowThemePreviews(const QString& Theme)
{
    PreviewCaption->setText(tr("The ten levels of \"%1\": click one to see it large").arg(Theme));
    const TThemeFiles themes;
    QString problem;
    for (int n = 1; n <= TThemeFiles::LevelCount; ++n) {
        QImage thumbnail;
        try {
            thumbnail = themes.LevelThumbnail(Theme, n, ThumbnailSide);
        } catch (const EQzError& error) {
            // One picture that cannot be read leaves the others to be seen.
            if (problem.isEmpty())
                problem = error.Message();
        }
        Previews[static_cast<std::size_t>(n - 1)]->SetPicture(thumbnail);
        PlacePreview(static_cast<std::size_t>(n - 1));
    }
    if (!problem.isEmpty())
        Host.SetZindoMessage(problem, msHint, false);
}

void TThemeSelectionScreen::PlacePreview(std::size_t Index)
{
    const QRect cell = PreviewCells[Index];
    const QImage& picture = Previews[Index]->Picture();
    QSize size = cell.size();
    if (!picture.isNull())
        size = picture.size().scaled(cell.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    Previews[Index]->setGeometry(cell.x() + (cell.width() - size.width()) / 2, cell.bottom() + 1 - size.height(),
                                 size.width(), size.height());
}

void TThemeSelectionScreen::ShowLargePreview(int Level)
{
    const QString theme = SelectedTheme();
    if (theme.isEmpty())
        return;
    const QImage picture = TThemeFiles().LevelThumbnail(theme, Level, PhotoLongSide);
    if (picture.isNull())
        return;
    LargePicture->SetPicture(picture);
    LargeCaption->setText(tr("Level %1 of \"%2\". Click or press Esc to close.").arg(Level).arg(theme));
    LargePreview->raise();
    LargePreview->show();
    LargePreview->setFocus();
}

bool TThemeSelectionScreen::LargePreviewShown() const
{
    return LargePreview->isVisible();
}

bool TThemeSelectionScreen::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == LargePreview) {
        const auto* key = Event->type() == QEvent::KeyPress || Event->type() == QEvent::ShortcutOverride
                              ? static_cast<QKeyEvent*>(Event)
                              : nullptr;
        const bool closingKey = key && (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return ||
                                        key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space);
        // Esc is the window's menu key elsewhere: here it belongs to the picture.
        if (closingKey && Event->type() == QEvent::ShortcutOverride) {
            Event->accept();
            return true;
        }
        if (closingKey || Event->type() == QEvent::MouseButtonPress) {
            LargePreview->hide();
            LargePicture->SetPicture(QImage());
            return true;
        }
        if (Event->type() == QEvent::Hide && PlayerNameEdit->isVisible())
            PlayerNameEdit->setFocus();
    } else if (Watched == PlayerNameEdit && Event->type() == QEvent::KeyPress) {
        // A character typed into a full line is lost: say why.
        const auto* key = static_cast<QKeyEvent*>(Event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint() && !PlayerNameEdit->hasSelectedText() &&
            PlayerNameEdit->text().size() >= PlayerNameEdit->maxLength())
            Host.SetZindoMessage(
                tr("A name in the Highscore List may be at most %1 characters long.").arg(PlayerNameEdit->maxLength()),
                msHint, false);
    }
    return TScreen::eventFilter(Watched, Event);
}

void TThemeSelectionScreen::dragEnterEvent(QDragEnterEvent* Event)
{
    if (!LocalFiles(Event->mimeData()).isEmpty()) {
        Event->acceptProposedAction();
        Host.SetZindoMessage(tr("Drop your photos or a folder of them here to make a new theme."), msHint, false);
    }
}

void TThemeSelectionScreen::dropEvent(QDropEvent* Event)
{
    const QStringList files = LocalFiles(Event->mimeData());
    if (files.isEmpty())
        return;
    Event->acceptProposedAction();
    // The file manager waits until the drop is answered: the dialog opens after it.
    QTimer::singleShot(0, this, [this, files] { RunGuarded([this, files] { MakeThemeFromPhotos(files); }); });
}

void TThemeSelectionScreen::NewThemeButtonClick()
{
    const QStringList chosen = ChoosePhotoFiles ? ChoosePhotoFiles() : QStringList();
    if (!chosen.isEmpty())
        MakeThemeFromPhotos(chosen);
}

void TThemeSelectionScreen::MakeThemeFromPhotos(const QStringList& FilesAndFolders)
{
    const QStringList photos = TThemeMaker::PhotoFiles(FilesAndFolders);
    if (photos.isEmpty())
        throw EQzError(tr("There are no pictures among the files given. A theme is made from pictures "
                          "(JPEG, PNG, WebP, TIFF, BMP, GIF)."));
    TThemeNameForm form(window());
    const std::optional<QString> made = form.AskNewTheme(photos, TThemeMaker::ProposedName(photos, TThemeFiles()));
    GiveKeyboardTo(*ThemeList);
    if (!made)
        return;
    FillThemeList(*made);
    ThemeListClick();
    Host.SetZindoMessage(tr("Your theme \"%1\" is ready.").arg(*made), msHint, false);
}

void TThemeSelectionScreen::RenameThemeButtonClick()
{
    const QString theme = SelectedTheme();
    if (theme.isEmpty() || !TThemeFiles().IsPlayersTheme(theme))
        return;
    TThemeNameForm form(window());
    const std::optional<QString> renamed = form.AskRename(theme);
    GiveKeyboardTo(*ThemeList);
    if (!renamed)
        return;
    QString news = tr("The theme \"%1\" is now called \"%2\".").arg(theme, *renamed);
    try {
        // Saved games of the theme go on under its new name.
        if (const int moved = Session.FollowRenamedTheme(theme, *renamed); moved > 0) {
            // English picks its form by itself, a translation by its rules.
            const char* said =
                moved == 1 ? QT_TRANSLATE_N_NOOP("ThemeSelectionScreen", "%n saved game of it goes on under the new name.")
                           : QT_TRANSLATE_N_NOOP("ThemeSelectionScreen", "%n saved games of it go on under the new name.");
            news += QLatin1Char(' ') + QCoreApplication::translate("ThemeSelectionScreen", said, nullptr, moved);
        }
        // The theme last played keeps being offered under its new name.
        TPlayerSettings settings;
        if (settings.LastTheme() == theme)
            settings.SetLastTheme(*renamed);
    } catch (const std::exception& error) {
        news = QString::fromUtf8(error.what());
    }
    FillThemeList(*renamed);
    ThemeListClick();
    Host.SetZindoMessage(news, msHint, false);
}

void TThemeSelectionScreen::DeleteThemeButtonClick()
{
    const QString theme = SelectedTheme();
    if (theme.isEmpty() || !TThemeFiles().IsPlayersTheme(theme))
        return;
    const QString question =
        tr("Delete the theme \"%1\" with all its pictures? Saved games of this theme can then no longer be "
           "continued.")
            .arg(theme);
    if (ShowMessageBox(question, mtConfirmation, mbOKCancel) != mrOK) {
        GiveKeyboardTo(*ThemeList);
        return;
    }
    TThemeFiles().DeleteTheme(theme);
    // A shipped theme of the same name shows again, and stays selected.
    FillThemeList(theme);
    ThemeListClick();
    GiveKeyboardTo(*ThemeList);
    Host.SetZindoMessage(tr("The theme \"%1\" is deleted.").arg(theme), msHint, false);
}

QString TThemeSelectionScreen::PlayerNameProblem() const
{
    const QString name = PlayerNameEdit->text();
    // A game without a name would enter the high-score list without one.
    if (name.trimmed().isEmpty())
        return tr("Please type your name for the Highscore List first.");
    if (name.size() > THighScoreEntry::MaxTextLength)
        return tr("Player Name may not be longer than %1 characters").arg(THighScoreEntry::MaxTextLength);
    // The high-score list and saved games keep Western European letters only;
    // a name they would store as '?' is refused here, where it is typed.
    if (!IsAnsiText(name)) {
        try {
            CheckAnsiText(name, QCoreApplication::translate("AnsiText", "player name"));
        } catch (const EQzError& error) {
            return error.Message();
        }
    }
    return QString();
}

void TThemeSelectionScreen::GoButtonClick()
{
    if (const QString problem = PlayerNameProblem(); !problem.isEmpty()) {
        ShowErrorBox(problem);
        // What the player types next goes into the name again.
        GiveKeyboardTo(*PlayerNameEdit);
        return;
    }
    const QString name = PlayerNameEdit->text();
    ShowMessageBox(tr("Get Ready"), mtInformation, mbOK);
    const QString theme = SelectedTheme();
    if (theme.isEmpty())
        throw EQzError(tr("Please select a theme first."));
    Session.NewGame(theme, name);
    Host.StartLevelScreen();
    // Forgetting the name is no reason to keep the player from playing.
    try {
        TPlayerSettings().SetLastGame(name, theme);
    } catch (const std::exception& error) {
        Host.SetZindoMessage(QString::fromUtf8(error.what()), msHint, false);
    }
}

} // namespace zindo
