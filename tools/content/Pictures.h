#pragma once

#include <QImage>
#include <QPainterPath>
#include <QString>

#include <functional>

namespace zindo {

/// Where the drawings find the photographs they are made from: a function
/// that loads an image from the assets folder by its relative path (for
/// example "photos/Garden/01_Meadow.jpg") and notes it as an input.
using TPhotoSource = std::function<QImage(const QString& Relative)>;

/// Sizes fixed by the screens that show the pictures.
inline constexpr int TitleWidth = 1011;
inline constexpr int TitleHeight = 600;
inline constexpr int TableTextureSize = 640;
inline constexpr int WallpaperSize = 256;

/// The wooden table under every board (IPBK): darkly varnished planks, big
/// enough for the largest board of 600 x 600.
QImage MakeTableTexture();

/// The wallpaper tiled behind every screen (ibk): dark grey with faint
/// jigsaw seams; it repeats without a visible edge.
QImage MakeWallpaper();

/// The main screen's picture (iss): a puzzle being laid on a night sky while
/// the zindo runs off with a piece. The top left stays calm for the title
/// the game writes there, the bottom right for the high-score box.
QImage MakeTitlePicture(const TPhotoSource& Photos);

/// The puzzle maker's placeholder for a level without a picture (IBROKEN).
QImage MakeMissingPicture();

/// The game's emblem, the zindo's head, 113 x 117 with transparency.
QImage MakeEmblem();

/// The window icon, 64 x 64 with transparency.
QImage MakeWindowIcon();

/// The same icon drawn afresh at Size x Size (the desktop's icon theme sizes).
QImage MakeProgramIcon(int Size);

/// The two small pictures of the display choice at the first start, 150 x
/// 112: the game filling a screen, and the game in a window on a desktop.
QImage MakeStartupPicture(bool FullScreen, const QImage& Title);

/// A board picture made the way the game makes one: the photograph scaled so
/// its long side is the board's long side less 15 pixels, centred with a grey
/// shadow on the table texture, the board a whole number of pieces. The sizes
/// are the game's; the picture has Scale times their pixels (its device pixel
/// ratio is Scale), for drawings made at a higher resolution.
struct TComposedBoard {
    QImage Picture;  ///< the board picture, Scale times the board's size
    int PieceSize = 0;
    int Columns = 0;
    int Rows = 0;
};
TComposedBoard ComposeBoard(const QImage& Photo, int PieceSize, const QImage& Texture, int Scale = 1);

/// A jigsaw-piece outline in the unit square, with a knob or hole on each side:
/// +1 knob out, -1 hole in, 0 flat; sides top, right, bottom, left.
QPainterPath JigsawPiece(double Size, int Top, int Right, int Bottom, int Left);

} // namespace zindo
