#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

namespace zindo {

/// One "Photos:" line of the About screen: who made the theme photographs,
/// linked to where they come from.
struct TPhotoCredit {
    const char* Text; ///< the line as shown, in English (the About screen translates it)
    QString Url;      ///< opened on a click
};

/// The credit lines of the theme photographs, one for each package they come from.
inline const std::vector<TPhotoCredit>& PhotoCredits()
{
    static const std::vector<TPhotoCredit> credits = {
        {QT_TRANSLATE_NOOP("AboutScreen", "MATE desktop backgrounds (GPL-2+)"),
         QStringLiteral("https://git.mate-desktop.org/mate-backgrounds/")},
        {QT_TRANSLATE_NOOP("AboutScreen", "KDE Plasma wallpapers (GPL-2+, LGPL-3)"),
         QStringLiteral("https://invent.kde.org/plasma/plasma-workspace-wallpapers")},
        {QT_TRANSLATE_NOOP("AboutScreen", "Lomiri wallpapers, Ubuntu community (CC BY, CC BY-SA, CC0)"),
         QStringLiteral("https://gitlab.com/ubports/development/core/lomiri-wallpapers")},
        {QT_TRANSLATE_NOOP("AboutScreen", "Budgie desktop backgrounds (CC0)"),
         QStringLiteral("https://github.com/BuddiesOfBudgie/budgie-backgrounds")},
        {QT_TRANSLATE_NOOP("AboutScreen", "GNOME backgrounds (CC0)"),
         QStringLiteral("https://gitlab.gnome.org/GNOME/gnome-backgrounds")},
        {QT_TRANSLATE_NOOP("AboutScreen", "LXQt wallpapers (LGPL-2.1+)"), QStringLiteral("https://github.com/lxqt/lxqt-themes")},
        {QT_TRANSLATE_NOOP("AboutScreen", "Lifeograph backgrounds (GPL-3+)"), QStringLiteral("https://launchpad.net/lifeograph")},
        {QT_TRANSLATE_NOOP("AboutScreen", "MATE screensaver pictures (GPL-2+)"),
         QStringLiteral("https://git.mate-desktop.org/mate-screensaver/")},
    };

    return credits;
}

} // namespace zindo
