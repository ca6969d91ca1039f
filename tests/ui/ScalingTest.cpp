// The scene drawn scaled to any window: clicks land on the design point they
// aim at whatever the scale, dialogs open in the scene and hold it, window
// and full screen keep the level as it was, the window's size is kept, a tiny
// window still draws, and full screen scales where the display mode stays.

#include "UiFixture.h"

#include "dialogs/PointsCongratulationForm.h"
#include "dialogs/QzMessageBoxForm.h"
#include "display/FullScreenSupport.h"
#include "game/Game.h"
#include "game/PuzzlePointsCounter.h"
#include "ui/SceneView.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace zindo;
using namespace zindo::test;

namespace {

/// Where a point of Control (in its own design units) lies in the view.
QPoint ViewPoint(TMainWindow& Form, const QWidget& Control, QPoint At)
{
    return Form.SceneView().MapFromDesign(Control.mapTo(Find(Form, "Scene"), At)).toPoint();
}

/// A click on the screen where the design point At of Control is shown.
void ClickAt(TMainWindow& Form, const QWidget& Control, QPoint At)
{
    QTest::mouseClick(Form.SceneView().viewport(), Qt::LeftButton, {}, ViewPoint(Form, Control, At));
}

void ClickCentre(TMainWindow& Form, const char* Name)
{
    const QWidget* control = Find(Form, Name);
    ClickAt(Form, *control, control->rect().center());
}

/// Remembers where the last press reached a control, in its own units.
struct TPressSpy : QObject {
    QPointF Position{-1, -1};
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::MouseButtonPress)
            Position = static_cast<QMouseEvent*>(Event)->position();
        return false;
    }
};

/// The window resized so that the view shows the scene at Scale.
void ShowAtScale(TMainWindow& Form, double Scale)
{
    Form.resize(qCeil(SceneDesignWidth * Scale), qCeil(SceneDesignHeight * Scale));
    QApplication::processEvents();
}

/// The dialog is embedded in the scene with its frame centred on it.
void ExpectCentredInTheScene(QWidget& Dialog)
{
    QGraphicsProxyWidget* proxy = Dialog.graphicsProxyWidget();
    ASSERT_NE(proxy, nullptr) << "the dialog is a window of its own";
    const QPointF middle = proxy->mapRectToScene(proxy->windowFrameRect()).center();
    EXPECT_NEAR(middle.x(), SceneDesignWidth / 2.0, 1.0);
    EXPECT_NEAR(middle.y(), SceneDesignHeight / 2.0, 1.0);
    EXPECT_EQ(proxy->windowTitle(), Dialog.windowTitle()); // the caption on its frame
}

class ScaledScene : public testing::TestWithParam<double> {};

} // namespace

TEST_P(ScaledScene, ClicksOnStartGameThePotAndTheBoardActWhereTheyAim)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    ShowAtScale(form, GetParam());
    ASSERT_NEAR(form.SceneView().Scale(), GetParam(), 0.002);

    ClickCentre(form, "StartGameButton");
    EXPECT_EQ(form.CurrentScreen(), scThemeSelection);

    fixture.StartTestland(QStringLiteral("Scale"));
    TPuzzleClass& puzzle = TModelTestAccess::Puzzle(form.Session());
    ASSERT_EQ(puzzle.Pot().Count(), 1);
    const TPieceInPot& entry = puzzle.Pot().Entry(0);
    TPiece* piece = entry.Piece;
    QWidget* pot = Find(form, "PotView");
    ClickAt(form, *pot, QPoint(60, pot->height() - (entry.RoundedPosition() + puzzle.PieceSize() / 2)));
    ASSERT_EQ(puzzle.HeldPiece(), piece);

    // Dropped on its own cell, at a point that is no cell's middle: the
    // press must reach the very design pixel aimed at.
    QWidget* board = Find(form, "BoardView");
    TPressSpy spy;
    board->installEventFilter(&spy);
    const QPoint aim(piece->Column * puzzle.PieceSize() + 7, piece->Row * puzzle.PieceSize() + puzzle.PieceSize() - 3);
    ClickAt(form, *board, aim);
    EXPECT_EQ(spy.Position.toPoint(), aim);
    EXPECT_EQ(puzzle.HeldPiece(), nullptr);
    EXPECT_EQ(puzzle.CellPiece(piece->Column, piece->Row), piece);
    EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(AtScales, ScaledScene, testing::Values(1.0, 1.37, 1.5, 2.0, 2.8));

