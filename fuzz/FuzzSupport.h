#pragma once

// Shared by the libFuzzer harnesses: the input as Qt bytes, and a check that
// ends the run with a message the fuzzer keeps next to the input.

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zindo::fuzz {

/// The fuzzer's input, not copied.
inline QByteArray Bytes(const std::uint8_t* Data, std::size_t Size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
}

/// A property the parser must keep; its failure is a finding like a crash.
inline void Require(bool Holds, const char* What)
{
    if (!Holds) {
        std::fprintf(stderr, "property broken: %s\n", What);
        std::abort();
    }
}

} // namespace zindo::fuzz
