// The graphic button's pixels: face, frame and caption colours, the shadow that
// darkens the parent beneath it, the pressed shift and the hover look.

#include "controls/QzGraphicButton.h"
#include "controls/QzTransparentButton.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace zindo;

namespace {

constexpr int BX = 10;  // where the button sits on its parent
constexpr int BY = 12;

/// A parent of one known colour with a 145 x 33 button on it.
struct TButtonOnParent
{
    std::unique_ptr<QWidget> Parent;
    TQzGraphicButton* Button;
    QColor Background;

    explicit TButtonOnParent(QColor ABackground, bool Transparent = false)
        : Parent(std::make_unique<QWidget>()), Background(ABackground)
    {
        Parent->resize(180, 60);
        QPalette palette = Parent->palette();
        palette.setColor(QPalette::Window, Background);
        Parent->setPalette(palette);
        Parent->setAutoFillBackground(true);
        Button = Transparent ? new TQzTransparentButton(QStringLiteral("OK"), Parent.get())
                             : new TQzGraphicButton(QStringLiteral("OK"), Parent.get());
        Button->setGeometry(BX, BY, 145, 33);
    }

    /// The parent with the button, as painted; pixel (X, Y) in button coordinates.
    QImage Grab() const { return Parent->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static QColor At(const QImage& Image, int X, int Y) { return Image.pixelColor(BX + X, BY + Y); }

    QColor Darkened(int D) const
    {
        return QColor(std::max(0, Background.red() - D), std::max(0, Background.green() - D),
                      std::max(0, Background.blue() - D));
    }
};

const QColor Face(48, 48, 48);
const QColor Frame(255, 187, 0);
const QColor HotFace(176, 176, 176);
const QColor HotFrame(255, 255, 128);

bool ContainsColour(const QImage& Image, const QRect& Area, const QColor& Colour)
{
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            if (Image.pixelColor(x, y) == Colour)
                return true;
    return false;
}

void Enter(QWidget* W)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(W, &event);
}

void Leave(QWidget* W)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(W, &event);
}

} // namespace

TEST(GraphicButtonPaint, ReleasedFaceFrameAndShadow)
{
    // Red 20 shows the clamp at 0 for the deeper shadow levels.
    TButtonOnParent b(QColor(20, 150, 250));
    const QImage image = b.Grab();
    using T = TButtonOnParent;

    EXPECT_EQ(T::At(image, 0, 0), Frame);
    EXPECT_EQ(T::At(image, 140, 10), Frame);   // right outline: last face column
    EXPECT_EQ(T::At(image, 70, 28), Frame);    // bottom outline: last face row
    EXPECT_EQ(T::At(image, 3, 3), Face);
    EXPECT_EQ(T::At(image, 139, 27), Face);

    // Shadow columns 141..144 and rows 29..32, starting at 3.
    EXPECT_EQ(T::At(image, 141, 10), b.Darkened(60));
    EXPECT_EQ(T::At(image, 142, 10), b.Darkened(60));
    EXPECT_EQ(T::At(image, 143, 10), b.Darkened(30));
    EXPECT_EQ(T::At(image, 144, 10), b.Darkened(10));
    EXPECT_EQ(T::At(image, 50, 29), b.Darkened(60));
    EXPECT_EQ(T::At(image, 50, 31), b.Darkened(30));
    EXPECT_EQ(T::At(image, 50, 32), b.Darkened(10));
    EXPECT_EQ(T::At(image, 143, 32), b.Darkened(30));  // second-last column wins
    EXPECT_EQ(T::At(image, 144, 31), b.Darkened(30));
    EXPECT_EQ(T::At(image, 144, 32), b.Darkened(10));
    EXPECT_EQ(T::At(image, 3, 30), b.Darkened(60));

    // Outside the shadow area the parent shows unchanged.
    EXPECT_EQ(T::At(image, 144, 2), b.Background);
    EXPECT_EQ(T::At(image, 2, 32), b.Background);
    EXPECT_EQ(T::At(image, 145, 10), b.Background);
}

