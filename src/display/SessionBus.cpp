#include "SessionBus.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace zindo {

namespace {

bool IsSet(const char* Value)
{
    return Value && *Value;
}

bool IsSocket(const std::string& Path)
{
    struct stat status {};
    return stat(Path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}

bool IsProgram(const std::string& Path)
{
    struct stat status {};
    return stat(Path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(Path.c_str(), X_OK) == 0;
}

/// dbus-launch where the bus library runs it from: its own install folder
/// first, then each folder of the search path (an empty entry is the
/// current folder, as for execvp).
bool BusLauncherInstalled(const char* SearchPath)
{
    if (IsProgram("/usr/bin/dbus-launch"))
        return true;
    const std::string_view folders = SearchPath ? SearchPath : "/bin:/usr/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string_view::npos)
            end = folders.size();
        const std::string folder(folders.substr(start, end - start));
        if (IsProgram((folder.empty() ? std::string(".") : folder) + "/dbus-launch"))
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

bool SessionBusReachable(const char* Address, const char* RuntimeDirectory, const char* SearchPath)
{
    if (IsSet(Address))
        return true;
    if (IsSet(RuntimeDirectory) && IsSocket(std::string(RuntimeDirectory) + "/bus"))
        return true;
    return BusLauncherInstalled(SearchPath);
}

bool DisableUnreachableSessionBus()
{
    if (SessionBusReachable(std::getenv("DBUS_SESSION_BUS_ADDRESS"), std::getenv("XDG_RUNTIME_DIR"),
                            std::getenv("PATH")))
        return false;
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    return true;
}

} // namespace zindo
