#include "display/NullDisplayPlatform.h"

#include <QCoreApplication>
#include <QRect>
#include <QVariant>

#include <cmath>

namespace zindo {

TVideoMode TNullDisplayPlatform::DesktopMode()
{
    TVideoMode mode;
    mode.Width = 1024;
    mode.Height = 768;
    mode.BitsPerPixel = 32;
    // This layer links Qt Core only, so the screen is read through the meta-object
    // properties of QGuiApplication ("primaryScreen") and QScreen.
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || !app->inherits("QGuiApplication"))
        return mode;
    const QObject* screen = app->property("primaryScreen").value<QObject*>();
    if (screen == nullptr)
        return mode;
    const QRect geometry = screen->property("geometry").toRect();
    const double ratio = screen->property("devicePixelRatio").toDouble();
    const int depth = screen->property("depth").toInt();
    if (geometry.width() > 0 && geometry.height() > 0) {
        const double scale = ratio > 0 ? ratio : 1.0;
        mode.Width = static_cast<std::uint16_t>(std::lround(geometry.width() * scale));
        mode.Height = static_cast<std::uint16_t>(std::lround(geometry.height() * scale));
    }
    if (depth > 0)
        mode.BitsPerPixel = static_cast<std::uint8_t>(depth);
    return mode;
}

bool TNullDisplayPlatform::ListMode(std::uint32_t, TVideoMode&)
{
    return false;
}

bool TNullDisplayPlatform::TestMode(const TVideoMode&)
{
    return false;
}

bool TNullDisplayPlatform::SwitchMode(const TVideoMode&)
{
    return false;
}

void TNullDisplayPlatform::RestoreDesktopMode()
{
}

} // namespace zindo
