#pragma once

#include <QString>

#include <cstdint>

namespace zindo {

/// The version text of the running program, "1.10 (Build 0.58)" for version
/// 1.10.0.58. Leaves Result unchanged when the program has no version.
void ProgramVersionText(QString& Result);

/// Formats a file version given as its two 32-bit words (major:minor,
/// release:build): major "." minor with at least two digits " (Build "
/// release "." build ")". A high word of 0 leaves Result unchanged.
void FormatVersionText(std::uint32_t FileVersionHigh, std::uint32_t FileVersionLow, QString& Result);

} // namespace zindo
