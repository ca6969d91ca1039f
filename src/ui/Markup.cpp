#include "Markup.h"

#include <QRegularExpression>

namespace zindo {

QString MarkupToRichText(const QString& Markup)
{
    static const QRegularExpression tag(
        QStringLiteral("<(/?)(b|br|font)(?:\\s+size\\s*=\\s*\"?(\\d+)\"?)?\\s*/?>"),
        QRegularExpression::CaseInsensitiveOption);
    QString result;
    qsizetype at = 0;
    auto it = tag.globalMatch(Markup);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        result += Markup.mid(at, match.capturedStart() - at).toHtmlEscaped();
        at = match.capturedEnd();
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        if (name == QLatin1String("br"))
            result += QStringLiteral("<br>");
        else if (name == QLatin1String("b"))
            result += closing ? QStringLiteral("</b>") : QStringLiteral("<b>");
        else if (closing)
            result += QStringLiteral("</span>");
        else if (match.captured(3).isEmpty())
            result += QStringLiteral("<span>");
        else
            result += QStringLiteral("<span style=\"font-size:%1pt\">").arg(match.captured(3));
    }
    result += Markup.mid(at).toHtmlEscaped();
    return result;
}

} // namespace zindo
