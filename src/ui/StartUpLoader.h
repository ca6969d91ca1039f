#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <future>

class QWidget;

namespace zindo {

/// Work the window's first frame does not need (the sounds, the bonus
/// icons), done just after that frame has been drawn so that the window
/// shows as early as it can. Whatever needs the work before then runs it at
/// once with Finish. The work runs once.
class TStartUpLoader : public QObject {
public:
    /// Waits for the first painting of Window (or of a widget in it).
    TStartUpLoader(QWidget& Window, std::function<void()> Work);
    ~TStartUpLoader() override;

    /// Runs the work now, unless it has run already.
    void Finish();
    /// The work has run.
    bool Finished() const { return Done; }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void StopWatching();

    QWidget& Window;            ///< the window whose first frame comes first
    std::function<void()> Work; ///< what waits for it
    bool Watching = false;      ///< the application's events are watched for the first painting
    bool Done = false;          ///< Work has run
};

/// A picture of the game's data read on a worker thread from the moment it
/// is made, while the window builds its screens.
class TPictureInBackground {
public:
    /// Starts reading the container Container (LoadContainedPicture).
    explicit TPictureInBackground(const QString& Container);
    /// Waits for the picture; raises the reading's EQzError. Once only.
    QImage Take();

private:
    std::future<QImage> Result;
};

} // namespace zindo
