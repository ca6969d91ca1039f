// Tutorial pages (dat/tutorial/TTUTORIAL<n>.DAT): the text as the tutorial
// reads it, and its inline markup turned into the label's rich text.
#include "FuzzSupport.h"

#include "data/AnsiText.h"

#ifdef ZINDO_FUZZ_MARKUP
#include "ui/Markup.h"

#include <QRegularExpression>
#endif

using namespace zindo;
using namespace zindo::fuzz;

namespace {

/// The most bytes the tutorial reads of a page.
constexpr qsizetype MaxTutorialText = 20001;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QByteArray page = Bytes(Data, Size).left(MaxTutorialText);
    const QString text = AnsiTextUpToZero(page);
    Require(!text.contains(QChar(0)), "the text ends at its first zero byte");
    Require(ToAnsi(text) == page.left(page.indexOf('\0') < 0 ? page.size() : page.indexOf('\0')),
            "every byte of the page is read as written");
#ifdef ZINDO_FUZZ_MARKUP
    // Only the label's own tags come out; every other '<' is escaped.
    static const QRegularExpression ownTags(
        QStringLiteral("<br>|<b>|</b>|<span>|</span>|<span style=\"font-size:\\d+pt\">"));
    QString rich = MarkupToRichText(text);
    Require(!rich.remove(ownTags).contains(QLatin1Char('<')), "no tag but the markup's own");
#endif
    return 0;
}
