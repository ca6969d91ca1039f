#pragma once

class QKeyEvent;
class QWidget;

namespace zindo {

/// Whether Event comes with no modifier held but the keypad's.
bool IsPlainKey(const QKeyEvent& Event);

/// Whether Event presses the control that has the focus: Enter, Return or
/// Space as a plain key (see IsPlainKey), not repeated.
bool IsPressKey(const QKeyEvent& Event);

/// Lets the arrow keys move the keyboard focus across Container (a screen or
/// a dialog) wherever the control that has the focus does not use them: Up
/// and Left to the control before it in the focus order, Down and Right to
/// the one after it, as Shift+Tab and Tab would. So a list at its first or
/// last entry, an edit line or a radio button at the end of its group hands
/// the key on, and a gamepad's d-pad, which sends the arrow keys, reaches
/// every control. Keys that Container gets while it has the focus itself are
/// left to it. Installed once, for Container's life.
void MoveFocusWithArrows(QWidget& Container);

/// The first control in Container's focus order that the keyboard's Tab
/// reaches (shown, enabled, taking Tab focus; a group of radio buttons at its
/// checked one); null when there is none.
QWidget* FirstTabStop(QWidget& Container);

/// Tab (Next) or Shift+Tab within Container: the focus goes to the next or
/// the previous of its stops, round from the last to the first, and to
/// Container itself where it takes the focus by Tab. False when there is
/// no stop to go to.
bool MoveFocusWithin(QWidget& Container, bool Next);

} // namespace zindo
