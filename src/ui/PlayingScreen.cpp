#include "PlayingScreen.h"

#include "BoardPainter.h"
#include "ErrorBox.h"
#include "PaintBox.h"
#include "PictureBox.h"
#include "PlayingPanels.h"
#include "ScreenParts.h"

#include "controls/QzGraphicButton.h"
#include "data/RandomGenerator.h"
#include "dialogs/ActionForm.h"
#include "dialogs/SaveForm.h"
#include "game/Game.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace zindo {

TPlayingScreen::TPlayingScreen(TScreenHost& AHost, QStackedWidget& Pages, TRandomGenerator& ARandom)
    : TScreen(AHost, scPlaying, Pages, QStringLiteral("PlayingScreen")), Random(ARandom)
{
    BuildViews();
    BuildButtons();
}

void TPlayingScreen::BuildViews()
{
    PreviewPanel = FramedPanel(this, QStringLiteral("PreviewPanel"), QRect(2, 0, 250, 250));
    PreviewImage = new TPictureBox(PreviewPanel);
    PreviewImage->setObjectName(QStringLiteral("PreviewImage"));
    PreviewImage->setGeometry(PreviewPanel->rect().adjusted(1, 1, -1, -1));
    PreviewImage->setAutoFillBackground(true);
    QPalette black;
    black.setColor(QPalette::Window, Qt::black);
    PreviewImage->setPalette(black);
    PreviewImage->setToolTip(tr("That's how the finished puzzle should look"));

    BoardPanel = FramedPanel(this, QStringLiteral("BoardPanel"), QRect(258, 0, 600, 605));
    BoardView = PaintBoxIn(BoardPanel, QStringLiteral("BoardView"), tr("Place your puzzle-pieces here"));
    BoardView->OnPaint = [this](TPaintBox& Box, QPainter& Painter) { PaintBoardView(Painter, Box.PaintedRegion()); };
    BoardView->OnMouseDown = [this](TPaintBox&, QMouseEvent& Event) { BoardViewMouseDown(Event); };
    // The piece in the hand follows the pointer at the next idle pass, and
    // leaves the board with it.
    auto followPointer = [this] {
        if (Host.Game() && Host.Session().Puzzle().HeldPiece) {
            RequestRepaint(RepaintBoard);
            Host.WakeIdlePass();
        }
    };
    BoardView->OnMouseMove = [followPointer](TPaintBox&, QMouseEvent&) { followPointer(); };
    BoardView->OnMouseLeave = [followPointer](TPaintBox&) { followPointer(); };

    PotPanel = FramedPanel(this, QStringLiteral("PotPanel"), QRect(864, 0, 131, 495));
    PotView = PaintBoxIn(PotPanel, QStringLiteral("PotView"), tr("Click to take a piece"));
    PotView->OnPaint = [this](TPaintBox& Box, QPainter& Painter) { PaintPotView(Painter, Box.PaintedRegion()); };
    PotView->OnMouseDown = [this](TPaintBox&, QMouseEvent& Event) { PotViewMouseDown(Event); };

    CleanupBonusPanel = FramedPanel(this, QStringLiteral("CleanupBonusPanel"), QRect(864, 500, 131, 32));
    CleanupBonusView = PaintBoxIn(CleanupBonusPanel, QStringLiteral("CleanupBonusView"),
                                  tr("Click on a broom to remove all wrong pieces"));
    JokerBonusPanel = FramedPanel(this, QStringLiteral("JokerBonusPanel"), QRect(864, 536, 132, 32));
    JokerBonusView = PaintBoxIn(JokerBonusPanel, QStringLiteral("JokerBonusView"), tr("Use Magic"));
    CheckBonusPanel = FramedPanel(this, QStringLiteral("CheckBonusPanel"), QRect(864, 572, 131, 32));
    CheckBonusView = PaintBoxIn(CheckBonusPanel, QStringLiteral("CheckBonusView"),
                                tr("Check if your puzzle is correct"));
    struct TBonusBox {
        TPaintBox* Box;
        const char* Icon;
        TBonusKind Slot;
        std::int32_t Duration;
    };
    for (const TBonusBox& bonus : {TBonusBox{CleanupBonusView, "BMP_BONUS_CLEANUP", bnCleanup, 0},
                                   TBonusBox{JokerBonusView, "BMP_BONUS_AUTODROP", bnJoker, 0},
                                   TBonusBox{CheckBonusView, "BMP_BONUS_CHECK", bnCheck, 5000}}) {
        const QString icon = QLatin1String(bonus.Icon);
        const TBonusKind slot = bonus.Slot;
        const std::int32_t duration = bonus.Duration;
        bonus.Box->OnPaint = [this, icon, slot](TPaintBox& Box, QPainter& Painter) {
            const std::int32_t count = Host.Game() ? Host.Session().Puzzle().BonusCount(slot) : 0;
            Painter.drawImage(0, 0, ComposeBonusBox(Box.size(), icon, count));
        };
        ShownBonuses.push_back({bonus.Box, slot});
        bonus.Box->OnClick = [this, slot, duration](TPaintBox&) {
            if (Host.Game())
                Host.Session().Puzzle().UseBonus(slot, duration);
        };
    }

    LevelLabel = ReadOut(this, QStringLiteral("LevelCaption"), tr("Level"), QStringLiteral("LevelBox"),
                         QStringLiteral("LevelLabel"), QRect(3, 338, 94, 57));
    LivesLabel = ReadOut(this, QStringLiteral("LivesCaption"), tr("Lives"), QStringLiteral("LivesBox"),
                         QStringLiteral("LivesLabel"), QRect(100, 338, 96, 57));
    ScoreLabel = ReadOut(this, QStringLiteral("ScoreCaption"), tr("Score"), QStringLiteral("ScoreBox"),
                         QStringLiteral("ScoreLabel"), QRect(3, 401, 94, 57));
    ReadOutBox(this, QStringLiteral("ModeCaption"), tr("Mode"), QStringLiteral("ModeBox"),
               QRect(100, 401, 96, 57));
    ModeIconView = new TPaintBox(this);
    ModeIconView->setObjectName(QStringLiteral("ModeIconView"));
    ModeIconView->setGeometry(148, 418, 43, 37);
    ModeIconView->OnPaint = [this](TPaintBox&, QPainter& Painter) { PaintModeIcon(Painter); };
}

