#include "BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace zindo {

namespace {

int& Depth()
{
    static int depth = 0;
    return depth;
}

bool HaveGui()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

// Qt keeps its own stack of override cursors, which is exactly the stack of
// pointers to return to: each push adds the busy pointer, each pop restores
// the one before it, and an empty stack means the default pointer.
void PushBusyCursor()
{
    ++Depth();
    if (HaveGui())
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void PopCursor()
{
    if (Depth() == 0)
        return;
    --Depth();
    if (HaveGui())
        QGuiApplication::restoreOverrideCursor();
}

int BusyCursorDepth()
{
    return Depth();
}

} // namespace zindo
