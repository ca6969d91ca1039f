#include "SceneView.h"

#include "Scene.h"

#include "controls/QzFonts.h"
#include "controls/QzGraphicButton.h"

#include <QApplication>
#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionTitleBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace zindo {

namespace {

/// The frame of a window embedded in the scene, in the game's look: a black
/// title bar with the caption in white bold Arial, an orange close cross and
/// an orange edge around the window. Everything else is the application's
/// own style.
class TSceneWindowStyle : public QProxyStyle {
public:
    static constexpr int TitleHeight = 24; ///< height of the title bar
    static constexpr int EdgeWidth = 2;    ///< the orange edge

    int pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const override
    {
        switch (Metric) {
        case PM_TitleBarHeight:
            // The edge runs across the top of the title bar, which keeps
            // its height below it.
            return TitleHeight + EdgeWidth;
        case PM_MdiSubWindowFrameWidth:
            return EdgeWidth;
        default:
            return QProxyStyle::pixelMetric(Metric, Option, Widget);
        }
    }

    int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                  QStyleHintReturn* Return) const override
    {
        // Square corners with the orange edge all round, the title bar
        // inside it: a corner rounded by a mask of whole pixels shows its
        // steps once the scene is scaled.
        if (Hint == SH_WindowFrame_Mask || Hint == SH_TitleBar_NoBorder)
            return 0;
        return QProxyStyle::styleHint(Hint, Option, Widget, Return);
    }

    QRect subControlRect(ComplexControl Control, const QStyleOptionComplex* Option, SubControl Sub,
                         const QWidget* Widget) const override
    {
        if (Control != CC_TitleBar)
            return QProxyStyle::subControlRect(Control, Option, Sub, Widget);
        const QRect bar = Option->rect;
        const int side = bar.height() - 6;
        const QRect close(bar.right() - 3 - side, bar.top() + 3, side, side);
        switch (Sub) {
        case SC_TitleBarCloseButton:
            return HasCloseButton(*Option) ? close : QRect();
        case SC_TitleBarLabel:
            return bar.adjusted(8, 0, -(side + 8), 0);
        default:
            return QRect(); // no system menu, no minimise or maximise in the scene
        }
    }

    void drawPrimitive(PrimitiveElement Element, const QStyleOption* Option, QPainter* Painter,
                       const QWidget* Widget) const override
    {
        if (Element != PE_FrameWindow) {
            QProxyStyle::drawPrimitive(Element, Option, Painter, Widget);
            return;
        }
        const QRect r = Option->rect;
        const QColor edge = QColor::fromRgb(TQzGraphicButton::FrameColor);
        Painter->fillRect(r.left(), r.top(), r.width(), EdgeWidth, edge);
        Painter->fillRect(r.left(), r.bottom() + 1 - EdgeWidth, r.width(), EdgeWidth, edge);
        Painter->fillRect(r.left(), r.top(), EdgeWidth, r.height(), edge);
        Painter->fillRect(r.right() + 1 - EdgeWidth, r.top(), EdgeWidth, r.height(), edge);
    }

    void drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option, QPainter* Painter,
                            const QWidget* Widget) const override
    {
        if (Control != CC_TitleBar) {
            QProxyStyle::drawComplexControl(Control, Option, Painter, Widget);
            return;
        }
        const auto* bar = static_cast<const QStyleOptionTitleBar*>(Option);
        const QColor orange = QColor::fromRgb(TQzGraphicButton::FrameColor);
        Painter->save();
        Painter->fillRect(bar->rect, Qt::black);
        Painter->setFont(QzArialFont(14, true));
        Painter->setPen(Qt::white);
        const QRect label = subControlRect(Control, Option, SC_TitleBarLabel, Widget);
        Painter->drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
                          Painter->fontMetrics().elidedText(bar->text, Qt::ElideRight, label.width()));
        const QRect close = subControlRect(Control, Option, SC_TitleBarCloseButton, Widget);
        if (!close.isEmpty()) {
            const bool hovered = (bar->activeSubControls & SC_TitleBarCloseButton) && (bar->state & State_MouseOver);
            Painter->setRenderHint(QPainter::Antialiasing);
            Painter->setPen(QPen(hovered ? QColor(Qt::white) : orange, 2.5, Qt::SolidLine, Qt::RoundCap));
            const QRectF cross = QRectF(close).adjusted(5, 5, -5, -5);
            Painter->drawLine(cross.topLeft(), cross.bottomRight());
            Painter->drawLine(cross.topRight(), cross.bottomLeft());
        }
        Painter->restore();
    }

    SubControl hitTestComplexControl(ComplexControl Control, const QStyleOptionComplex* Option, const QPoint& Point,
                                     const QWidget* Widget) const override
    {
        if (Control != CC_TitleBar)
            return QProxyStyle::hitTestComplexControl(Control, Option, Point, Widget);
        if (subControlRect(Control, Option, SC_TitleBarCloseButton, Widget).contains(Point))
            return SC_TitleBarCloseButton;
        return Option->rect.contains(Point) ? SC_TitleBarLabel : SC_None;
    }

