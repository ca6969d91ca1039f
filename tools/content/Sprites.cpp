#include "Sprites.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace zindo {

namespace {

constexpr double Pi = 3.14159265358979323846;

/// A furry outline: an ellipse whose edge is made of pointed tufts. The tuft
/// lengths vary a little (seeded), so the fur does not look stamped.
QPainterPath FurBlob(QPointF Centre, double RadiusX, double RadiusY, int Tufts, double Depth, std::uint32_t Seed,
                     double Rotation = 0.0)
{
    TArtRandom random(Seed);
    QPainterPath path;
    const double cr = std::cos(Rotation);
    const double sr = std::sin(Rotation);
    const auto point = [&](double Angle, double Radius) {
        const double x = std::cos(Angle) * RadiusX * Radius;
        const double y = std::sin(Angle) * RadiusY * Radius;
        return Centre + QPointF(x * cr - y * sr, x * sr + y * cr);
    };
    const double step = 2.0 * Pi / Tufts;
    path.moveTo(point(0.0, 1.0 - Depth));
    for (int i = 0; i < Tufts; ++i) {
        const double a = i * step;
        const double tip = 1.0 + Depth * random.Between(0.45, 1.0);
        const double lean = step * random.Between(0.15, 0.35);
        path.quadTo(point(a + step * 0.3, 1.0 + Depth * 0.1), point(a + step * 0.5 + lean, tip));
        path.quadTo(point(a + step * 0.8, 1.0 - Depth * 0.1), point(a + step, 1.0 - Depth));
    }
    path.closeSubpath();
    return path;
}

void PaintEye(QPainter& Painter, QPointF Centre, double RadiusX, double RadiusY, QPointF Look, const QColor& Iris,
              const QColor& Outline, double Line)
{
    Painter.setPen(QPen(Outline, Line));
    Painter.setBrush(QColor(252, 250, 240));
    Painter.drawEllipse(Centre, RadiusX, RadiusY);
    const double r = std::min(RadiusX, RadiusY) * 0.58;
    const QPointF pupil = Centre + QPointF(Look.x() * RadiusX * 0.38, Look.y() * RadiusY * 0.3);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Iris);
    Painter.drawEllipse(pupil, r, r);
    Painter.setBrush(QColor(10, 8, 6));
    Painter.drawEllipse(pupil, r * 0.62, r * 0.62);
    Painter.setBrush(QColor(255, 255, 255));
    Painter.drawEllipse(pupil + QPointF(-r * 0.35, -r * 0.4), r * 0.28, r * 0.28);
}

QRadialGradient FurGradient(const TZindoLook& Look, QPointF Light, double Radius)
{
    QRadialGradient gradient(Light, Radius);
    gradient.setColorAt(0.0, Look.FurLight);
    gradient.setColorAt(0.55, Look.Fur);
    gradient.setColorAt(1.0, Look.FurDark);
    return gradient;
}

