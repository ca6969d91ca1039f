#include "VersionInfo.h"

namespace zindo {

void FormatVersionText(std::uint32_t FileVersionHigh, std::uint32_t FileVersionLow, QString& Result)
{
    if (FileVersionHigh == 0)
        return;
    Result = QStringLiteral("%1.%2 (Build %3.%4)")
                 .arg(FileVersionHigh >> 16)
                 .arg(FileVersionHigh & 0xFFFF, 2, 10, QLatin1Char('0'))
                 .arg(FileVersionLow >> 16)
                 .arg(FileVersionLow & 0xFFFF);
}

void ProgramVersionText(QString& Result)
{
    // The numbers are the build's project version, compiled in.
    FormatVersionText((std::uint32_t(ZINDO_VERSION_MAJOR) << 16) | std::uint32_t(ZINDO_VERSION_MINOR),
                      (std::uint32_t(ZINDO_VERSION_PATCH) << 16) | std::uint32_t(ZINDO_VERSION_TWEAK), Result);
}

} // namespace zindo
