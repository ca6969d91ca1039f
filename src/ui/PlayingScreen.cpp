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

TPlayingScreen::TPlayingScreen(TScreenHost& AHost, QStackedWidget& Pages, TGame& ASession,
                               TRandomGenerator& ARandom)
    : TScreen(AHost, scPlaying, Pages, QStringLiteral("PlayingScreen")), Session(ASession), Random(ARandom),
      Input(ASession)
{
    // The keys of a level go to the screen itself, where Tab also comes back.
    setFocusPolicy(Qt::TabFocus);
    BuildViews();
    BuildButtons();
    Session.OnChange = [this](TGame&, std::uint8_t Parts) { RequestRepaint(Parts); };
    Session.OnEffect = [this](TGame&, TGameEffect Effect) { HandleEffect(Effect); };
    Session.OnStateChange = [this](TGame&, TPuzzleState State) { HandleStateChange(State); };
    Session.OnNews = [this](TGame&, const TPuzzleNews& News) { ShowNews(News); };
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
        if (Session.Puzzle().HeldPiece())
            RequestRepaint(RepaintBoard);
    };
    BoardView->OnMouseMove = [followPointer](TPaintBox&, QMouseEvent&) { followPointer(); };
    BoardView->OnMouseLeave = [followPointer](TPaintBox&) { followPointer(); };

    PotPanel = FramedPanel(this, QStringLiteral("PotPanel"), QRect(864, 0, 131, 495));
    PotView = PaintBoxIn(PotPanel, QStringLiteral("PotView"), tr("Click to take a piece"));
    PotView->OnPaint = [this](TPaintBox& Box, QPainter& Painter) { PaintPotView(Painter, Box.PaintedRegion()); };
    PotView->OnMouseDown = [this](TPaintBox&, QMouseEvent& Event) { PotViewMouseDown(Event); };

    CleanupBonusPanel = FramedPanel(this, QStringLiteral("CleanupBonusPanel"), QRect(864, 500, 131, 32));
    CleanupBonusView = PaintBoxIn(CleanupBonusPanel, QStringLiteral("CleanupBonusView"),
                                  tr("Click on a broom to remove all wrong pieces (B)"));
    JokerBonusPanel = FramedPanel(this, QStringLiteral("JokerBonusPanel"), QRect(864, 536, 132, 32));
    JokerBonusView = PaintBoxIn(JokerBonusPanel, QStringLiteral("JokerBonusView"), tr("Use Magic (M)"));
    CheckBonusPanel = FramedPanel(this, QStringLiteral("CheckBonusPanel"), QRect(864, 572, 131, 32));
    CheckBonusView = PaintBoxIn(CheckBonusPanel, QStringLiteral("CheckBonusView"),
                                tr("Check if your puzzle is correct (C)"));
    struct TBonusBox {
        TPaintBox* Box;
        const char* Icon;
        TBonusKind Slot;
    };
    for (const TBonusBox& bonus : {TBonusBox{CleanupBonusView, "BMP_BONUS_CLEANUP", bnCleanup},
                                   TBonusBox{JokerBonusView, "BMP_BONUS_AUTODROP", bnJoker},
                                   TBonusBox{CheckBonusView, "BMP_BONUS_CHECK", bnCheck}}) {
        const QString icon = QLatin1String(bonus.Icon);
        const TBonusKind slot = bonus.Slot;
        bonus.Box->OnPaint = [this, icon, slot](TPaintBox& Box, QPainter& Painter) {
            Painter.drawImage(0, 0, ComposeBonusBox(Box.size(), icon, Session.Puzzle().BonusCount(slot)));
        };
        ShownBonuses.push_back({bonus.Box, slot});
        bonus.Box->OnClick = [this, slot](TPaintBox&) { Session.UseBonus(slot); };
    }

    LevelLabel = ReadOut(this, QStringLiteral("LevelCaption"), tr("Level"), QStringLiteral("LevelBox"),
                         QStringLiteral("LevelLabel"), QRect(3, 338, 94, 57));
    LivesLabel = ReadOut(this, QStringLiteral("LivesCaption"), tr("Lives"), QStringLiteral("LivesBox"),
                         QStringLiteral("LivesLabel"), QRect(100, 338, 96, 57));
    ScoreLabel = ReadOut(this, QStringLiteral("ScoreCaption"), tr("Score"), QStringLiteral("ScoreBox"),
                         QStringLiteral("ScoreLabel"), QRect(3, 401, 94, 57));
    QWidget* modeBox = ReadOutBox(this, QStringLiteral("ModeCaption"), tr("Mode"), QStringLiteral("ModeBox"),
                                  QRect(100, 401, 96, 57));
    ModeIconView = new TPaintBox(this);
    ModeIconView->setObjectName(QStringLiteral("ModeIconView"));
    ModeIconView->setGeometry(148, 418, 43, 37);
    const QString modeHint = tr("Mode: the zindo's face - you hold a risk piece; the two arrows - your piece "
                                "replaces the one it is dropped on; the tick - the check marks wrong pieces");
    modeBox->setToolTip(modeHint);
    ModeIconView->setToolTip(modeHint);
    ModeIconView->OnPaint = [this](TPaintBox&, QPainter& Painter) { PaintModeIcon(Painter); };
}

