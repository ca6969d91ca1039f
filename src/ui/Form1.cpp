#include "Form1.h"

#include "ErrorBox.h"
#include "Markup.h"
#include "PaintBox.h"
#include "ScreenParts.h"
#include "Wallpaper.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"
#include "controls/QzLinkLabel.h"
#include "controls/SimpleComboBox.h"
#include "data/Clock.h"
#include "data/DataContainer.h"
#include "data/Paths.h"
#include "data/QzBitmapCache.h"
#include "data/QzError.h"
#include "data/RandomGenerator.h"
#include "data/VersionInfo.h"
#include "dialogs/OptionsForm.h"
#include "dialogs/StartUpForm.h"
#include "display/FullScreenSupport.h"
#include "game/Game.h"
#include "PhotoCredits.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace zindo {

namespace {

constexpr int DesignedClientWidth = 1011;
constexpr int DesignedClientHeight = 694;

QPalette BlackPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    return palette;
}

QWidget* BlackPanel(QWidget* Parent, const QString& Name)
{
    auto* panel = new QWidget(Parent);
    panel->setObjectName(Name);
    panel->setAutoFillBackground(true);
    panel->setPalette(BlackPalette());
    return panel;
}

QString MessageStyleOpen(std::int32_t Style)
{
    switch (Style) {
    case 1:
        return QStringLiteral("<b><font size=12>");
    case 2:
        return QStringLiteral("<font size=12>");
    default:
        return QStringLiteral("<font size=10>");
    }
}

QString MessageStyleClose(std::int32_t Style)
{
    return Style == 1 ? QStringLiteral("</font></b>") : QStringLiteral("</font>");
}

} // namespace

TForm1::TForm1() : TForm1(TOptions()) {}

TForm1::TForm1(TOptions Options)
    : Clock(Options.Clock ? *Options.Clock : SystemClock()),
      Random(Options.Random ? *Options.Random : ProgramRandom()),
      SoundOut(Options.Sound ? std::move(Options.Sound) : std::make_unique<TSoundOutput>()),
      RunIdleTimer(Options.RunIdleTimer)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zindo Puzzle"));
    setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(50, 50, 50));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setFont(QzArialFont(16));
    resize(DesignedClientWidth, DesignedClientHeight);

    BuildFrame();
    BuildMainScreen();
    BuildPlayingScreen();
    BuildTutorialScreen();
    BuildThemeSelection();
    BuildLoadScreen();
    BuildPuzzleMaker();
    BuildAboutScreen();
    BuildActions();

    SoundOut->ShowMessage = [this](const QString& Message) { SetZindoMessage(Message, 3, false); };
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    // The display returns to its stored mode when the window goes.
    RestoreVideoMode();
}

