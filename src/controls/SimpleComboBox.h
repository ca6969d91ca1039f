#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QLineEdit;
class QListWidget;

namespace zindo {

/// A combo box of the simple style: an edit line with its list always open
/// below it. Choosing an entry of the list (a click, or the arrow keys while
/// the list has the focus) puts it into the edit line; Enter in the line or
/// on an entry of the list, or a double click, accepts it.
class TSimpleComboBox : public QWidget {
public:
    explicit TSimpleComboBox(QWidget* Parent = nullptr);

    /// Replaces the list; the edit line is emptied, as a refilled list leaves it.
    void SetItems(const QStringList& Items);
    QStringList Items() const;

    QString Text() const;
    void SetText(const QString& Text);

    /// Selects the first entry equal to Text, compared without regard to case,
    /// and puts it into the edit line; false (and nothing selected) without one.
    bool SelectText(const QString& Text);

    std::function<void()> OnSelect; ///< an entry of the list was chosen by the player
    std::function<void()> OnAccept; ///< Enter in the line, or a double click on an entry

    QLineEdit* Edit;   ///< the edit line
    QListWidget* List; ///< the list below it
};

} // namespace zindo
