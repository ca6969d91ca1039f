// The playing screen: its controls, the idle pass that drives the game, the
// handlers of the game's events, the clicks on board, pot and bonus boxes, the
// in-game menu and the verdict at the end of a level.

#include "Form1.h"

#include "BoardPainter.h"
#include "ErrorBox.h"
#include "PaintBox.h"
#include "PictureBox.h"
#include "ScreenParts.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "data/Clock.h"
#include "data/QzBitmapCache.h"
#include "data/RandomGenerator.h"
#include "dialogs/ActionForm.h"
#include "dialogs/PointsCongratulationForm.h"
#include "game/Game.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QTimer>

namespace zindo {

namespace {

/// A black panel with a one-pixel grey frame, holding a paint box inside the frame.
QWidget* FramedPanel(QWidget* Page, const QString& Name, QRect Geometry)
{
    auto* panel = new QFrame(Page);
    panel->setObjectName(Name);
    panel->setGeometry(Geometry);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(90, 90, 90));
    panel->setPalette(palette);
    return panel;
}

TPaintBox* PaintBoxIn(QWidget* Panel, const QString& Name, const QString& Hint)
{
    auto* box = new TPaintBox(Panel);
    box->setObjectName(Name);
    box->setGeometry(Panel->rect().adjusted(1, 1, -1, -1));
    // Each of these views paints every one of its pixels from a composed
    // picture, so nothing beneath it needs painting first.
    box->setAttribute(Qt::WA_OpaquePaintEvent);
    if (!Hint.isEmpty()) {
        box->setToolTip(Hint);
        Panel->setToolTip(Hint);
    }
    return box;
}

/// A read-out box: black, with its caption at the top left.
QWidget* ReadOutBox(QWidget* Page, const QString& CaptionName, const QString& Caption, const QString& BoxName, QRect Box)
{
    auto* frame = new QWidget(Page);
    frame->setObjectName(BoxName);
    frame->setGeometry(Box);
    frame->setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    frame->setPalette(palette);
    auto* caption = new QLabel(Caption, frame);
    caption->setObjectName(CaptionName);
    caption->setFont(QzArialFont(16));
    caption->setGeometry(6, 4, Box.width() - 12, 20);
    return frame;
}

/// A read-out with its value, bold and right-aligned, below the caption.
QLabel* ReadOut(QWidget* Page, const QString& CaptionName, const QString& Caption, const QString& ValueName, QRect Box)
{
    QWidget* frame = ReadOutBox(Page, CaptionName, Caption, ValueName + QStringLiteral("Box"), Box);
    auto* value = new QLabel(frame);
    value->setObjectName(ValueName);
    value->setFont(QzArialFont(16, true));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setGeometry(6, 28, Box.width() - 12, 22);
    return value;
}

} // namespace