void TForm1::BuildFrame()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    CinemaScopePanelTop = BlackPanel(this, QStringLiteral("CinemaScopePanelTop"));
    CinemaScopePanelTop->setFixedHeight(1);
    MainPageControl = new QStackedWidget(this);
    MainPageControl->setObjectName(QStringLiteral("MainPageControl"));

    ZindoMessagePanel = BlackPanel(this, QStringLiteral("ZindoMessagePanel"));
    ZindoMessagePanel->setFixedHeight(39);
    auto* messageLayout = new QHBoxLayout(ZindoMessagePanel);
    messageLayout->setContentsMargins(2, 2, 2, 2);
    messageLayout->setSpacing(4);
    ZindoMessageImage = new QLabel(ZindoMessagePanel);
    ZindoMessageImage->setObjectName(QStringLiteral("ZindoMessageImage"));
    ZindoMessageImage->setFixedSize(55, 35);
    ZindoMessageImage->setPixmap(QPixmap(QStringLiteral(":/images/emblem.png"))
                                     .scaled(55, 35, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ZindoMessageImage->setAlignment(Qt::AlignCenter);
    ZindoMessageImage->setVisible(false);
    ZindoMessageText = new QLabel(ZindoMessagePanel);
    ZindoMessageText->setObjectName(QStringLiteral("ZindoMessageText"));
    ZindoMessageText->setTextFormat(Qt::RichText);
    ZindoMessageText->setFont(QzArialFont(16));
    ZindoMessageText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ZindoMessageText->setPalette(BlackPalette());
    messageLayout->addWidget(ZindoMessageImage);
    messageLayout->addWidget(ZindoMessageText, 1);

    CinemaScopePanelBottom = BlackPanel(this, QStringLiteral("CinemaScopePanelBottom"));
    CinemaScopePanelBottom->setFixedHeight(1);

    layout->addWidget(CinemaScopePanelTop);
    layout->addWidget(MainPageControl, 1);
    layout->addWidget(ZindoMessagePanel);
    layout->addWidget(CinemaScopePanelBottom);
}

QWidget* TForm1::NewPage(const QString& Name)
{
    auto* page = new QWidget;
    page->setObjectName(Name);
    MainPageControl->addWidget(page);
    page->resize(DesignedClientWidth, DesignedClientHeight - 41);
    return page;
}

void TForm1::BuildAboutScreen()
{
    AboutTabSheet = NewPage(QStringLiteral("AboutTabSheet"));
    QLabel* product = NewLabel(AboutTabSheet, QStringLiteral("AboutProductLabel"), QStringLiteral("Zindo Puzzle"), 40, 40);
    product->setFont(QzArialFont(20, true));
    product->adjustSize();
    AboutVersionLabel = new QLabel(AboutTabSheet);
    AboutVersionLabel->setObjectName(QStringLiteral("AboutVersionLabel"));
    AboutVersionLabel->setFont(QzArialFont(16));
    AboutVersionLabel->setGeometry(40, 70, 500, 22);

    auto linkLabel = [this](const QString& Name, const QString& Text, const QString& Url, int Top) {
        auto* label = new TQzLinkLabel(AboutTabSheet);
        label->setObjectName(Name);
        label->setText(QStringLiteral("<a href=\"%1\" style=\"color:#FFBB00\">%2</a>").arg(Url.toHtmlEscaped(), Text.toHtmlEscaped()));
        label->SetURL(Url);
        label->setFont(QzArialFont(16));
        label->setGeometry(40, Top, 900, 22);
        return label;
    };
    // The maker's line is a link label like the credits; it gets its address
    // once the game has a web site of its own, and reads as plain text till then.
    auto* maker = new TQzLinkLabel(QStringLiteral("Made by the Zindo Puzzle team"), AboutTabSheet);
    maker->setObjectName(QStringLiteral("AboutMakerLabel"));
    maker->setFont(QzArialFont(16));
    maker->setGeometry(40, 100, 900, 22);
    NewLabel(AboutTabSheet, QStringLiteral("AboutPhotosLabel"), QStringLiteral("Photos:"), 40, 150, true);
    int top = 176;
    int index = 1;
    for (const TPhotoCredit& credit : PhotoCredits()) {
        linkLabel(QStringLiteral("AboutPhotoLink%1").arg(index++), credit.Text, credit.Url, top);
        top += 26;
    }
    AboutCloseButton = NewButton(AboutTabSheet, QStringLiteral("AboutCloseButton"), QStringLiteral("Back to Main Screen"),
                                 QRect(40, 300, 185, 33));
    OnClicked(AboutCloseButton, [this] { ShowPage(MainTabSheet); });
}

void TForm1::BuildActions()
{
    auto makeAction = [this](const QString& Name, const QString& Caption, const QKeySequence& Key,
                            std::function<void()> Execute) {
        auto* action = new QAction(Caption, this);
        action->setObjectName(Name);
        action->setShortcut(Key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [Execute] { RunGuarded(Execute); });
        this->addAction(action);
        return action;
    };
    ActionAction = makeAction(QStringLiteral("ActionAction"), QStringLiteral("Menu"), QKeySequence(Qt::Key_Escape),
                             [this] { ActionActionExecute(); });
    Action2 = makeAction(QStringLiteral("Action2"), QStringLiteral("EnableHiddenFunctions"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), [this] { HiddenFunctionsEnabled = true; });
    PuzzleMakerAction = makeAction(QStringLiteral("PuzzleMakerAction"), QStringLiteral("PuzzleMaker"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), [this] {
                                      if (HiddenFunctionsEnabled)
                                          ShowPage(PuzzleMakerTabSheet);
                                  });
    CheatAction = makeAction(QStringLiteral("CheatAction"), QStringLiteral("Cheat"),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] {
                                if (!HiddenFunctionsEnabled)
                                    return;
                                Game->Puzzle().Solve();
                                RefreshAfterAction();
                            });
    Action1 = makeAction(QStringLiteral("Action1"), QStringLiteral("Action1"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), [this] {
                            if (HiddenFunctionsEnabled)
                                Game->Puzzle().StartZindoRun();
                        });
}

