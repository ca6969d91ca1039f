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
        {QStringLiteral("MATE desktop backgrounds (GPL-2+)"),
         QStringLiteral("https://git.mate-desktop.org/mate-backgrounds/")},
        {QStringLiteral("KDE Plasma wallpapers (GPL-2+, LGPL-3)"),
         QStringLiteral("https://invent.kde.org/plasma/plasma-workspace-wallpapers")},
        {QStringLiteral("Lomiri wallpapers, Ubuntu community (CC BY, CC BY-SA, CC0)"),
         QStringLiteral("https://gitlab.com/ubports/development/core/lomiri-wallpapers")},
    };

    return credits;
}

} // namespace zindo
