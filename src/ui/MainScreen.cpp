// The main screen (picture, title, menu, high scores) and the theme selection.

#include "Form1.h"

#include "ErrorBox.h"
#include "PaintBox.h"
#include "PictureBox.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "data/DataContainer.h"
#include "data/Paths.h"
#include "data/QzBitmap.h"
#include "data/QzError.h"
#include "dialogs/QzMessageBoxForm.h"
#include "game/Game.h"
#include "game/HighScores.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

namespace zindo {

namespace {

/// The orange title with its darker two-pixel shadow on a transparent ground.
class TShadowLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(font());
        const QRect area = rect().adjusted(0, 0, -2, -2);
        painter.setPen(QColor(204, 136, 0));
        painter.drawText(area.translated(2, 2), Qt::AlignLeft | Qt::AlignTop, text());
        painter.setPen(QColor(255, 187, 0));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, text());
    }
};

} // namespace

std::vector<const THighScoreEntry*> VisibleHighScores(const THighScoreTable& Table, int RowHeight)
{
    // Rows start below the title and its line (5 + RowHeight + 5) and stop
    // where a whole row no longer fits the 150-pixel box; empty records
    // (score 0 or less) take no row.
    std::vector<const THighScoreEntry*> rows;
    int y = 5 + RowHeight + 5;
    for (int i = 0; y < 150 - RowHeight && i < THighScoreTable::EntryCount; ++i) {
        const THighScoreEntry& entry = Table.Entries[static_cast<std::size_t>(i)];
        if (entry.Score <= 0)
            continue;
        rows.push_back(&entry);
        y += RowHeight;
    }
    return rows;
}

void TForm1::BuildMainScreen()
{
    MainTabSheet = NewPage(QStringLiteral("MainTabSheet"));
    MainScreenPaintBox = new TPaintBox(MainTabSheet);
    MainScreenPaintBox->setObjectName(QStringLiteral("MainScreenPaintBox"));
    MainScreenPaintBox->OnPaint = [this](TPaintBox&, QPainter& Painter) { MainScreenPaintBoxPaint(Painter); };

    TitleLabel = new TShadowLabel(QStringLiteral("Zindo Puzzle"), MainTabSheet);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    TitleLabel->setFont(QzArialFont(60, true));
    TitleLabel->setAttribute(Qt::WA_TranslucentBackground);
    TitleLabel->adjustSize();
    TitleLabel->resize(TitleLabel->width() + 4, TitleLabel->height() + 4);
    TitleLabel->move(14, 26);

    // Placed in the menu column by ArrangeMainScreen.
    HelpButton = NewButton(MainTabSheet, QStringLiteral("HelpButton"), QStringLiteral("Tutorial"), QRect());
    StartGameButton = NewButton(MainTabSheet, QStringLiteral("StartGameButton"), QStringLiteral("Start Game"), QRect(),
                                QStringLiteral("Start puzzle"));
    LoadGameButton = NewButton(MainTabSheet, QStringLiteral("LoadGameButton"), QStringLiteral("Load Game"), QRect(),
                               QStringLiteral("Load and continue saved game"));
    OptionsButton = NewButton(MainTabSheet, QStringLiteral("OptionsButton"), QStringLiteral("Options"), QRect());
    AboutButton = NewButton(MainTabSheet, QStringLiteral("AboutButton"), QStringLiteral("About Zindo Puzzle..."), QRect());
    ExitButton = NewButton(MainTabSheet, QStringLiteral("ExitButton"), QStringLiteral("Exit"), QRect());

    OnClicked(HelpButton, [this] {
        ShowPage(HelpTabSheet);
        ShowFirstTutorialPage();
    });
    OnClicked(StartGameButton, [this] { StartGameButtonClick(); });
    OnClicked(LoadGameButton, [this] { ShowPage(LoadTabSheet); });
    OnClicked(OptionsButton, [this] { ShowOptionsDialog(); });
    OnClicked(AboutButton, [this] { ShowPage(AboutTabSheet); });
    OnClicked(ExitButton, [this] { close(); });
    ArrangeMainScreen();
}

void TForm1::ArrangeMainScreen()
{
    MainScreenPaintBox->setGeometry(MainTabSheet->rect());
    const int tops[] = {34, 73, 107, 146, 184, 222};
    TQzGraphicButton* buttons[] = {HelpButton, StartGameButton, LoadGameButton, OptionsButton, AboutButton, ExitButton};
    for (int i = 0; i < 6; ++i)
        buttons[i]->setGeometry(MenuColumnLeft + 100, tops[i], MenuColumnWidth, 33);
    MainScreenPaintBox->update();
}

void TForm1::MainScreenPaintBoxPaint(QPainter& Painter)
{
    if (!SplashImage.isNull())
        Painter.drawImage(0, 0, SplashImage);
    if (!Game)
        return;

    const int left = MenuColumnLeft;
    const int top = MainScreenPaintBox->height() - 160;
    THighScoreTable table;
    Game->ReadHighScores(table);

    // The box: the picture beneath it, darkened, with the best scores on top.
    QImage box(250, 150, QImage::Format_BGR888);
    box.fill(Qt::black);
    {
        QPainter under(&box);
        under.drawImage(-left, -top, SplashImage);
    }
    for (int y = 0; y < box.height(); ++y) {
        std::uint8_t* row = box.scanLine(y);
        for (int x = 0; x < box.width() * 3; ++x)
            row[x] = static_cast<std::uint8_t>(std::max(int(row[x]) - 180, 0));
    }

    QPainter text(&box);
    text.setFont(QzArialFont(16, true));
    const int h = text.fontMetrics().height();
    text.setPen(QColor(255, 0, 0));
    text.drawText(QRect(5, 5, 245, h), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("HIGHSCORE"));
    int y = 5 + h;
    text.setPen(Qt::white);
    text.drawLine(0, y, 250, y);
    y += 5;
    text.setFont(QzArialFont(15));
    for (const THighScoreEntry* entry : VisibleHighScores(table, h)) {
        text.drawText(QRect(5, y, 40, h), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                      QString::number(entry->Score));
        text.drawText(QRect(50, y, 200, h), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      entry->PlayerName + QStringLiteral(" (") + entry->Theme + QStringLiteral(")"));
        y += h;
    }
    text.end();
    Painter.drawImage(left, top, box);
}

