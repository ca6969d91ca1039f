#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace zindo::test {

/// Sets an environment variable, or removes it (std::nullopt), and puts back
/// what was there when it goes.
class TScopedEnvironment {
public:
    TScopedEnvironment(const char* AName, const std::optional<QString>& Value) : Name(AName)
    {
        if (qEnvironmentVariableIsSet(Name))
            Saved = qEnvironmentVariable(Name);
        Set(Value);
    }
    ~TScopedEnvironment() { Set(Saved); }
    TScopedEnvironment(const TScopedEnvironment&) = delete;
    TScopedEnvironment& operator=(const TScopedEnvironment&) = delete;

    void Set(const std::optional<QString>& Value)
    {
        if (Value)
            qputenv(Name, Value->toLocal8Bit());
        else
            qunsetenv(Name);
    }

private:
    const char* Name;
    std::optional<QString> Saved; ///< the value before, none when it was unset
};

} // namespace zindo::test
