#pragma once

#include "data/SharedLibrary.h"

namespace zindo {

/// The file SDL2 is loaded from at run time.
inline constexpr const char* SdlLibraryFile = "libSDL2-2.0.so.0";

/// Opens SDL2 for a part of the game that uses it (the sound device, the
/// gamepads) and makes it ready for SDL_InitSubSystem in this program: SDL
/// does not own main, and it leaves SIGINT and SIGTERM to the game's own
/// handlers (temporary files, display mode) instead of turning them into
/// quit events nobody reads. The caller resolves the functions it needs from
/// the library answered; its Error() says why SDL2 cannot be used.
TSharedLibrary OpenSdlLibrary(const QString& FileName = QString::fromLatin1(SdlLibraryFile));

} // namespace zindo
