#include "StartUpLoader.h"

#include "data/DataContainer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zindo {

TStartUpLoader::TStartUpLoader(QWidget& AWindow, std::function<void()> AWork)
    : QObject(&AWindow), Window(AWindow), Work(std::move(AWork))
{
    // The frame is painted into the window's view, a child; the
    // application's events show the painting of any of them.
    qApp->installEventFilter(this);
    Watching = true;
}

TStartUpLoader::~TStartUpLoader()
{
    StopWatching();
}

void TStartUpLoader::StopWatching()
{
    if (Watching)
        qApp->removeEventFilter(this);
    Watching = false;
}

void TStartUpLoader::Finish()
{
    StopWatching();
    if (Done)
        return;
    Done = true;
    Work();
}

bool TStartUpLoader::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::Paint && Watched->isWidgetType() &&
        static_cast<QWidget*>(Watched)->window() == &Window) {
        StopWatching();
        // Queued behind the painting, which sends the frame on its way first.
        QTimer::singleShot(0, this, [this] { Finish(); });
    }
    return QObject::eventFilter(Watched, Event);
}

TPictureInBackground::TPictureInBackground(const QString& Container)
    : Result(std::async(std::launch::async, [Container] { return LoadContainedPicture(Container); }))
{
}

QImage TPictureInBackground::Take()
{
    return Result.get();
}

} // namespace zindo
