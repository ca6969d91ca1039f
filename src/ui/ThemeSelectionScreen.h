#pragma once

#include "Screen.h"

#include <QCoreApplication>
#include <QImage>
#include <QStringList>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;

namespace zindo {

class TGame;
class TPictureBox;
class TQzGraphicButton;

/// The theme selection ("New Game"): the player types a name for the
/// high-score list, picks a theme, sees the first picture of each of its ten
/// levels (a click shows one large) and starts a new game with "Go", or goes
/// back to the main screen. A game needs a name; the name and the theme a
/// game was started with are offered again at the next run.
///
/// The player makes a theme of their own here from their photos: "New Theme
/// from Photos..." opens a file dialog that takes several pictures at once,
/// and picture files or folders dropped from the file manager do the same;
/// the naming dialog (TThemeNameForm) converts them, and the new theme is
/// then selected. The player's own themes can be renamed and deleted here;
/// for a theme that comes with the game those buttons give way to a note
/// saying why.
///
/// The controls, in keyboard order: "PlayerNameEdit", "ThemeList",
/// "NewThemeButton", "RenameThemeButton", "DeleteThemeButton", "GoButton",
/// "ThemeSelectionBackButton"; the pictures "ThemePreview01Image" ..
/// "ThemePreview10Image" with "ThemePreview01Label" ..; the large picture
/// "LargePreview". The name line takes only what the high-score list
/// stores: at most THighScoreEntry::MaxTextLength characters, Western
/// European letters only, refused as they are typed (or set from the
/// settings) with a note in the message panel.
class TThemeSelectionScreen : public TScreen {
    Q_DECLARE_TR_FUNCTIONS(ThemeSelectionScreen)

public:
    /// "Go" starts a new game of ASession.
    TThemeSelectionScreen(TScreenHost& AHost, QStackedWidget& Pages, TGame& ASession);

    /// "Start Game": fills the theme list with the theme last played
    /// selected (kept in the settings), offers the last player's name when
    /// no name is typed yet, silences the music and shows the screen.
    void Open() override;
    /// The name line, so the player can type at once.
    QWidget* FirstControl() override;
    /// Silences the music and shows the previews of the selected theme.
    void Enter() override;
    /// Lets go of the previews and closes the large picture.
    void Leave() override;

    /// Lists the installed themes and selects Selected, or the first when
    /// there is no theme of that name.
    void FillThemeList(const QString& Selected = QString());
    /// The theme selected in the list; empty when none is.
    QString SelectedTheme() const;
    /// Shows the first picture of each level of Theme; empty where it has none.
    void ShowThemePreviews(const QString& Theme);
    /// Makes a theme from the photos among FilesAndFolders (see
    /// TThemeMaker::PhotoFiles): asks its name, converts them with a
    /// progress bar, and selects the new theme.
    void MakeThemeFromPhotos(const QStringList& FilesAndFolders);
    /// Shows the picture of Level of the selected theme large over the page.
    void ShowLargePreview(int Level);
    /// Whether the large picture is shown.
    bool LargePreviewShown() const;

    /// Replaces the file dialog that asks for the photos of a new theme (it
    /// answers the chosen files, or none when the player cancels).
    void SetPhotoChooser(std::function<QStringList()> Chooser) { ChoosePhotoFiles = std::move(Chooser); }

protected:
    void resizeEvent(QResizeEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    /// Places the controls over the page: the design of a window or of
    /// full screen, whichever size the page has.
    void Arrange();
    void ThemeListClick();
    /// Rename and Delete for the player's themes, the note for shipped ones.
    void UpdateThemeButtons();
    void NewThemeButtonClick();
    void RenameThemeButtonClick();
    void DeleteThemeButtonClick();
    void GoButtonClick();
    /// Fits preview Index to its picture: standing on the bottom of its
    /// cell, so that every picture has its level's number right beneath it.
    void PlacePreview(std::size_t Index);
    /// Why the typed name cannot go into the high-score list; empty when it can.
    QString PlayerNameProblem() const;

    TGame& Session;                                  ///< the game session
    QLabel* Heading = nullptr;                       ///< "New Game"
    QLabel* PlayerNameCaption = nullptr;             ///< "Your name for the Highscore List:"
    QLineEdit* PlayerNameEdit = nullptr;             ///< name for the high-score list
    QLabel* ThemeCaption = nullptr;                  ///< "Select a theme"
    QListWidget* ThemeList = nullptr;                ///< the installed themes
    TQzGraphicButton* NewThemeButton = nullptr;      ///< "New Theme from Photos..."
    TQzGraphicButton* RenameThemeButton = nullptr;   ///< renames the player's theme
    TQzGraphicButton* DeleteThemeButton = nullptr;   ///< deletes the player's theme
    QLabel* ShippedThemeNote = nullptr;              ///< why a shipped theme cannot be changed
    QLabel* PreviewCaption = nullptr;                ///< the levels of which theme
    std::array<TPictureBox*, 10> Previews{};         ///< level 1 to 10 of the selected theme
    std::array<QLabel*, 10> PreviewLabels{};         ///< "Level 1" .. "Level 10"
    std::array<QRect, 10> PreviewCells{};            ///< the room of each preview
    QWidget* LargePreview = nullptr;                 ///< one level's picture over the page
    TPictureBox* LargePicture = nullptr;             ///< the picture in LargePreview
    QLabel* LargeCaption = nullptr;                  ///< which level, and how to close it
    TQzGraphicButton* GoButton = nullptr;            ///< "Go": starts the new game
    TQzGraphicButton* BackButton = nullptr;          ///< back to the main screen, no game started
    std::function<QStringList()> ChoosePhotoFiles;   ///< the file dialog for the photos
};

} // namespace zindo
