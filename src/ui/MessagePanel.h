#pragma once

#include "ScreenHost.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class QLabel;

namespace zindo {

/// The black message panel along the bottom of the window: the zindo emblem
/// at the left, shown only while there is a message, and a line of markup
/// beside it. A standing (persistent) message, such as a verdict, keeps the
/// first line; passing messages, such as the hint of the control under the
/// pointer, appear below it.
class TMessagePanel : public QWidget {
public:
    explicit TMessagePanel(QWidget* Parent);

    /// Shows Message in Style. With Persist it becomes the standing message;
    /// a passing message equal to the standing one is not repeated.
    void SetZindoMessage(const QString& Message, TMessageStyle Style, bool Persist);
    /// Empties the panel, the standing message too.
    void ClearZindoMessage();
    /// The markup shown now.
    const QString& Markup() const { return MessageMarkup; }

private:
    QLabel* ZindoMessageImage;            ///< the emblem at the left
    QLabel* ZindoMessageText;             ///< the message's rich text
    QString StoredMessage;                ///< the standing message
    TMessageStyle StoredMessageStyle = msHint; ///< its style
    QString MessageMarkup;                ///< what the panel shows
};

} // namespace zindo
