// The end of a level on the playing screen: the points dialog once per solved
// level, the verdict in the message panel and the choice of how to go on.

#include "PlayingScreen.h"

#include "controls/QzGraphicButton.h"
#include "dialogs/PointsCongratulationForm.h"
#include "game/Game.h"

namespace zindo {

void TPlayingScreen::HandleStateChange(TPuzzleState State)
{
    QString verdict;
    switch (State) {
    case stSolved:
        if (!CongratulationShown) {
            CongratulationShown = true;
            // Behind the dialog the screen already shows the ended level:
            // the normal pointer, no "Pause" and no "Next".
            UpdatePlayControls();
            TPointsCongratulationForm form(window());
            form.ShowPoints(Session.Puzzle().Points());
        }
        verdict = Session.ThemeFinished() ? tr("Congratulations! You've finished all puzzles of this theme!")
                                       : tr("Perfect - you are ready for the next level");
        break;
    case stWrong:
        verdict = tr("No - you are not ready for the next level yet. Try again in this level");
        break;
    case stTooSlow:
        verdict = tr("You are too slow - you are not ready for the next level yet. Try again in this level!");
        break;
    case stNoLives:
        verdict = tr("You took too much risk - you are not ready for the next level yet. Try again in this level");
        break;
    case stLoaded:
    case stPlaying:
    case stPaused:
    case stAbandoned:
        break;
    }
    if (!verdict.isEmpty())
        Host.SetZindoMessage(verdict, msVerdict, true);
    // A level left through the menu reports its end after the main screen is
    // back; the music is the business of the screen shown then.
    if (Host.CurrentScreen() == scPlaying) {
        if (State == stPlaying)
            Host.AllowMusic();
        else
            Host.ForbidMusic();
    }
    UpdatePlayControls();
    // The keys go on with the button that goes on: Enter or A starts the
    // next level, or the level again.
    if (IsEndState(State) && State != stAbandoned && Host.CurrentScreen() == scPlaying &&
        EndOfLevelButton->isVisible())
        EndOfLevelButton->setFocus();
}

void TPlayingScreen::UpdateEndOfLevelButtons()
{
    if (Session.ThemeFinished()) {
        EndOfLevelButton->setText(tr("Back to Main Screen"));
        EndOfLevelButton->setVisible(true);
        SaveButton->setVisible(false);
        return;
    }
    switch (Session.LevelOutcome()) {
    case loRunning:
        EndOfLevelButton->setVisible(false);
        SaveButton->setVisible(false);
        break;
    case loFailed:
        EndOfLevelButton->setText(tr("Try Again"));
        EndOfLevelButton->setVisible(true);
        SaveButton->setVisible(true);
        break;
    case loSolved:
        EndOfLevelButton->setText(tr("Next Level"));
        EndOfLevelButton->setVisible(true);
        SaveButton->setVisible(true);
        break;
    }
}

void TPlayingScreen::EndOfLevelButtonClick()
{
    if (Session.ThemeFinished()) {
        Host.ShowScreen(scMain);
        return;
    }
    StartLevelScreen();
}

} // namespace zindo
