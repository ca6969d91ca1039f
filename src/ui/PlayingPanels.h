#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace zindo {

class TPaintBox;

/// A black panel with a one-pixel grey frame, to hold a view inside the frame.
QWidget* FramedPanel(QWidget* Page, const QString& Name, QRect Geometry);

/// A view filling Panel inside its frame, painted opaque; Hint becomes the
/// tooltip of both.
TPaintBox* PaintBoxIn(QWidget* Panel, const QString& Name, const QString& Hint);

/// A read-out box: black, with its caption at the top left.
QWidget* ReadOutBox(QWidget* Page, const QString& CaptionName, const QString& Caption, const QString& BoxName,
                    QRect Box);

/// A read-out box with its value, bold and right-aligned, below the caption;
/// answers the value's label.
QLabel* ReadOut(QWidget* Page, const QString& CaptionName, const QString& Caption, const QString& BoxName,
                const QString& ValueName, QRect Box);

} // namespace zindo
