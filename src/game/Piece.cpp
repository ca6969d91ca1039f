#include "Piece.h"

#include <QPainter>

namespace zindo {

TRemovingPiece::TRemovingPiece(const TPiece& Piece, std::int32_t AX, std::int32_t AY)
    : Picture(Piece.Bitmap.convertToFormat(QImage::Format_BGR888)), Column(Piece.Column), Row(Piece.Row), X(AX),
      Y(AY)
{
    QPainter painter(&Picture);
    painter.fillRect(Picture.rect(), Veil());
}

} // namespace zindo
