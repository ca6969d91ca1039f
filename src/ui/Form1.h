#pragma once

#include "sound/SoundOutput.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;
class QTimer;

namespace zindo {

class TClock;
class TGame;
struct THighScoreEntry;
struct THighScoreTable;
class TPaintBox;
class TQzGraphicButton;
class TPictureBox;
class TQzLinkLabel;
class TRandomGenerator;
class TSimpleComboBox;

/// The high-score records the main screen's box shows, best first as stored:
/// empty records skipped, as many as fit the box with rows of RowHeight pixels.
std::vector<const THighScoreEntry*> VisibleHighScores(const THighScoreTable& Table, int RowHeight);

/// Makes a picture ready to be a theme's level picture: read by its extension
/// (".jpg" as JPEG, anything else as a bitmap), scaled down to 600 pixels on
/// its longer side when it is larger, and written as a JPEG of quality 50 into
/// a new temporary file, whose path is the answer.
QString ConvertPuzzleMakerPicture(const QString& FileName);

/// The game's one window, "Zindo Puzzle": the black bars, the page stack with
/// every screen, the message panel at the bottom, the keyboard shortcuts and
/// the idle pass that drives the game. It owns the game session for the whole
/// run and subscribes to its three events.
///
/// Construction only builds the controls; FormCreate runs the start-up (data
/// files, session, first-start question, display mode) and may raise an error
/// when the game's data cannot be read.
class TForm1 : public QWidget {
public:
    /// Where the window gets time, chance and sound; the program passes the
    /// system clock, the program's generator and its mixer.
    struct TOptions {
        TClock* Clock = nullptr;              ///< null = the system clock
        TRandomGenerator* Random = nullptr;   ///< null = the program's generator
        std::unique_ptr<TSoundOutput> Sound;  ///< null = silent
        bool RunIdleTimer = true;             ///< tests drive IdlePass by hand
    };

    TForm1();
    explicit TForm1(TOptions Options);
    ~TForm1() override;

    // Start-up and navigation.
    void FormCreate();
    void ShowPage(QWidget* Page);
    void ApplyDisplayMode();
    QString ReadDisplayMode() const;
    void WriteDisplayMode(const QString& Value);
    void AllowMusic();
    void ForbidMusic();
    void UpdateBackgroundMusic();
    void ArrangePlayingScreen();
    void LayoutBoardPanel();
    void ShowOptionsDialog();
    void SetZindoMessage(const QString& Message, std::int32_t Style, bool Persist);
    void ClearZindoMessage();
    /// The markup the message panel shows now (tests and screenshots).
    QString ZindoMessageMarkup() const { return MessageMarkup; }

    // Main screen and theme selection.
    void FillThemeList();
    void ShowThemePreviews(const QString& Theme);
    QString ThemeDirectory(const QString& Theme) const;
    QString ThemePictureFile(const QString& Theme, int Level) const;
    QWidget* FindControl(const QString& Name) const;
    void StartGameButtonClick();
    void ThemeListBoxClick();
    void GoButtonClick();

    // Playing screen.
    void IdlePass();
    /// Arms the idle timer for the next pass: when the next game step is due,
    /// at once when something waits to be painted or heard.
    void ScheduleIdlePass();
    /// Runs the next idle pass as soon as the event queue is empty.
    void WakeIdlePass();
    void FlushRepaints(std::uint8_t Mask);
    void UpdatePlayControls();
    void RefreshAfterAction();
    void StartLevelScreen();
    void ActionActionExecute();
    void PauseButtonClick();
    void GimmeButtonClick();
    void NextPuzzleButtonClick();
    void SaveButtonClick();
    void ShowSaveDialog();

    // Puzzle maker.
    void RefreshPuzzleMaker();
    void LoadPuzzleMakerSlots(const QString& Theme);
    QString PuzzleMakerThemeName() const;
    void SelectThemeForEditButtonClick();
    void PuzzleMakerThemeComboBoxSelect();
    void PuzzleMakerPuzzleClick(int Level);
    /// The open-file dialog of the puzzle maker; answers the chosen file or
    /// an empty text when the player cancels. Tests replace it.
    std::function<QString()> ChoosePictureFile;