void TForm1::BuildPlayingScreen()
{
    PuzzleTabSheet = NewPage(QStringLiteral("PuzzleTabSheet"));
    QWidget* page = PuzzleTabSheet;

    PreviewPanel = FramedPanel(page, QStringLiteral("PreviewPanel"), QRect(2, 0, 250, 250));
    PreviewImage = new TPictureBox(PreviewPanel);
    PreviewImage->setObjectName(QStringLiteral("PreviewImage"));
    PreviewImage->setGeometry(PreviewPanel->rect().adjusted(1, 1, -1, -1));
    PreviewImage->setAutoFillBackground(true);
    QPalette black;
    black.setColor(QPalette::Window, Qt::black);
    PreviewImage->setPalette(black);
    PreviewImage->setToolTip(QStringLiteral("That's how the finished puzzle should look"));

    DropPanel = FramedPanel(page, QStringLiteral("DropPanel"), QRect(258, 0, 600, 605));
    DropPaintBox = PaintBoxIn(DropPanel, QStringLiteral("DropPaintBox"), QStringLiteral("Place your puzzle-pieces here"));
    DropPaintBox->OnPaint = [this](TPaintBox&, QPainter& Painter) { PaintBoardBox(Painter); };
    DropPaintBox->OnMouseDown = [this](TPaintBox&, QMouseEvent& Event) { DropPaintBoxMouseDown(Event); };
    DropPaintBox->OnMouseMove = [this](TPaintBox&, QMouseEvent&) {
        if (Game && Game->Puzzle().HeldPiece) {
            PendingRepaint |= RepaintBoard;
            WakeIdlePass();
        }
    };

    PotPanel = FramedPanel(page, QStringLiteral("PotPanel"), QRect(864, 0, 131, 495));
    PotPaintBox = PaintBoxIn(PotPanel, QStringLiteral("PotPaintBox"), QStringLiteral("Click to take a piece"));
    PotPaintBox->OnPaint = [this](TPaintBox&, QPainter& Painter) { PaintPotBox(Painter); };
    PotPaintBox->OnMouseDown = [this](TPaintBox&, QMouseEvent& Event) { PotPaintBoxMouseDown(Event); };

    CleanUpBonusPanel = FramedPanel(page, QStringLiteral("CleanUpBonusPanel"), QRect(864, 500, 131, 32));
    CleanupBonusPaintBox = PaintBoxIn(CleanUpBonusPanel, QStringLiteral("CleanupBonusPaintBox"),
                                      QStringLiteral("Click on a broom to remove all wrong pieces"));
    JokerBonusPanel = FramedPanel(page, QStringLiteral("JokerBonusPanel"), QRect(864, 536, 132, 32));
    JokerBonusPaintBox = PaintBoxIn(JokerBonusPanel, QStringLiteral("JokerBonusPaintBox"), QStringLiteral("Use Magic"));
    CheckBonusPanel = FramedPanel(page, QStringLiteral("CheckBonusPanel"), QRect(864, 572, 131, 32));
    CheckBonusPaintBox = PaintBoxIn(CheckBonusPanel, QStringLiteral("CheckBonusPaintBox"),
                                    QStringLiteral("Check if your puzzle is correct"));
    struct TBonusBox {
        TPaintBox* Box;
        const char* Icon;
        TBonusKind Slot;
        std::int32_t Duration;
    };
    for (const TBonusBox& bonus : {TBonusBox{CleanupBonusPaintBox, "BMP_BONUS_CLEANUP", bnCleanup, 0},
                                   TBonusBox{JokerBonusPaintBox, "BMP_BONUS_AUTODROP", bnJoker, 0},
                                   TBonusBox{CheckBonusPaintBox, "BMP_BONUS_CHECK", bnCheck, 5000}}) {
        const QString icon = QLatin1String(bonus.Icon);
        const TBonusKind slot = bonus.Slot;
        const std::int32_t duration = bonus.Duration;
        bonus.Box->OnPaint = [this, icon, slot](TPaintBox& Box, QPainter& Painter) {
            PaintBonusBox(Box, Painter, icon, Game ? Game->Puzzle().BonusCount(slot) : 0);
        };
        bonus.Box->OnClick = [this, slot, duration](TPaintBox&) {
            if (Game)
                Game->Puzzle().UseBonus(slot, duration);
        };
    }

    LevelLabel = ReadOut(page, QStringLiteral("Label5"), QStringLiteral("Level"), QStringLiteral("LevelLabel"),
                         QRect(3, 338, 94, 57));
    LifesLabel = ReadOut(page, QStringLiteral("Label6"), QStringLiteral("Lives"), QStringLiteral("LifesLabel"),
                         QRect(100, 338, 96, 57));
    ScoreLabel = ReadOut(page, QStringLiteral("Label7"), QStringLiteral("Score"), QStringLiteral("ScoreLabel"),
                         QRect(3, 401, 94, 57));
    ReadOutBox(page, QStringLiteral("Label8"), QStringLiteral("Mode"), QStringLiteral("ModeBox"), QRect(100, 401, 96, 57));
    CurrentModePaintBox = new TPaintBox(page);
    CurrentModePaintBox->setObjectName(QStringLiteral("CurrentModePaintBox"));
    CurrentModePaintBox->setGeometry(148, 418, 43, 37);
    CurrentModePaintBox->OnPaint = [this](TPaintBox&, QPainter& Painter) { PaintModeIcon(Painter); };

    MenuButton = NewButton(page, QStringLiteral("MenuButton"), QStringLiteral("Menu"), QRect(2, 608, 87, 25));
    PauseButton = NewButton(page, QStringLiteral("PauseButton"), QStringLiteral("Pause"), QRect(90, 608, 135, 25));
    NextPuzzleButton = NewButton(page, QStringLiteral("NextPuzzleButton"), QStringLiteral("Next Level"),
                                  QRect(418, 608, 216, 25), QStringLiteral("Click in order to start the puzzle"));
    SaveButton = NewButton(page, QStringLiteral("SaveButton"), QStringLiteral("Save..."), QRect(636, 608, 216, 25),
                            QStringLiteral("Click to save the game"));
    GimmeButton = NewButton(page, QStringLiteral("GimmeButton"), QStringLiteral("Next"), QRect(864, 608, 135, 25));

    OnClicked(MenuButton, [this] { ActionActionExecute(); });
    OnClicked(PauseButton, [this] { PauseButtonClick(); });
    OnClicked(NextPuzzleButton, [this] { NextPuzzleButtonClick(); });
    OnClicked(SaveButton, [this] { SaveButtonClick(); });
    OnClicked(GimmeButton, [this] { GimmeButtonClick(); });
    NextPuzzleButton->hide();
    SaveButton->hide();
}