void TForm1::BuildThemeSelection()
{
    SelectTopicTabSheet = NewPage(QStringLiteral("SelectTopicTabSheet"));
    NewLabel(SelectTopicTabSheet, QStringLiteral("Label4"), QStringLiteral("Your name for the Highscore List:"), 14, 74);
    NameEdit = new QLineEdit(SelectTopicTabSheet);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setFont(QzArialFont(16));
    NameEdit->setGeometry(14, 94, 291, 24);
    NewLabel(SelectTopicTabSheet, QStringLiteral("Label1"), QStringLiteral("Select a theme"), 14, 128);

    ThemeListBox = new QListWidget(SelectTopicTabSheet);
    ThemeListBox->setObjectName(QStringLiteral("ThemeListBox"));
    ThemeListBox->setGeometry(14, 150, 291, 221);
    ThemeListBox->setToolTip(QStringLiteral("Select a theme"));
    StyleListBox(*ThemeListBox);
    connect(ThemeListBox, &QListWidget::itemSelectionChanged, this,
            [this] { RunGuarded([this] { ThemeListBoxClick(); }); });

    const int lefts[] = {312, 418, 524, 630, 736};
    for (int n = 1; n <= 10; ++n) {
        auto* preview = new TPictureBox(SelectTopicTabSheet);
        preview->setObjectName(QStringLiteral("ThemePreview%1Image").arg(n, 2, 10, QLatin1Char('0')));
        const int top = n <= 5 ? 150 : (n == 7 ? 256 : 257);
        preview->setGeometry(lefts[(n - 1) % 5], top, 100, 100);
    }

    GoButton = NewButton(SelectTopicTabSheet, QStringLiteral("GoButton"), QStringLiteral("Go"), QRect(14, 378, 110, 33),
                         QStringLiteral("Click \"Go\" to start the puzzle"));
    OnClicked(GoButton, [this] { GoButtonClick(); });
}

void TForm1::StartGameButtonClick()
{
    FillThemeList();
    ForbidMusic();
    ShowPage(SelectTopicTabSheet);
}

void TForm1::FillThemeList()
{
    QStringList themes;
    Game->ListThemes(themes);
    const QSignalBlocker blocker(ThemeListBox);
    ThemeListBox->clear();
    ThemeListBox->addItems(themes);
    if (ThemeListBox->count() > 0)
        ThemeListBox->setCurrentRow(0);
}

void TForm1::ThemeListBoxClick()
{
    const QList<QListWidgetItem*> selected = ThemeListBox->selectedItems();
    if (!selected.isEmpty())
        ShowThemePreviews(selected.first()->text());
}

QString TForm1::ThemeDirectory(const QString& Theme) const
{
    return JoinPath(ProgramRelativePath(QStringLiteral("../dat/puzz")), Theme);
}

QString TForm1::ThemePictureFile(const QString& Theme, int Level) const
{
    return JoinPath(ThemeDirectory(Theme), QStringLiteral("IP%1").arg(Level, 2, 10, QLatin1Char('0')) + QStringLiteral("01.dat"));
}

QWidget* TForm1::FindControl(const QString& Name) const
{
    // Depth first, in the stored order of the children.
    std::function<QWidget*(const QWidget*)> search = [&](const QWidget* Parent) -> QWidget* {
        for (QObject* child : Parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget)
                continue;
            if (widget->objectName().compare(Name, Qt::CaseInsensitive) == 0)
                return widget;
            if (QWidget* found = search(widget))
                return found;
        }
        return nullptr;
    };
    return search(this);
}

void TForm1::ShowThemePreviews(const QString& Theme)
{
    for (int n = 1; n <= 10; ++n) {
        const QString file = ThemePictureFile(Theme, n);
        auto* control = dynamic_cast<TPictureBox*>(
            FindControl(QStringLiteral("ThemePreview%1Image").arg(n, 2, 10, QLatin1Char('0'))));
        if (!control)
            continue;
        if (!FileExists(file)) {
            control->SetPicture(QImage());
            continue;
        }
        control->SetPicture(LoadPictureFile(DecodeToTemp(file)));
    }
}

void TForm1::GoButtonClick()
{
    if (NameEdit->text().size() > 20)
        throw EQzError(QStringLiteral("Player Name may not be longer than 20 characters"));
    ShowMessageBox(QStringLiteral("Get Ready"), 2, mbOKBit, 0);
    const QList<QListWidgetItem*> selected = ThemeListBox->selectedItems();
    if (selected.isEmpty())
        throw EQzError(QStringLiteral("Please select a theme first."));
    Game->NewGame(selected.first()->text(), NameEdit->text());
    StartLevelScreen();
}

} // namespace zindo
