#include "PaintBox.h"

#include "ErrorBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace zindo {

TPaintBox::TPaintBox(QWidget* Parent) : QWidget(Parent)
{
    setMouseTracking(true);
}

void TPaintBox::paintEvent(QPaintEvent* Event)
{
    if (!OnPaint)
        return;
    QPainter painter(this);
    PaintingRegion = Event->region();
    RunGuarded([&] { OnPaint(*this, painter); });
}

void TPaintBox::mousePressEvent(QMouseEvent* Event)
{
    Pressed = Event->button() == Qt::LeftButton;
    if (OnMouseDown)
        RunGuarded([&] { OnMouseDown(*this, *Event); });
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* Event)
{
    const bool click = Pressed && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint());
    Pressed = false;
    if (click && OnClick)
        RunGuarded([&] { OnClick(*this); });
}

void TPaintBox::mouseMoveEvent(QMouseEvent* Event)
{
    if (OnMouseMove)
        RunGuarded([&] { OnMouseMove(*this, *Event); });
}

void TPaintBox::leaveEvent(QEvent* Event)
{
    QWidget::leaveEvent(Event);
    if (OnMouseLeave)
        RunGuarded([&] { OnMouseLeave(*this); });
}

} // namespace zindo
