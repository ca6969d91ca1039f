#pragma once

#include <QRegion>
#include <QWidget>

#include <functional>

class QMouseEvent;
class QPainter;

namespace zindo {

/// A plain drawing surface: the owner assigns what it paints and what a click
/// or a mouse move does. Used for the board, the pot, the bonus boxes, the mode
/// icon and the main screen.
class TPaintBox : public QWidget {
public:
    explicit TPaintBox(QWidget* Parent = nullptr);

    std::function<void(TPaintBox& Sender, QPainter& Painter)> OnPaint;   ///< paints the whole box
    std::function<void(TPaintBox& Sender, QMouseEvent& Event)> OnMouseDown; ///< any mouse button pressed
    std::function<void(TPaintBox& Sender, QMouseEvent& Event)> OnMouseMove; ///< pointer moved over the box
    std::function<void(TPaintBox& Sender)> OnMouseLeave; ///< pointer left the box
    std::function<void(TPaintBox& Sender)> OnClick; ///< left button pressed and released inside

    /// While OnPaint runs: the part of the box that needs painting.
    const QRegion& PaintedRegion() const { return PaintingRegion; }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void leaveEvent(QEvent* Event) override;

private:
    bool Pressed = false;   ///< the left button went down inside the box
    QRegion PaintingRegion; ///< see PaintedRegion
};

} // namespace zindo
