#pragma once

#include <QAbstractButton>
#include <QColor>

namespace zindo {

/// The game's flat button: a dark face with an orange one-pixel frame and a bold,
/// centred orange caption, a soft shadow to the lower right that darkens whatever
/// the parent painted beneath, a lighter look while the mouse is over it, and a
/// two-pixel shift while it is pressed.
///
/// The caption stays readable in every state: where its colour would not stand
/// out from the face by a contrast ratio of MinCaptionContrast (the lit face
/// under the mouse is light grey, on which the lit caption, pale yellow, reads
/// at about 2:1), it is drawn in black or white instead, whichever contrasts
/// more.
///
/// The button is never opaque: its shadow needs the parent's pixels beneath it.
/// Face rectangle 0,0 .. W-4,H-4 (right and bottom exclusive), moved by (2,2)
/// while pressed; shadow area 3,3 .. W-1,H-1 (inclusive) outside the face.
/// Clicks are reported through QAbstractButton's `clicked` signal.
///
/// The keyboard reaches it with Tab (a click of the mouse leaves the focus
/// where it was). With the focus the button shows its focus mark: the face
/// turns orange, the frame white and the caption black, the way a chosen
/// entry of the game's lists looks; since the mark is the face itself it
/// shows on whatever the button stands on. Enter or Space presses the
/// focused button (Enter even where a window's shortcut claims it); the
/// arrow keys move the focus on, Up and Left to the control before it, Down
/// and Right to the one after it.
class TQzGraphicButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QColor ButtonColor READ ButtonColor WRITE SetButtonColor)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)

public:
    static constexpr QRgb DefaultButtonColor = 0x303030;  ///< RGB 48,48,48
    static constexpr QRgb FrameColor = 0xFFBB00;          ///< RGB 255,187,0: frame and caption
    static constexpr double MinCaptionContrast = 4.5;     ///< least contrast of caption to face
    static constexpr int CaptionMargin = 10;              ///< face left clear on either side of the caption

    explicit TQzGraphicButton(QWidget* Parent = nullptr);
    TQzGraphicButton(const QString& Caption, QWidget* Parent = nullptr);

    /** Fill of the face; setting it repaints the button. */
    QColor ButtonColor() const { return FaceFill; }
    void SetButtonColor(const QColor& Value);

    /** A button held down from outside (e.g. a selected mode); paints as pressed. */
    bool Down() const { return HeldDown; }
    void SetDown(bool Value);

    /** Pressed look: held by the mouse (isDown) or by Down. */
    bool IsPressed() const { return isDown() || HeldDown; }
    /** Whether the mouse is over the button (lighter look). */
    bool MouseInControl() const { return MouseOver; }
    /** Whether the focus mark shows: the button has the keyboard focus. */
    bool ShowsFocusMark() const { return hasFocus(); }

    /** Each of red, green and blue raised by 128, capped at 255. */
    static QColor Lighten(const QColor& Color);
    /** The contrast ratio of two colours, 1 (same) to 21 (black and white):
        (L1 + 0.05) / (L2 + 0.05) of their relative luminances, L1 the lighter. */
    static double ContrastRatio(const QColor& A, const QColor& B);
    /** Preferred when it reaches MinCaptionContrast on Face; otherwise black
        or white, whichever contrasts more with Face. */
    static QColor ReadableOn(const QColor& Face, const QColor& Preferred);

    /** Room for the caption: its width with CaptionMargin on either side on
        the face, and the shadow; its height with 8 pixels above and below. */
    QSize sizeHint() const override;

protected:
    bool event(QEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;

private:
    void PaintFrame(class QPainter& Painter);
    void PaintFace(class QPainter& Painter);
    QRect FaceRect() const;
    /** The lighter look is on: the mouse is over the enabled button. */
    bool Hot() const;
    /** ButtonColor (orange with the focus mark), lightened while Hot. */
    QColor FaceColor() const;

    QColor FaceFill{QColor::fromRgb(DefaultButtonColor)}; ///< face fill
    bool HeldDown = false;                                ///< held down from outside
    bool MouseOver = false;                               ///< mouse over the button
};

} // namespace zindo
