// The playing screen's views: each pass composes the views that are due and
// paints only the places where something changed.

#include "PlayingScreen.h"

#include "BoardPainter.h"
#include "DevicePicture.h"
#include "PaintBox.h"
#include "PictureBox.h"
#include "SceneView.h"

#include "data/QzBitmapCache.h"
#include "game/Game.h"

#include <QCursor>
#include <QPainter>

namespace zindo {

namespace {

/// Rectangles that overlap or nearly touch joined into one, until none do.
std::vector<QRect> MergeNeighbours(std::vector<QRect> Rects)
{
    constexpr int near = 8;
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t i = 0; i < Rects.size() && !joined; ++i)
            for (std::size_t j = i + 1; j < Rects.size() && !joined; ++j)
                if (Rects[i].adjusted(-near, -near, near, near).intersects(Rects[j])) {
                    Rects[i] |= Rects[j];
                    Rects.erase(Rects.begin() + static_cast<std::ptrdiff_t>(j));
                    joined = true;
                }
    }
    return Rects;
}

} // namespace

void TPlayingScreen::RequestRepaint(std::uint8_t Parts)
{
    PendingRepaint |= Parts;
    Host.WakeIdlePass();
}

void TPlayingScreen::FlushPendingRepaints()
{
    if (PendingRepaint == 0)
        return;
    const std::uint8_t mask = PendingRepaint;
    struct TClear {
        std::uint8_t& Mask;
        ~TClear() { Mask = 0; }
    } clear{PendingRepaint};
    FlushRepaints(mask);
}

void TPlayingScreen::FlushRepaints(std::uint8_t Mask)
{
    // The views due are composed now, in this pass, and each is copied to
    // the screen at once: one after the other, since a scaled scene repaints
    // the whole area spanning the parts it is given together.
    if (Mask & RepaintBoard) {
        // Only what changed is painted again: the cells whose piece changed
        // and the places the layers leave and take, one group of
        // neighbouring places at a time; the whole board for another level,
        // the pause or the preview's end.
        TBoardViewLayout layout = LayOutBoardView(Session.Puzzle(), BoardView->size(), BoardPointer(), Random);
        const std::vector<QRect> changed = MergeNeighbours(layout.ChangedRects(BoardLayout));
        BoardLayout = std::move(layout);
        for (const QRect& part : changed) {
            BoardView->update(part);
            TSceneView::PaintNow(*this);
        }
    }
    if (Mask & RepaintPot) {
        // The pot asks for a repaint at every game step; only the entries
        // that moved are painted again, and nothing when none did.
        TPotLayout layout = LayOutPot(Session.Puzzle(), PotView->size(), Random);
        const std::vector<QRect> changed = MergeNeighbours(layout.ChangedRects(PotLayout));
        PotLayout = std::move(layout);
        for (const QRect& part : changed) {
            PotView->update(part);
            TSceneView::PaintNow(*this);
        }
    }
    if (Mask & RepaintBonus) {
        // A box whose count stays looks the same.
        const TPuzzleClass& puzzle = Session.Puzzle();
        bool changed = false;
        for (TShownBonus& bonus : ShownBonuses) {
            const std::int32_t count = puzzle.BonusCount(bonus.Slot);
            if (count != bonus.Count) {
                bonus.Count = count;
                bonus.Box->update();
                changed = true;
            }
        }
        if (changed)
            TSceneView::PaintNow(*this);
    }
    UpdatePlayControls();
}

void TPlayingScreen::Leave()
{
    BoardPicture.Clear();
    PreviewImage->SetPicture(QImage());
}

QPoint TPlayingScreen::BoardPointer() const
{
    if (CursorsVisible)
        return BoardCursorCentre();
    return BoardView->mapFromGlobal(QCursor::pos());
}

void TPlayingScreen::PaintBoardView(QPainter& Painter, const QRegion& Exposed)
{
    if (BoardLayout.Size != BoardView->size())
        BoardLayout = LayOutBoardView(Session.Puzzle(), BoardView->size(), BoardPointer(), Random);
    BoardPicture.Prepare(Session.Puzzle(), DeviceScale(Painter));
    zindo::PaintBoardView(Painter, BoardLayout, &BoardPicture, &BoardSprites, Exposed);
    PaintBoardCursor(Painter);
}

void TPlayingScreen::PaintPotView(QPainter& Painter, const QRegion& Exposed)
{
    if (PotLayout.Size != PotView->size())
        PotLayout = LayOutPot(Session.Puzzle(), PotView->size(), Random);
    BoardPicture.Prepare(Session.Puzzle(), DeviceScale(Painter));
    zindo::PaintPotView(Painter, PotLayout, &BoardPicture, &PotIcons, Exposed);
    PaintPotCursor(Painter);
}

void TPlayingScreen::PaintModeIcon(QPainter& Painter)
{
    const char* name = nullptr;
    switch (ShownModeIcon) {
    case miNone:
        return;
    case miRisk:
        name = "BMP_BONUS_DEATH";
        break;
    case miCheck:
        name = "BMP_BONUS_CHECK";
        break;
    case miChangeDrop:
        name = "BMP_BONUS_CHANGEDROP";
        break;
    }
    const TQzBitmap* icon = BitmapCache().GetBitmap(QLatin1String(name));
    if (!icon)
        return;
    // Copied onto a black ground with the icon's transparent colour left out.
    QImage work(ModeIconView->size(), QImage::Format_RGB32);
    work.fill(Qt::black);
    icon->MergeTransparent(work, 0, 0);
    Painter.drawImage(0, 0, work);
}

} // namespace zindo
