#pragma once

#include "data/Clock.h"
#include "data/DataContainer.h"
#include "data/RandomGenerator.h"
#include "dialogs/QzMessageBoxForm.h"
#include "dialogs/StartUpForm.h"
#include "support/ModelTestAccess.h"
#include "support/QStringPrint.h"
#include "support/TestTree.h"
#include "ui/ErrorBox.h"
#include "ui/MainScreen.h"
#include "ui/MainWindow.h"
#include "ui/PlayingScreen.h"
#include "ui/PuzzleMakerScreen.h"
#include "ui/TutorialScreen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>


namespace zindo::test {

/// Writes a picture as a container under the tree's dat/ folder.
inline void WriteDatPicture(TTestTree& Tree, const QString& Container, const QImage& Image, const char* Format,
                            const QString& StoredName)
{
    const QString plain = Tree.Path(QStringLiteral("src/") + StoredName);
    QDir().mkpath(QFileInfo(plain).path());
    Image.save(plain, Format, 95);
    const QString dest = Tree.Path(QStringLiteral("dat/") + Container);
    QDir().mkpath(QFileInfo(dest).path());
    EncodeFile(plain, dest);
}

/// A level picture: a grid of colour blocks, so every piece looks different.
inline QImage LevelPicture(int W, int H, int Seed)
{
    QImage image(W, H, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < H; y += 20)
        for (int x = 0; x < W; x += 20)
            painter.fillRect(x, y, 20, 20, QColor((x * 7 + Seed * 40) % 256, (y * 5 + Seed * 20) % 256, (x + y) % 256));
    return image;
}

/// A sprite on a magenta ground (the bottom-left pixel is the transparent colour).
inline QImage Sprite(int W, int H, QColor Body)
{
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter painter(&image);
    painter.fillRect(W / 4, H / 4, W / 2, H / 2, Body);
    return image;
}

/// A complete little game installation in a temporary tree: sprites,
/// textures, the main-screen picture and one theme "Testland" of ten levels.
inline void WriteGameData(TTestTree& Tree)
{
    WriteDatPicture(Tree, QStringLiteral("IBROOM.dat"), Sprite(60, 80, QColor(150, 90, 30)), "BMP", QStringLiteral("broom.bmp"));
    for (int i = 0; i < 4; ++i)
        WriteDatPicture(Tree, QStringLiteral("izn%1.dat").arg(i), Sprite(70, 60, QColor(90, 60 + i * 20, 40)), "BMP",
                        QStringLiteral("zindo%1.bmp").arg(i));
    QImage texture(600, 600, QImage::Format_RGB32);
    texture.fill(QColor(120, 80, 40));
    WriteDatPicture(Tree, QStringLiteral("IPBK.DAT"), texture, "JPEG", QStringLiteral("texture.jpg"));
    QImage tile(32, 32, QImage::Format_RGB32);
    tile.fill(QColor(40, 40, 40));
    WriteDatPicture(Tree, QStringLiteral("ibk.dat"), tile, "BMP", QStringLiteral("wall.bmp"));
    WriteDatPicture(Tree, QStringLiteral("iss.dat"), LevelPicture(1011, 600, 9), "JPEG", QStringLiteral("splash.jpg"));
    WriteDatPicture(Tree, QStringLiteral("IBROKEN.dat"), LevelPicture(320, 240, 5), "JPEG", QStringLiteral("broken.jpg"));
    for (int level = 1; level <= 10; ++level)
        WriteDatPicture(Tree, QStringLiteral("puzz/Testland/IP%1").arg(level, 2, 10, QLatin1Char('0')) + QStringLiteral("01.dat"),
                        LevelPicture(level % 2 ? 400 : 300, level % 2 ? 300 : 400, level), "JPEG",
                        QStringLiteral("level%1.jpg").arg(level));
}

inline void WriteDisplayModeSetting(TTestTree& Tree, const QString& Value)
{
    QSettings settings(Tree.Path(QStringLiteral("var/config.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Display/DisplayMode"), Value);
}

/// The display mode stored in the tree's config.ini, "<no file>" or "<no key>".
inline QString StoredDisplayMode(TTestTree& Tree)
{
    if (!QFileInfo::exists(Tree.Path(QStringLiteral("var/config.ini"))))
        return QStringLiteral("<no file>");
    QSettings settings(Tree.Path(QStringLiteral("var/config.ini")), QSettings::IniFormat);
    return settings.value(QStringLiteral("Display/DisplayMode"), QStringLiteral("<no key>")).toString();
}

/// The control (or action) named Name under Root; a test that asks for a
/// name that is not there fails with that name.
template <class T = QWidget>
T* Find(const QObject& Root, const char* Name)
{
    T* found = Root.findChild<T*>(QString::fromLatin1(Name));
    if (!found)
        throw std::runtime_error(std::string("no control named ") + Name);
    return found;
}

/// The modal dialog open now, null when there is none: a window of its own
/// (the active modal widget) or a dialog embedded in the main window's scene,
/// which the toolkit does not count as one.
inline QWidget* OpenModal()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QWidget* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->graphicsProxyWidget() && window->isVisible() && window->isModal())
            found = window;
    return found;
}

