#include "data/SdlLibrary.h"

#include <SDL.h>

namespace zindo {

namespace {

#define ZINDO_SDL_START_FUNCTIONS(X) X(SDL_SetMainReady) X(SDL_SetHint)

/// What every user of SDL calls before initialising a subsystem.
struct TSdlStart {
    ZINDO_FUNCTION_TABLE(ZINDO_SDL_START_FUNCTIONS)
};

} // namespace

TSharedLibrary OpenSdlLibrary(const QString& FileName)
{
    TSharedLibrary library(FileName);
    TSdlStart start;
    start.Resolve(library);
    if (library.Error().isEmpty()) {
        start.SDL_SetMainReady();
        start.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    }
    return library;
}

} // namespace zindo
