#include "MainScreen.h"

#include "PaintBox.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "data/DataContainer.h"
#include "data/GamePaths.h"
#include "data/QzBitmap.h"
#include "game/Game.h"
#include "game/HighScores.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

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

TMainScreen::TMainScreen(TScreenHost& AHost, QStackedWidget& Pages)
    : TScreen(AHost, scMain, Pages, QStringLiteral("MainScreen"))
{
    SplashView = new TPaintBox(this);
    SplashView->setObjectName(QStringLiteral("SplashView"));
    SplashView->OnPaint = [this](TPaintBox& Box, QPainter& Painter) {
        PaintSplashAndScores(Painter, Box.PaintedRegion());
    };

    TitleLabel = new TShadowLabel(QStringLiteral("Zindo Puzzle"), this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    TitleLabel->setFont(QzArialFont(60, true));
    TitleLabel->setAttribute(Qt::WA_TranslucentBackground);
    TitleLabel->adjustSize();
    TitleLabel->resize(TitleLabel->width() + 4, TitleLabel->height() + 4);
    TitleLabel->move(14, 26);

    // Placed in the menu column by Arrange.
    TutorialButton = NewButton(this, QStringLiteral("TutorialButton"), tr("Tutorial"), QRect());
    StartGameButton = NewButton(this, QStringLiteral("StartGameButton"), tr("Start Game"), QRect(),
                                tr("Start puzzle"));
    LoadGameButton = NewButton(this, QStringLiteral("LoadGameButton"), tr("Load Game"), QRect(),
                               tr("Load and continue saved game"));
    OptionsButton = NewButton(this, QStringLiteral("OptionsButton"), tr("Options"), QRect());
    AboutButton = NewButton(this, QStringLiteral("AboutButton"), tr("About Zindo Puzzle..."), QRect());
    ExitButton = NewButton(this, QStringLiteral("ExitButton"), tr("Exit"), QRect());

    OnClicked(TutorialButton, [this] { Host.OpenScreen(scTutorial); });
    OnClicked(StartGameButton, [this] { Host.OpenScreen(scThemeSelection); });
    OnClicked(LoadGameButton, [this] { Host.OpenScreen(scLoad); });
    OnClicked(OptionsButton, [this] { Host.ShowOptionsDialog(); });
    OnClicked(AboutButton, [this] { Host.OpenScreen(scAbout); });
    OnClicked(ExitButton, [this] { Host.CloseWindow(); });
    Arrange();
}

void TMainScreen::SetSplashImage(const QImage& Picture)
{
    SplashImage = Picture.convertToFormat(QImage::Format_RGB32);
}

void TMainScreen::Enter()
{
    Host.AllowMusic();
    if (SplashReleased) {
        SplashReleased = false;
        // The picture was read at the start; should it have gone since, the
        // screen shows the wallpaper and says why.
        try {
            SetSplashImage(LoadContainedPicture(GameDataPath(QStringLiteral("iss.dat"))));
        } catch (const std::exception& error) {
            Host.SetZindoMessage(QString::fromUtf8(error.what()), msHint, true);
        }
    }
    ReadHighScores();
    Arrange();
}

void TMainScreen::ReadHighScores()
{
    // The scores change only while a level is played, so they are read when
    // the screen comes back, not at every repaint.
    HighScores = THighScoreTable();
    try {
        TGame::ReadHighScores(HighScores);
    } catch (const std::exception& error) {
        HighScores = THighScoreTable();
        if (!HighScoreErrorShown) {
            HighScoreErrorShown = true;
            Host.SetZindoMessage(tr("The high scores cannot be read. %1").arg(QString::fromUtf8(error.what())),
                                 msHint, true);
        }
    }
}

void TMainScreen::Leave()
{
    // The other menu screens come back here soon: only the copy at the
    // screen's resolution goes.
    SplashPicture.Clear();
}

void TMainScreen::ReleaseSplashImage()
{
    if (!SplashImage.isNull()) {
        SplashImage = QImage();
        SplashReleased = true;
    }
}

void TMainScreen::PlaceMenuColumn()
{
    ColumnLeft = width() - 260;
}

void TMainScreen::resizeEvent(QResizeEvent* Event)
{
    // A window manager maximises or restores the window after the request,
    // so the column follows the size the page really gets.
    TScreen::resizeEvent(Event);
    PlaceMenuColumn();
    Arrange();
}

void TMainScreen::Arrange()
{
    SplashView->setGeometry(rect());
    const int tops[] = {34, 73, 107, 146, 184, 222};
    TQzGraphicButton* buttons[] = {TutorialButton, StartGameButton, LoadGameButton,
                                   OptionsButton,  AboutButton,     ExitButton};
    // One width for the column, as much as the longest caption needs; the
    // column keeps its right edge and grows to the left.
    int width = MenuColumnWidth;
    for (const TQzGraphicButton* button : buttons)
        width = std::max(width, button->sizeHint().width());
    for (int i = 0; i < 6; ++i)
        buttons[i]->setGeometry(ColumnLeft + 100 + MenuColumnWidth - width, tops[i], width, 33);
    SplashView->update();
}

QRect TMainScreen::SplashRect() const
{
    if (SplashImage.isNull())
        return QRect();
    return QRect(0, 0, width(), (SplashImage.height() * width() + SplashImage.width() / 2) / SplashImage.width());
}

QRect TMainScreen::ScoreBoxRect() const
{
    return QRect(ColumnLeft, SplashView->height() - 160, 250, 150);
}

void TMainScreen::PaintSplashAndScores(QPainter& Painter, const QRegion& Exposed)
{
    const QRect box = ScoreBoxRect();
    const QRegion exposed = Exposed.isEmpty() ? QRegion(SplashView->rect()) : Exposed;
    const QRect splash = SplashRect();
    if (const QRegion around = exposed - box; !SplashImage.isNull() && !around.isEmpty())
        SplashPicture.Draw(Painter, splash, SplashImage, around);

    // The box: the picture beneath it, or black where the picture ends,
    // darkened evenly to a fifth of its light, with the best scores written
    // on top.
    if (!exposed.intersects(box))
        return;
    Painter.save();
    Painter.setClipRect(box, Qt::IntersectClip);
    Painter.fillRect(box, Qt::black);
    if (!SplashImage.isNull())
        SplashPicture.Draw(Painter, splash, SplashImage, exposed & box);
    Painter.fillRect(box, QColor(0, 0, 0, 204));
    Painter.translate(box.topLeft());
    Painter.setFont(QzArialFont(16, true));
    const int h = Painter.fontMetrics().height();
    Painter.setPen(QColor(255, 0, 0));
    Painter.drawText(QRect(5, 5, 245, h), Qt::AlignLeft | Qt::AlignTop, tr("HIGHSCORE"));
    int y = 5 + h;
    Painter.setPen(Qt::white);
    Painter.drawLine(0, y, 250, y);
    y += 5;
    const std::vector<const THighScoreEntry*> rows = VisibleHighScores(HighScores, h);
    if (!rows.empty())
        Painter.setFont(QzArialFont(15)); // a size of its own, loaded only when a row is written
    for (const THighScoreEntry* entry : rows) {
        Painter.drawText(QRect(5, y, 40, h), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                         QString::number(entry->Score));
        Painter.drawText(QRect(50, y, 200, h), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         entry->PlayerName + QStringLiteral(" (") + entry->Theme + QStringLiteral(")"));
        y += h;
    }
    Painter.restore();
}

} // namespace zindo