private:
    static bool HasCloseButton(const QStyleOptionComplex& Option)
    {
        const auto& bar = static_cast<const QStyleOptionTitleBar&>(Option);
        return bar.titleBarFlags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
    }
};

/// The one frame style of embedded windows; it lives as long as the
/// application, since windows may outlive the view that embedded them.
QStyle* SceneWindowStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new TSceneWindowStyle;
        style->setParent(qApp);
    }
    return style;
}

/// The view showing the scene Inside lies in; null when it lies in none.
TSceneView* ViewOf(QWidget& Inside)
{
    const QGraphicsProxyWidget* proxy = Inside.window()->graphicsProxyWidget();
    if (!proxy || !proxy->scene())
        return nullptr;
    for (QGraphicsView* view : proxy->scene()->views())
        if (auto* sceneView = dynamic_cast<TSceneView*>(view))
            return sceneView;
    return nullptr;
}

/// A window the view embeds: dialogs and plain windows, not popups, tool
/// tips or the platform's file dialog.
bool IsEmbeddable(const QWidget& Window)
{
    const Qt::WindowType type = Window.windowType();
    return Window.isWindow() && (type == Qt::Dialog || type == Qt::Window || type == Qt::Sheet) &&
           !Window.inherits("QFileDialog");
}

} // namespace

