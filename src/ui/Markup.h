#pragma once

#include <QString>

namespace zindo {

/// Turns the game's inline markup (<b>, <font size=N> with N in points, <br>)
/// into the rich text of a Qt label. Other text is escaped, so a '<' that
/// starts no known tag shows as it is typed.
QString MarkupToRichText(const QString& Markup);

} // namespace zindo