/// The control with the keyboard focus: the application's focus widget, or,
/// when that is the view showing the scene, the control focused in the scene.
inline QWidget* FocusedControl()
{
    QWidget* focus = QApplication::focusWidget();
    auto* view = qobject_cast<QGraphicsView*>(focus);
    if (!view || !view->scene())
        return focus;
    auto* proxy = qgraphicsitem_cast<QGraphicsProxyWidget*>(view->scene()->focusItem());
    return proxy && proxy->widget() ? proxy->widget()->focusWidget() : nullptr;
}

/// The name of FocusedControl, or "<none>".
inline QString FocusName()
{
    QWidget* focus = FocusedControl();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

/// Answers the next modal dialog that opens with Action (called with the
/// dialog once it is open).
inline void WhenModalOpens(std::function<void(QWidget&)> Action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, Action] {
        if (QWidget* modal = OpenModal()) {
            timer->stop();
            timer->deleteLater();
            Action(*modal);
        }
    });
    timer->start();
}

/// The game's message box shown now, null when there is none; found by its
/// class, since another dialog (the one it was opened over) may be modal too.
inline TQzMessageBoxForm* OpenMessageBox()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<TQzMessageBoxForm*>(window); box && box->isVisible())
            return box;
    return nullptr;
}

/// Answers the next message box that opens with Action.
inline void WhenMessageBoxOpens(std::function<void(TQzMessageBoxForm&)> Action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, Action] {
        if (TQzMessageBoxForm* box = OpenMessageBox()) {
            timer->stop();
            timer->deleteLater();
            Action(*box);
        }
    });
    timer->start();
}

/// Answers the next first-start question with full screen or window, and OK.
inline void AnswerFirstStartQuestion(bool FullScreen)
{
    WhenModalOpens([FullScreen](QWidget& Modal) {
        auto& form = dynamic_cast<TStartUpForm&>(Modal);
        QTest::mouseClick(Find(form, FullScreen ? "FullScreenPicture" : "WindowPicture"), Qt::LeftButton);
        QTest::mouseClick(Find(form, "OKButton"), Qt::LeftButton);
    });
}

/// The main window on a test installation, with a hand-driven clock and a
/// seeded generator. Errors that would reach the error box are collected.
class TWindowFixture {
public:
    explicit TWindowFixture(bool WriteSetting = true)
    {
        WriteGameData(Tree);
        if (WriteSetting)
            WriteDisplayModeSetting(Tree, QStringLiteral("window"));
        SetErrorBoxHook([this](const QString& Text) { Errors.append(Text); });
    }
    ~TWindowFixture()
    {
        Window.reset();
        SetErrorBoxHook({});
    }

    /// The window's options for this fixture: its clock and generator, no idle timer.
    TMainWindow::TOptions Options()
    {
        TMainWindow::TOptions options;
        options.Clock = &Clock;
        options.Random = &Random;
        options.RunIdleTimer = false;
        options.DisplayMode = DisplayMode;
        return options;
    }

    TMainWindow& Create()
    {
        Window = std::make_unique<TMainWindow>(Options());
        Window->StartUp();
        Window->show();
        QApplication::setActiveWindow(Window.get());
        if (!QTest::qWaitForWindowExposed(Window.get()))
            qWarning("the test window was not exposed");
        // As the player finds it once the first frame is on the screen.
        Window->FinishStartUp();
        return *Window;
    }

    /// Moves the clock on in 10 ms passes of the idle loop.
    void Run(std::uint32_t Ms)
    {
        for (std::uint32_t t = 0; t < Ms; t += 10) {
            Clock.Advance(10);
            Window->IdlePass();
        }
    }

    /// A game of "Testland" for Player, started the way "Go" starts it
    /// (without the box), with its first piece dealt.
    void StartTestland(const QString& Player)
    {
        Window->Session().NewGame(QStringLiteral("Testland"), Player);
        Window->StartLevelScreen();
        Run(100);
    }

    /// Clicks the button named Name.
    void Click(const char* Name) { Find<QAbstractButton>(*Window, Name)->click(); }
    /// Triggers the keyboard action named Name, as its key would.
    void Trigger(const char* Name) { Find<QAction>(*Window, Name)->trigger(); }

    TTestTree Tree;
    TManualClock Clock{50000000}; ///< well past the first feed interval, as a running system is
    TRandomGenerator Random{12345};
    QString DisplayMode; ///< the display mode the command line asks for; empty = none
    std::unique_ptr<TMainWindow> Window;
    QStringList Errors;
};

} // namespace zindo::test
