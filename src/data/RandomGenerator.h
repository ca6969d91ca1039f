#pragma once

#include <cstdint>

namespace zindo {

/// The program's random generator: a 32-bit linear congruential sequence.
/// Every draw first advances Seed := Seed * 134775813 + 1 (mod 2^32) and then
/// answers the upper 32 bits of the 64-bit product Seed * n, so that a given
/// seed always yields the same deal, pot kinds, zindo runs and sparkles.
/// The program has one instance (ProgramRandom); tests make their own.
class TRandomGenerator {
public:
    explicit TRandomGenerator(std::uint32_t ASeed = 0) : Seed(ASeed) {}

    /// An integer in 0 .. n - 1 (0 when n is 0).
    std::uint32_t Random(std::uint32_t n);

    void SetSeed(std::uint32_t ASeed) { Seed = ASeed; }
    std::uint32_t GetSeed() const { return Seed; }

private:
    std::uint32_t Seed; ///< state of the sequence
};

/// The one generator shared by the whole program.
TRandomGenerator& ProgramRandom();

} // namespace zindo