void TForm1::RegisterBonusIcon(const QString& Name)
{
    QImage image(QStringLiteral(":/bitmaps/%1.bmp").arg(Name));
    if (image.isNull())
        return; // the painters draw nothing for an icon the cache does not hold
    auto icon = std::make_unique<TQzBitmap>(image);
    icon->SetPixelFormat(pf24bit);
    icon->Transparent = true;
    auto grey = std::make_unique<TQzBitmap>(*icon);
    grey->GreyOut();
    BitmapCache().AddBitmap(Name, std::move(icon));
    BitmapCache().AddBitmap(Name + QStringLiteral("_INACTIVE"), std::move(grey));
}

void TForm1::LayWallpapers()
{
    WallpaperTile = QPixmap::fromImage(LoadPictureFile(DecodeToTemp(ProgramRelativePath(QStringLiteral("../dat/ibk.dat")))));
    for (int i = 0; i < MainPageControl->count(); ++i)
        new TWallpaper(MainPageControl->widget(i), WallpaperTile);
}

void TForm1::FormCreate()
{
    ZindoMessagePanel->setPalette(BlackPalette());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        if (size.width() > 1024 && size.height() > 768) {
            WindowedLeft = size.width() / 2 - DesignedClientWidth / 2;
            WindowedTop = size.height() / 2 - DesignedClientHeight / 2;
        } else {
            WindowedLeft = 5;
            WindowedTop = 5;
        }
    }
    WindowedWidth = DesignedClientWidth;
    WindowedHeight = DesignedClientHeight;
    BackgroundMusicOn = true;
    SoundEffectsOn = true;

    for (const char* name : {"BMP_BONUS_CLEANUP", "BMP_BONUS_AUTODROP", "BMP_BONUS_CHECK", "BMP_BONUS_CHANGEDROP",
                             "BMP_BONUS_SLOW", "BMP_BONUS_DEATH"})
        if (!BitmapCache().GetBitmap(QLatin1String(name)))
            RegisterBonusIcon(QLatin1String(name));

    SoundOut->LoadEffectSounds();

    LayWallpapers();
    SplashImage = LoadPictureFile(DecodeToTemp(ProgramRelativePath(QStringLiteral("../dat/iss.dat"))))
                      .convertToFormat(QImage::Format_RGB32);

    Game = std::make_unique<TGame>(Clock, Random);
    Game->Puzzle().Pot.Length = PotPaintBox->height();
    Game->OnEffect = [this](TGame&, std::int32_t Code) { HandleEffect(Code); };
    Game->OnStateChange = [this](TGame&, std::uint8_t State) { HandleStateChange(State); };
    Game->OnChange = [this](TGame&, std::uint8_t Parts) { HandleChange(Parts); };

    PendingEffect = 3;

    if (ReadDisplayMode() == QLatin1String("unknown")) {
        TStartUpForm form(nullptr);
        if (form.exec() == QDialog::Accepted)
            WriteDisplayMode(form.FullScreenChosen() ? QStringLiteral("fullscreen") : QStringLiteral("window"));
    }

    ApplyDisplayMode();
    Started = true;
    ShowPage(MainTabSheet);

    if (RunIdleTimer) {
        IdleTimer = new QTimer(this);
        IdleTimer->setSingleShot(true);
        IdleTimer->setTimerType(Qt::PreciseTimer);
        connect(IdleTimer, &QTimer::timeout, this, [this] {
            // Armed before the pass, so that a dialog the pass opens (a
            // verdict, an error) still has the game running behind it.
            IdleTimer->start(static_cast<int>(IdleStepMs));
            RunGuarded([this] { IdlePass(); });
            ScheduleIdlePass();
        });
        IdleTimer->start(0);
    }
}