namespace {

class ScaledBoardCells : public testing::TestWithParam<double> {};

/// A grid line: the board draws one along the left and the top edge of each
/// cell, and nothing else black on empty cells.
bool IsGridLine(QRgb Pixel)
{
    return qRed(Pixel) + qGreen(Pixel) + qBlue(Pixel) < 60;
}

} // namespace

TEST_P(ScaledBoardCells, APressLandsOnTheCellDrawnUnderIt)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    ShowAtScale(form, GetParam());
    fixture.StartTestland(QStringLiteral("Cells"));
    TPuzzleClass& puzzle = TModelTestAccess::Puzzle(form.Session());
    const QImage shot = form.grab().toImage();
    ASSERT_EQ(form.Session().TakeFromPot(0), toTaken);
    const TPiece* piece = puzzle.HeldPiece();
    QWidget* board = Find(form, "BoardView");
    const int side = puzzle.PieceSize();

    // Across each edge between two empty cells the grid line marks where
    // the second cell is drawn from: a press on the line's first device
    // pixel drops the piece there, a press one pixel before it into the
    // first cell; a second press lifts it again.
    int edges = 0;
    const auto pressBothSides = [&](QPoint From, QPoint Step, QPoint First, QPoint Second) {
        QPoint at = ViewPoint(form, *board, From);
        for (int i = 0; i < 4 * side * GetParam() && !IsGridLine(shot.pixel(at)); ++i)
            at += Step;
        ASSERT_TRUE(IsGridLine(shot.pixel(at))) << "no grid line after " << From.x() << "," << From.y();
        for (const auto& [where, cell] : {std::pair(at, Second), std::pair(at - Step, First)}) {
            QTest::mouseClick(form.SceneView().viewport(), Qt::LeftButton, {}, where);
            EXPECT_EQ(puzzle.CellPiece(cell.x(), cell.y()), piece)
                << "device " << where.x() << "," << where.y() << " cell " << cell.x() << "," << cell.y();
            QTest::mouseClick(form.SceneView().viewport(), Qt::LeftButton, {}, where);
            ASSERT_EQ(puzzle.HeldPiece(), piece);
        }
        ++edges;
    };
    for (int r = 0; r < puzzle.Rows(); ++r)
        for (int c = 1; c < puzzle.Columns(); ++c)
            if (!puzzle.CellPiece(c - 1, r) && !puzzle.CellPiece(c, r))
                pressBothSides(QPoint((c - 1) * side + side / 2, r * side + side / 2), QPoint(1, 0),
                               QPoint(c - 1, r), QPoint(c, r));
    for (int c = 0; c < puzzle.Columns(); ++c)
        for (int r = 1; r < puzzle.Rows(); ++r)
            if (!puzzle.CellPiece(c, r - 1) && !puzzle.CellPiece(c, r))
                pressBothSides(QPoint(c * side + side / 2, (r - 1) * side + side / 2), QPoint(0, 1),
                               QPoint(c, r - 1), QPoint(c, r));
    EXPECT_GE(edges, 10);
    EXPECT_TRUE(fixture.Errors.isEmpty()) << fixture.Errors.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(AtFractionalScales, ScaledBoardCells, testing::Values(1.37, 2.8));

TEST(SceneDialogs, OpenCentredInTheSceneAndHoldItUntilClosed)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    ShowAtScale(form, 1.5);
    auto* menuKey = Find<QAction>(form, "BackAction");
    bool seen = false;
    WhenModalOpens([&](QWidget& Modal) {
        seen = true;
        ExpectCentredInTheScene(Modal);
        // Neither the scene behind nor the window's keys answer meanwhile.
        ClickCentre(form, "StartGameButton");
        EXPECT_EQ(form.CurrentScreen(), scMain);
        EXPECT_FALSE(menuKey->isEnabled());
        // Esc reaches the dialog through the view.
        QTest::keyClick(&form.SceneView(), Qt::Key_Escape);
        EXPECT_FALSE(Modal.isVisible());
        if (Modal.isVisible())
            static_cast<QDialog&>(Modal).reject();
    });
    ClickCentre(form, "OptionsButton");
    EXPECT_TRUE(seen);
    EXPECT_EQ(OpenModal(), nullptr);
    EXPECT_TRUE(menuKey->isEnabled());
    ClickCentre(form, "StartGameButton");
    EXPECT_EQ(form.CurrentScreen(), scThemeSelection);

    // The game's one message box comes back centred each time; a dialog
    // opened from a screen is centred too, with the caption it got last.
    auto acceptCentred = [] {
        WhenModalOpens([](QWidget& Modal) {
            ExpectCentredInTheScene(Modal);
            static_cast<QDialog&>(Modal).accept();
        });
    };
    for (int showing = 0; showing < 2; ++showing) {
        acceptCentred();
        ShowMessageBox(QStringLiteral("Get Ready"), mtInformation, mbOK);
    }
    TPointsCongratulationForm points(Find(form, "PlayingScreen"));
    acceptCentred();
    points.ShowPoints(TPuzzlePointsCounter());
}

