#include "DeviceBoard.h"

#include "game/PuzzleClass.h"

#include <cmath>

namespace zindo {

bool TDeviceBoard::Prepare(const TPuzzleClass& Puzzle, double Scale)
{
    const QImage& design = Puzzle.Picture();
    if (design.isNull() || Scale <= 0) {
        Clear();
        return false;
    }
    if (design.cacheKey() == LevelKey && Scale == ForScale && !Composed.isNull())
        return true;
    const QSize size(static_cast<int>(std::lround(design.width() * Scale)),
                     static_cast<int>(std::lround(design.height() * Scale)));
    // Let go of the old picture first: two device-size boards are never kept.
    Composed = QImage();
    Composed = size == design.size() ? design : BoardPictureComposer(Puzzle)(size);
    // 24 bits: three quarters of the memory of 32, and still a fast copy.
    Composed = Composed.convertToFormat(QImage::Format_RGB888);
    LevelKey = design.cacheKey();
    ForScale = Scale;
    PieceSide = Puzzle.PieceSize();
    return true;
}

QRect TDeviceBoard::Cell(std::int32_t Column, std::int32_t Row) const
{
    const auto edge = [this](std::int32_t Index) {
        return static_cast<int>(std::lround(double(Index) * PieceSide * ForScale));
    };
    return QRect(QPoint(edge(Column), edge(Row)), QPoint(edge(Column + 1) - 1, edge(Row + 1) - 1));
}

void TDeviceBoard::Clear()
{
    Composed = QImage();
    LevelKey = 0;
    ForScale = 0;
}

TPictureComposer BoardPictureComposer(const TPuzzleClass& Puzzle)
{
    const QImage source = Puzzle.SourcePicture();
    const QImage texture = Puzzle.BackgroundTexture();
    const TBoardLayout layout = Puzzle.BoardLayout();
    const QImage design = Puzzle.Picture();
    return [source, texture, layout, design](QSize Size) {
        if (source.isNull())
            return design.scaled(Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return ComposeBoardPicture(source, texture, layout, Size);
    };
}

} // namespace zindo
