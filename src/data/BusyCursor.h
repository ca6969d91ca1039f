#pragma once

namespace zindo {

/// Shows the busy pointer around long work; calls nest. Without a running
/// GUI application only the nesting is kept.
void PushBusyCursor();

/// Returns to the pointer shown before the matching PushBusyCursor.
void PopCursor();

/// How many PushBusyCursor calls are waiting for their PopCursor.
int BusyCursorDepth();

} // namespace zindo
