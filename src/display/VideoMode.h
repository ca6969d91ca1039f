#pragma once

#include <QString>

#include <cstdint>

namespace zindo {

/// One display mode: size, colour depth and a description for people.
struct TVideoMode
{
    std::uint16_t Width = 0;       ///< pixels across
    std::uint16_t Height = 0;      ///< pixels down
    std::uint8_t BitsPerPixel = 0; ///< colour depth
    QString Description;           ///< "default" for the desktop entry, else "W x H, B bpp"
};

/** Whether two modes have the same width, height and depth (descriptions aside). */
inline bool SameVideoMode(const TVideoMode& A, const TVideoMode& B)
{
    return A.Width == B.Width && A.Height == B.Height && A.BitsPerPixel == B.BitsPerPixel;
}

} // namespace zindo