TEST(DisplaySwitch, KeepsARunningLevelRunningAndAPausedOnePaused)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    fixture.StartTestland(QStringLiteral("Switch"));
    ASSERT_EQ(form.Session().GetState(), stPlaying);
    auto choose = [](const char* Choice) {
        WhenModalOpens([Choice](QWidget& Modal) {
            Modal.findChild<QRadioButton*>(QString::fromLatin1(Choice))->setChecked(true);
            static_cast<QDialog&>(Modal).accept();
        });
    };

    choose("OptionsDisplayFullScreen");
    form.ShowOptionsDialog();
    QApplication::processEvents();
    EXPECT_EQ(form.Session().GetState(), stPlaying);
    EXPECT_EQ(Find(form, "Scene")->size(), QSize(FullScreenDesignWidth, FullScreenDesignHeight));
    EXPECT_TRUE(form.isFullScreen() || form.isMaximized());

    form.Session().Pause();
    choose("OptionsDisplayWindow");
    form.ShowOptionsDialog();
    QApplication::processEvents();
    EXPECT_EQ(form.Session().GetState(), stPaused);
    EXPECT_EQ(Find(form, "Scene")->size(), QSize(SceneDesignWidth, SceneDesignHeight));
    EXPECT_FALSE(form.windowFlags() & Qt::FramelessWindowHint);
}

TEST(WindowSize, IsKeptBetweenRunsAndAnUnusableOneIsIgnored)
{
    TWindowFixture fixture;
    TMainWindow& first = fixture.Create();
    EXPECT_EQ(first.size(), QSize(SceneDesignWidth, SceneDesignHeight)); // the design size at first
    first.resize(700, 500);
    QApplication::processEvents();
    first.close();
    QSettings settings(fixture.Tree.Path(QStringLiteral("var/config.ini")), QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Display/WindowWidth")).toInt(), 700);
    EXPECT_EQ(settings.value(QStringLiteral("Display/WindowHeight")).toInt(), 500);

    fixture.Window.reset();
    EXPECT_EQ(fixture.Create().size(), QSize(700, 500));

    fixture.Window.reset();
    settings.setValue(QStringLiteral("Display/WindowWidth"), QStringLiteral("wide"));
    settings.sync();
    EXPECT_EQ(fixture.Create().size(), QSize(SceneDesignWidth, SceneDesignHeight));
}

TEST(TinyWindow, IsRefusedByTheWindowAndStillDrawsAndAnswersWhenForced)
{
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    form.resize(200, 150);
    QApplication::processEvents();
    EXPECT_GE(form.width(), SceneDesignWidth / 4);
    EXPECT_GE(form.height(), SceneDesignHeight / 4);

    // A window manager that ignores the smallest size.
    form.setMinimumSize(0, 0);
    form.resize(200, 150);
    QApplication::processEvents();
    ASSERT_EQ(form.size(), QSize(200, 150));
    EXPECT_NEAR(form.SceneView().Scale(), 200.0 / SceneDesignWidth, 1e-9);
    const QImage shot = form.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(200, 150) * form.devicePixelRatio());
    EXPECT_EQ(shot.pixel(100, 0) & 0xFFFFFF, 0u); // a bar above the scene
    EXPECT_NE(shot.pixel(100, 75) & 0xFFFFFF, 0u); // the main screen's picture
    ClickCentre(form, "StartGameButton");
    EXPECT_EQ(form.CurrentScreen(), scThemeSelection);
}