    // Load screen and tutorial.
    void LoadOKButtonClick();
    void LoadCancelButtonClick();
    void ShowFirstTutorialPage();
    void ShowNextTutorialPage();
    bool LoadTutorialPicture(int Page, QImage& Bitmap) const;
    QString LoadTutorialText(int Page) const;

    TGame& Session() { return *Game; }
    TSoundOutput& Sound() { return *SoundOut; }

    // State of the window.
    bool BackgroundMusicOn = true;        ///< player's setting, not stored
    bool SoundEffectsOn = true;           ///< player's setting, not stored
    bool MusicAllowed = false;            ///< the current screen lets music play
    std::uint8_t PendingEffect = 3;       ///< effect the next idle pass plays; 0 = none
    std::uint8_t PendingRepaint = 0;      ///< views to paint at the next idle pass
    bool HiddenFunctionsEnabled = false;  ///< set by Ctrl+Shift+K for the run
    bool CongratulationShown = false;     ///< the points dialog was shown for this level
    std::uint8_t ModeIcon = 0;            ///< 0 none, 1 risk piece, 2 check, 3 change-drop
    int WindowedLeft = 5;                 ///< window bounds when windowed
    int WindowedTop = 5;
    int WindowedWidth = 1011;
    int WindowedHeight = 694;
    int MenuColumnLeft = 751;             ///< left edge of the main screen's right column
    int MenuColumnWidth = 150;            ///< width of the main screen's menu buttons
    int TutorialPage = 0;                 ///< tutorial page shown
    QString StoredMessage;                ///< persistent line of the message panel
    std::int32_t StoredMessageStyle = 0;  ///< its style
    QImage SplashImage;                   ///< main-screen picture, decoded once

    // Frame.
    QWidget* CinemaScopePanelTop = nullptr;
    QStackedWidget* MainPageControl = nullptr;
    QWidget* ZindoMessagePanel = nullptr;
    QLabel* ZindoMessageImage = nullptr;
    QLabel* ZindoMessageText = nullptr;
    QWidget* CinemaScopePanelBottom = nullptr;

    // Pages.
    QWidget* MainTabSheet = nullptr;
    QWidget* PuzzleTabSheet = nullptr;
    QWidget* HelpTabSheet = nullptr;
    QWidget* SelectTopicTabSheet = nullptr;
    QWidget* LoadTabSheet = nullptr;
    QWidget* PuzzleMakerTabSheet = nullptr;
    QWidget* AboutTabSheet = nullptr;

    // Main screen.
    TPaintBox* MainScreenPaintBox = nullptr;
    QLabel* TitleLabel = nullptr;
    TQzGraphicButton* HelpButton = nullptr;
    TQzGraphicButton* StartGameButton = nullptr;
    TQzGraphicButton* LoadGameButton = nullptr;
    TQzGraphicButton* OptionsButton = nullptr;
    TQzGraphicButton* AboutButton = nullptr;
    TQzGraphicButton* ExitButton = nullptr;

    // Theme selection.
    QLineEdit* NameEdit = nullptr;
    QListWidget* ThemeListBox = nullptr;
    TQzGraphicButton* GoButton = nullptr;

