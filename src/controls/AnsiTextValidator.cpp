#include "AnsiTextValidator.h"

#include "data/AnsiText.h"

namespace zindo {

QValidator::State TAnsiTextValidator::validate(QString& Input, int& Position) const
{
    if (IsAnsiText(Input))
        return Acceptable;
    QString kept;
    QString refused;
    int position = Position;
    for (qsizetype i = 0; i < Input.size(); ++i) {
        // A surrogate pair is one character, kept or dropped whole.
        const qsizetype length =
            Input[i].isHighSurrogate() && i + 1 < Input.size() && Input[i + 1].isLowSurrogate() ? 2 : 1;
        const QString character = Input.mid(i, length);
        if (IsAnsiText(character)) {
            kept += character;
        } else {
            refused += character;
            if (i < Position)
                position -= int(std::min<qsizetype>(length, Position - i));
        }
        i += length - 1;
    }
    Input = kept;
    Position = position;
    if (OnRefused)
        OnRefused(refused);
    return Acceptable;
}

} // namespace zindo