TSceneView::TSceneView(TScene& AScene, QWidget* Parent) : QGraphicsView(Parent), Scene(AScene)
{
    setObjectName(QStringLiteral("SceneView"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    setOptimizationFlags(QGraphicsView::DontAdjustForAntialiasing);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);

    auto* graphics = new QGraphicsScene(this);
    graphics->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(graphics);
    Root = graphics->addWidget(&Scene);
    Root->setObjectName(QStringLiteral("SceneProxy"));
    // The scene is shown with the view, like the controls of a window, so
    // that controls added until then are shown with it.
    Scene.hide();
    Scene.installEventFilter(this);
    qApp->installEventFilter(this);
    FitScene();
}

TSceneView::~TSceneView()
{
    qApp->removeEventFilter(this);
    Scene.removeEventFilter(this);
}

// ---------------------------------------------------------------- scaling

void TSceneView::FitScene()
{
    const QSizeF design = Scene.size();
    const QSizeF room = viewport()->size();
    if (design.isEmpty() || room.isEmpty())
        return;
    // The stand-in takes the scene's size at once: it learns a size set
    // while the scene was hidden only later, and it draws nothing beyond its
    // own size.
    Root->setMinimumSize(design);
    Root->setMaximumSize(design);
    Root->resize(design);
    CurrentScale = std::min(room.width() / design.width(), room.height() / design.height());
    // The bars take what is left, half on each side; the scene starts on a
    // whole pixel so that a scale of 1 copies it pixel for pixel.
    const qreal left = std::floor((room.width() - design.width() * CurrentScale) / 2);
    const qreal top = std::floor((room.height() - design.height() * CurrentScale) / 2);
    setTransform(QTransform::fromScale(CurrentScale, CurrentScale));
    setSceneRect(QRectF(-left / CurrentScale, -top / CurrentScale, room.width() / CurrentScale, room.height() / CurrentScale));
    for (QGraphicsItem* item : Root->childItems())
        if (auto* window = qgraphicsitem_cast<QGraphicsProxyWidget*>(item); window && window->widget())
            PlaceWindow(*window->widget());
}

QPointF TSceneView::MapFromDesign(const QPointF& Point) const
{
    return viewportTransform().map(Point);
}

void TSceneView::showEvent(QShowEvent* Event)
{
    QGraphicsView::showEvent(Event);
    if (Scene.isHidden())
        Scene.show();
    FitScene();
}

void TSceneView::drawBackground(QPainter* Painter, const QRectF& Exposed)
{
    // Only the bars: the scene paints every one of its own pixels.
    QRegion bars = QRegion(mapFromScene(Exposed).boundingRect().adjusted(-1, -1, 1, 1)) -
                   QRegion(mapFromScene(QRectF(QPointF(0, 0), Scene.size())).boundingRect().adjusted(1, 1, -1, -1));
    if (bars.isEmpty())
        return;
    Painter->save();
    Painter->resetTransform();
    for (const QRect& bar : bars)
        Painter->fillRect(bar, Qt::black);
    Painter->restore();
}

void TSceneView::resizeEvent(QResizeEvent* Event)
{
    QGraphicsView::resizeEvent(Event);
    FitScene();
}

// ---------------------------------------------------------------- painting

void TSceneView::PaintNow(QWidget& Inside)
{
    TSceneView* view = ViewOf(Inside);
    if (!view) {
        QCoreApplication::sendPostedEvents(Inside.window(), QEvent::UpdateRequest);
        return;
    }
    // Three hops: the widgets' requests reach the scene's stand-in, the
    // graphics scene collects its dirty items, and the window paints them.
    QCoreApplication::sendPostedEvents(&view->Scene, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(view->scene(), QEvent::MetaCall);
    QCoreApplication::sendPostedEvents(view->window(), QEvent::UpdateRequest);
}

QWidget* TSceneView::HostWindow(QWidget& Inside)
{
    TSceneView* view = ViewOf(Inside);
    return view ? view->window() : Inside.window();
}

// ---------------------------------------------------------------- embedded windows

bool TSceneView::BelongsHere(const QWidget& Window) const
{
    if (QGraphicsProxyWidget* proxy = Window.graphicsProxyWidget())
        return proxy != Root && proxy->scene() == scene();
    for (const QWidget* owner = Window.parentWidget(); owner; owner = owner->parentWidget())
        if (owner == window() || owner == &Scene)
            return true;
    return false;
}

void TSceneView::Embed(QWidget& Window)
{
    if (!Window.graphicsProxyWidget()) {
        auto* proxy = new QGraphicsProxyWidget(Root, Window.windowFlags());
        proxy->setWidget(&Window);
    }
    QGraphicsProxyWidget* proxy = Window.graphicsProxyWidget();
    proxy->setStyle(SceneWindowStyle());
    proxy->setFont(Window.font());
}

void TSceneView::PlaceWindow(QWidget& Window)
{
    QGraphicsProxyWidget* proxy = Window.graphicsProxyWidget();
    if (!proxy || proxy == Root)
        return;
    const QSizeF size = proxy->size();
    QPointF centre(Scene.width() / 2.0, Scene.height() / 2.0);
    if (Window.testAttribute(Qt::WA_Moved)) {
        // The caller placed the window on the screen (over some control of
        // the scene, say): its centre keeps that place in the scene.
        const QPoint global = Window.pos() + QPoint(Window.width() / 2, Window.height() / 2);
        centre = Root->mapFromScene(mapToScene(viewport()->mapFromGlobal(global)));
    } else {
        // Centred with its frame; the title bar lies above the window's top.
        const QRectF frame = proxy->windowFrameRect();
        centre.ry() += (-frame.top() - (frame.bottom() - size.height())) / 2;
    }
    QPointF topLeft = centre - QPointF(size.width() / 2, size.height() / 2);
    // Kept within the scene, title bar included, as far as it fits.
    const QRectF frame = proxy->windowFrameRect();
    topLeft.setX(std::clamp(topLeft.x(), -frame.left(), std::max(-frame.left(), Scene.width() - frame.right())));
    topLeft.setY(std::clamp(topLeft.y(), -frame.top(), std::max(-frame.top(), Scene.height() - frame.bottom())));
    proxy->setPos(std::round(topLeft.x()), std::round(topLeft.y()));
    // What the caller asked for has been honoured; a later showing of the
    // same window is centred again unless the caller places it anew.
    Window.setAttribute(Qt::WA_Moved, false);
}

void TSceneView::NoteModal(QWidget& Window, bool Open)
{
    const bool wasOpen = OpenModalWindows() > 0;
    ModalWindows.removeAll(QPointer<QWidget>());
    ModalWindows.removeAll(&Window);
    if (Open)
        ModalWindows.append(&Window);
    const bool isOpen = OpenModalWindows() > 0;
    if (wasOpen != isOpen && OnModalChanged)
        OnModalChanged(isOpen);
}

int TSceneView::OpenModalWindows() const
{
    return static_cast<int>(std::count_if(ModalWindows.begin(), ModalWindows.end(),
                                          [](const QPointer<QWidget>& Window) { return !Window.isNull(); }));
}

bool TSceneView::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == &Scene) {
        if (Event->type() == QEvent::Resize)
            FitScene();
        return QGraphicsView::eventFilter(Watched, Event);
    }
    const QEvent::Type type = Event->type();
    if (type != QEvent::Polish && type != QEvent::Show && type != QEvent::ShowToParent && type != QEvent::Hide)
        return QGraphicsView::eventFilter(Watched, Event);
    auto* window = qobject_cast<QWidget*>(Watched);
    if (!window || !window->isWindow() || !IsEmbeddable(*window) || !BelongsHere(*window))
        return QGraphicsView::eventFilter(Watched, Event);
    switch (type) {
    case QEvent::Polish:
        // Before its first showing: into the scene, in the game's frame
        // (unless it is never to be shown, only painted off the screen).
        if (window->graphicsProxyWidget() || !window->testAttribute(Qt::WA_DontShowOnScreen))
            Embed(*window);
        break;
    case QEvent::Show:
        if (QGraphicsProxyWidget* proxy = window->graphicsProxyWidget()) {
            // A caption set after the window was embedded reaches the frame too.
            proxy->setWindowTitle(window->windowTitle());
            proxy->setPanelModality(window->isModal() ? QGraphicsItem::SceneModal : QGraphicsItem::NonModal);
            NoteModal(*window, window->isModal());
        }
        break;
    case QEvent::ShowToParent:
        PlaceWindow(*window);
        if (QGraphicsProxyWidget* proxy = window->graphicsProxyWidget()) {
            // A window shown again (the shared message box) comes in front
            // of the windows embedded since it was first shown.
            qreal front = 0;
            for (const QGraphicsItem* item : Root->childItems())
                if (item != proxy)
                    front = std::max(front, item->zValue());
            proxy->setZValue(front + 1);
            scene()->setActivePanel(proxy);
        }
        break;
    case QEvent::Hide:
        NoteModal(*window, false);
        if (QGraphicsProxyWidget* proxy = window->graphicsProxyWidget(); proxy && scene()->activePanel() == proxy) {
            // The keyboard goes back to the window in front of those still
            // shown (the dialog a message box was shown over).
            QGraphicsItem* front = nullptr;
            for (QGraphicsItem* item : Root->childItems())
                if (item != proxy && item->isPanel() && item->isVisible() && (!front || item->zValue() > front->zValue()))
                    front = item;
            if (front)
                scene()->setActivePanel(front);
        }
        break;
    default:
        break;
    }
    return QGraphicsView::eventFilter(Watched, Event);
}

