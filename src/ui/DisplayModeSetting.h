#pragma once

#include <QString>

namespace zindo {

/// How the window is shown, as stored in "../var/config.ini" (section
/// Display, key DisplayMode): "fullscreen" or "window", and "unknown" when
/// nothing is stored yet. The value is compared exactly.
QString ReadDisplayMode();

/// Stores Value; raises EQzError when the settings file cannot be written.
void WriteDisplayMode(const QString& Value);

} // namespace zindo