void TPlayingScreen::BuildButtons()
{
    MenuButton = NewButton(this, QStringLiteral("MenuButton"), tr("Menu"), QRect(2, 608, 87, 25));
    PauseButton = NewButton(this, QStringLiteral("PauseButton"), tr("Pause"), QRect(90, 608, 135, 25));
    EndOfLevelButton = NewButton(this, QStringLiteral("EndOfLevelButton"), tr("Next Level"),
                                 QRect(418, 608, 216, 25), tr("Click in order to start the puzzle"));
    SaveButton = NewButton(this, QStringLiteral("SaveButton"), tr("Save..."), QRect(636, 608, 216, 25),
                           tr("Click to save the game"));
    NextPieceButton = NewButton(this, QStringLiteral("NextPieceButton"), tr("Next"),
                                QRect(864, 608, 135, 25));

    OnClicked(MenuButton, [this] { ShowInGameMenu(); });
    OnClicked(PauseButton, [this] { PauseButtonClick(); });
    OnClicked(EndOfLevelButton, [this] { EndOfLevelButtonClick(); });
    OnClicked(SaveButton, [this] { ShowSaveDialog(); });
    OnClicked(NextPieceButton, [this] { NextPieceButtonClick(); });
    EndOfLevelButton->hide();
    SaveButton->hide();
}

// ---------------------------------------------------------------- layout

void TPlayingScreen::resizeEvent(QResizeEvent* Event)
{
    // A window manager maximises or restores the window after the request,
    // so the screen follows the size its page really gets.
    TScreen::resizeEvent(Event);
    Arrange();
}

void TPlayingScreen::Arrange()
{
    const int w = width();
    const int h = height();
    PreviewPanel->move(5, 5);
    PotPanel->move(w - PotPanel->width() - 5, 5);
    for (QWidget* button : {static_cast<QWidget*>(MenuButton), static_cast<QWidget*>(PauseButton),
                            static_cast<QWidget*>(EndOfLevelButton), static_cast<QWidget*>(SaveButton),
                            static_cast<QWidget*>(NextPieceButton)})
        button->move(button->x(), h - button->height() - 5);
    NextPieceButton->move(PotPanel->x(), NextPieceButton->y());
    int top = PotPanel->y() + PotPanel->height() + 4;
    for (QWidget* panel : {CleanupBonusPanel, JokerBonusPanel, CheckBonusPanel}) {
        panel->move(PotPanel->x(), top);
        top += panel->height() + 4;
    }
    LayoutBoardPanel();
}

void TPlayingScreen::LayoutBoardPanel()
{
    QSize picture(600, 600);
    if (Host.Game() && !Host.Session().Puzzle().Picture.isNull())
        picture = Host.Session().Puzzle().Picture.size();
    BoardPanel->resize(picture.width() + 2, picture.height() + 2);
    BoardView->setGeometry(1, 1, picture.width(), picture.height());
    BoardPanel->move(PotPanel->x() - BoardPanel->width() - 5, PotPanel->y());
    BoardPanel->update();
}

int TPlayingScreen::PotHeight() const
{
    return PotView->height();
}

// ---------------------------------------------------------------- the session's notifications

void TPlayingScreen::HandleEffect(std::int32_t Code)
{
    if (Code == EffectPause) {
        if (Host.Session().GetState() == stPaused) {
            Host.ForbidMusic();
            PreviewImage->hide();
        } else {
            Host.AllowMusic();
            PreviewImage->show();
        }
    }
    UpdatePlayControls();
}

// ---------------------------------------------------------------- controls