QString TForm1::ReadDisplayMode() const
{
    const QSettings settings(ProgramRelativePath(QStringLiteral("../var/config.ini")), QSettings::IniFormat);
    return settings.value(QStringLiteral("Display/DisplayMode"), QStringLiteral("unknown")).toString();
}

void TForm1::WriteDisplayMode(const QString& Value)
{
    const QString path = ProgramRelativePath(QStringLiteral("../var/config.ini"));
    QDir().mkpath(QFileInfo(path).path());
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QStringLiteral("Display/DisplayMode"), Value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw EQzError(QStringLiteral("Cannot create file \"%1\". The settings could not be written.")
                           .arg(QDir::cleanPath(path)));
}

void TForm1::ApplyDisplayMode()
{
    const QString mode = ReadDisplayMode();
    if (mode != QLatin1String("window") && mode != QLatin1String("unknown")) {
        int index = FindBestVideoMode(1024, 768, 32);
        if (index == 0)
            index = FindBestVideoMode(1024, 768, 24);
        QRect screenArea;
        if (index != 0 && SetVideoMode(index)) {
            // The toolkit learns the new screen size only later: fill the mode now.
            const TVideoMode& mode = VideoModes()[static_cast<std::size_t>(index)];
            screenArea = QRect(0, 0, mode.Width, mode.Height);
        } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
            screenArea = screen->geometry();
        }
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        CinemaScopePanelTop->setFixedHeight(15);
        CinemaScopePanelBottom->setFixedHeight(15);
        if (!screenArea.isEmpty())
            setGeometry(screenArea);
        if (isVisible() || Started)
            showMaximized();
    } else {
        RestoreVideoMode();
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        setWindowState(Qt::WindowNoState);
        setFixedSize(WindowedWidth, WindowedHeight);
        move(WindowedLeft, WindowedTop);
        CinemaScopePanelTop->setFixedHeight(1);
        CinemaScopePanelBottom->setFixedHeight(1);
        if (isVisible() || Started)
            showNormal();
    }
    layout()->activate();
    ArrangePlayingScreen();
    MenuColumnLeft = MainTabSheet->width() - 260;
    MenuColumnWidth = 150;
}

void TForm1::ShowPage(QWidget* Page)
{
    ClearZindoMessage();
    MainPageControl->setCurrentWidget(Page);
    if (Page == SelectTopicTabSheet)
        NameEdit->setFocus();
    else if (Page == LoadTabSheet)
        SavedGamesListBox->setFocus();
    else if (Page == PuzzleMakerTabSheet)
        PuzzleMakerThemeComboBox->Edit->setFocus();
    else
        Page->setFocus();

    if (Page == MainTabSheet) {
        AllowMusic();
        ArrangeMainScreen();
    } else if (Page == SelectTopicTabSheet) {
        ForbidMusic();
        ThemeListBoxClick();
    } else if (Page == LoadTabSheet) {
        ForbidMusic();
        FillSavedGamesList();
    } else if (Page == PuzzleMakerTabSheet) {
        ForbidMusic();
        RefreshPuzzleMaker();
    } else if (Page == AboutTabSheet) {
        QString version;
        ProgramVersionText(version);
        AboutVersionLabel->setText(version);
    }
}

void TForm1::AllowMusic()
{
    MusicAllowed = true;
    UpdateBackgroundMusic();
}

void TForm1::ForbidMusic()
{
    MusicAllowed = false;
    UpdateBackgroundMusic();
}

