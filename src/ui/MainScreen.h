#pragma once

#include "DevicePicture.h"
#include "Screen.h"

#include "game/HighScores.h"

#include <QCoreApplication>
#include <QImage>

#include <vector>

class QLabel;
class QPainter;

namespace zindo {

class TPaintBox;
class TQzGraphicButton;

/// The high-score records the main screen's box shows, best first as stored:
/// empty records skipped, as many as fit the box with rows of RowHeight pixels.
std::vector<const THighScoreEntry*> VisibleHighScores(const THighScoreTable& Table, int RowHeight);

/// The main screen: the game's picture, the orange title, the column of menu
/// buttons ("Tutorial", "Start Game", "Load Game", "Options", "About Zindo
/// Puzzle...", "Exit") and, beneath the buttons, a darkened box with the best
/// scores, read from the high-score file each time the screen is shown.
class TMainScreen : public TScreen {
    Q_DECLARE_TR_FUNCTIONS(MainScreen)

public:
    TMainScreen(TScreenHost& AHost, QStackedWidget& Pages);

    /// Start-up: keeps the game's picture (iss.dat) decoded in the screen's
    /// format, so that painting the screen never decodes or converts.
    void SetSplashImage(const QImage& Picture);
    /// A level starts: the decoded picture is let go while it is played and
    /// read again when the screen comes back.
    void ReleaseSplashImage();
    /// Puts the menu column 260 pixels left of the screen's right edge (the
    /// display mode and the window's size decide that width).
    void PlaceMenuColumn();
    /// Moves the menu buttons into the column and lets the picture fill the page.
    void Arrange();
    /// Left edge of the right-hand column, where the high-score box starts;
    /// the buttons stand 100 pixels further right.
    int MenuColumnLeft() const { return ColumnLeft; }

    /// Wants the background music, reads the high scores and arranges the
    /// screen; reads the game's picture again when Leave let go of it.
    void Enter() override;
    /// Lets go of the game's picture, decoded and at the screen's resolution,
    /// which only this screen shows: a level played meanwhile has the memory.
    void Leave() override;

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    void PaintSplashAndScores(QPainter& Painter, const QRegion& Exposed);
    /// Where the game's picture lies: across the whole width of the page,
    /// in its own proportions, from the top.
    QRect SplashRect() const;
    /// Where the high-score box lies: beneath the buttons, above the page's
    /// bottom edge.
    QRect ScoreBoxRect() const;
    /// Reads the high-score table for the box; a table that cannot be read
    /// leaves the box without rows, and the first such failure of the run is
    /// told in the message panel.
    void ReadHighScores();

    static constexpr int MenuColumnWidth = 150; ///< width of the menu buttons, unless a caption needs more
    int ColumnLeft = 751;                  ///< see MenuColumnLeft
    QImage SplashImage;                         ///< the game's picture, decoded
    bool SplashReleased = false;                ///< Leave let go of SplashImage
    THighScoreTable HighScores;                 ///< what the box shows
    bool HighScoreErrorShown = false;           ///< the player was told the table cannot be read
    TDevicePicture SplashPicture;               ///< the same at the screen's resolution

    TPaintBox* SplashView = nullptr; ///< the picture and the high-score box
    QLabel* TitleLabel = nullptr;    ///< "Zindo Puzzle"
    TQzGraphicButton* TutorialButton = nullptr;
    TQzGraphicButton* StartGameButton = nullptr;
    TQzGraphicButton* LoadGameButton = nullptr;
    TQzGraphicButton* OptionsButton = nullptr;
    TQzGraphicButton* AboutButton = nullptr;
    TQzGraphicButton* ExitButton = nullptr;
};

} // namespace zindo
