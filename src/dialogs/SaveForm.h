#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class QLabel;

namespace zindo {

class TQzTransparentButton;
class TSimpleComboBox;

/// The "Save" dialog: the prompt "Save the game as:" ("PromptLabel") over an
/// edit line with the list of saved games open below it ("SaveGameComboBox";
/// a click on a name puts it into the line), "OK" ("SaveOKButton") and
/// "Cancel" ("SaveCancelButton"). Enter in the line answers as "OK" does;
/// closing the dialog by its frame or with Esc answers as "Cancel" does.
/// "OK" on the name of a saved game asks first, in the game's message box,
/// whether to replace it or to choose another name (IsTaken).
class TSaveForm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(SaveForm)

public:
    explicit TSaveForm(QWidget* Parent = nullptr);

    /** Shows the dialog modally with SavedGames listed and Proposed in the
        edit line, and returns the name the game was saved under (the name
        in the line when "OK" was pressed and OnSave, if set, succeeded);
        nullopt when the player cancelled. */
    std::optional<QString> Ask(const QStringList& SavedGames, const QString& Proposed);

    /// Saves the game under the name typed when "OK" is pressed, and tells
    /// whether that worked; the dialog closes only then, so a name the game
    /// refuses, or a folder it cannot write, leaves the typed name there to
    /// be mended. Empty: "OK" closes the dialog at once.
    std::function<bool(const QString& Name)> OnSave;
    /// Whether saving under Name would replace a saved game; "OK" then asks
    /// "Replace" or "Choose Another Name" first, and the second leaves the
    /// dialog open with the name selected. Empty: nothing is asked.
    std::function<bool(const QString& Name)> IsTaken;

protected:
    /** Tab goes round the form's controls. */
    bool focusNextPrevChild(bool Next) override;

private:
    /** Asks before replacing a saved game, saves through OnSave and closes
        the dialog when that worked. */
    void Confirm();

    QLabel* PromptLabel;                    ///< "Save the game as:"
    TSimpleComboBox* SaveGameComboBox;      ///< the name and the saved games
    TQzTransparentButton* SaveOKButton;     ///< "OK"
    TQzTransparentButton* SaveCancelButton; ///< "Cancel"
};

} // namespace zindo