void TForm1::ArrangePlayingScreen()
{
    if (!PuzzleTabSheet)
        return;
    const int w = PuzzleTabSheet->width();
    const int h = PuzzleTabSheet->height();
    PreviewPanel->move(5, 5);
    PotPanel->move(w - PotPanel->width() - 5, 5);
    for (QWidget* button : {static_cast<QWidget*>(MenuButton), static_cast<QWidget*>(PauseButton),
                            static_cast<QWidget*>(NextPuzzleButton), static_cast<QWidget*>(SaveButton),
                            static_cast<QWidget*>(GimmeButton)})
        button->move(button->x(), h - button->height() - 5);
    GimmeButton->move(PotPanel->x(), GimmeButton->y());
    int top = PotPanel->y() + PotPanel->height() + 4;
    for (QWidget* panel : {CleanUpBonusPanel, JokerBonusPanel, CheckBonusPanel}) {
        panel->move(PotPanel->x(), top);
        top += panel->height() + 4;
    }
    LayoutBoardPanel();
}

void TForm1::LayoutBoardPanel()
{
    QSize picture(600, 600);
    if (Game && !Game->Puzzle().Picture.isNull())
        picture = Game->Puzzle().Picture.size();
    DropPanel->resize(picture.width() + 2, picture.height() + 2);
    DropPaintBox->setGeometry(1, 1, picture.width(), picture.height());
    DropPanel->move(PotPanel->x() - DropPanel->width() - 5, PotPanel->y());
    DropPanel->update();
}

// ---------------------------------------------------------------- main loop

void TForm1::IdlePass()
{
    if (!Game)
        return;
    Game->Tick();
    if (PendingRepaint != 0) {
        const std::uint8_t mask = PendingRepaint;
        struct TClear {
            std::uint8_t& Mask;
            ~TClear() { Mask = 0; }
        } clear{PendingRepaint};
        FlushRepaints(mask);
    }
    if (PendingEffect != 0) {
        const std::uint8_t code = PendingEffect;
        PendingEffect = 0;
        if (SoundEffectsOn)
            SoundOut->PlayEffect(code & 127);
    }
    UpdateBackgroundMusic();
}

void TForm1::ScheduleIdlePass()
{
    // The game moves in 50 ms steps and everything else it does waits for a
    // step, a player's action or a notification; so the loop sleeps in the
    // event queue until the next step is due and wakes at once for input.
    // Waking every millisecond would cost a few per cent of a core for nothing.
    if (!IdleTimer)
        return;
    std::uint32_t wait = IdleStepMs;
    if (Game && Game->Puzzle().State == stPlaying) {
        const std::uint32_t since = TickDiff(Clock.TickCount(), Game->Puzzle().LastStepTime);
        wait = since >= IdleStepMs ? 0 : IdleStepMs - since;
    }
    if (PendingRepaint != 0 || PendingEffect != 0)
        wait = 0;
    IdleTimer->start(static_cast<int>(wait));
}

void TForm1::WakeIdlePass()
{
    if (IdleTimer && IdleTimer->remainingTime() > 0)
        IdleTimer->start(0);
}

void TForm1::FlushRepaints(std::uint8_t Mask)
{
    // Every view due is marked, then the window is painted at once: the views
    // are composed now, in this pass, and copied to the screen together.
    if (Mask & RepaintBoard)
        DropPaintBox->update();
    if (Mask & RepaintPot) {
        // The pot asks for a repaint at every game step; a view that looks
        // the same as the one on screen is not copied out again.
        QImage view = ComposePotView(Game->Puzzle(), PotPaintBox->size(), Random);
        if (view != PotView) {
            PotView = std::move(view);
            PotPaintBox->update();
        }
    }
    if (Mask & RepaintBonus) {
        CleanupBonusPaintBox->update();
        JokerBonusPaintBox->update();
        CheckBonusPaintBox->update();
    }
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    UpdatePlayControls();
}

