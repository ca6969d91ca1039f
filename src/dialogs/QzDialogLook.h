#pragma once

class QWidget;

namespace zindo {

/// Gives a form the game's dialog look: black background, white Arial text in a
/// 16-pixel cell, and the standard controls in the colours of the own buttons:
/// group boxes framed in orange with an orange caption; radio buttons with an
/// orange ring that fills with an orange dot when checked (the ring turns white
/// under the mouse); edit lines and lists white on black in an orange frame,
/// the selected entry black on orange. The control with the keyboard focus
/// shows it: a radio button black on orange with a white ring, an edit line
/// or a list in a white frame. Palette and font reach every child
/// control, and so does the style sheet that draws these controls, also for
/// children created after this call.
void ApplyQzDialogLook(QWidget& Form);

/// Window flags of a fixed dialog frame: a title and a close button, no
/// maximise or minimise button asked for. With the form's fixed size, window
/// managers then refuse to resize or maximise it.
void UseFixedDialogFrame(QWidget& Form);

} // namespace zindo
