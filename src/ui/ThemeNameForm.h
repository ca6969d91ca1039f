#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QTimer;

namespace zindo {

class TQzGraphicButton;
class TThemeMaker;

/// The dialog that names a theme of the player's: a new one made from photos,
/// or one being renamed. Both show the name in an edit line
/// ("ThemeNameEdit", which refuses as they are typed the characters the
/// game's files cannot store), "OK" ("ThemeOKButton") and "Cancel"
/// ("ThemeCancelButton"); Enter answers as "OK" does, Esc and the frame's
/// close button as "Cancel" does.
///
/// For a new theme it lists which photo each level takes ("PhotoList") and
/// says what happens to fewer or more than ten ("PhotoCountLabel"). "OK"
/// converts the photos (game/ThemeMaker.h) off the thread that draws the
/// window, showing a progress bar ("ConvertProgress") and which photo it is
/// at ("ProgressLabel"); "Cancel" then stops the conversion and nothing is
/// made. A name the game refuses, and a photo that cannot be read, are shown
/// in the error box; a refused name stays in the line to be mended, with the
/// keyboard on it.
///
/// The caller creates the form with the main window as parent, makes one of
/// the two calls, and releases the form.
class TThemeNameForm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ThemeNameForm)

public:
    explicit TThemeNameForm(QWidget* Parent = nullptr);
    ~TThemeNameForm() override;

    /// Asks for the name of a new theme made from Photos (in level order; at
    /// most the first ten are used), offering Proposed, and makes it. The
    /// name of the theme made; nullopt when the player cancelled or it could
    /// not be made.
    std::optional<QString> AskNewTheme(const QStringList& Photos, const QString& Proposed);
    /// Asks for a new name of the player's theme Theme and renames it. The
    /// new name; nullopt when the player cancelled.
    std::optional<QString> AskRename(const QString& Theme);

    /// Closes the form as "Cancel" does; a conversion under way is stopped
    /// first and leaves nothing behind.
    void reject() override;

protected:
    /// Tab goes round the form's controls.
    bool focusNextPrevChild(bool Next) override;

private:
    /// "OK": checks the name, then renames, or starts the conversion.
    void Confirm();
    /// Follows the conversion: the progress bar, then its end.
    void FollowConversion();
    /// Shows Text in the error box and gives the keyboard back to the name.
    void RefuseName(const QString& Text);
    /// Shows the dialog with Name in the name field (the photo list when
    /// WithPhotos) and waits for the answer: the name, or none when cancelled.
    std::optional<QString> AskName(const QString& Name, bool WithPhotos);
    /// Places the controls for the number of rows the photo list shows.
    void Arrange(bool WithPhotos);

    QLabel* PromptLabel = nullptr;             ///< what the dialog asks
    QLabel* PhotoCountLabel = nullptr;         ///< fewer or more than ten photos
    QListWidget* PhotoList = nullptr;          ///< the photo of each level
    QLabel* NameCaption = nullptr;             ///< "Name of the theme:"
    QLineEdit* ThemeNameEdit = nullptr;        ///< the name
    QProgressBar* ConvertProgress = nullptr;   ///< share of the photos converted
    QLabel* ProgressLabel = nullptr;           ///< which photo is being converted
    TQzGraphicButton* OKButton = nullptr;      ///< "Make Theme" or "Rename"
    TQzGraphicButton* CancelButton = nullptr;  ///< "Cancel"
    QTimer* ProgressTimer = nullptr;           ///< polls the conversion
    QStringList Photos;                        ///< the photos of a new theme; empty when renaming
    QString RenamedTheme;                      ///< the theme being renamed; empty for a new one
    std::unique_ptr<TThemeMaker> Maker;        ///< the conversion under way
};

} // namespace zindo
