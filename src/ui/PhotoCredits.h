#pragma once

#include <QString>

#include <vector>

namespace zindo {

/// One "Photos:" line of the About screen: who made the theme photographs,
/// linked to where they come from.
struct TPhotoCredit {
    QString Text; ///< the line as shown
    QString Url;  ///< opened on a click
};

/// The three credit lines of the theme photographs.
inline const std::vector<TPhotoCredit>& PhotoCredits()
{
    static const std::vector<TPhotoCredit> credits = {
        {QStringLiteral("MATE desktop backgrounds (GPL-2+)"), QStringLiteral("https://mate-desktop.org/")},
        {QStringLiteral("Debian desktop artwork"), QStringLiteral("https://wiki.debian.org/DebianArt")},
        {QStringLiteral("Free photographs packaged by Debian"), QStringLiteral("https://www.debian.org/")},
    };
    return credits;
}

} // namespace zindo
