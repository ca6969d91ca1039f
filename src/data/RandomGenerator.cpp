#include "RandomGenerator.h"

namespace zindo {

std::uint32_t TRandomGenerator::Random(std::uint32_t n)
{
    Seed = Seed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(Seed) * n) >> 32);
}

TRandomGenerator& ProgramRandom()
{
    static TRandomGenerator instance;
    return instance;
}

} // namespace zindo