/// One leg from hip to foot with a bent knee, drawn as a thick furry stroke.
void PaintLeg(QPainter& Painter, QPointF Hip, QPointF Foot, bool Front, const QColor& Fur, const QColor& Outline)
{
    const QPointF mid = (Hip + Foot) / 2.0;
    const QPointF knee = mid + QPointF(Front ? -3.0 : 3.0, -1.0);
    QPainterPath leg;
    leg.moveTo(Hip);
    leg.quadTo(knee, Foot);
    Painter.setBrush(Qt::NoBrush);
    Painter.setPen(QPen(Outline, 8.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Painter.drawPath(leg);
    Painter.setPen(QPen(Fur, 5.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Painter.drawPath(leg);
    Painter.setPen(QPen(Outline, 1.3));
    Painter.setBrush(Fur.darker(135));
    Painter.drawEllipse(Foot + QPointF(Front ? 2.0 : 1.0, 0.5), 5.2, 3.0);
}

void PaintEar(QPainter& Painter, QPointF Base1, QPointF Base2, QPointF Tip, const TZindoLook& Look, double Line)
{
    QPainterPath ear;
    ear.moveTo(Base1);
    ear.quadTo((Base1 + Tip) / 2.0 + QPointF(-1.5, 0.0), Tip);
    ear.quadTo((Base2 + Tip) / 2.0 + QPointF(1.5, 0.0), Base2);
    ear.closeSubpath();
    Painter.setPen(QPen(Look.Outline, Line));
    Painter.setBrush(Look.Fur);
    Painter.drawPath(ear);
    const QPointF inner1 = Base1 + (Tip - Base1) * 0.25 + (Base2 - Base1) * 0.2;
    const QPointF inner2 = Base2 + (Tip - Base2) * 0.25 + (Base1 - Base2) * 0.2;
    const QPointF innerTip = Tip + (Base1 + Base2 - 2.0 * Tip) * 0.22;
    QPainterPath inner;
    inner.moveTo(inner1);
    inner.lineTo(innerTip);
    inner.lineTo(inner2);
    inner.closeSubpath();
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Look.Angry ? QColor(255, 150, 120) : QColor(236, 140, 128));
    Painter.drawPath(inner);
}

} // namespace

TZindoLook TZindoLook::Raging()
{
    TZindoLook look;
    look.Fur = QColor(222, 38, 30);
    look.FurLight = QColor(255, 120, 86);
    look.FurDark = QColor(132, 8, 8);
    look.Outline = QColor(60, 0, 0);
    look.Angry = true;
    return look;
}

void PaintRunningZindo(QPainter& Painter, int Frame, const TZindoLook& Look)
{
    Frame = ((Frame % 4) + 4) % 4;
    const double bob = (Frame % 2 == 1) ? -2.5 : 0.0;
    const double phaseA = Frame * Pi / 2.0;
    const double phaseB = phaseA + Pi;
    const double ground = 65.0;
    const auto foot = [&](QPointF Hip, double Phase) {
        return QPointF(Hip.x() + 11.0 * std::cos(Phase), ground - 7.0 * std::max(0.0, std::sin(Phase)));
    };

    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);

    // Far legs first: darker, behind the body.
    const QPointF farFront(60.0, 46.0 + bob), farBack(33.0, 46.0 + bob);
    const QPointF nearFront(54.0, 49.0 + bob), nearBack(28.0, 49.0 + bob);
    PaintLeg(Painter, farFront, foot(farFront, phaseB), true, Look.FurDark, Look.Outline);
    PaintLeg(Painter, farBack, foot(farBack, phaseA), false, Look.FurDark, Look.Outline);

    // A bushy tail that bounces with the stride.
    static constexpr std::array<double, 4> wag = {0.0, -3.0, 0.0, 2.0};
    const QPainterPath tail = FurBlob(QPointF(11.0, 22.0 + bob + wag[std::size_t(Frame)]), 7.5, 12.5, 13, 0.22,
                                      41u, -0.55);
    Painter.setPen(QPen(Look.Outline, 1.4));
    Painter.setBrush(FurGradient(Look, QPointF(8.0, 16.0 + bob), 16.0));
    Painter.drawPath(tail);

    // Ears behind the top of the body.
    PaintEar(Painter, QPointF(31.0, 20.0 + bob), QPointF(41.0, 16.0 + bob), QPointF(27.0, 1.5 + bob), Look, 1.4);
    PaintEar(Painter, QPointF(45.0, 15.0 + bob), QPointF(55.0, 16.0 + bob), QPointF(49.0, 0.5 + bob), Look, 1.4);

    // The round furry body, which is also the head.
    const QPainterPath body = FurBlob(QPointF(43.0, 36.0 + bob), 25.0, 21.5, 30, 0.12, 7u);
    Painter.setPen(QPen(Look.Outline, 1.6));
    Painter.setBrush(FurGradient(Look, QPointF(52.0, 25.0 + bob), 34.0));
    Painter.drawPath(body);
    Painter.setPen(Qt::NoPen);
    QColor belly = Look.FurLight;
    belly.setAlpha(120);
    Painter.setBrush(belly);
    Painter.drawEllipse(QPointF(47.0, 46.0 + bob), 13.0, 7.5);

    // Near legs over the body.
    PaintLeg(Painter, nearBack, foot(nearBack, phaseB), false, Look.Fur, Look.Outline);
    PaintLeg(Painter, nearFront, foot(nearFront, phaseA), true, Look.Fur, Look.Outline);

    // The face looks where it runs.
    const QColor iris = Look.Angry ? QColor(250, 200, 0) : QColor(120, 70, 20);
    PaintEye(Painter, QPointF(54.0, 30.0 + bob), 6.0, 7.4, QPointF(1.0, 0.1), iris, Look.Outline, 1.3);
    PaintEye(Painter, QPointF(65.5, 29.0 + bob), 5.0, 6.8, QPointF(1.0, 0.1), iris, Look.Outline, 1.3);
    Painter.setPen(QPen(Look.Outline, 2.4, Qt::SolidLine, Qt::RoundCap));
    if (Look.Angry) {
        Painter.drawLine(QPointF(48.0, 20.0 + bob), QPointF(58.0, 24.0 + bob));
        Painter.drawLine(QPointF(62.0, 23.5 + bob), QPointF(70.0, 19.5 + bob));
    } else {
        Painter.drawLine(QPointF(48.5, 21.5 + bob), QPointF(57.5, 20.0 + bob));
        Painter.drawLine(QPointF(62.0, 19.0 + bob), QPointF(69.5, 21.5 + bob));
    }
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Look.Outline);
    Painter.drawEllipse(QPointF(70.5, 36.5 + bob), 2.6, 2.0);
    QPainterPath mouth;
    mouth.moveTo(55.0, 40.5 + bob);
    mouth.quadTo(62.0, 48.5 + bob, 69.5, 40.0 + bob);
    mouth.quadTo(62.0, 44.0 + bob, 55.0, 40.5 + bob);
    Painter.setPen(QPen(Look.Outline, 1.3));
    Painter.setBrush(QColor(120, 20, 20));
    Painter.drawPath(mouth);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(255, 255, 250));
    QPainterPath fang;
    fang.moveTo(63.0, 43.6 + bob);
    fang.lineTo(66.6, 42.6 + bob);
    fang.lineTo(64.6, 46.4 + bob);
    fang.closeSubpath();
    Painter.drawPath(fang);
    Painter.restore();
}