QPoint TForm1::BoardPointer() const
{
    return DropPaintBox->mapFromGlobal(QCursor::pos());
}

void TForm1::PaintBoardBox(QPainter& Painter)
{
    const QImage view = Game ? ComposeBoardView(Game->Puzzle(), DropPaintBox->size(), BoardPointer(), Random)
                             : QImage();
    if (view.isNull())
        Painter.fillRect(DropPaintBox->rect(), Qt::black);
    else
        Painter.drawImage(0, 0, view.convertToFormat(QImage::Format_RGB32)); // the screen's own format: a plain copy
}

void TForm1::PaintPotBox(QPainter& Painter)
{
    if (!Game) {
        Painter.fillRect(PotPaintBox->rect(), Qt::black);
        return;
    }
    if (PotView.size() != PotPaintBox->size())
        PotView = ComposePotView(Game->Puzzle(), PotPaintBox->size(), Random);
    Painter.drawImage(0, 0, PotView);
}

void TForm1::PaintBonusBox(TPaintBox& Box, QPainter& Painter, const QString& IconName, std::int32_t Count)
{
    Painter.drawImage(0, 0, ComposeBonusBox(Box.size(), IconName, Count));
}

void TForm1::PaintModeIcon(QPainter& Painter)
{
    static const char* const icons[] = {nullptr, "BMP_BONUS_DEATH", "BMP_BONUS_CHECK", "BMP_BONUS_CHANGEDROP"};
    if (ModeIcon == 0 || ModeIcon > 3)
        return;
    const TQzBitmap* icon = BitmapCache().GetBitmap(QLatin1String(icons[ModeIcon]));
    if (!icon)
        return;
    // Copied onto a black ground with the icon's transparent colour left out.
    QImage work(CurrentModePaintBox->size(), QImage::Format_RGB32);
    work.fill(Qt::black);
    icon->MergeTransparent(work, 0, 0);
    Painter.drawImage(0, 0, work);
}

// ---------------------------------------------------------------- events of the game

void TForm1::HandleChange(std::uint8_t Parts)
{
    PendingRepaint |= Parts;
    WakeIdlePass();
}

void TForm1::HandleEffect(std::int32_t Code)
{
    PendingEffect = static_cast<std::uint8_t>(Code);
    WakeIdlePass();
    if (Code == EffectPause) {
        if (Game->GetState() == stPaused) {
            ForbidMusic();
            PreviewImage->hide();
        } else {
            AllowMusic();
            PreviewImage->show();
        }
    }
    UpdatePlayControls();
}

void TForm1::HandleStateChange(std::uint8_t State)
{
    QString verdict;
    switch (State) {
    case stSolved:
        if (!CongratulationShown) {
            CongratulationShown = true;
            TPointsCongratulationForm form(this);
            form.FillPointsForm(Game->Puzzle().Points);
            form.exec();
        }
        verdict = Game->ThemeFinished() ? QStringLiteral("Congratulations! You've finished all puzzles of this teme!")
                                        : QStringLiteral("Perfect - you are ready for the next level");
        break;
    case stWrong:
        verdict = QStringLiteral("No - you are not ready for the next level yet. Try again in this level");
        break;
    case stTooSlow:
        verdict = QStringLiteral(
            "You are too slow - you are not ready for the next level yet. Try again in this level!");
        break;
    case stNoLives:
        verdict = QStringLiteral(
            "You took too much risk - you are not ready for the next level yet. Try again in this level");
        break;
    default:
        break;
    }
    if (!verdict.isEmpty())
        SetZindoMessage(verdict, 1, true);
    // A level left through the menu reports its end after the main screen is
    // back; the music is the business of the screen shown then.
    if (MainPageControl->currentWidget() == PuzzleTabSheet) {
        if (State == stPlaying)
            AllowMusic();
        else
            ForbidMusic();
    }
    UpdatePlayControls();
}

// ---------------------------------------------------------------- controls

