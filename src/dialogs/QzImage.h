#pragma once

#include <QLabel>
#include <QString>

#include <functional>

namespace zindo {

/// A picture control: shows a pixmap stretched to its size and reports clicks.
/// A picture that cannot be loaded leaves the control empty.
class TQzImage : public QLabel
{
public:
    explicit TQzImage(QWidget* Parent = nullptr);

    /** Loads the picture from Path (a file or a ":/" resource); false and an
        empty control when it cannot be loaded. */
    bool LoadPicture(const QString& Path);

    /** Raised by a left click (press and release inside the picture). */
    std::function<void()> OnClick;

protected:
    void mousePressEvent(class QMouseEvent* Event) override;
    void mouseReleaseEvent(class QMouseEvent* Event) override;

private:
    bool Pressed = false; ///< the left button went down inside the picture
};

} // namespace zindo