TEST(DesktopScale, TheWindowOpensAtTheDesignSizeInTheDesktopsPixelsAndDrawsWithAllOfThem)
{
    // Run once more with QT_SCALE_FACTOR=2, where a desktop pixel is two
    // device pixels across.
    TWindowFixture fixture;
    TMainWindow& form = fixture.Create();
    const qreal ratio = form.devicePixelRatio();
    EXPECT_EQ(form.size(), QSize(SceneDesignWidth, SceneDesignHeight));
    EXPECT_DOUBLE_EQ(form.SceneView().Scale(), 1.0);
    const QImage shot = form.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(SceneDesignWidth, SceneDesignHeight) * ratio);
    if (ratio < 2)
        return;
    // The captions are drawn at the device's resolution: within "Start
    // Game" the orange letters meet the dark face from one device pixel to
    // the next, where a picture drawn at the design size and blown up would
    // spread each edge over two.
    const QWidget* button = Find(form, "StartGameButton");
    const QRect caption(button->mapTo(&form, QPoint(20, 8)) * ratio, (button->size() - QSize(40, 16)) * ratio);
    int steep = 0;
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x < caption.right(); ++x)
            steep += std::abs(qRed(shot.pixel(x, y)) - qRed(shot.pixel(x + 1, y))) > 150;
    EXPECT_GT(steep, 40);
}

namespace {

/// A display that offers the listed modes and records its switches.
struct TListedDisplay : TDisplayPlatform {
    TVideoMode Desktop;
    std::vector<TVideoMode> Listed;
    std::shared_ptr<std::vector<TVideoMode>> Switched = std::make_shared<std::vector<TVideoMode>>();

    TVideoMode DesktopMode() override { return Desktop; }
    bool ListMode(std::uint32_t Number, TVideoMode& Mode) override
    {
        if (Number >= Listed.size())
            return false;
        Mode = Listed[Number];
        return true;
    }
    bool TestMode(const TVideoMode& Mode) override
    {
        return std::any_of(Listed.begin(), Listed.end(),
                           [&](const TVideoMode& Offered) { return SameVideoMode(Offered, Mode); });
    }
    bool SwitchMode(const TVideoMode& Mode) override
    {
        Switched->push_back(Mode);
        return true;
    }
    void RestoreDesktopMode() override {}
};

/// Starts a window full screen on a display offering Modes besides a
/// 1280 x 1024 desktop, with ChangeResolution set to Setting (none when
/// empty); answers the modes the window switched to.
std::vector<TVideoMode> FullScreenSwitches(std::vector<TVideoMode> Modes, const QString& Setting)
{
    auto display = std::make_unique<TListedDisplay>();
    display->Desktop = TVideoMode{1280, 1024, 32, QString()};
    display->Listed = std::move(Modes);
    const auto switched = display->Switched;
    InstallDisplayPlatform(std::move(display));
    EnumerateVideoModes();
    {
        TWindowFixture fixture;
        WriteDisplayModeSetting(fixture.Tree, QStringLiteral("fullscreen"));
        if (!Setting.isEmpty()) {
            QSettings settings(fixture.Tree.Path(QStringLiteral("var/config.ini")), QSettings::IniFormat);
            settings.setValue(QStringLiteral("Display/ChangeResolution"), Setting);
        }
        TMainWindow& form = fixture.Create();
        EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
        const QWidget* scene = Find(form, "Scene");
        EXPECT_EQ(scene->size(), QSize(FullScreenDesignWidth, FullScreenDesignHeight));
        // The whole of it is shown, not the window's design it started from.
        EXPECT_EQ(scene->graphicsProxyWidget()->size(), QSizeF(FullScreenDesignWidth, FullScreenDesignHeight));
    }
    InstallDisplayPlatform(nullptr);
    EnumerateVideoModes();
    return *switched;
}

} // namespace

TEST(FullScreen, SwitchesToADisplayModeOnlyWhereOneFitsAndThePlayerLetsIt)
{
    const TVideoMode small{1024, 768, 32, QString()};
    const TVideoMode desktop{1280, 1024, 32, QString()};
    const std::vector<TVideoMode> asToday = FullScreenSwitches({desktop, small}, QString());
    ASSERT_EQ(asToday.size(), 1u);
    EXPECT_TRUE(SameVideoMode(asToday.front(), small));
    EXPECT_TRUE(FullScreenSwitches({desktop, small}, QStringLiteral("0")).empty());
    EXPECT_TRUE(FullScreenSwitches({desktop, small}, QStringLiteral("off")).empty());
    // The desktop's own size is the best there is: nothing to switch, the scene scales.
    EXPECT_TRUE(FullScreenSwitches({desktop}, QString()).empty());
}
