#include "Piece.h"

namespace zindo {

TRemovingPiece::TRemovingPiece(const QImage& PieceBitmap, std::int32_t AX, std::int32_t AY)
    : Picture(PieceBitmap.convertToFormat(QImage::Format_BGR888)), X(AX), Y(AY)
{
    // Every pixel at an even column of an even row turns mid-grey: a dotted,
    // dimmed copy of the piece.
    for (int y = 0; y < Picture.height(); y += 2) {
        std::uint8_t* line = Picture.scanLine(y);
        for (int x = 0; x < Picture.width(); x += 2) {
            std::uint8_t* p = line + x * 3;
            p[0] = 128;
            p[1] = 128;
            p[2] = 128;
        }
    }
}

} // namespace zindo
