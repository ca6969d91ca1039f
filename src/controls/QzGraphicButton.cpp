#include "controls/QzGraphicButton.h"

#include "controls/FocusKeys.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zindo {

TQzGraphicButton::TQzGraphicButton(QWidget* Parent)
    : QAbstractButton(Parent)
{
    // The shadow darkens the parent's pixels, so the parent must be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAttribute(Qt::WA_NoSystemBackground, false);
    setAutoFillBackground(false);
    // Only family and weight are set here; the size comes from the parent's font.
    QFont captionFont;
    captionFont.setFamily(QStringLiteral("Arial"));
    captionFont.setBold(true);
    setFont(captionFont);
    // The keyboard's Tab reaches it; a click leaves the focus where it is,
    // so clicking a button on the playing screen keeps the keys on the board.
    setFocusPolicy(Qt::TabFocus);
}

TQzGraphicButton::TQzGraphicButton(const QString& Caption, QWidget* Parent)
    : TQzGraphicButton(Parent)
{
    setText(Caption);
}

void TQzGraphicButton::SetButtonColor(const QColor& Value)
{
    FaceFill = Value;
    update();
}

void TQzGraphicButton::SetDown(bool Value)
{
    if (HeldDown == Value)
        return;
    HeldDown = Value;
    update();
}

QColor TQzGraphicButton::Lighten(const QColor& Color)
{
    return QColor(std::min(255, Color.red() + 128), std::min(255, Color.green() + 128),
                  std::min(255, Color.blue() + 128));
}

double TQzGraphicButton::ContrastRatio(const QColor& A, const QColor& B)
{
    // Relative luminance of sRGB colours: each channel made linear, then
    // weighted by how bright the eye finds it.
    const auto luminance = [](const QColor& Color) {
        const auto linear = [](int Channel) {
            const double c = Channel / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(Color.red()) + 0.7152 * linear(Color.green()) + 0.0722 * linear(Color.blue());
    };
    const double a = luminance(A);
    const double b = luminance(B);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor TQzGraphicButton::ReadableOn(const QColor& Face, const QColor& Preferred)
{
    if (ContrastRatio(Preferred, Face) >= MinCaptionContrast)
        return Preferred;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(black, Face) >= ContrastRatio(white, Face) ? black : white;
}

QSize TQzGraphicButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 2 * CaptionMargin + 4, metrics.height() + 16);
}

QRect TQzGraphicButton::FaceRect() const
{
    QRect face(0, 0, width() - 4, height() - 4);
    if (IsPressed())
        face.translate(2, 2);
    return face;
}

bool TQzGraphicButton::Hot() const
{
    return MouseOver && isEnabled();
}

QColor TQzGraphicButton::FaceColor() const
{
    const QColor face = ShowsFocusMark() ? QColor::fromRgb(FrameColor) : FaceFill;
    return Hot() ? Lighten(face) : face;
}

void TQzGraphicButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintFrame(painter);
    PaintFace(painter);
}

void TQzGraphicButton::PaintFrame(QPainter& Painter)
{
    const bool hot = Hot();
    const QRect face = FaceRect();
    const QColor fill = FaceColor();
    QColor frame = hot ? Lighten(QColor::fromRgb(FrameColor)) : QColor::fromRgb(FrameColor);
    if (ShowsFocusMark())
        frame = Qt::white;

    Painter.fillRect(face, fill);
    // One-pixel outline on the face rectangle's outermost pixels.
    Painter.fillRect(QRect(face.left(), face.top(), face.width(), 1), frame);
    Painter.fillRect(QRect(face.left(), face.bottom(), face.width(), 1), frame);
    Painter.fillRect(QRect(face.left(), face.top(), 1, face.height()), frame);
    Painter.fillRect(QRect(face.right(), face.top(), 1, face.height()), frame);

    // Shadow: every pixel of 3,3 .. W-1,H-1 outside the face loses d per channel,
    // clamped at 0: 30 on the second-last column and row, 10 on the last ones,
    // 60 elsewhere. max(0, p - d) = ~min(255, ~p + d): invert, add with
    // saturation, invert again; this is exact on the raster engine.
    const int w = width();
    const int h = height();
    if (w < 5 || h < 5)
        return;
    QRegion shadow(QRect(3, 3, w - 3, h - 3));
    shadow -= QRegion(face);
    const QRegion outerEdge = QRegion(QRect(w - 1, 0, 1, h)) + QRegion(QRect(0, h - 1, w, 1));
    const QRegion innerEdge = QRegion(QRect(w - 2, 0, 1, h)) + QRegion(QRect(0, h - 2, w, 1));
    const QRegion d30 = shadow & innerEdge;
    const QRegion d10 = (shadow & outerEdge) - innerEdge;
    const QRegion d60 = shadow - innerEdge - outerEdge;

    Painter.save();
    Painter.setPen(Qt::NoPen);
    const auto darken = [&Painter](const QRegion& Area, int D) {
        if (Area.isEmpty())
            return;
        Painter.setClipRegion(Area);
        const QRect bounds = Area.boundingRect();
        Painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        Painter.fillRect(bounds, Qt::black);
        Painter.setCompositionMode(QPainter::CompositionMode_Plus);
        Painter.fillRect(bounds, QColor(D, D, D));
        Painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        Painter.fillRect(bounds, Qt::black);
    };
    darken(d60, 60);
    darken(d30, 30);
    darken(d10, 10);
    Painter.restore();
}

void TQzGraphicButton::PaintFace(QPainter& Painter)
{
    const bool hot = Hot();
    QFont captionFont = font();
    captionFont.setBold(true);
    Painter.setFont(captionFont);
    const QColor caption = ShowsFocusMark() ? QColor(Qt::black) : QColor::fromRgb(FrameColor);
    Painter.setPen(ReadableOn(FaceColor(), hot ? Lighten(caption) : caption));
    Painter.drawText(FaceRect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

bool TQzGraphicButton::event(QEvent* Event)
{
    // Enter belongs to the focused button, not to a shortcut of its window
    // (the message box answers OK to Enter wherever the focus is).
    if (Event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(Event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && IsPlainKey(*key)) {
            Event->accept();
            return true;
        }
    }
    return QAbstractButton::event(Event);
}

void TQzGraphicButton::keyPressEvent(QKeyEvent* Event)
{
    if (!IsPlainKey(*Event)) {
        QAbstractButton::keyPressEvent(Event);
        return;
    }
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isEnabled() && !Event->isAutoRepeat())
            click();
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusNextPrevChild(false);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNextPrevChild(true);
        break;
    default:
        // Space: pressed while held, clicked when let go.
        QAbstractButton::keyPressEvent(Event);
        return;
    }
    Event->accept();
}

void TQzGraphicButton::enterEvent(QEnterEvent* Event)
{
    QAbstractButton::enterEvent(Event);
    MouseOver = true;
    repaint();
}

void TQzGraphicButton::leaveEvent(QEvent* Event)
{
    QAbstractButton::leaveEvent(Event);
    MouseOver = false;
    repaint();
}

void TQzGraphicButton::hideEvent(QHideEvent* Event)
{
    QAbstractButton::hideEvent(Event);
    // Shown again later, the button must not come back lit.
    MouseOver = false;
}

} // namespace zindo
