#pragma once

#include "DevicePicture.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace zindo {

/// A picture control: shows its picture centred, scaled down to fit with its
/// proportions kept (Proportional), or at its own size (not Proportional).
/// One that its owner lets the keyboard reach (a focus policy with Tab) is
/// clicked with Enter or Space, and shows the keyboard's frame while it has
/// the focus.
class TPictureBox : public QWidget {
public:
    explicit TPictureBox(QWidget* Parent = nullptr, bool AProportional = true);

    /// Shows APicture. Compose, when given, makes the picture afresh at the
    /// size it takes on the screen from a finer source (APicture then gives
    /// its proportions and stands for it), so that it is as sharp as that
    /// source allows.
    void SetPicture(const QImage& APicture, TPictureComposer Compose = {});
    const QImage& Picture() const { return ShownPicture; }

    std::function<void()> OnClick; ///< left button pressed and released on the picture

protected:
    /// The size the picture is drawn at, centred: fitted to the control or
    /// its own size, as the control was made.
    virtual QSize DrawnSize() const;
    void paintEvent(QPaintEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    QImage ShownPicture;           ///< what is shown; empty = nothing
    TPictureComposer Composer;     ///< makes it at a device size; empty = scaled from ShownPicture
    TDevicePicture Shown;          ///< the same at the screen's pixels
    bool Proportional = true;  ///< scale to fit keeping proportions
    bool Pressed = false;      ///< the left button went down on the picture
};

} // namespace zindo