    // Playing screen.
    QWidget* PreviewPanel = nullptr;
    TPictureBox* PreviewImage = nullptr;
    QWidget* DropPanel = nullptr;
    TPaintBox* DropPaintBox = nullptr;
    QWidget* PotPanel = nullptr;
    TPaintBox* PotPaintBox = nullptr;
    QWidget* CleanUpBonusPanel = nullptr;
    TPaintBox* CleanupBonusPaintBox = nullptr;
    QWidget* JokerBonusPanel = nullptr;
    TPaintBox* JokerBonusPaintBox = nullptr;
    QWidget* CheckBonusPanel = nullptr;
    TPaintBox* CheckBonusPaintBox = nullptr;
    QLabel* LevelLabel = nullptr;
    QLabel* LifesLabel = nullptr;
    QLabel* ScoreLabel = nullptr;
    TPaintBox* CurrentModePaintBox = nullptr;
    TQzGraphicButton* MenuButton = nullptr;
    TQzGraphicButton* PauseButton = nullptr;
    TQzGraphicButton* NextPuzzleButton = nullptr;
    TQzGraphicButton* SaveButton = nullptr;
    TQzGraphicButton* GimmeButton = nullptr;

    // Load screen.
    QListWidget* SavedGamesListBox = nullptr;
    TQzGraphicButton* LoadOKButton = nullptr;
    TQzGraphicButton* LoadCancelButton = nullptr;

    // Tutorial.
    TPictureBox* TutorialPageImage = nullptr;
    QLabel* TutorialPageText = nullptr;
    TQzGraphicButton* NextTutorialPageButton = nullptr;
    TQzGraphicButton* EndTutorialButton = nullptr;

    // Puzzle maker.
    TSimpleComboBox* PuzzleMakerThemeComboBox = nullptr;
    TQzGraphicButton* SelectThemeForEditButton = nullptr;
    TQzGraphicButton* MakerBackButton = nullptr;
    std::vector<std::pair<TPictureBox*, int>> PuzzleMakerSlots; ///< each slot with its level

    // About screen.
    QLabel* AboutVersionLabel = nullptr;
    TQzGraphicButton* AboutCloseButton = nullptr;

    // Actions (keyboard shortcuts).
    QAction* ActionAction = nullptr;
    QAction* Action2 = nullptr;
    QAction* PuzzleMakerAction = nullptr;
    QAction* CheatAction = nullptr;
    QAction* Action1 = nullptr;

protected:
    void changeEvent(QEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void BuildFrame();
    void BuildActions();
    QWidget* NewPage(const QString& Name);
    void BuildMainScreen();
    void BuildThemeSelection();
    void BuildPlayingScreen();
    void BuildAboutScreen();
    void BuildLoadScreen();
    void BuildPuzzleMaker();
    void BuildTutorialScreen();
    void FillSavedGamesList();
    void ShowTutorialPage(int Page);
    void RegisterBonusIcon(const QString& Name);
    void LayWallpapers();
    void MainScreenPaintBoxPaint(QPainter& Painter);
    void ArrangeMainScreen();

    void HandleChange(std::uint8_t Parts);
    void HandleEffect(std::int32_t Code);
    void HandleStateChange(std::uint8_t State);
    void FillPointsFormAndShow();
    void PaintBoardBox(QPainter& Painter);
    void PaintPotBox(QPainter& Painter);
    void PaintBonusBox(TPaintBox& Box, QPainter& Painter, const QString& IconName, std::int32_t Count);
    void PaintModeIcon(QPainter& Painter);
    void PotPaintBoxMouseDown(QMouseEvent& Event);
    void DropPaintBoxMouseDown(QMouseEvent& Event);
    QPoint BoardPointer() const;

    static constexpr std::uint32_t IdleStepMs = 50; ///< the game's step; the longest idle wait
    TClock& Clock;                           ///< time of the game
    TRandomGenerator& Random;                ///< the program's generator
    std::unique_ptr<TSoundOutput> SoundOut;  ///< effects and music
    std::unique_ptr<TGame> Game;             ///< the one game session
    QTimer* IdleTimer = nullptr;             ///< runs the idle pass
    bool RunIdleTimer = true;                ///< start IdleTimer in FormCreate
    QPixmap WallpaperTile;                   ///< picture tiled behind every page
    QString MessageMarkup;                   ///< what the message panel shows
    QImage PotView;                          ///< the pot as last composed for the screen
    bool Started = false;                    ///< FormCreate has run
};

} // namespace zindo
