#pragma once

#include <QLabel>
#include <QString>

#include <functional>

namespace zindo {

/// A label that opens a web address when clicked, used for the picture credits.
/// A click (press and release inside the label with the left button) first
/// raises OnClick, then, when URL is not empty, opens URL in the desktop's
/// browser; whether that succeeds is not looked at.
///
/// A label with an address is reached with Tab; Enter or Space then does what
/// a click does. While it has the focus, its text stands on a black ground
/// in an orange frame, so the mark shows on any background.
class TQzLinkLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE SetURL)

public:
    explicit TQzLinkLabel(QWidget* Parent = nullptr);
    TQzLinkLabel(const QString& Text, QWidget* Parent = nullptr);

    QString URL() const { return Address; }
    void SetURL(const QString& Value);

    /** Raised on every click, before the address is opened. */
    std::function<void()> OnClick;

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    /** OnClick, then the address opened. */
    void Follow();

    QString Address;      ///< web address opened on a click; empty = none
    bool Pressed = false; ///< the left button went down inside the label
};

} // namespace zindo
