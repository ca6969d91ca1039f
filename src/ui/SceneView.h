#pragma once

#include <QGraphicsView>
#include <QList>
#include <QPointer>

#include <functional>

class QGraphicsProxyWidget;

namespace zindo {

class TScene;

/// Shows the scene, laid out in design units, scaled by one factor to fill
/// the window: s = min(width / design width, height / design height), centred,
/// with black bars on the two remaining sides. The scene's widgets live in a
/// graphics scene, so text, frames and buttons are drawn at the device's own
/// resolution and pictures are scaled smoothly; mouse input is mapped back to
/// design units by the view.
///
/// Windows opened from the main window or from inside the scene (dialogs,
/// message boxes, the in-game menu) are embedded into the same graphics
/// scene: they scale with it, are drawn with the game's frame, open centred
/// on it (or where their caller placed them), and block it while modal. The
/// platform's file dialog stays a window of its own.
///
/// Owned by the main window, which it fills. Its graphics scene holds the
/// scene widget from then on: destroying the view destroys the scene widget
/// and every window embedded in it, so the main window destroys its view
/// first.
class TSceneView : public QGraphicsView {
public:
    /// AScene becomes the view's content; it keeps its parent (the main
    /// window), so the window's controls are found among its children.
    TSceneView(TScene& AScene, QWidget* Parent);
    ~TSceneView() override;

    /// The factor design units are drawn with.
    qreal Scale() const { return CurrentScale; }
    /// Where a point of the scene, in design units, lies in the view.
    QPointF MapFromDesign(const QPointF& Point) const;
    /// Fits the scene to the view again; called when the view or the
    /// scene's design size changes.
    void FitScene();
    /// Windows embedded in the scene that are open and modal now.
    int OpenModalWindows() const;

    /// Called when the first modal window opens in the scene (true) and when
    /// the last one closes (false); the main window's keys wait meanwhile.
    std::function<void(bool Open)> OnModalChanged;

    /// Paints at once what waits to be painted in the scene holding Inside
    /// (or in Inside's window when it lies in no scene).
    static void PaintNow(QWidget& Inside);
    /// The program's own window holding the scene Inside lies in; Inside's
    /// window when it lies in no scene.
    static QWidget* HostWindow(QWidget& Inside);

protected:
    void showEvent(QShowEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    bool viewportEvent(QEvent* Event) override;
    void drawBackground(QPainter* Painter, const QRectF& Exposed) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool BelongsHere(const QWidget& Window) const;
    void Embed(QWidget& Window);
    void PlaceWindow(QWidget& Window);
    void NoteModal(QWidget& Window, bool Open);
    QWidget* WidgetAt(const QPoint& ViewPoint) const;
    void ShowToolTip(QHelpEvent& Event);

    TScene& Scene;                         ///< the content, in design units
    QGraphicsProxyWidget* Root = nullptr;  ///< the scene's stand-in in the graphics scene
    qreal CurrentScale = 1.0;                    ///< see Scale
    QList<QPointer<QWidget>> ModalWindows; ///< embedded modal windows now open
};

} // namespace zindo