void PaintZindoHead(QPainter& Painter, const QRectF& Box, const TZindoLook& Look)
{
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.translate(Box.topLeft());
    Painter.scale(Box.width() / 100.0, Box.height() / 100.0);
    const double line = 2.4;

    PaintEar(Painter, QPointF(14.0, 42.0), QPointF(38.0, 24.0), QPointF(10.0, 2.0), Look, line);
    PaintEar(Painter, QPointF(62.0, 24.0), QPointF(86.0, 42.0), QPointF(90.0, 2.0), Look, line);

    const QPainterPath head = FurBlob(QPointF(50.0, 57.0), 41.0, 38.0, 34, 0.1, 19u);
    Painter.setPen(QPen(Look.Outline, line));
    Painter.setBrush(FurGradient(Look, QPointF(42.0, 40.0), 58.0));
    Painter.drawPath(head);

    // Rim light on the upper left, so the head stands out from a black ground.
    Painter.setPen(QPen(QColor(255, 230, 180, Look.Angry ? 70 : 110), 2.2));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawArc(QRectF(13.0, 21.0, 74.0, 72.0), 100 * 16, 70 * 16);

    QColor cheek = Look.Angry ? QColor(255, 60, 40, 90) : QColor(255, 120, 110, 95);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(cheek);
    Painter.drawEllipse(QPointF(24.0, 70.0), 8.0, 5.0);
    Painter.drawEllipse(QPointF(76.0, 70.0), 8.0, 5.0);

    const QColor iris = Look.Angry ? QColor(250, 200, 0) : QColor(120, 70, 20);
    PaintEye(Painter, QPointF(34.0, 52.0), 12.5, 14.5, QPointF(0.35, 0.25), iris, Look.Outline, line);
    PaintEye(Painter, QPointF(66.0, 52.0), 12.5, 14.5, QPointF(0.35, 0.25), iris, Look.Outline, line);

    Painter.setPen(QPen(Look.Outline, 5.5, Qt::SolidLine, Qt::RoundCap));
    if (Look.Angry) {
        Painter.drawLine(QPointF(20.0, 30.0), QPointF(44.0, 40.0));
        Painter.drawLine(QPointF(56.0, 40.0), QPointF(80.0, 30.0));
    } else {
        Painter.drawLine(QPointF(21.0, 34.0), QPointF(42.0, 31.0));
        Painter.drawLine(QPointF(58.0, 29.0), QPointF(79.0, 33.0));
    }

    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Look.Outline);
    Painter.drawEllipse(QPointF(50.0, 68.0), 4.5, 3.2);

    QPainterPath mouth;
    mouth.moveTo(30.0, 75.0);
    mouth.quadTo(50.0, 96.0, 70.0, 75.0);
    mouth.quadTo(50.0, 83.0, 30.0, 75.0);
    Painter.setPen(QPen(Look.Outline, line));
    Painter.setBrush(QColor(110, 16, 16));
    Painter.drawPath(mouth);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(255, 255, 250));
    for (const double x : {40.0, 60.0}) {
        QPainterPath fang;
        const double top = 79.0;
        fang.moveTo(x - 4.0, top);
        fang.lineTo(x + 4.0, top);
        fang.lineTo(x, top + (Look.Angry ? 10.0 : 7.0));
        fang.closeSubpath();
        Painter.drawPath(fang);
    }
    Painter.restore();
}

