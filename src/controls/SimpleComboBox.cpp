#include "controls/SimpleComboBox.h"

#include "controls/QzFonts.h"

#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace zindo {

TSimpleComboBox::TSimpleComboBox(QWidget* Parent) : QWidget(Parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    Edit = new QLineEdit(this);
    Edit->setFont(QzArialFont(16));
    List = new QListWidget(this);
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
