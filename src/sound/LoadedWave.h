#pragma once

#include "sound/WaveOutDevice.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace zindo {

struct TMixerSession;

/// A sound read from a RIFF/WAVE file and converted, once, into the output
/// format of the mixer session, so that mixing never converts. Created by
/// LoadWave and owned by the caller; the mixer only reads Data and Length.
struct TLoadedWave {
    TWaveFormat Format;                     ///< the file's own format block, as read
    std::vector<std::uint8_t> Data;         ///< the samples in the session's output format
    std::uint32_t Length = 0;               ///< bytes in Data
    std::array<std::uint32_t, 3> Reserved{}; ///< always 0
    std::array<char, 16> Name{};            ///< first 15 characters of the name, zero-terminated
};

/// Loads the RIFF/WAVE file FileName and converts it into the output format of
/// Session. Raises ESoundMixerError ("Invalid Session handle", "Failed to open
/// wave file " + name, "This is not a WAVE file", ...).
std::unique_ptr<TLoadedWave> LoadWave(TMixerSession* Session, const QString& FileName);

/// The same from a RIFF/WAVE image held in memory; Name only names the wave.
std::unique_ptr<TLoadedWave> LoadWaveFromMemory(TMixerSession* Session, const QByteArray& Image,
                                                const QString& Name);

/// Converts Samples, laid out as From, into the 8-bit format To (bits, then
/// channels, then rate). Raises ESoundMixerError "File format not supported"
/// or "Failed to convert wave format".
std::vector<std::uint8_t> ConvertWaveData(std::vector<std::uint8_t> Samples, const TWaveFormat& From,
                                          const TWaveFormat& To);

} // namespace zindo