void TForm1::UpdatePlayControls()
{
    if (!Game)
        return;
    TPuzzleClass& puzzle = Game->Puzzle();
    LevelLabel->setText(QString::number(Game->Record().Level));
    LifesLabel->setText(QString::number(puzzle.Lives));
    ScoreLabel->setText(QString::number(Game->GetScore()));

    const std::uint8_t oldModeIcon = ModeIcon;
    ModeIcon = 0;
    if (puzzle.HeldPiece) {
        PuzzleTabSheet->setCursor(Qt::DragMoveCursor);
        if (puzzle.HeldKind == pkChangeDrop)
            ModeIcon = 3;
        else if (puzzle.HeldKind == pkDeath)
            ModeIcon = 1;
    } else {
        PuzzleTabSheet->unsetCursor();
        if (puzzle.BonusActive(bnCheck))
            ModeIcon = 2;
    }
    if (ModeIcon != oldModeIcon)
        CurrentModePaintBox->update();

    const TPuzzleState state = puzzle.State;
    PauseButton->setVisible(state == stPlaying || state == stPaused);
    PauseButton->setText(state == stPaused ? QStringLiteral("Continue Playing") : QStringLiteral("Pause"));
    GimmeButton->setVisible(state == stPlaying && !puzzle.Finished && !puzzle.HeldPiece && puzzle.Pot.HasRoom());

    if (Game->ThemeFinished()) {
        NextPuzzleButton->setText(QStringLiteral("Back to Main Screen"));
        NextPuzzleButton->setVisible(true);
        SaveButton->setVisible(false);
        return;
    }
    switch (Game->LevelOutcome()) {
    case -1:
        NextPuzzleButton->setVisible(false);
        SaveButton->setVisible(false);
        break;
    case 0:
        NextPuzzleButton->setText(QStringLiteral("Try Again"));
        NextPuzzleButton->setVisible(true);
        SaveButton->setVisible(true);
        break;
    default:
        NextPuzzleButton->setText(QStringLiteral("Next Level"));
        NextPuzzleButton->setVisible(true);
        SaveButton->setVisible(true);
        break;
    }
}

void TForm1::RefreshAfterAction()
{
    Game->UpdateState();
    UpdatePlayControls();
}

void TForm1::StartLevelScreen()
{
    CongratulationShown = false;
    ClearZindoMessage();
    ForbidMusic();
    Game->StartLevel();
    PreviewImage->SetPicture(Game->Puzzle().Picture.copy());
    PreviewImage->show();
    ShowPage(PuzzleTabSheet);
    LayoutBoardPanel();
    PendingRepaint |= RepaintAll;
    UpdatePlayControls();
    AllowMusic();
}

void TForm1::PotPaintBoxMouseDown(QMouseEvent& Event)
{
    TPuzzleClass& puzzle = Game->Puzzle();
    if (puzzle.HeldPiece)
        return;
    const int index = puzzle.Pot.HitTest(PotPaintBox->height() - static_cast<int>(Event.position().y()));
    if (index < 0) {
        QApplication::beep();
        return;
    }
    puzzle.TakeFromPot(index);
    RefreshAfterAction();
}

void TForm1::DropPaintBoxMouseDown(QMouseEvent& Event)
{
    TPuzzleClass& puzzle = Game->Puzzle();
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

void TForm1::GimmeButtonClick()
{
    Game->FeedNow();
    RefreshAfterAction();
}

void TForm1::PauseButtonClick()
{
    const TPuzzleState state = Game->GetState();
    if (state == stPlaying)
        Game->Pause();
    else if (state == stPaused)
        Game->Resume();
}

void TForm1::NextPuzzleButtonClick()
{
    if (Game->ThemeFinished()) {
        ShowPage(MainTabSheet);
        return;
    }
    StartLevelScreen();
}

void TForm1::SaveButtonClick()
{
    ShowSaveDialog();
}


void TForm1::ActionActionExecute()
{
    if (MainPageControl->currentWidget() != PuzzleTabSheet)
        return;
    TActionForm form(this);
    const bool wasPlaying = Game->GetState() == stPlaying;
    if (wasPlaying)
        Game->Pause();
    form.ShowMusicState(BackgroundMusicOn);
    form.ShowEffectsState(SoundEffectsOn);
    const bool chosen = form.exec() == QDialog::Accepted;
    bool leave = false;
    if (chosen) {
        switch (form.Choice) {
        case acSaveAndExit:
            Game->Abort();
            RunGuarded([this] { ShowSaveDialog(); });
            leave = true;
            break;
        case acExit:
            Game->Abort();
            leave = true;
            break;
        case acContinue:
            break;
        case acToggleMusic:
            BackgroundMusicOn = !BackgroundMusicOn;
            break;
        case acToggleEffects:
            SoundEffectsOn = !SoundEffectsOn;
            break;
        }
    }
    if (wasPlaying && Game->GetState() != stAbandoned)
        Game->Resume();
    if (leave)
        ShowPage(MainTabSheet);
    UpdatePlayControls();
}

} // namespace zindo
