#pragma once

#include <QString>

#include <stdexcept>

namespace zindo {

/// The game's one exception type: a failure that carries the text shown to the
/// player. The game model and the file layer never catch it; the handler of the
/// player's action lets it reach the application's error box.
class EQzError : public std::runtime_error {
public:
    explicit EQzError(const QString& Message)
        : std::runtime_error(Message.toStdString()) {}

    /// The message as the player sees it.
    QString Message() const { return QString::fromUtf8(what()); }
};

} // namespace zindo
