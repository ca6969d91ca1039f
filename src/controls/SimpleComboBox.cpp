#include "controls/SimpleComboBox.h"

#include "controls/QzFonts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace zindo {

namespace {

/// The list of the combo box, telling apart the entries chosen with the keys.
class TKeyedList : public QListWidget {
public:
    using QListWidget::QListWidget;

    std::function<void(QListWidgetItem& Item)> OnKeyChoice; ///< the keys made Item current
    std::function<void(QListWidgetItem& Item)> OnKeyAccept; ///< Enter on the current Item

protected:
    void keyPressEvent(QKeyEvent* Event) override
    {
        QListWidgetItem* current = currentItem();
        if ((Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) && current && OnKeyAccept) {
            OnKeyAccept(*current);
            return;
        }
        QListWidget::keyPressEvent(Event);
        if (currentItem() && currentItem() != current && OnKeyChoice)
            OnKeyChoice(*currentItem());
    }
};

} // namespace

TSimpleComboBox::TSimpleComboBox(QWidget* Parent) : QWidget(Parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    Edit = new QLineEdit(this);
    Edit->setFont(QzArialFont(16));
    auto* list = new TKeyedList(this);
    List = list;
    List->setFont(QzArialFont(16));
    QPalette palette = List->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(255, 187, 0));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    List->setPalette(palette);
    layout->addWidget(Edit);
    layout->addWidget(List, 1);

    connect(List, &QListWidget::itemClicked, this, [this](QListWidgetItem* Item) {
        Edit->setText(Item->text());
        if (OnSelect)
            OnSelect();
    });
    // With the keys: an entry made current is chosen, Enter accepts it.
    list->OnKeyChoice = [this](QListWidgetItem& Item) {
        Edit->setText(Item.text());
        if (OnSelect)
            OnSelect();
    };
    list->OnKeyAccept = [this](QListWidgetItem& Item) {
        Edit->setText(Item.text());
        if (OnAccept)
            OnAccept();
    };
    connect(List, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* Item) {
        Edit->setText(Item->text());
        if (OnAccept)
            OnAccept();
    });
    connect(Edit, &QLineEdit::returnPressed, this, [this] {
        if (OnAccept)
            OnAccept();
    });
}

void TSimpleComboBox::SetItems(const QStringList& Items)
{
    List->clear();
    List->addItems(Items);
    Edit->clear();
}

QStringList TSimpleComboBox::Items() const
{
    QStringList items;
    for (int i = 0; i < List->count(); ++i)
        items << List->item(i)->text();
    return items;
}

QString TSimpleComboBox::Text() const
{
    return Edit->text();
}

void TSimpleComboBox::SetText(const QString& Text)
{
    Edit->setText(Text);
    Edit->selectAll();
}

bool TSimpleComboBox::SelectText(const QString& Text)
{
    for (int i = 0; i < List->count(); ++i) {
        if (List->item(i)->text().compare(Text, Qt::CaseInsensitive) == 0) {
            List->setCurrentRow(i);
            Edit->setText(List->item(i)->text());
            return true;
        }
    }
    List->clearSelection();
    return false;
}

} // namespace zindo