void TPlayingScreen::UpdatePlayControls()
{
    if (!Host.Game())
        return;
    TGame& game = Host.Session();
    TPuzzleClass& puzzle = game.Puzzle();
    LevelLabel->setText(QString::number(game.Record().Level));
    LivesLabel->setText(QString::number(puzzle.Lives));
    ScoreLabel->setText(QString::number(game.GetScore()));

    const std::uint8_t oldModeIcon = FModeIcon;
    FModeIcon = 0;
    if (puzzle.HeldPiece) {
        setCursor(Qt::DragMoveCursor);
        if (puzzle.HeldKind == pkChangeDrop)
            FModeIcon = 3;
        else if (puzzle.HeldKind == pkDeath)
            FModeIcon = 1;
    } else {
        unsetCursor();
        if (puzzle.BonusActive(bnCheck))
            FModeIcon = 2;
    }
    if (FModeIcon != oldModeIcon)
        ModeIconView->update();

    const TPuzzleState state = puzzle.State;
    PauseButton->setVisible(state == stPlaying || state == stPaused);
    PauseButton->setText(state == stPaused ? tr("Continue Playing") : tr("Pause"));
    NextPieceButton->setVisible(state == stPlaying && !puzzle.Finished && !puzzle.HeldPiece && puzzle.Pot.HasRoom());
    UpdateEndOfLevelButtons();
}

void TPlayingScreen::RefreshAfterAction()
{
    Host.Session().UpdateState();
    UpdatePlayControls();
}

void TPlayingScreen::StartLevelScreen()
{
    CongratulationShown = false;
    Host.ClearZindoMessage();
    Host.ForbidMusic();
    Host.Session().StartLevel();
    PreviewImage->SetPicture(Host.Session().Puzzle().Picture);
    PreviewImage->show();
    Host.ShowScreen(scPlaying);
    LayoutBoardPanel();
    PendingRepaint |= RepaintAll;
    UpdatePlayControls();
    Host.AllowMusic();
}

void TPlayingScreen::PotViewMouseDown(QMouseEvent& Event)
{
    TPuzzleClass& puzzle = Host.Session().Puzzle();
    if (puzzle.HeldPiece)
        return;
    // The nearest design pixel: a scaled window delivers fractions.
    const int index = puzzle.Pot.HitTest(PotView->height() - qRound(Event.position().y()));
    if (index < 0) {
        QApplication::beep();
        return;
    }
    puzzle.TakeFromPot(index);
    RefreshAfterAction();
}

void TPlayingScreen::BoardViewMouseDown(QMouseEvent& Event)
{
    TPuzzleClass& puzzle = Host.Session().Puzzle();
    std::int32_t column = -1;
    std::int32_t row = -1;
    const QPoint at = Event.position().toPoint();
    puzzle.CellAt(at.x(), at.y(), column, row);
    const bool valid = column >= 0 && row >= 0;
    if (puzzle.HeldPiece && valid)
        puzzle.DropHeldPiece(column, row);
    else if (!puzzle.HeldPiece && valid)
        puzzle.PickUpAt(column, row);
    RefreshAfterAction();
}

void TPlayingScreen::NextPieceButtonClick()
{
    Host.Session().FeedNow();
    RefreshAfterAction();
}

void TPlayingScreen::PauseButtonClick()
{
    TGame& game = Host.Session();
    const TPuzzleState state = game.GetState();
    if (state == stPlaying)
        game.Pause();
    else if (state == stPaused)
        game.Resume();
}

void TPlayingScreen::ShowSaveDialog()
{
    TSaveForm form(window());
    QStringList names;
    QString current;
    Host.Session().ListSavedGames(names, current);
    // A save that fails says why and leaves the dialog open with the name.
    form.OnSave = [this](const QString& Name) { return RunGuarded([&] { Host.Session().SaveGame(Name); }); };
    form.Ask(names, current);
}

void TPlayingScreen::ShowInGameMenu()
{
    if (Host.CurrentScreen() != scPlaying)
        return;
    TGame& game = Host.Session();
    TActionForm form(window());
    const bool wasPlaying = game.GetState() == stPlaying;
    if (wasPlaying)
        game.Pause();
    // Over the board, the menu hides its "PAUSED" whatever the level's shape.
    const std::optional<TActionChoice> choice = form.Ask(Host.BackgroundMusicOn(), Host.SoundEffectsOn(), BoardView);
    bool leave = false;
    if (choice) {
        switch (*choice) {
        case acSaveAndExit:
            // The game is saved as it is, before the 100 points that leaving
            // costs. The level is left once it is saved, or when the player
            // cancels; while saving fails, the dialog stays open over the
            // paused level and nothing is lost.
            ShowSaveDialog();
            game.Abort();
            leave = true;
            break;
        case acExit:
            game.Abort();
            leave = true;
            break;
        case acContinue:
            break;
        case acToggleMusic:
            Host.SetBackgroundMusicOn(!Host.BackgroundMusicOn());
            break;
        case acToggleEffects:
            Host.SetSoundEffectsOn(!Host.SoundEffectsOn());
            break;
        }
    }
    if (wasPlaying && game.GetState() != stAbandoned)
        game.Resume();
    if (leave)
        Host.ShowScreen(scMain);
    UpdatePlayControls();
}

} // namespace zindo
