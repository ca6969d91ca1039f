#include "Tutorial.h"

#include "ArtKit.h"
#include "Sprites.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace zindo {

namespace {

const QColor Orange(255, 187, 0);

/// The texts drawn into the pictures, in the language being drawn: the
/// content builder installs a language's translation while it draws that
/// language's pages. Captions of the game's own controls are translated in
/// the game's contexts, so the pictures say what the screens say.
struct TPageText {
    Q_DECLARE_TR_FUNCTIONS(Tutorial)
};

/// The art font of PixelSize, smaller where Text would not fit Width at that
/// size (a translation may run longer than the English the row was made for).
QFont FittingFont(const QString& Text, int PixelSize, bool Bold, double Width)
{
    QFont font = ArtFont(PixelSize, Bold);
    while (PixelSize > 10 && QFontMetricsF(font).horizontalAdvance(Text) > Width)
        font = ArtFont(--PixelSize, Bold);
    return font;
}

/// Art drawn at the pictures' resolution: Art has TutorialScale pixels to
/// each of its drawn ones.
QImage AtPageResolution(QImage Art)
{
    Art.setDevicePixelRatio(TutorialScale);
    return Art;
}

/// A bonus icon of Size drawn pixels.
QImage IconArt(TBonusIcon Icon, int Size)
{
    return AtPageResolution(BonusIconArt(Icon, Size * TutorialScale));
}

QString GameText(const char* Context, const char* Text, int Count = -1)
{
    return QCoreApplication::translate(Context, Text, nullptr, Count);
}

/// The keyboard's cursor as the game draws it: an orange band between two
/// black lines just inside Area, wide where the keys work.
void PaintKeyCursor(QPainter& Painter, const QRectF& Area, bool Active)
{
    const double band = Active ? 3.0 : 1.0;
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setBrush(Qt::NoBrush);
    Painter.setPen(QPen(QColor(0, 0, 0), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    Painter.drawRect(Area.adjusted(0.5, 0.5, -0.5, -0.5));
    Painter.setPen(QPen(Orange, band, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    Painter.drawRect(Area.adjusted(1 + band / 2, 1 + band / 2, -1 - band / 2, -1 - band / 2));
    Painter.setPen(QPen(QColor(0, 0, 0), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    Painter.drawRect(Area.adjusted(1.5 + band, 1.5 + band, -1.5 - band, -1.5 - band));
    Painter.restore();
}

/// Where the playing screen's parts lie, at its design size.
constexpr QPoint BoardOrigin(260, 2);
constexpr QRect PreviewBox(2, 0, 250, 250);
constexpr QRect PotBox(865, 1, 129, 493);
constexpr int BonusTop = 501;
constexpr int BonusStep = 36;
constexpr int ButtonTop = 608;

/// One entry of the pot in a scene.
struct TPotEntry {
    QPoint Piece;                 ///< which piece (column, row of its own cell)
    std::optional<TBonusIcon> Kind; ///< its kind's icon, none for a plain piece
    int Position = 0;             ///< height of its bottom edge above the pot floor
};

/// A piece falling off the board.
struct TFalling {
    QPoint Piece;
    QPoint At; ///< board pixel position of its top-left corner
};

/// A moment of a level, drawn the way the playing screen shows it.
class TScene {
public:
    explicit TScene(const TPhotoSource& Photos)
    {
        Photo = Photos(QStringLiteral("photos/Landscapes/01_EveningGlow.jpg"));
        Board = ComposeBoard(Photo, 120, MakeTableTexture(), TutorialScale);
        Cells.assign(std::size_t(Board.Columns * Board.Rows), std::nullopt);
        Wallpaper = MakeWallpaper();
    }

    int S() const { return Board.PieceSize; }
    void Place(int C, int R) { Cells[std::size_t(C * Board.Rows + R)] = QPoint(C, R); }
    void PlaceWrong(int C, int R, QPoint Piece) { Cells[std::size_t(C * Board.Rows + R)] = Piece; }
    void PlaceAllBut(const std::vector<QPoint>& Empty)
    {
        for (int c = 0; c < Board.Columns; ++c)
            for (int r = 0; r < Board.Rows; ++r)
                if (std::find(Empty.begin(), Empty.end(), QPoint(c, r)) == Empty.end())
                    Place(c, r);
    }

    QImage PieceImage(QPoint Piece) const
    {
        constexpr int k = TutorialScale;
        return AtPageResolution(Board.Picture.copy(Piece.x() * S() * k, Piece.y() * S() * k, S() * k, S() * k));
    }

    /// A cell's rectangle in screen coordinates.
    QRectF CellRect(int C, int R) const
    {
        return QRectF(BoardOrigin.x() + C * S(), BoardOrigin.y() + R * S(), S(), S());
    }
    QRectF PotEntryRect(std::size_t I) const
    {
        const double bottom = PotBox.top() + PotBox.height() - Pot[I].Position;
        return QRectF(PotBox.left() + PotBox.width() - 1 - S(), bottom - S(), S(), S());
    }
    QPointF PotLine() const { return QPointF(PotBox.left(), PotBox.top() + PotBox.height() - (PotBox.height() - S())); }
    QRectF BonusBox(int Index) const { return QRectF(865, BonusTop + Index * BonusStep, 129, 30); }

    void Paint(QPainter& Painter) const
    {
        Painter.save();
        for (int y = -WallpaperSize; y < 700; y += WallpaperSize)
            for (int x = 0; x < 1100; x += WallpaperSize)
                Painter.drawImage(x, y, Wallpaper);

        PaintPreview(Painter);
        PaintReadouts(Painter);
        PaintBoard(Painter);
        PaintPot(Painter);
        PaintBonuses(Painter);
        PaintButtons(Painter);
        Painter.restore();
    }

    TComposedBoard Board;
    QImage Photo;
    QImage Wallpaper;
    std::vector<std::optional<QPoint>> Cells;
    std::vector<TPotEntry> Pot;
    std::array<int, 3> Bonuses = {2, 2, 2}; ///< broom, magic, check; negative = greyed
    int Level = 1;
    int Lives = 3;
    int Score = 0;
    std::optional<TBonusIcon> Mode;
    bool CheckActive = false;
    std::optional<QPoint> Hand;  ///< piece in the hand
    QPointF Pointer;             ///< screen position of the mouse pointer
    std::optional<QPointF> Zindo; ///< board position of the running zindo
    int ZindoFrame = 0;
    std::optional<QPointF> Broom; ///< board position of the broom
    std::vector<TFalling> Falling;
    std::vector<QPoint> Highlight; ///< cells marked with a dashed orange frame
    QString NextCaption;          ///< end-of-level button, empty while playing
    bool Playing = true;

private:
    static void Panel(QPainter& Painter, const QRectF& Box)
    {
        Painter.fillRect(Box, QColor(0, 0, 0));
    }

    void PaintPreview(QPainter& Painter) const
    {
        Panel(Painter, PreviewBox);
        const QSize size = Photo.size().scaled(PreviewBox.size() - QSize(4, 4), Qt::KeepAspectRatio);
        const QImage fit = AtPageResolution(
            Photo.scaled(size * TutorialScale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        Painter.drawImage(PreviewBox.center() - QPoint(size.width() / 2, size.height() / 2) + QPoint(1, 1), fit);
    }

    void PaintReadouts(QPainter& Painter) const
    {
        const auto box = [&](const QRect& Area, const QString& Label, const QString& Value) {
            Panel(Painter, Area);
            Painter.setPen(QColor(255, 255, 255));
            Painter.setFont(ArtFont(16, false));
            Painter.drawText(Area.adjusted(5, 3, -5, -3), Qt::AlignLeft | Qt::AlignTop, Label);
            Painter.setFont(ArtFont(16, true));
            Painter.drawText(Area.adjusted(5, 3, -8, -6), Qt::AlignRight | Qt::AlignBottom, Value);
        };
        box(QRect(3, 338, 94, 57), QCoreApplication::translate("PlayingScreen", "Level"), QString::number(Level));
        box(QRect(100, 338, 96, 57), QCoreApplication::translate("PlayingScreen", "Lives"), QString::number(Lives));
        box(QRect(3, 401, 94, 57), QCoreApplication::translate("PlayingScreen", "Score"), QString::number(Score));
        box(QRect(100, 401, 96, 57), QCoreApplication::translate("PlayingScreen", "Mode"), QString());
        if (Mode)
            Painter.drawImage(148, 418, IconArt(*Mode, 30));
    }

    void PaintBoard(QPainter& Painter) const
    {
        const int W = Board.Columns * S();
        const int H = Board.Rows * S();
        Panel(Painter, QRectF(BoardOrigin.x() - 2, BoardOrigin.y() - 2, W + 4, H + 4));
        QImage board(W * TutorialScale, H * TutorialScale, QImage::Format_RGB32);
        board.setDevicePixelRatio(TutorialScale);
        board.fill(QColor(255, 255, 255));
        QPainter p(&board);
        p.setPen(QPen(QColor(0, 0, 0), 1.0));
        for (int k = 0; k <= Board.Columns; ++k)
            p.drawLine(k * S(), 0, k * S(), H);
        for (int k = 0; k <= Board.Rows; ++k)
            p.drawLine(0, k * S(), W, k * S());
        for (int c = 0; c < Board.Columns; ++c)
            for (int r = 0; r < Board.Rows; ++r)
                if (const auto& piece = Cells[std::size_t(c * Board.Rows + r)]) {
                    p.drawImage(c * S(), r * S(), PieceImage(*piece));
                    if (CheckActive && *piece != QPoint(c, r)) {
                        p.setPen(QPen(QColor(255, 0, 0), 1.0));
                        p.drawLine(c * S(), r * S(), (c + 1) * S(), (r + 1) * S());
                        p.drawLine((c + 1) * S(), r * S(), c * S(), (r + 1) * S());
                    }
                }
        for (const TFalling& f : Falling) {
            // Every other drawn pixel grey, as the game dims a falling piece.
            QImage dotted = PieceImage(f.Piece);
            constexpr int k = TutorialScale;
            for (int y = 0; y < dotted.height(); y += 2 * k)
                for (int x = 0; x < dotted.width(); x += 2 * k)
                    for (int dy = 0; dy < k; ++dy)
                        for (int dx = 0; dx < k; ++dx)
                            dotted.setPixel(x + dx, y + dy, qRgb(128, 128, 128));
            p.drawImage(f.At, dotted);
        }
        if (Broom)
            p.drawImage(*Broom, AtPageResolution(BroomArt(TutorialScale)));
        if (Zindo)
            p.drawImage(*Zindo, AtPageResolution(RunningZindoArt(ZindoFrame, TutorialScale)));
        p.end();
        Painter.drawImage(BoardOrigin, board);
        for (const QPoint& cell : Highlight) {
            Painter.save();
            Painter.setRenderHint(QPainter::Antialiasing);
            Painter.setPen(QPen(Orange, 4.0, Qt::DashLine));
            Painter.setBrush(QColor(255, 187, 0, 40));
            Painter.drawRect(CellRect(cell.x(), cell.y()).adjusted(3, 3, -3, -3));
            Painter.restore();
        }
        if (Hand) {
            Painter.drawImage(Pointer - QPointF(S() / 2, S() / 2), PieceImage(*Hand));
            PaintPointer(Painter, Pointer);
        }
    }

    static void PaintPointer(QPainter& Painter, QPointF Tip)
    {
        QPainterPath arrow;
        arrow.moveTo(Tip);
        arrow.lineTo(Tip + QPointF(0.0, 19.0));
        arrow.lineTo(Tip + QPointF(4.5, 14.5));
        arrow.lineTo(Tip + QPointF(8.0, 22.0));
        arrow.lineTo(Tip + QPointF(11.0, 20.5));
        arrow.lineTo(Tip + QPointF(7.5, 13.5));
        arrow.lineTo(Tip + QPointF(13.5, 13.5));
        arrow.closeSubpath();
        Painter.save();
        Painter.setRenderHint(QPainter::Antialiasing);
        Painter.setPen(QPen(QColor(0, 0, 0), 1.2));
        Painter.setBrush(QColor(255, 255, 255));
        Painter.drawPath(arrow);
        Painter.restore();
    }

    void PaintPot(QPainter& Painter) const
    {
        Panel(Painter, QRectF(864, 0, 131, 495));
        for (std::size_t i = 0; i < Pot.size(); ++i) {
            const QRectF r = PotEntryRect(i);
            Painter.drawImage(r.topLeft(), PieceImage(Pot[i].Piece));
            Painter.setPen(QPen(QColor(255, 255, 255), 1.0));
            Painter.setBrush(Qt::NoBrush);
            Painter.drawRect(r);
            if (Pot[i].Kind)
                Painter.drawImage(QPointF(PotBox.left(), r.bottom() - 30.0), IconArt(*Pot[i].Kind, 30));
        }
        Painter.setPen(QPen(QColor(255, 0, 0), 1.0));
        const QPointF line = PotLine();
        Painter.drawLine(line, line + QPointF(PotBox.width() - 1, 0.0));
    }

    void PaintBonuses(QPainter& Painter) const
    {
        static constexpr std::array<TBonusIcon, 3> icons = {biCleanup, biAutoDrop, biCheck};
        for (int i = 0; i < 3; ++i) {
            Panel(Painter, BonusBox(i).adjusted(-1, -1, 1, 1));
            const int count = Bonuses[std::size_t(i)];
            QImage icon = IconArt(icons[std::size_t(i)], 30);
            if (count < 0) {
                QPainter dim(&icon);
                dim.setCompositionMode(QPainter::CompositionMode_SourceAtop);
                dim.fillRect(icon.rect(), QColor(0, 0, 0, 130));
            }
            for (int k = 0; k < std::abs(count); ++k)
                Painter.drawImage(BonusBox(i).topLeft() + QPointF(k * 32.0, 0.0), icon);
        }
    }

    void PaintButtons(QPainter& Painter) const
    {
        PaintButton(Painter, QRectF(2, ButtonTop, 87, 25), QCoreApplication::translate("PlayingScreen", "Menu"));
        if (Playing)
            PaintButton(Painter, QRectF(90, ButtonTop, 135, 25), QCoreApplication::translate("PlayingScreen", "Pause"));
        if (!NextCaption.isEmpty()) {
            PaintButton(Painter, QRectF(418, ButtonTop, 216, 25), NextCaption);
            PaintButton(Painter, QRectF(636, ButtonTop, 216, 25), QCoreApplication::translate("PlayingScreen", "Save..."));
        }
        if (Playing && !Hand)
            PaintButton(Painter, QRectF(864, ButtonTop, 135, 25), QCoreApplication::translate("PlayingScreen", "Next"));
    }

public:
    /// The game's flat button: dark face, orange frame and caption, shadow.
    static void PaintButton(QPainter& Painter, const QRectF& Box, const QString& Caption)
    {
        Painter.save();
        Painter.setRenderHint(QPainter::Antialiasing, false);
        const QRectF face(Box.left(), Box.top(), Box.width() - 4, Box.height() - 4);
        Painter.fillRect(QRectF(Box.left() + 3, Box.top() + 3, Box.width() - 3, Box.height() - 3), QColor(0, 0, 0, 90));
        Painter.fillRect(face, QColor(48, 48, 48));
        Painter.setPen(QPen(Orange, 1.0));
        Painter.drawRect(face.adjusted(0, 0, -1, -1));
        Painter.setFont(ArtFont(16, true));
        Painter.drawText(face, Qt::AlignCenter, Caption);
        Painter.restore();
    }
};

/// The callout's text size: PixelSize, or a little smaller where that lets
/// every line of Text fit Width as written (a translation may run longer than
/// the English the callout was made for); where even that is too long, the
/// callout breaks the line.
int CalloutPixelSize(const QString& Text, double Width, int PixelSize)
{
    const int smallest = PixelSize - 2;
    const QStringList given = Text.split(QLatin1Char('\n'));
    const auto fits = [&](int Size) {
        for (qsizetype i = 0; i < given.size(); ++i)
            if (QFontMetricsF(ArtFont(Size, i == 0)).horizontalAdvance(given[i]) > Width - 20.0)
                return false;
        return true;
    };
    for (int size = PixelSize; size >= smallest; --size)
        if (fits(size))
            return size;
    return PixelSize;
}

/// Draws a callout at TopLeft, Width wide, and an arrow from its nearest edge
/// to Target.
void Label(QPainter& Painter, QPointF TopLeft, double Width, const QString& Text, QPointF Target, int PixelSize = 17)
{
    PixelSize = CalloutPixelSize(Text, Width, PixelSize);
    const QRectF box = CalloutBox(TopLeft, Width, Text, PixelSize);
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    QPointF from;
    if (Target.x() < box.left())
        from = QPointF(box.left(), std::clamp(Target.y(), box.top() + 12, box.bottom() - 12));
    else if (Target.x() > box.right())
        from = QPointF(box.right(), std::clamp(Target.y(), box.top() + 12, box.bottom() - 12));
    else if (Target.y() < box.top())
        from = QPointF(std::clamp(Target.x(), box.left() + 12, box.right() - 12), box.top());
    else
        from = QPointF(std::clamp(Target.x(), box.left() + 12, box.right() - 12), box.bottom());
    Painter.setPen(QPen(QColor(0, 0, 0, 150), 6.0, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(from, Target);
    Painter.setPen(QPen(Orange, 3.0, Qt::SolidLine, Qt::RoundCap));
    DrawArrow(Painter, from, Target, 14.0);
    Painter.restore();
    DrawCallout(Painter, box, Text, PixelSize);
}

/// A bare callout without an arrow.
void Note(QPainter& Painter, QPointF TopLeft, double Width, const QString& Text, int PixelSize = 17)
{
    PixelSize = CalloutPixelSize(Text, Width, PixelSize);
    DrawCallout(Painter, CalloutBox(TopLeft, Width, Text, PixelSize), Text, PixelSize);
}

/// A number in an orange disc, marking the order of steps.
void StepMark(QPainter& Painter, QPointF Centre, int Number)
{
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setPen(QPen(QColor(0, 0, 0), 2.0));
    Painter.setBrush(Orange);
    Painter.drawEllipse(Centre, 15.0, 15.0);
    Painter.setPen(QColor(0, 0, 0));
    Painter.setFont(ArtFont(20, true));
    Painter.drawText(QRectF(Centre.x() - 15, Centre.y() - 15, 30, 30), Qt::AlignCenter, QString::number(Number));
    Painter.restore();
}

QImage NewPage()
{
    QImage page(TutorialWidth * TutorialScale, TutorialHeight * TutorialScale, QImage::Format_RGB32);
    page.setDevicePixelRatio(TutorialScale);
    page.fill(QColor(50, 50, 50));
    QPainter painter(&page);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage wall = MakeWallpaper();
    for (int y = 0; y < TutorialHeight; y += WallpaperSize)
        for (int x = 0; x < TutorialWidth; x += WallpaperSize)
            painter.drawImage(x, y, wall);
    return page;
}

/// A level well under way: every piece on its own square but those in the
/// pot, in the hand and the Open ones.
TScene LevelScene(const TPhotoSource& Photos, std::vector<TPotEntry> Pot, const std::vector<QPoint>& Open)
{
    TScene scene(Photos);
    std::vector<QPoint> empty = Open;
    for (const TPotEntry& entry : Pot)
        empty.push_back(entry.Piece);
    scene.PlaceAllBut(empty);
    scene.Pot = std::move(Pot);
    scene.Score = 4628;
    return scene;
}

/// Paints the scene moved by Shift (screen to page coordinates).
void PaintScene(QPainter& Painter, const TScene& Scene, QPointF Shift)
{
    Painter.save();
    Painter.translate(Shift);
    Scene.Paint(Painter);
    Painter.restore();
}

// Page 1: the whole playing screen and its parts.
QImage PageOverview(const TPhotoSource& Photos)
{
    QImage page = NewPage();
    TScene scene = LevelScene(Photos, {{QPoint(1, 1), std::nullopt, -1}, {QPoint(3, 0), biAutoDrop, 122},
                                       {QPoint(2, 2), std::nullopt, 300}},
                              {QPoint(0, 3), QPoint(4, 2)});
    QPainter painter(&page);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double k = 0.78;
    const QPointF offset(6.0, 8.0);
    painter.save();
    painter.translate(offset);
    painter.scale(k, k);
    scene.Paint(painter);
    painter.restore();
    const auto at = [&](double X, double Y) { return offset + QPointF(X, Y) * k; };

    Label(painter, {818, 40}, 186, TPageText::tr("The pot\nNew pieces drop\nin here one by one"), at(994, 300));
    Label(painter, {818, 380}, 186, TPageText::tr("Bonuses\nBroom, Use Magic\nand Check"), at(997, 552));
    Label(painter, {290, 408}, 290, TPageText::tr("The board\nRebuild the picture here"), at(600, 330));
    Label(painter, {10, 206}, 196, TPageText::tr("The picture\nas it should be"), at(127, 200));
    Label(painter, {8, 384}, 200, TPageText::tr("Your game\nLevel, lives, score and\nthe piece in your hand"),
          at(150, 440));
    return page;
}

// Page 2: take a piece from the pot, drop it on the board.
QImage PageTakeAndDrop(const TPhotoSource& Photos)
{
    QImage page = NewPage();
    TScene scene = LevelScene(Photos, {{QPoint(1, 1), std::nullopt, -1}, {QPoint(2, 2), std::nullopt, 250}},
                              {QPoint(4, 1), QPoint(0, 3)});
    scene.Hand = QPoint(4, 1);
    scene.Highlight = {QPoint(4, 1)};
    scene.Pointer = scene.CellRect(3, 1).center() + QPointF(-10.0, 20.0);
    const QPointF shift(-250.0, 0.0);
    QPainter painter(&page);
    PaintScene(painter, scene, shift);
    const QRectF target = scene.CellRect(4, 1).translated(shift);
    const QPointF potSpot = scene.PotEntryRect(1).center() + shift;

    // The way the piece goes: out of the pot, onto its square.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 3.0, Qt::DashLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(potSpot + QPointF(-30.0, 30.0));
    path.quadTo(QPointF(potSpot.x() - 80.0, potSpot.y() + 150.0), scene.Pointer + shift + QPointF(40.0, 40.0));
    painter.drawPath(path);
    painter.restore();
    StepMark(painter, potSpot, 1);
    StepMark(painter, target.bottomRight() + QPointF(-22.0, -22.0), 2);

    Label(painter, {770, 196}, 234, TPageText::tr("1  Take a piece\nClick a piece in the pot:\nit sticks to the pointer."),
          potSpot + QPointF(44.0, 0.0));
    Label(painter, {150, 400}, 330, TPageText::tr("2  Drop it\nClick a free square. Right or\nwrong, the piece stays there."),
          target.bottomLeft() + QPointF(40.0, -8.0));
    Label(painter, {770, 20}, 234, TPageText::tr("Entry line\nNew pieces appear\nabove the red line."),
          scene.PotLine() + shift + QPointF(126.0, 0.0));
    return page;
}

// Page 3: lifting pieces again, and the pot that must not stay full.
QImage PageMoveAndHurry(const TPhotoSource& Photos)
{
    QImage page = NewPage();
    TScene scene = LevelScene(Photos, {{QPoint(1, 3), std::nullopt, -1}, {QPoint(3, 2), std::nullopt, 122},
                                       {QPoint(4, 1), biSlow, 245}, {QPoint(0, 3), std::nullopt, 368}},
                              {QPoint(2, 3)});
    scene.PlaceWrong(2, 3, QPoint(4, 0));
    scene.Cells[std::size_t(4 * scene.Board.Rows + 0)] = std::nullopt;
    scene.Highlight = {QPoint(2, 3)};
    const QPointF shift(-250.0, 0.0);
    QPainter painter(&page);
    PaintScene(painter, scene, shift);
    Label(painter, {30, 20}, 330, TPageText::tr("Wrong place?\nClick a placed piece to lift it again;\nthen the pieces come faster."),
          scene.CellRect(2, 3).translated(shift).center() + QPointF(-20.0, -40.0));
    Label(painter, {770, 150}, 234, TPageText::tr("Pot full?\nWhen no new piece fits\nin for 10 seconds, you are\ntoo slow: the level is lost."),
          scene.PotEntryRect(2).center() + shift + QPointF(62.0, 0.0));
    Label(painter, {770, 330}, 234, TPageText::tr("Hurry!\nThe pieces tremble\nwhile time runs out."),
          scene.PotEntryRect(0).center() + shift + QPointF(62.0, 0.0));
    return page;
}

// Page 4: the special pieces and their icons.
QImage PageSpecialPieces(const TPhotoSource& Photos)
{
    QImage page = NewPage();
    TScene scene = LevelScene(Photos, {{QPoint(1, 3), biAutoDrop, -1}, {QPoint(3, 2), biChangeDrop, 122},
                                       {QPoint(4, 1), biCleanup, 245}, {QPoint(1, 1), biDeath, 368}},
                              {});
    QPainter painter(&page);
    painter.save();
    painter.setClipRect(QRectF(14, 0, 160, TutorialHeight));
    PaintScene(painter, scene, QPointF(-850.0, 8.0));
    painter.restore();

    struct TRow {
        TBonusIcon Icon;
        const char* Title;
        const char* Text;
    };
    static const std::array<TRow, 5> rows = {{
        {biAutoDrop, QT_TRANSLATE_NOOP("Tutorial", "Auto-drop"), QT_TRANSLATE_NOOP("Tutorial", "Drop it anywhere on the board: it jumps to its own square.")},
        {biChangeDrop, QT_TRANSLATE_NOOP("Tutorial", "Change-drop"), QT_TRANSLATE_NOOP("Tutorial", "May be dropped on a taken square: the piece there falls off.")},
        {biCleanup, QT_TRANSLATE_NOOP("Tutorial", "Broom"), QT_TRANSLATE_NOOP("Tutorial", "Placed like any other piece.")},
        {biSlow, QT_TRANSLATE_NOOP("Tutorial", "Snail"), QT_TRANSLATE_NOOP("Tutorial", "Placed like any other piece.")},
        {biDeath, QT_TRANSLATE_NOOP("Tutorial", "Risk"), QT_TRANSLATE_NOOP("Tutorial", "The zindo's piece: win a bonus - or lose one! See the next page.")},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double top = 14.0 + double(i) * 98.0;
        const QRectF box(200.0, top, 796.0, 84.0);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(255, 187, 0, 170), 1.5));
        painter.setBrush(QColor(0, 0, 0, 210));
        painter.drawRoundedRect(box, 8, 8);
        painter.restore();
        painter.drawImage(QPointF(box.left() + 12.0, top + 12.0), IconArt(rows[i].Icon, 60));
        painter.setPen(Orange);
        const QString title = TPageText::tr(rows[i].Title);
        painter.setFont(FittingFont(title, 22, true, 680.0));
        painter.drawText(QRectF(box.left() + 90.0, top + 10.0, 680.0, 30.0), Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setPen(QColor(255, 255, 255));
        const QString text = TPageText::tr(rows[i].Text);
        painter.setFont(FittingFont(text, 18, false, 690.0));
        painter.drawText(QRectF(box.left() + 90.0, top + 42.0, 690.0, 30.0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    return page;
}

// Page 5: the risk piece and the zindo's raid.
QImage PageRisk(const TPhotoSource& Photos)
{
    QImage page = NewPage();
    TScene scene = LevelScene(Photos, {{QPoint(1, 3), std::nullopt, -1}, {QPoint(0, 2), biDeath, 122}},
                              {QPoint(2, 1), QPoint(4, 3)});
    scene.Zindo = QPointF(190.0, 150.0);
    scene.ZindoFrame = 2;
    scene.Falling = {{QPoint(2, 1), QPoint(240, 214)}};
    scene.Lives = 2;
    const QPointF shift(-250.0, 0.0);
    QPainter painter(&page);
    PaintScene(painter, scene, shift);

    // Motion lines behind the zindo.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 3.0, Qt::SolidLine, Qt::RoundCap));
    const QPointF z = QPointF(BoardOrigin) + *scene.Zindo + shift;
    for (int i = 0; i < 3; ++i)
        painter.drawLine(z + QPointF(-64.0 + i * 10.0, 24.0 + i * 14.0), z + QPointF(-6.0, 24.0 + i * 14.0));
    painter.restore();

    Label(painter, {770, 130}, 234, TPageText::tr("Risk piece\nMarked with the zindo's\nangry red face."),
          QPointF(PotBox.left() + 16.0, scene.PotEntryRect(1).bottom() - 16.0) + shift);
    Note(painter, {770, 250}, 234, TPageText::tr("On its own square\nAn extra bonus and\n200 points for you!"));
    Label(painter, {24, 386}, 330,
          TPageText::tr("On a wrong square\nThe zindo storms across the board\nknocking pieces off, and you lose\na bonus - or a life."),
          z + QPointF(60.0, 72.0));
    return page;
}

// Page 6: the three bonuses.
QImage PageBonuses(const TPhotoSource& Photos)
{
    QImage page = NewPage();
    TScene scene = LevelScene(Photos, {{QPoint(0, 0), std::nullopt, -1}, {QPoint(3, 2), biChangeDrop, 122},
                                       {QPoint(4, 3), std::nullopt, 300}},
                              {QPoint(1, 1)});
    scene.PlaceWrong(0, 3, QPoint(1, 1));
    scene.PlaceWrong(2, 2, QPoint(0, 3));
    scene.CheckActive = true;
    scene.Bonuses = {2, 1, 1};
    scene.Mode = biCheck;
    const QPointF shift(-250.0, -122.0);
    QPainter painter(&page);
    PaintScene(painter, scene, shift);

    const auto box = [&](int Index) { return scene.BonusBox(Index).translated(shift); };
    Label(painter, {770, 16}, 234, TPageText::tr("Broom\nSweeps every wrong\npiece off the board."),
          box(0).topLeft() + QPointF(16.0, 6.0));
    Label(painter, {770, 136}, 234, TPageText::tr("Use Magic\nPuts a piece from the\npot on its own square."),
          box(1).topLeft() + QPointF(48.0, 10.0));
    Label(painter, {770, 256}, 234, TPageText::tr("Check\nRed crosses on wrong\npieces for 5 seconds."),
          box(2).topLeft() + QPointF(30.0, 16.0));
    Label(painter, {30, 400}, 330, TPageText::tr("Crossed out: these pieces\nlie on a wrong square."),
          scene.CellRect(0, 3).translated(shift).center() + QPointF(0.0, 20.0));
    Note(painter, {770, 392}, 234, TPageText::tr("Two of each\nat the start of a level;\ngrey while you hold\na piece."));
    return page;
}

// Page 7: levels, lives and points.
QImage PageLevels(const TPhotoSource& Photos)
{
    QImage page = NewPage();
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    painter.setPen(Orange);
    painter.setFont(ArtFont(24, true));
    painter.drawText(QRectF(20, 10, 970, 34), Qt::AlignLeft | Qt::AlignVCenter,
                     TPageText::tr("Ten levels a theme - the pieces get smaller"));
    const std::array<QString, 5> photos = {
        QStringLiteral("photos/Garden/01_Meadow.jpg"), QStringLiteral("photos/Animals/03_LadyBird.jpg"),
        QStringLiteral("photos/Landscapes/04_Aitzgorri.jpg"), QStringLiteral("photos/Curiosities/08_Clock.jpg"),
        QStringLiteral("photos/Landscapes/09_LakeSherburne.jpg")};
    const std::array<const char*, 5> captions = {
        QT_TRANSLATE_NOOP("Tutorial", "Levels 1 and 2"), QT_TRANSLATE_NOOP("Tutorial", "Levels 3 and 4"),
        QT_TRANSLATE_NOOP("Tutorial", "Levels 5 and 6"), QT_TRANSLATE_NOOP("Tutorial", "Levels 7 and 8"),
        QT_TRANSLATE_NOOP("Tutorial", "Levels 9 and 10")};
    for (int i = 0; i < 5; ++i) {
        const int pieces = 5 + i;
        const double w = 176.0;
        const double h = w * 3.0 / 4.0;
        const QRectF frame(20.0 + i * 196.0, 60.0, w, h);
        painter.fillRect(frame.adjusted(-3, -3, 3, 3), QColor(0, 0, 0));
        painter.drawImage(frame, Photos(photos[std::size_t(i)]));
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
        const double cell = w / pieces;
        for (int k = 1; k < pieces; ++k)
            painter.drawLine(QPointF(frame.left() + k * cell, frame.top()), QPointF(frame.left() + k * cell, frame.bottom()));
        for (double y = frame.top() + cell; y < frame.bottom() - 1.0; y += cell)
            painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
        painter.setPen(QColor(255, 255, 255));
        painter.setFont(ArtFont(16, true));
        painter.drawText(QRectF(frame.left(), frame.bottom() + 6, w, 22), Qt::AlignCenter, TPageText::tr(captions[std::size_t(i)]));
        painter.setFont(ArtFont(15, false));
        painter.drawText(QRectF(frame.left(), frame.bottom() + 28, w, 22), Qt::AlignCenter,
                         TPageText::tr("%n pieces along", nullptr, pieces));
    }

    // The read-outs and what the score is made of.
    Note(painter, {20, 270}, 300,
         TPageText::tr("Three lives a level\nA risk lost with no bonus\nleft costs a life. With no\nlife left, the level is lost.\n\nSolve a level to go on\nto the next one."));
    const QRectF points(340, 270, 650, 226);
    painter.save();
    painter.setPen(QPen(Orange, 2.0));
    painter.setBrush(QColor(0, 0, 0, 215));
    painter.drawRoundedRect(points, 7, 7);
    painter.restore();
    painter.setPen(Orange);
    painter.setFont(ArtFont(17, true));
    painter.drawText(QRectF(points.left() + 12, points.top() + 6, 600, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     TPageText::tr("Points for a solved level"));
    const std::array<std::pair<const char*, const char*>, 6> table = {{
        {QT_TRANSLATE_NOOP("Tutorial", "Level solved"), "1000"},
        {QT_TRANSLATE_NOOP("Tutorial", "Each piece you set right"), "+100"},
        {QT_TRANSLATE_NOOP("Tutorial", "Each risk won"), "+200"},
        {QT_TRANSLATE_NOOP("Tutorial", "Speed bonus: each second to spare"), "+11"},
        {QT_TRANSLATE_NOOP("Tutorial", "Each piece set on a wrong square"), "-100"},
        {QT_TRANSLATE_NOOP("Tutorial", "Level not solved: you try it again"), "-100"},
    }};
    painter.setFont(ArtFont(17, false));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double y = points.top() + 38.0 + double(i) * 30.0;
        painter.setPen(i == table.size() - 1 ? QColor(255, 140, 120) : QColor(255, 255, 255));
        painter.drawText(QRectF(points.left() + 12, y, 480, 26), Qt::AlignLeft | Qt::AlignVCenter,
                         TPageText::tr(table[i].first));
        painter.setFont(ArtFont(17, true));
        painter.drawText(QRectF(points.right() - 140, y, 120, 26), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromLatin1(table[i].second));
        painter.setFont(ArtFont(17, false));
    }
    return page;
}

// Page 8: the end of a level.
QImage PageLevelEnd(const TPhotoSource& Photos)
{
    QImage page = NewPage();
    TScene scene(Photos);
    scene.PlaceAllBut({});
    scene.Playing = false;
    scene.Bonuses = {0, 0, 0};
    scene.NextCaption = QCoreApplication::translate("PlayingScreen", "Next Level");
    scene.Score = 4628;
    const QPointF shift(-250.0, -161.0);
    QPainter painter(&page);
    PaintScene(painter, scene, shift);

    // The message panel with the verdict, below the screen.
    const QRectF panel(0, 633 + shift.y(), TutorialWidth, 39);
    painter.fillRect(panel, QColor(0, 0, 0));
    painter.drawImage(QRectF(panel.left() + 2, panel.top() + 2, 55, 35),
                      ZindoHeadArt(55 * TutorialScale, 35 * TutorialScale));
    painter.setPen(QColor(255, 255, 255));
    painter.setFont(ArtFont(16, true));
    painter.drawText(panel.adjusted(64, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("PlayingScreen", "Perfect - you are ready for the next level"));

    // The points dialog.
    const QRectF form(40, 14, 303, 294);
    painter.fillRect(form.translated(6, 6), QColor(0, 0, 0, 110));
    painter.fillRect(form, QColor(0, 0, 0));
    painter.fillRect(QRectF(form.left(), form.top(), form.width(), 24), QColor(60, 60, 66));
    painter.setPen(QColor(230, 230, 230));
    painter.setFont(ArtFont(14, true));
    painter.drawText(QRectF(form.left() + 8, form.top(), 200, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("zindo::TPointsCongratulationForm", "Congratulations"));
    const QRectF client(form.left(), form.top() + 24, form.width(), form.height() - 24);
    // The rows as the game words them for these counts.
    const std::array<std::pair<QString, const char*>, 6> rows = {{
        {GameText("PuzzlePointsCounter", "Level successfully completed"), "1000"},
        {GameText("PuzzlePointsCounter", "%n Zindo risk taken", 1), "200"},
        {GameText("PuzzlePointsCounter", "%n pieces set correctly", 16), "1600"},
        {GameText("PuzzlePointsCounter", "Speed Bonus"), "330"},
        {GameText("PuzzlePointsCounter", "%n pieces set incorrectly", 0), "0"},
        {GameText("zindo::TPointsCongratulationForm", "Total"), "3130"},
    }};
    painter.setPen(QColor(255, 255, 255));
    painter.setFont(ArtFont(14, false));
    painter.drawText(QRectF(client.left() + 10, client.top() + 14, 272, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QCoreApplication::translate("zindo::TPointsCongratulationForm", "Points"));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double y = client.top() + (i + 1 < rows.size() ? 42.0 + 24.0 * double(i) : 162.0);
        painter.setFont(ArtFont(14, i + 1 == rows.size()));
        painter.drawText(QRectF(client.left() + 10, y, 200, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         rows[i].first);
        painter.drawText(QRectF(client.left() + 182, y, 100, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromLatin1(rows[i].second));
    }
    TScene::PaintButton(painter, QRectF(client.left() + 74, client.top() + 200, 145, 33), QCoreApplication::translate("zindo::TAbstractQzDialogForm", "OK"));

    Label(painter, {770, 200}, 234, TPageText::tr("Solved!\nYour points are added;\ngo on, or save the game\nand play on later."),
          QPointF(636 + 120, ButtonTop - 3) + shift); // onto the button's top edge, clear of its caption
    Note(painter, {770, 16}, 234,
         TPageText::tr("Not solved?\nA wrong board, too slow,\nno lives left, or the level\nleft through the menu:\n100 points off, try again."));
    return page;
}

// Page 9: the keyboard and the gamepad.
QImage PageKeys(const TPhotoSource& Photos)
{
    QImage page = NewPage();
    // The right of the playing screen: a piece taken with the keys lies on
    // the board's cursor, the pot's cursor waits on the next piece.
    TScene scene = LevelScene(Photos, {{QPoint(1, 1), std::nullopt, -1}, {QPoint(2, 2), std::nullopt, 122}},
                              {QPoint(4, 1), QPoint(0, 3)});
    const QPointF shift(-560.0, 9.0);
    QPainter painter(&page);
    painter.save();
    painter.setClipRect(QRectF(0, 0, 438, TutorialHeight));
    PaintScene(painter, scene, shift);
    painter.restore();
    const QRectF cursor = scene.CellRect(3, 1).translated(shift);
    painter.drawImage(cursor.topLeft(), scene.PieceImage(QPoint(4, 1)));
    PaintKeyCursor(painter, cursor, true);
    PaintKeyCursor(painter, scene.PotEntryRect(0).translated(shift), false);
    Label(painter, {8, 330}, 260, TPageText::tr("The board's cursor\nThe arrows move the piece\nin your hand square by square."),
          cursor.center() + QPointF(0.0, 44.0));
    Label(painter, {120, 420}, 170, TPageText::tr("The pot's cursor\nUp and Down choose."),
          scene.PotEntryRect(0).center() + shift + QPointF(-20.0, 30.0));

    // What each key and button does.
    painter.setPen(Orange);
    painter.setFont(ArtFont(24, true));
    painter.drawText(QRectF(452, 6, 550, 34), Qt::AlignLeft | Qt::AlignVCenter,
                     TPageText::tr("Playing with keys or a gamepad"));
    const QRectF frame(452, 44, 550, 460);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Orange, 2.0));
    painter.setBrush(QColor(0, 0, 0, 215));
    painter.drawRoundedRect(frame, 7, 7);
    painter.restore();
    struct TRow {
        const char* Action;
        const char* Keys;
        const char* Pad;
    };
    static const std::array<TRow, 12> table = {{
        {QT_TRANSLATE_NOOP("Tutorial", "Choose a piece in the pot"), QT_TRANSLATE_NOOP("Tutorial", "Up, Down"),
         QT_TRANSLATE_NOOP("Tutorial", "D-pad, stick")},
        {QT_TRANSLATE_NOOP("Tutorial", "Take, drop or lift a piece"), QT_TRANSLATE_NOOP("Tutorial", "Space, Enter"), "A"},
        {QT_TRANSLATE_NOOP("Tutorial", "Move the board's cursor"), QT_TRANSLATE_NOOP("Tutorial", "Arrow keys"),
         QT_TRANSLATE_NOOP("Tutorial", "D-pad, stick")},
        {QT_TRANSLATE_NOOP("Tutorial", "Pot to board and back"), QT_TRANSLATE_NOOP("Tutorial", "Left, Right"),
         QT_TRANSLATE_NOOP("Tutorial", "Left, Right")},
        {QT_TRANSLATE_NOOP("Tutorial", "Put the piece back"), "Esc", "B"},
        {QT_TRANSLATE_NOOP("Tutorial", "Broom"), "B", "X"},
        {QT_TRANSLATE_NOOP("Tutorial", "Use Magic"), "M", "Y"},
        {QT_TRANSLATE_NOOP("Tutorial", "Check"), "C", QT_TRANSLATE_NOOP("Tutorial", "Left shoulder")},
        {QT_TRANSLATE_NOOP("Tutorial", "Next piece now"), "N", QT_TRANSLATE_NOOP("Tutorial", "Right shoulder")},
        {QT_TRANSLATE_NOOP("Tutorial", "Pause and go on"), "P", QT_TRANSLATE_NOOP("Tutorial", "Back")},
        {QT_TRANSLATE_NOOP("Tutorial", "The menu"), QT_TRANSLATE_NOOP("Tutorial", "Esc, empty hand"),
         QT_TRANSLATE_NOOP("Tutorial", "Start")},
        {QT_TRANSLATE_NOOP("Tutorial", "Buttons, other screens"), QT_TRANSLATE_NOOP("Tutorial", "Tab, Enter, Esc"),
         QT_TRANSLATE_NOOP("Tutorial", "D-pad, A, B")},
    }};
    const double actionWidth = 250.0;
    const double keysWidth = 150.0;
    const double padWidth = 120.0;
    const double left = frame.left() + 12.0;
    painter.setPen(Orange);
    painter.setFont(ArtFont(17, true));
    painter.drawText(QRectF(left + actionWidth, frame.top() + 6, keysWidth, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     TPageText::tr("Keyboard"));
    painter.drawText(QRectF(left + actionWidth + keysWidth, frame.top() + 6, padWidth, 26),
                     Qt::AlignLeft | Qt::AlignVCenter, TPageText::tr("Gamepad"));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double y = frame.top() + 38.0 + double(i) * 34.5;
        const QString action = TPageText::tr(table[i].Action);
        const QString keys = TPageText::tr(table[i].Keys);
        const QString pad = TPageText::tr(table[i].Pad);
        painter.setPen(QColor(255, 255, 255));
        painter.setFont(FittingFont(action, 17, false, actionWidth - 8.0));
        painter.drawText(QRectF(left, y, actionWidth - 8.0, 28), Qt::AlignLeft | Qt::AlignVCenter, action);
        painter.setPen(Orange);
        painter.setFont(FittingFont(keys, 17, true, keysWidth - 8.0));
        painter.drawText(QRectF(left + actionWidth, y, keysWidth - 8.0, 28), Qt::AlignLeft | Qt::AlignVCenter, keys);
        painter.setFont(FittingFont(pad, 17, true, padWidth - 4.0));
        painter.drawText(QRectF(left + actionWidth + keysWidth, y, padWidth - 4.0, 28),
                         Qt::AlignLeft | Qt::AlignVCenter, pad);
    }
    return page;
}

} // namespace

QImage MakeTutorialPicture(int Page, const TPhotoSource& Photos)
{
    switch (Page) {
    case 1: return PageOverview(Photos);
    case 2: return PageTakeAndDrop(Photos);
    case 3: return PageMoveAndHurry(Photos);
    case 4: return PageSpecialPieces(Photos);
    case 5: return PageRisk(Photos);
    case 6: return PageBonuses(Photos);
    case 7: return PageLevels(Photos);
    case 8: return PageLevelEnd(Photos);
    case 9: return PageKeys(Photos);
    default: return QImage();
    }
}

} // namespace zindo