// ---------------------------------------------------------------- tool tips

bool TSceneView::viewportEvent(QEvent* Event)
{
    if (Event->type() == QEvent::ToolTip) {
        ShowToolTip(*static_cast<QHelpEvent*>(Event));
        return true;
    }
    // A press on what an open modal window blocks does nothing: it would
    // take the keyboard from that window, or bring a window it blocks (the
    // dialog a message box was opened over) in front of it.
    if ((Event->type() == QEvent::MouseButtonPress || Event->type() == QEvent::MouseButtonDblClick) &&
        OpenModalWindows() > 0) {
        const QList<QGraphicsItem*> under = items(static_cast<QMouseEvent*>(Event)->position().toPoint());
        if (under.isEmpty() || under.first()->isBlockedByModalPanel())
            return true;
    }
    return QGraphicsView::viewportEvent(Event);
}

QWidget* TSceneView::WidgetAt(const QPoint& ViewPoint) const
{
    for (QGraphicsItem* item : items(ViewPoint)) {
        auto* proxy = qgraphicsitem_cast<QGraphicsProxyWidget*>(item);
        if (!proxy || !proxy->widget() || !proxy->isVisible())
            continue;
        if (proxy->isBlockedByModalPanel())
            return nullptr;
        const QPointF local = proxy->mapFromScene(mapToScene(ViewPoint));
        if (!proxy->rect().contains(local))
            return nullptr; // on a window's frame
        QWidget* child = proxy->widget()->childAt(local.toPoint());
        return child ? child : proxy->widget();
    }
    return nullptr;
}

void TSceneView::ShowToolTip(QHelpEvent& Event)
{
    // The hint of the control under the pointer, in a tip whose text grows
    // with the scene (below a scale of 1 it keeps the desktop's size, so
    // that it stays readable in a small window).
    QWidget* control = WidgetAt(Event.pos());
    while (control && control->toolTip().isEmpty() && !control->isWindow())
        control = control->parentWidget();
    if (!control || control->toolTip().isEmpty()) {
        QToolTip::hideText();
        Event.ignore();
        return;
    }
    static const QFont desktopFont = QToolTip::font();
    QFont font = desktopFont;
    const qreal factor = std::max<qreal>(1.0, CurrentScale);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(desktopFont.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, qRound(desktopFont.pixelSize() * factor)));
    QToolTip::setFont(font);
    // The tip goes when the pointer leaves the control.
    QWidget* window = control->window();
    const QRectF inWindow(control == window ? QPoint(0, 0) : control->mapTo(window, QPoint(0, 0)), control->size());
    const QRect area = mapFromScene(window->graphicsProxyWidget()->mapToScene(inWindow)).boundingRect();
    QToolTip::showText(Event.globalPos(), control->toolTip(), viewport(), area);
}

} // namespace zindo