void TPlayingScreen::BuildButtons()
{
    MenuButton = NewButton(this, QStringLiteral("MenuButton"), tr("Menu"), QRect(2, 608, 87, 25),
                           tr("Menu (Esc)"));
    PauseButton = NewButton(this, QStringLiteral("PauseButton"), tr("Pause"), QRect(90, 608, 135, 25),
                            tr("Pause (P)"));
    EndOfLevelButton = NewButton(this, QStringLiteral("EndOfLevelButton"), tr("Next Level"),
                                 QRect(418, 608, 216, 25), tr("Click in order to start the puzzle"));
    SaveButton = NewButton(this, QStringLiteral("SaveButton"), tr("Save..."), QRect(636, 608, 216, 25),
                           tr("Click to save the game"));
    // The next piece comes at once, and the clock of the dealing starts
    // again from it: the pieces after it come at the pace they would have.
    NextPieceButton = NewButton(this, QStringLiteral("NextPieceButton"), tr("Next"), QRect(864, 608, 135, 25),
                                tr("Deal the next piece into the pot now; the pieces after it come at the usual "
                                   "pace (N)"));

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
    if (!Session.Puzzle().Picture().isNull())
        picture = Session.Puzzle().Picture().size();
    BoardPanel->resize(picture.width() + 2, picture.height() + 2);
    BoardView->setGeometry(1, 1, picture.width(), picture.height());
    BoardPanel->move(PotPanel->x() - BoardPanel->width() - 5, PotPanel->y());
    BoardPanel->update();
}

// ---------------------------------------------------------------- the session's notifications

