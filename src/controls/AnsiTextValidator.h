#pragma once

#include <QString>
#include <QValidator>

#include <functional>

namespace zindo {

/// Keeps an edit line to text the game's files can store (data/AnsiText.h):
/// a character that Windows-1252 cannot hold (Cyrillic, emoji, ...) is
/// dropped as it is typed or pasted, the rest of the input kept and the
/// cursor left after it, and OnRefused is told which characters went. The
/// owning screen or dialog sets the validator on its line and shows the
/// message. The line applies it to text the program sets as well.
class TAnsiTextValidator : public QValidator {
public:
    explicit TAnsiTextValidator(QObject* Parent = nullptr) : QValidator(Parent) {}

    State validate(QString& Input, int& Position) const override;

    /// Raised with the characters just dropped. Empty: nobody listens.
    std::function<void(const QString& Refused)> OnRefused;
};

} // namespace zindo
