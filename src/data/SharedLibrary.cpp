#include "data/SharedLibrary.h"

#include <dlfcn.h>

namespace zindo {

TSharedLibrary::TSharedLibrary(const QString& AFileName) : Name(AFileName)
{
    Handle = dlopen(Name.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!Handle)
        LastError = QString::fromLocal8Bit(dlerror());
}

void* TSharedLibrary::Symbol(const char* SymbolName)
{
    if (!Handle)
        return nullptr;
    void* address = dlsym(Handle, SymbolName);
    if (!address && LastError.isEmpty())
        // Like the dynamic linker's own reasons, this one is not translated.
        LastError = QStringLiteral("%1 lacks %2").arg(Name, QString::fromLatin1(SymbolName));
    return address;
}

} // namespace zindo