void TPlayingScreen::HandleEffect(TGameEffect Effect)
{
    Host.PlayEffect(Effect);
    if (Effect == efPause) {
        if (Session.Puzzle().State() == stPaused) {
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
    const TPuzzleClass& puzzle = Session.Puzzle();
    LevelLabel->setText(QString::number(Session.Record().Level));
    LivesLabel->setText(QString::number(puzzle.Lives()));
    ScoreLabel->setText(QString::number(Session.GetScore()));

    const TModeIcon oldModeIcon = ShownModeIcon;
    ShownModeIcon = miNone;
    if (puzzle.HeldPiece()) {
        setCursor(Qt::DragMoveCursor);
        if (puzzle.HeldKind() == pkChangeDrop)
            ShownModeIcon = miChangeDrop;
        else if (puzzle.HeldKind() == pkDeath)
            ShownModeIcon = miRisk;
    } else {
        unsetCursor();
        if (puzzle.BonusActive(bnCheck))
            ShownModeIcon = miCheck;
    }
    if (ShownModeIcon != oldModeIcon)
        ModeIconView->update();

    const TPuzzleState state = puzzle.State();
    PauseButton->setVisible(state == stPlaying || state == stPaused);
    PauseButton->setText(state == stPaused ? tr("Continue Playing") : tr("Pause"));
    PauseButton->setToolTip(state == stPaused ? tr("Continue Playing (P)") : tr("Pause (P)"));
    NextPieceButton->setVisible(Session.CanDealNow());
    UpdateEndOfLevelButtons();
}

void TPlayingScreen::StartLevelScreen()
{
    CongratulationShown = false;
    Host.ClearZindoMessage();
    Host.ForbidMusic();
    Session.StartLevel();
    Input.Reset();
    PreviewImage->SetPicture(Session.Puzzle().Picture(), BoardPictureComposer(Session.Puzzle()));
    PreviewImage->show();
    Host.ShowScreen(scPlaying);
    LayoutBoardPanel();
    PendingRepaint |= RepaintAll;
    UpdatePlayControls();
    RepaintCursors();
    Host.AllowMusic();
}

void TPlayingScreen::PotViewMouseDown(QMouseEvent& Event)
{
    // A click on the pot or the board gives the keys back to them.
    setFocus(Qt::MouseFocusReason);
    if (Session.Puzzle().HeldPiece())
        return;
    // The nearest design pixel: a scaled window delivers fractions.
    const int index = Session.Puzzle().Pot().HitTest(PotView->height() - qRound(Event.position().y()));
    if (Session.TakeFromPot(index) == toNoPiece)
        QApplication::beep();
    UpdatePlayControls();
}

void TPlayingScreen::BoardViewMouseDown(QMouseEvent& Event)
{
    setFocus(Qt::MouseFocusReason);
    std::int32_t column = -1;
    std::int32_t row = -1;
    const QPoint at = DesignPixel(Event.position()); // the cell drawn under the pointer, at any scale
    Session.Puzzle().CellAt(at.x(), at.y(), column, row);
    Session.DropOrLiftAt(column, row);
    UpdatePlayControls();
}

void TPlayingScreen::NextPieceButtonClick()
{
    Session.DealNow();
    UpdatePlayControls();
}

void TPlayingScreen::PauseButtonClick()
{
    Session.TogglePause();
}

bool TPlayingScreen::ShowSaveDialog()
{
    const std::optional<QString> saved = SaveThroughDialog();
    if (saved)
        TellSaved(*saved);
    return saved.has_value();
}

std::optional<QString> TPlayingScreen::SaveThroughDialog()
{
    TSaveForm form(window());
    QStringList names;
    QString current;
    Session.ListSavedGames(names, current);
    // A save that fails says why and leaves the dialog open with the name.
    form.OnSave = [this](const QString& Name) { return RunGuarded([&] { Session.SaveGame(Name); }); };
    form.IsTaken = [](const QString& Name) { return TGame::SavedGameExists(Name); };
    return form.Ask(names, current);
}

void TPlayingScreen::TellSaved(const QString& Name)
{
    Host.SetZindoMessage(tr("Game saved as \"%1\".").arg(Name), msHint, false);
}

void TPlayingScreen::ShowInGameMenu()
{
    if (Host.CurrentScreen() != scPlaying)
        return;
    TActionForm form(window());
    const bool wasPlaying = Session.Pause();
    // Over the board, the menu hides its "PAUSED" whatever the level's shape.
    const std::optional<TActionChoice> choice = form.Ask(Host.BackgroundMusicOn(), Host.SoundEffectsOn(), BoardView);
    bool leave = false;
    std::optional<QString> saved;
    if (choice) {
        switch (*choice) {
        case acSaveAndExit:
            // The game is saved as it is, before the 100 points that leaving
            // costs. The level is left once it is saved, or when the player
            // cancels; while saving fails, the dialog stays open over the
            // paused level and nothing is lost.
            saved = SaveThroughDialog();
            Session.LeaveLevel();
            leave = true;
            break;
        case acExit:
            Session.LeaveLevel();
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
    if (wasPlaying && Session.GetState() != stAbandoned)
        Session.Resume();
    if (leave)
        Host.ShowScreen(scMain);
    // Said on the screen the player is back on.
    if (saved)
        TellSaved(*saved);
    UpdatePlayControls();
}

// ---------------------------------------------------------------- news

void TPlayingScreen::ShowNews(const TPuzzleNews& News)
{
    // One sentence per bonus, so that each language can say it its own way.
    const auto perBonus = [&News](const QString& Broom, const QString& Magic, const QString& Check) {
        switch (News.Bonus) {
        case bnCleanup:
            return Broom;
        case bnJoker:
            return Magic;
        case bnCheck:
            return Check;
        case bnPreview:
            break;
        }
        return QString();
    };
    QString text;
    switch (News.Kind) {
    case nkRaidOver:
        if (News.KnockedOff == 0)
            text = tr("The zindo ran across the board and knocked nothing off.");
        else {
            // English picks its form by itself, a translation by its rules.
            const char* said = News.KnockedOff == 1
                                   ? QT_TRANSLATE_N_NOOP("PlayingScreen", "The zindo knocked %n piece off the board.")
                                   : QT_TRANSLATE_N_NOOP("PlayingScreen", "The zindo knocked %n pieces off the board.");
            text = QCoreApplication::translate("PlayingScreen", said, nullptr, News.KnockedOff);
        }
        break;
    case nkRiskWon:
        text = perBonus(tr("Risk won: one more broom."), tr("Risk won: one more magic."),
                        tr("Risk won: one more check."));
        break;
    case nkRiskLostBonus:
        text = perBonus(tr("Risk lost: one broom less."), tr("Risk lost: one magic less."),
                        tr("Risk lost: one check less."));
        break;
    case nkRiskLostLife:
        text = tr("Risk lost: a life less.");
        break;
    case nkLastBonusUsed:
        text = perBonus(tr("That was your last broom."), tr("That was your last magic."),
                        tr("That was your last check."));
        break;
    }
    if (!text.isEmpty())
        Host.SetZindoMessage(text, msHint, false);
}

} // namespace zindo
