#pragma once

#include <QString>

namespace zindo {

/// A shared library opened at run time with dlopen, and the functions it
/// offers by name. Libraries that would slow the start or that a player may
/// lack (SDL2) are loaded this way rather than linked into the program.
///
/// Nothing here throws: a library that is missing, or lacks a function asked
/// for, leaves Error() saying why, and the caller goes on without it. The
/// library stays loaded until the program ends, also after this object is
/// gone: a library such as SDL2 leaves threads and handlers behind that must
/// not outlive their code. Copies refer to the same loaded library.
class TSharedLibrary {
public:
    /// Opens FileName (a name the dynamic linker looks up, or a path) with
    /// every symbol bound now and kept to this library.
    explicit TSharedLibrary(const QString& AFileName);

    /// Stores the function Name in Function, typed as the caller declares it.
    /// A name the library lacks leaves nullptr there and is noted in Error()
    /// (the first failure is kept).
    template <typename TFunction> void Resolve(TFunction*& Function, const char* Name)
    {
        Function = reinterpret_cast<TFunction*>(Symbol(Name));
    }

    /// Why the library cannot be used: it did not open, or a function asked
    /// for is missing. Empty while everything asked for was found.
    const QString& Error() const { return LastError; }

private:
    /// The address of Name, or nullptr (noted in LastError).
    void* Symbol(const char* SymbolName);

    QString Name;           ///< the file name given to dlopen
    void* Handle = nullptr; ///< dlopen's handle, nullptr when it did not open
    QString LastError;      ///< the first failure, empty while there is none
};

} // namespace zindo

/// A table of a library's functions, declared inside a struct: one pointer
/// field per function, named and typed as the library's own header declares
/// it, and Resolve(TSharedLibrary&) to fill them all. LIST is a macro that
/// takes a macro X and gives X(Name) for each function:
///
///     #define MY_SDL_FUNCTIONS(X) X(SDL_GetError) X(SDL_InitSubSystem)
///     struct TMySdl { ZINDO_FUNCTION_TABLE(MY_SDL_FUNCTIONS) };
#define ZINDO_FUNCTION_TABLE(LIST)                                                                                 \
    LIST(ZINDO_FUNCTION_TABLE_FIELD)                                                                               \
    void Resolve(::zindo::TSharedLibrary& Library) { LIST(ZINDO_FUNCTION_TABLE_RESOLVE) }
#define ZINDO_FUNCTION_TABLE_FIELD(Function) decltype(&::Function) Function = nullptr;
#define ZINDO_FUNCTION_TABLE_RESOLVE(Function) Library.Resolve(Function, #Function);
