#pragma once

class QWidget;

namespace zindo {

/// Gives a form the game's dialog look: black background, white Arial text in a
/// 16-pixel cell, and radio buttons whose indicators stay readable on black.
/// Only the palette and font are set (no style sheet), so both reach every
/// child control.
void ApplyQzDialogLook(QWidget& Form);

/// Window flags of a fixed dialog frame: title and close button, no resizing.
void UseFixedDialogFrame(QWidget& Form);

} // namespace zindo