void TForm1::UpdateBackgroundMusic()
{
    SoundOut->PlayOrStopMusic(BackgroundMusicOn && MusicAllowed ? 2 : 0);
}

void TForm1::SetZindoMessage(const QString& Message, std::int32_t Style, bool Persist)
{
    if (Persist) {
        StoredMessage = Message;
        StoredMessageStyle = Style;
    }
    QString markup;
    if (!StoredMessage.isEmpty())
        markup = MessageStyleOpen(StoredMessageStyle) + StoredMessage + MessageStyleClose(StoredMessageStyle) +
                 QStringLiteral("<br>");
    if (!Message.isEmpty() && Message != StoredMessage)
        markup += MessageStyleOpen(Style) + Message + MessageStyleClose(Style);
    MessageMarkup = markup;
    ZindoMessageImage->setVisible(!markup.isEmpty());
    ZindoMessageText->setText(MarkupToRichText(markup));
}

void TForm1::ClearZindoMessage()
{
    SetZindoMessage(QString(), 0, true);
}

void TForm1::ShowOptionsDialog()
{
    TOptionsForm form(this);
    form.SetFullScreen(ReadDisplayMode() == QLatin1String("fullscreen"));
    form.SetBackgroundMusic(BackgroundMusicOn);
    form.SetSoundEffects(SoundEffectsOn);
    if (form.exec() != QDialog::Accepted)
        return;
    BackgroundMusicOn = form.GetBackgroundMusic();
    SoundEffectsOn = form.GetSoundEffects();
    WriteDisplayMode(form.GetFullScreen() ? QStringLiteral("fullscreen") : QStringLiteral("window"));
    ApplyDisplayMode();
    // The main screen's column follows the new window width at once.
    if (MainPageControl->currentWidget() == MainTabSheet)
        ArrangeMainScreen();
}

void TForm1::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    ArrangePlayingScreen();
}

void TForm1::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
}

void TForm1::changeEvent(QEvent* Event)
{
    QWidget::changeEvent(Event);
    if (!Game)
        return;
    RunGuarded([&] {
        const bool playingScreen = MainPageControl->currentWidget() == PuzzleTabSheet;
        if (Event->type() == QEvent::WindowStateChange) {
            const auto* change = static_cast<QWindowStateChangeEvent*>(Event);
            const bool wasMinimised = change->oldState() & Qt::WindowMinimized;
            if (isMinimized() && !wasMinimised) {
                if (playingScreen) {
                    if (Game->GetState() == stPlaying)
                        Game->Pause();
                } else {
                    ForbidMusic();
                }
            } else if (!isMinimized() && wasMinimised) {
                if (playingScreen) {
                    if (Game->GetState() == stPaused)
                        Game->Resume();
                } else {
                    AllowMusic();
                }
            }
        } else if (Event->type() == QEvent::ActivationChange && !isActiveWindow()) {
            // Losing the keyboard to another window pauses a running level.
            if (Game->GetState() == stPlaying)
                Game->Pause();
        }
    });
}

bool TForm1::eventFilter(QObject* Watched, QEvent* Event)
{
    // A window manager maximises or restores the window after the request,
    // so the screens follow the size their page really gets.
    if (Event->type() == QEvent::Resize && Started) {
        if (Watched == PuzzleTabSheet)
            ArrangePlayingScreen();
        else if (Watched == MainTabSheet) {
            MenuColumnLeft = MainTabSheet->width() - 260;
            ArrangeMainScreen();
        }
    }
    // The hint of the control under the pointer appears in the message panel
    // as a passing line below the standing message.
    if (Event->type() == QEvent::Enter || Event->type() == QEvent::Leave) {
        auto* widget = qobject_cast<QWidget*>(Watched);
        if (widget && widget->window() == this && !widget->toolTip().isEmpty())
            SetZindoMessage(Event->type() == QEvent::Enter ? widget->toolTip() : QString(), 3, false);
    }
    return QWidget::eventFilter(Watched, Event);
}

} // namespace zindo
