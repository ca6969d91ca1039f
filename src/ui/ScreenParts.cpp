#include "ScreenParts.h"

#include "ErrorBox.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"

#include <QAbstractItemView>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QLabel>

namespace zindo {

QPalette BlackPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    return palette;
}

TQzGraphicButton* NewButton(QWidget* Page, const QString& Name, const QString& Caption, QRect Geometry,
                            const QString& Hint)
{
    auto* button = new TQzGraphicButton(Caption, Page);
    button->setObjectName(Name);
    button->setFont(QzArialFont(16, true));
    button->setGeometry(Geometry);
    if (!Hint.isEmpty())
        button->setToolTip(Hint);
    return button;
}

QLabel* NewLabel(QWidget* Page, const QString& Name, const QString& Text, int X, int Y, bool Bold)
{
    auto* label = new QLabel(Text, Page);
    label->setObjectName(Name);
    label->setFont(QzArialFont(16, Bold));
    label->adjustSize();
    label->move(X, Y);
    return label;
}

void StyleListBox(QAbstractItemView& List)
{
    List.setFont(QzArialFont(16));
    List.setStyleSheet(QStringLiteral(
        "QAbstractItemView { background: black; color: white; border: 1px solid #505050; }"
        "QAbstractItemView:focus { border: 2px solid #FFBB00; }"
        "QAbstractItemView::item:selected { background: #FFBB00; color: black; }"
        "QHeaderView { background: black; }"
        "QHeaderView::section { background: black; color: #FFBB00; font-weight: bold; border: none;"
        " border-bottom: 1px solid #FFBB00; padding: 2px 4px; }"
        "QScrollBar:vertical { background: black; width: 12px; margin: 0px; }"
        "QScrollBar::handle:vertical { background: #FFBB00; min-height: 24px; margin: 2px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: black; }"));
}

void GiveKeyboardTo(QWidget& Control)
{
    if (QGraphicsProxyWidget* proxy = Control.window()->graphicsProxyWidget())
        if (QGraphicsScene* scene = proxy->scene())
            scene->setActivePanel(proxy);
    Control.activateWindow();
    Control.setFocus(Qt::OtherFocusReason);
}

void OnClicked(QAbstractButton* Button, std::function<void()> Action)
{
    QObject::connect(Button, &QAbstractButton::clicked, Button, [Action = std::move(Action)] { RunGuarded(Action); });
}

} // namespace zindo
