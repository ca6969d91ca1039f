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
    for (int i = 0; i < 6; ++i)
        buttons[i]->setGeometry(ColumnLeft + 100, tops[i], MenuColumnWidth, 33);
    SplashView->update();
}

void TMainScreen::PaintSplashAndScores(QPainter& Painter, const QRegion& Exposed)
{
    if (!SplashImage.isNull())
        SplashPicture.Draw(Painter, SplashImage.rect(), SplashImage, Exposed);

    const int left = ColumnLeft;
    const int top = SplashView->height() - 160;

    // The box: the picture beneath it, darkened (made again only when the
    // box moves), with the best scores written on top at the screen's own
    // resolution.
    if (ScoreGround.isNull() || ScoreGroundAt != QPoint(left, top)) {
        ScoreGround = QImage(250, 150, QImage::Format_BGR888);
        ScoreGround.fill(Qt::black);
        {
            QPainter under(&ScoreGround);
            under.drawImage(-left, -top, SplashImage);
        }
        const int rowBytes = ScoreGround.width() * 3;
        for (int y = 0; y < ScoreGround.height(); ++y) {
            std::uint8_t* row = ScoreGround.scanLine(y);
            for (int x = 0; x < rowBytes; ++x)
                row[x] = row[x] > 180 ? static_cast<std::uint8_t>(row[x] - 180) : 0;
        }
        ScoreGroundAt = QPoint(left, top);
    }
    ScoreGroundPicture.Draw(Painter, QRect(ScoreGroundAt, ScoreGround.size()), ScoreGround, Exposed);

    Painter.save();
    Painter.translate(left, top);
    Painter.setClipRect(ScoreGround.rect(), Qt::IntersectClip);
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