TEST(GraphicButtonPaint, PressedFaceMovesByTwoAndShadowNarrows)
{
    TButtonOnParent b(QColor(100, 100, 100));
    b.Button->setDown(true);
    const QImage image = b.Grab();
    using T = TButtonOnParent;

    EXPECT_EQ(T::At(image, 0, 0), b.Background);
    EXPECT_EQ(T::At(image, 1, 20), b.Background);
    // Face pixels 2..142 x 2..30; the shadow is two pixels wide.
    EXPECT_EQ(T::At(image, 2, 2), Frame);
    EXPECT_EQ(T::At(image, 141, 20), Face);
    EXPECT_EQ(T::At(image, 142, 20), Frame);
    EXPECT_EQ(T::At(image, 20, 29), Face);
    EXPECT_EQ(T::At(image, 20, 30), Frame);
    EXPECT_EQ(T::At(image, 143, 20), b.Darkened(30));
    EXPECT_EQ(T::At(image, 144, 20), b.Darkened(10));
    EXPECT_EQ(T::At(image, 20, 31), b.Darkened(30));
    EXPECT_EQ(T::At(image, 20, 32), b.Darkened(10));
    EXPECT_EQ(T::At(image, 143, 2), b.Background);

    // The Down property gives the same look as the mouse holding it.
    b.Button->setDown(false);
    b.Button->SetDown(true);
    EXPECT_EQ(b.Grab(), image);
}

TEST(GraphicButtonPaint, CaptionIsOrangeAndLightensWithFaceAndFrameOnHover)
{
    TButtonOnParent b(QColor(0, 0, 0));
    const QRect inside(BX + 1, BY + 1, 139, 27);
    QImage image = b.Grab();
    EXPECT_TRUE(ContainsColour(image, inside, Frame));
    EXPECT_FALSE(ContainsColour(image, inside, HotFrame));

    Enter(b.Button);
    EXPECT_TRUE(b.Button->MouseInControl());
    image = b.Grab();
    using T = TButtonOnParent;
    EXPECT_EQ(T::At(image, 3, 3), HotFace);
    EXPECT_EQ(T::At(image, 0, 0), HotFrame);
    // Pale yellow would hardly show on the lit face: the caption turns black.
    EXPECT_FALSE(ContainsColour(image, inside, HotFrame));
    EXPECT_TRUE(ContainsColour(image, inside, QColor(Qt::black)));

    Leave(b.Button);
    image = b.Grab();
    EXPECT_EQ(T::At(image, 3, 3), Face);
    EXPECT_EQ(T::At(image, 0, 0), Frame);
}

TEST(GraphicButtonPaint, ButtonColorFillsTheFaceAndLightensCapped)
{
    TButtonOnParent b(QColor(0, 0, 0));
    EXPECT_EQ(b.Button->ButtonColor(), Face);
    b.Button->SetButtonColor(QColor(200, 10, 100));
    using T = TButtonOnParent;
    EXPECT_EQ(T::At(b.Grab(), 3, 3), QColor(200, 10, 100));
    Enter(b.Button);
    EXPECT_EQ(T::At(b.Grab(), 3, 3), QColor(255, 138, 228));
}

TEST(GraphicButtonPaint, CaptionContrastsWithTheFaceInEveryState)
{
    EXPECT_DOUBLE_EQ(TQzGraphicButton::ContrastRatio(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(TQzGraphicButton::ContrastRatio(Face, Face), 1.0);

    // Released, pressed, lit and lit while pressed; then a face colour of the
    // button's user, lit. The caption's own pixels are those that stand out
    // most from the face inside the frame.
    for (const QColor colour : {Face, QColor(200, 10, 100)}) {
        TButtonOnParent b(QColor(0, 0, 0));
        b.Button->SetButtonColor(colour);
        for (const bool hot : {false, true}) {
            if (hot)
                Enter(b.Button);
            for (const bool pressed : {false, true}) {
                b.Button->SetDown(pressed);
                const QImage image = b.Grab();
                const int shift = pressed ? 2 : 0;
                const QColor face = TButtonOnParent::At(image, 2 + shift, 2 + shift);
                double best = 1.0;
                for (int y = 2; y < 27; ++y)
                    for (int x = 2; x < 139; ++x)
                        best = std::max(best, TQzGraphicButton::ContrastRatio(
                                                  TButtonOnParent::At(image, x + shift, y + shift), face));
                EXPECT_GE(best, 4.5) << colour.name().toStdString() << " hot " << hot << " pressed " << pressed;
            }
        }
    }
}

TEST(GraphicButtonPaint, TransparentButtonPaintsLikeTheGraphicButton)
{
    TButtonOnParent graphic(QColor(60, 90, 120));
    TButtonOnParent transparent(QColor(60, 90, 120), /*Transparent=*/true);
    EXPECT_EQ(graphic.Grab(), transparent.Grab());
}
