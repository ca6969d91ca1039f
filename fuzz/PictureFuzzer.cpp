// Level pictures (JPEG or bitmap, chosen by the name) and sprites (bitmaps
// drawn with a transparent colour), as a theme maker may replace them, and
// players' photos through the import, whatever their format: any bytes
// either fail with the picture error or give a picture that lays out on a
// board, scales, greys out and merges, or a level picture of the right size.
#include "FuzzSupport.h"

#include "data/PhotoImport.h"
#include "data/QzBitmap.h"
#include "data/QzError.h"
#include "game/PuzzleClass.h"

#include <QImageReader>

#include <algorithm>

using namespace zindo;
using namespace zindo::fuzz;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Pictures up to 16 MB decoded: a huge size in a tiny file is refused
    // quickly, and the run stays fast.
    QImageReader::setAllocationLimit(16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < 2)
        return 0;
    const int kind = Data[0] % 4;
    const int level = 1 + Data[1] % 10;
    if (kind == 3) {
        QImage photo;
        try {
            photo = TPhotoImport().ConvertData(Bytes(Data + 2, Size - 2), QStringLiteral("photo.png"));
        } catch (const EQzError&) {
            return 0;
        }
        Require(!photo.isNull() && photo.format() == QImage::Format_RGB32, "an imported photo is 32-bit RGB");
        Require(photo.width() >= 1 && photo.height() >= 1 && std::max(photo.width(), photo.height()) <= PhotoLongSide,
                "an imported photo fits the level picture's long side");
        return 0;
    }
    const QString name = kind == 0 ? QStringLiteral("IP0101.jpg") : kind == 1 ? QStringLiteral("IP0101.bmp")
                                                                              : QStringLiteral("izn0.bmp");
    QImage picture;
    try {
        picture = LoadPictureData(Bytes(Data + 2, Size - 2), name);
    } catch (const EQzError&) {
        return 0;
    }
    Require(!picture.isNull() && picture.width() > 0 && picture.height() > 0, "a picture that loads has pixels");

    if (kind < 2) {
        // As the puzzle composes its board from a level picture.
        const std::int32_t pieceSize = PieceSizeForLevel(level);
        const TBoardLayout layout = BoardLayoutFor(picture.width(), picture.height(), MaxBoardSide, pieceSize);
        Require(layout.PictureWidth >= 1 && layout.PictureHeight >= 1, "every side at least one pixel");
        Require(layout.Width % pieceSize == 0 && layout.Height % pieceSize == 0, "whole pieces");
        Require(layout.PictureLeft >= 0 && layout.PictureTop >= 0 &&
                    layout.PictureLeft + layout.PictureWidth <= layout.Width &&
                    layout.PictureTop + layout.PictureHeight <= layout.Height,
                "the picture lies on the board");
        const QImage scaled = picture.convertToFormat(QImage::Format_RGB32)
                                  .scaled(layout.PictureWidth, layout.PictureHeight, Qt::IgnoreAspectRatio,
                                          Qt::SmoothTransformation);
        Require(scaled.width() == layout.PictureWidth && scaled.height() == layout.PictureHeight, "scaled as laid out");
    } else {
        // As the board draws its sprites.
        TQzBitmap sprite(picture);
        sprite.SetPixelFormat(pf24bit);
        sprite.Transparent = true;
        TQzBitmap greyed = sprite;
        greyed.GreyOut();
        TQzBitmap board(QImage(96, 72, QImage::Format_BGR888));
        board.Image.fill(Qt::darkGreen);
        sprite.MergeTransparent(board, int(Data[1]) - 128, 20 - sprite.Height() / 2);
        greyed.MergeTransparent(board, 40 - sprite.Width() / 2, int(Data[1] % 90) - 10);
        Require(board.Width() == 96 && board.Height() == 72, "drawing never resizes the board");
    }
    return 0;
}
