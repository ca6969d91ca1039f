#pragma once

#include <QPalette>
#include <QRect>
#include <QString>

#include <functional>

class QAbstractButton;
class QAbstractItemView;
class QLabel;
class QWidget;

namespace zindo {

class TQzGraphicButton;

/// Black ground with white text: the bars, the message panel, the read-outs.
QPalette BlackPalette();

/// The screens' own graphic button: bold orange Arial caption, placed at
/// Geometry, with Hint as its tooltip (shown in the message panel too).
TQzGraphicButton* NewButton(QWidget* Page, const QString& Name, const QString& Caption, QRect Geometry,
                            const QString& Hint = QString());

/// A white Arial label at (X, Y), sized to its text.
QLabel* NewLabel(QWidget* Page, const QString& Name, const QString& Text, int X, int Y, bool Bold = false);

/// The look of the screens' list boxes: white on black, the choice in orange,
/// column headings (where the list has them) in orange over an orange line,
/// an orange scroll bar handle; an orange frame while the list has the focus.
void StyleListBox(QAbstractItemView& List);

/// Gives the keyboard back to Control after a message box closed: the box
/// was a window of its own in the scene, and with it gone the scene has no
/// active window, so keys would reach nobody until the next click.
void GiveKeyboardTo(QWidget& Control);

/// Runs Action on every click of Button; an error it raises goes to the
/// error box and the game goes on.
void OnClicked(QAbstractButton* Button, std::function<void()> Action);

} // namespace zindo
