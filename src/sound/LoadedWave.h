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

/// The most bytes a converted wave may take: a few seconds of sound take a
/// few hundred kilobytes, so anything near this is a damaged or crafted file.
inline constexpr std::uint64_t MaxConvertedWaveBytes = 64u << 20;

/// Converts Samples, laid out as From, into the 8-bit format To (bits, then
/// channels, then rate). Raises ESoundMixerError "File format not supported"
/// (also for a rate outside 1000 .. 192000 Hz), "Failed to convert wave
/// format", or "The wave is too long ..." when the result would take more than
/// MaxConvertedWaveBytes; the size is known before anything is converted.
std::vector<std::uint8_t> ConvertWaveData(std::vector<std::uint8_t> Samples, const TWaveFormat& From,
                                          const TWaveFormat& To);

/// The bytes Bytes of samples laid out as From take after ConvertWaveData into To.
std::uint64_t ConvertedWaveSize(std::uint64_t Bytes, const TWaveFormat& From, const TWaveFormat& To);

} // namespace zindo
