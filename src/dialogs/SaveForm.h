#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

#include <functional>

class QLabel;

namespace zindo {

class TQzTransparentButton;
class TSimpleComboBox;

/// The "Save" dialog: the prompt "Save the game as:" over an edit line with the
/// list of saved games open below it (a click on a name puts it into the line),
/// "OK" and "Cancel". The caller fills the names and the proposed name, and
/// either saves under GetGameName() when the dialog answers OK or lets OnSave
/// do it while the dialog is still open. Closing it by its frame answers Cancel.
class TSaveForm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(SaveForm)

public:
    explicit TSaveForm(QWidget* Parent = nullptr);

    /// Replaces the list of saved games shown below the edit line.
    void SetGameNames(const QStringList& Names);
    QStringList GameNames() const;

    QString GetGameName() const;
    void SetGameName(const QString& Name);

    void SaveOKButtonClick();
    void SaveCancelButtonClick();

    QLabel* PromptLabel;                    ///< "Save the game as:"
    TSimpleComboBox* SaveGameComboBox;      ///< the name and the saved games, 18,38 267 x 241
    TQzTransparentButton* SaveOKButton;     ///< "OK"
    TQzTransparentButton* SaveCancelButton; ///< "Cancel"

    /// Saves the game under the name typed when "OK" is pressed, and tells
    /// whether that worked; the dialog closes only then, so a name the game
    /// refuses, or a folder it cannot write, leaves the typed name there to
    /// be mended. Empty: "OK" closes the dialog at once.
    std::function<bool(const QString& Name)> OnSave;
};

} // namespace zindo