QImage RunningZindoArt(int Frame, double Scale, const TZindoLook& Look)
{
    const int w = int(std::lround(ZindoFrameWidth * Scale));
    const int h = int(std::lround(ZindoFrameHeight * Scale));
    return Supersampled(w, h, 4, [&](QPainter& Painter) {
        Painter.scale(Scale, Scale);
        PaintRunningZindo(Painter, Frame, Look);
    });
}

QImage MakeZindoFrame(int Frame)
{
    return ToKeyedSprite(RunningZindoArt(Frame, 1.0));
}

QImage ZindoHeadArt(int Width, int Height, const TZindoLook& Look)
{
    return Supersampled(Width, Height, 4, [&](QPainter& Painter) {
        PaintZindoHead(Painter, QRectF(0.0, 0.0, Width, Height), Look);
    });
}

namespace {

/// A broom in a 56 x 100 unit box: the handle leans to the upper right, the
/// straw fans out at the bottom left.
void PaintBroom(QPainter& Painter)
{
    Painter.setRenderHint(QPainter::Antialiasing);
    const QPointF top(49.0, 3.0), neck(24.0, 62.0);
    QLinearGradient wood(QPointF(44.0, 0.0), QPointF(50.0, 2.0));
    wood.setColorAt(0.0, QColor(196, 134, 70));
    wood.setColorAt(1.0, QColor(120, 70, 30));
    Painter.setPen(QPen(QColor(60, 30, 10), 7.0, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(top, neck);
    Painter.setPen(QPen(QColor(176, 112, 52), 4.6, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(top, neck);
    Painter.setPen(QPen(QColor(226, 170, 104), 1.4, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(top + QPointF(-1.2, 1.5), neck + QPointF(-1.4, -2.0));

    // The straw: a fan of strands inside a fan-shaped outline.
    QPainterPath straw;
    straw.moveTo(17.0, 60.0);
    straw.lineTo(31.0, 65.0);
    straw.quadTo(42.0, 82.0, 40.0, 98.0);
    straw.quadTo(20.0, 99.0, 2.0, 90.0);
    straw.quadTo(7.0, 72.0, 17.0, 60.0);
    straw.closeSubpath();
    QLinearGradient hay(QPointF(24.0, 60.0), QPointF(20.0, 98.0));
    hay.setColorAt(0.0, QColor(238, 206, 110));
    hay.setColorAt(1.0, QColor(204, 156, 60));
    Painter.setPen(QPen(QColor(96, 62, 14), 1.6));
    Painter.setBrush(hay);
    Painter.drawPath(straw);
    Painter.setPen(QPen(QColor(150, 104, 30), 1.0));
    for (int i = 0; i < 9; ++i) {
        const double t = i / 8.0;
        const QPointF from(19.0 + 10.0 * t, 65.0 + 2.0 * t);
        const QPointF to(5.0 + 33.0 * t, 91.0 + 6.0 * t - 4.0 * t * t);
        Painter.drawLine(from, to);
    }
    // The red binding where straw meets the handle.
    QPainterPath band;
    band.moveTo(15.5, 61.0);
    band.lineTo(32.0, 66.5);
    band.lineTo(30.5, 71.5);
    band.lineTo(13.0, 66.0);
    band.closeSubpath();
    Painter.setPen(QPen(QColor(70, 10, 10), 1.2));
    Painter.setBrush(QColor(200, 40, 36));
    Painter.drawPath(band);
}

} // namespace

QImage BroomArt(double Scale)
{
    const int w = int(std::lround(56 * Scale));
    const int h = int(std::lround(100 * Scale));
    return Supersampled(w, h, 4, [&](QPainter& Painter) {
        Painter.scale(Scale, Scale);
        PaintBroom(Painter);
    });
}

QImage MakeBroomSprite()
{
    return ToKeyedSprite(BroomArt(1.0));
}

const char* BonusIconName(TBonusIcon Icon)
{
    switch (Icon) {
    case biAutoDrop: return "BMP_BONUS_AUTODROP";
    case biChangeDrop: return "BMP_BONUS_CHANGEDROP";
    case biCheck: return "BMP_BONUS_CHECK";
    case biCleanup: return "BMP_BONUS_CLEANUP";
    case biDeath: return "BMP_BONUS_DEATH";
    case biSlow: return "BMP_BONUS_SLOW";
    }
    return "";
}

namespace {

void PaintStar(QPainter& Painter, QPointF Centre, double Radius, const QColor& Colour)
{
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double a = i * Pi / 4.0 - Pi / 2.0;
        const double r = (i % 2 == 0) ? Radius : Radius * 0.32;
        const QPointF p = Centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Colour);
    Painter.drawPath(star);
}

void PaintAutoDrop(QPainter& Painter)
{
    // A square cell with a target in it, and a bold arrow diving into it.
    const QRectF cell(2.5, 10.5, 17.0, 17.0);
    Painter.setPen(QPen(QColor(110, 190, 255), 2.2));
    Painter.setBrush(QColor(40, 90, 160, 150));
    Painter.drawRoundedRect(cell, 2.0, 2.0);
    Painter.setPen(QPen(QColor(255, 187, 0), 1.6));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawEllipse(cell.center(), 5.0, 5.0);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(255, 187, 0));
    Painter.drawEllipse(cell.center(), 2.0, 2.0);
    Painter.setPen(QPen(QColor(20, 60, 10), 6.2, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(QPointF(27.0, 3.0), QPointF(17.5, 12.5));
    Painter.setPen(QPen(QColor(90, 230, 80), 3.6, Qt::SolidLine, Qt::RoundCap));
    DrawArrow(Painter, QPointF(27.0, 3.0), QPointF(12.5, 17.5), 8.5);
    PaintStar(Painter, QPointF(25.0, 22.5), 4.6, QColor(255, 250, 200));
}

void PaintChangeDrop(QPainter& Painter)
{
    // Two arrows chasing each other round a circle: swap.
    const QRectF ring(5.0, 5.0, 20.0, 20.0);
    Painter.setBrush(Qt::NoBrush);
    Painter.setPen(QPen(QColor(255, 176, 0), 3.4, Qt::SolidLine, Qt::FlatCap));
    Painter.drawArc(ring, 200 * 16, -150 * 16);
    Painter.setPen(QPen(QColor(96, 196, 255), 3.4, Qt::SolidLine, Qt::FlatCap));
    Painter.drawArc(ring, 20 * 16, -150 * 16);
    const auto head = [&](double AngleDegrees, const QColor& Colour) {
        const double a = AngleDegrees * Pi / 180.0;
        const QPointF tip(15.0 + 10.0 * std::cos(a), 15.0 - 10.0 * std::sin(a));
        const QPointF tangent(std::sin(a), std::cos(a)); // clockwise direction
        const QPointF normal(std::cos(a), -std::sin(a));
        QPainterPath path;
        path.moveTo(tip + tangent * 5.5);
        path.lineTo(tip + normal * 5.0 - tangent * 1.5);
        path.lineTo(tip - normal * 5.0 - tangent * 1.5);
        path.closeSubpath();
        Painter.setPen(Qt::NoPen);
        Painter.setBrush(Colour);
        Painter.drawPath(path);
    };
    head(50.0, QColor(255, 176, 0));
    head(230.0, QColor(96, 196, 255));
    Painter.setBrush(QColor(255, 255, 255));
    Painter.drawEllipse(QPointF(15.0, 15.0), 2.2, 2.2);
}

void PaintCheck(QPainter& Painter)
{
    QPainterPath tick;
    tick.moveTo(4.0, 16.0);
    tick.lineTo(11.5, 24.0);
    tick.lineTo(26.5, 6.0);
    Painter.setBrush(Qt::NoBrush);
    Painter.setPen(QPen(QColor(10, 70, 20), 7.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Painter.drawPath(tick);
    Painter.setPen(QPen(QColor(70, 220, 80), 4.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Painter.drawPath(tick);
    Painter.setPen(QPen(QColor(200, 255, 190), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath shine;
    shine.moveTo(5.0, 15.2);
    shine.lineTo(11.3, 22.2);
    Painter.drawPath(shine);
}

void PaintCleanup(QPainter& Painter)
{
    Painter.save();
    Painter.translate(1.0, 0.0);
    Painter.scale(0.3, 0.3);
    PaintBroom(Painter);
    Painter.restore();
    // Dust puffs swept away.
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(200, 200, 200, 170));
    Painter.drawEllipse(QPointF(22.0, 26.0), 3.0, 2.0);
    Painter.drawEllipse(QPointF(26.5, 23.0), 2.2, 1.6);
    Painter.drawEllipse(QPointF(25.5, 27.5), 1.6, 1.2);
}

void PaintSlow(QPainter& Painter)
{
    // A snail creeping to the right.
    QPainterPath body;
    body.moveTo(2.0, 26.5);
    body.quadTo(4.0, 22.0, 12.0, 22.5);
    body.lineTo(22.0, 21.5);
    body.quadTo(25.0, 14.0, 27.5, 17.0);
    body.quadTo(29.5, 21.0, 27.0, 25.5);
    body.quadTo(15.0, 28.5, 2.0, 26.5);
    body.closeSubpath();
    Painter.setPen(QPen(QColor(60, 80, 30), 1.2));
    Painter.setBrush(QColor(190, 220, 130));
    Painter.drawPath(body);
    Painter.setPen(QPen(QColor(60, 80, 30), 1.2, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(QPointF(25.0, 16.0), QPointF(23.5, 9.0));
    Painter.drawLine(QPointF(27.0, 16.5), QPointF(28.5, 10.0));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(40, 40, 30));
    Painter.drawEllipse(QPointF(23.5, 9.0), 1.4, 1.4);
    Painter.drawEllipse(QPointF(28.5, 10.0), 1.4, 1.4);

    QRadialGradient shell(QPointF(10.0, 11.0), 11.0);
    shell.setColorAt(0.0, QColor(250, 190, 100));
    shell.setColorAt(1.0, QColor(170, 86, 30));
    Painter.setPen(QPen(QColor(80, 36, 10), 1.3));
    Painter.setBrush(shell);
    Painter.drawEllipse(QPointF(13.0, 14.5), 9.0, 8.5);
    QPainterPath spiral;
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        const double a = t * 2.6 * Pi;
        const double r = 1.0 + 6.0 * t;
        const QPointF p(13.0 + std::cos(a) * r, 14.5 + std::sin(a) * r * 0.95);
        if (i == 0)
            spiral.moveTo(p);
        else
            spiral.lineTo(p);
    }
    Painter.setBrush(Qt::NoBrush);
    Painter.setPen(QPen(QColor(90, 40, 10), 1.4));
    Painter.drawPath(spiral);
}

} // namespace

void PaintBonusIcon(QPainter& Painter, TBonusIcon Icon)
{
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    switch (Icon) {
    case biAutoDrop: PaintAutoDrop(Painter); break;
    case biChangeDrop: PaintChangeDrop(Painter); break;
    case biCheck: PaintCheck(Painter); break;
    case biCleanup: PaintCleanup(Painter); break;
    case biDeath: PaintZindoHead(Painter, QRectF(0.5, 0.5, 29.0, 29.0), TZindoLook::Raging()); break;
    case biSlow: PaintSlow(Painter); break;
    }
    Painter.restore();
}

QImage BonusIconArt(TBonusIcon Icon, int Size)
{
    return Supersampled(Size, Size, 4, [&](QPainter& Painter) {
        Painter.scale(Size / double(BonusIconSize), Size / double(BonusIconSize));
        PaintBonusIcon(Painter, Icon);
    });
}

QImage MakeBonusIcon(TBonusIcon Icon)
{
    QImage art = BonusIconArt(Icon, BonusIconSize);
    // The bottom-left pixel carries the transparent colour: keep it clear.
    art.setPixel(0, BonusIconSize - 1, 0);
    return ToKeyedSprite(art, QColor(0, 0, 0));
}

} // namespace zindo
