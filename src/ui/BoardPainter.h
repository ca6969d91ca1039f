#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QPainter;

namespace zindo {

class TDeviceBoard;
class TDevicePictureSet;
class TPuzzleClass;
class TRandomGenerator;

/// One ray of a sparkle: from (X, Y), Length pixels long at Angle grads
/// (400 to the circle), in one of seven colours (Mask: blue 1, green 2, red 4).
struct TSparkleRay {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Length = 0;
    std::int32_t Angle = 0;
    std::uint32_t Mask = 7;
};

/// What the board view shows, decided once for a picture of the board (the
/// sparkle's rays are drawn by chance): the board's picture (white cells with
/// the grid, the pale preview while it lasts, the pieces lying on the board
/// and the check's crosses), and on top of it the falling pieces, the piece
/// in hand (only while Pointer lies on the board: within both the box and
/// the board's pixels), the broom, the zindo and the sparkle; a black
/// "PAUSED" screen while the level is paused. Everything is in board pixels.
struct TBoardViewLayout {
    struct TLayer {
        QImage Picture;           ///< drawn with its transparency
        QPoint At;                ///< its top-left corner on the board
        QPoint Piece{-1, -1};     ///< for a piece: its own cell, where its picture is cut; (-1, -1) for a sprite
        bool Dimmed = false;      ///< a falling piece, under TRemovingPiece's veil
    };
    /// A piece lying on the board.
    struct TCell {
        QPoint At;            ///< the cell it lies in
        QPoint Piece;         ///< its own cell, where its picture is cut
        bool Crossed = false; ///< the check marks it wrong
        bool operator==(const TCell& Other) const;
    };
    QSize Size;                       ///< the view's size
    QImage Board;                     ///< the board's picture as the puzzle renders it; empty = no board, all black
    qint64 Level = 0;                 ///< cache key of the level's picture: the level shown
    bool Paused = false;              ///< black with "PAUSED"
    bool Pale = false;                ///< empty cells show the pale preview
    std::int32_t PieceSize = 0;       ///< side of a cell
    std::int32_t Columns = 0;         ///< cells across
    std::int32_t Rows = 0;            ///< cells down
    std::vector<TCell> Cells;         ///< the pieces on the board, column by column
    std::vector<TLayer> Layers;       ///< bottom first
    std::vector<TSparkleRay> Sparkle; ///< rays added on top of the layers; none = no sparkle
    /// Where the layers and the sparkle lie, within the board, one rectangle each.
    std::vector<QRect> LayerRects() const;
    /// Where this layout looks different from Before, which is on the
    /// screen: the cells whose piece or cross changed and the places the
    /// layers leave and take; the whole view when the level, the size, the
    /// pause or the preview changed.
    std::vector<QRect> ChangedRects(const TBoardViewLayout& Before) const;
};

/// The board view's layout, read from the puzzle without changing it.
TBoardViewLayout LayOutBoardView(const TPuzzleClass& Puzzle, QSize BoxSize, QPoint Pointer, TRandomGenerator& Random);

/// Paints the board view from its layout through Painter, in the board's own
/// pixels. With Board ready at the painter's scale, the board, its pieces and
/// the pieces over it are drawn at the device's resolution from Board's
/// picture; otherwise from the layout's pictures. Sprites, when given, keeps
/// the sprites over the board at the device's resolution, so that a scaled
/// view scales them only when they change; Exposed, when given, is the part
/// of the view that needs painting.
void PaintBoardView(QPainter& Painter, const TBoardViewLayout& Layout, const TDeviceBoard* Board = nullptr,
                    TDevicePictureSet* Sprites = nullptr, const QRegion& Exposed = QRegion());

/// The board view as a 24-bit picture of the board's size: a layout drawn at
/// once; empty without a board.
QImage ComposeBoardView(const TPuzzleClass& Puzzle, QSize BoxSize, QPoint Pointer, TRandomGenerator& Random);

/// Where the paused board view writes "PAUSED" (white Arial, 32 points on a
/// 96-dpi picture) on a board of BoardSize: centred on it. The in-game menu, shown over a paused
/// board, covers it when centred on the board.
QRect PausedTextRect(QSize BoardSize);

/// Where the pot view draws what, decided once for a picture of the pot (the
/// trembling of the pieces is drawn by chance); equal layouts look the same.
struct TPotLayout {
    struct TEntry {
        QImage Piece;          ///< the piece's picture; empty = outline only
        QPoint PieceCell{-1, -1}; ///< the piece's own cell, where its picture is cut; (-1, -1) without a piece
        QRect Box;             ///< where the piece and its white outline go
        std::uint8_t Kind = 0; ///< the entry's kind (TPieceKind)
        QImage Icon;           ///< the kind's icon, transparent where it is not; empty = none
        QPoint IconAt;         ///< the icon's top-left corner, at the pot's left edge
        bool operator==(const TEntry& Other) const;
        /// Where the entry draws: its piece, outline and icon.
        QRect Area() const;
    };
    QSize Size;                  ///< the view's size
    bool Blank = true;           ///< only black: paused, or no room
    std::vector<TEntry> Entries; ///< from the oldest entry up
    int LineY = 0;               ///< the red line where entries come in
    bool operator==(const TPotLayout& Other) const;
    /// Where this layout looks different from Before, which is on the
    /// screen: the places each changed entry leaves and takes; the whole view
    /// when an entry came or went, or the size, the line or the blank
    /// changed. Nothing when the two look the same.
    std::vector<QRect> ChangedRects(const TPotLayout& Before) const;
};

/// The pot view's layout: each entry's piece with a white outline (trembling
/// while time runs out), the kind icons at the left edge and the red entry
/// line; blank while the level is paused.
TPotLayout LayOutPot(const TPuzzleClass& Puzzle, QSize BoxSize, TRandomGenerator& Random);

/// Paints the pot view from its layout through Painter, on black. With Board
/// ready at the painter's scale the pieces and their outlines are drawn at
/// the device's resolution from Board's picture; Icons, when given, keeps the
/// kind icons at the device's resolution. With Exposed, only what lies there:
/// the part of the view that needs painting.
void PaintPotView(QPainter& Painter, const TPotLayout& Layout, const TDeviceBoard* Board = nullptr,
                  TDevicePictureSet* Icons = nullptr, const QRegion& Exposed = QRegion());

/// The pot view as a picture: a layout drawn at once.
QImage ComposePotView(const TPuzzleClass& Puzzle, QSize BoxSize, TRandomGenerator& Random);

/// A bonus box: |Count| icons from the bitmap cache, 2 pixels apart, the
/// greyed "_INACTIVE" icons when Count is negative; black when Count is 0.
/// Count is meant to be TPuzzleClass::BonusCount, which is 0 whenever the level
/// is not being played, so the boxes of a paused or ended level are black (the
/// puzzle asks for their repaint when the level ends).
QImage ComposeBonusBox(QSize BoxSize, const QString& IconName, std::int32_t Count);

/// A burst of seven rays of random length, angle and colour around (X, Y).
/// New values at every call, so it flickers.
std::array<TSparkleRay, 7> SparkleRays(std::int32_t X, std::int32_t Y, TRandomGenerator& Random);

/// Adds a ray onto the 24- or 32-bit Bitmap, fading to nothing, clipped to the
/// bitmap: it starts at (StartX, StartY) and is Scale times as long as the
/// ray, with its fade spread over that length (a ray drawn at the device's
/// resolution, Scale device pixels to a board pixel).
void DrawSparkleRay(QImage& Bitmap, const TSparkleRay& Ray, double StartX, double StartY, double Scale);

/// The seven rays of SparkleRays, added onto the 24-bit Bitmap.
void DrawSparkle(QImage& Bitmap, std::int32_t X, std::int32_t Y, TRandomGenerator& Random);

/// One ray from (X, Y), Length pixels long at Angle grads, in one of seven
/// colours drawn by chance, fading to nothing; clipped to the bitmap.
void DrawSparkleRay(QImage& Bitmap, std::int32_t X, std::int32_t Y, std::int32_t Length, std::int32_t Angle,
                    TRandomGenerator& Random);

} // namespace zindo
