#include "controls/FocusKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>

namespace zindo {

bool IsPlainKey(const QKeyEvent& Event)
{
    return (Event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool IsPressKey(const QKeyEvent& Event)
{
    const int key = Event.key();
    return (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && !Event.isAutoRepeat() &&
           IsPlainKey(Event);
}

namespace {

/// Watches the key presses that reach its container unused.
class TArrowFocus : public QObject {
public:
    explicit TArrowFocus(QWidget& AContainer) : QObject(&AContainer), Container(AContainer) {}

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched != &Container || Event->type() != QEvent::KeyPress || Container.hasFocus())
            return false;
        const auto* key = static_cast<QKeyEvent*>(Event);
        if (!IsPlainKey(*key))
            return false;
        bool next = true;
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            next = false;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            break;
        default:
            return false;
        }
        QWidget* focus = Container.focusWidget();
        if (!focus)
            return false;
        // The focused control moves the focus as Tab would, which also finds
        // its way out of a dialog embedded in the scene.
        QKeyEvent tab(QEvent::KeyPress, next ? Qt::Key_Tab : Qt::Key_Backtab,
                      next ? Qt::NoModifier : Qt::ShiftModifier);
        QCoreApplication::sendEvent(focus, &tab);
        return true;
    }

private:
    QWidget& Container; ///< the screen or dialog
};

/// W is a stop of Container's Tab: a control of it that is shown, enabled and
/// takes Tab focus; of a group of radio buttons, the checked one.
bool IsTabStop(QWidget& Container, QWidget& W)
{
    if (!Container.isAncestorOf(&W) || !(W.focusPolicy() & Qt::TabFocus) || !W.isVisibleTo(&Container) ||
        !W.isEnabled())
        return false;
    if (const auto* radio = qobject_cast<QRadioButton*>(&W); radio && radio->autoExclusive() && !radio->isChecked()) {
        const QList<QRadioButton*> group =
            radio->parentWidget()->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
        return std::none_of(group.begin(), group.end(), [](const QRadioButton* B) { return B->isChecked(); });
    }
    return true;
}

} // namespace

void MoveFocusWithArrows(QWidget& Container)
{
    Container.installEventFilter(new TArrowFocus(Container));
}

QWidget* FirstTabStop(QWidget& Container)
{
    for (QWidget* w = Container.nextInFocusChain(); w && w != &Container; w = w->nextInFocusChain())
        if (IsTabStop(Container, *w))
            return w;
    return nullptr;
}

bool MoveFocusWithin(QWidget& Container, bool Next)
{
    // Round the focus chain from the control with the focus (or from the
    // container), once at most.
    QWidget* from = Container.focusWidget() ? Container.focusWidget() : &Container;
    QWidget* w = from;
    do {
        w = Next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == &Container && (Container.focusPolicy() & Qt::TabFocus)) {
            Container.setFocus(Next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        if (w != &Container && IsTabStop(Container, *w)) {
            w->setFocus(Next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w != from);
    return false;
}

} // namespace zindo
