#include "app/first_frame.h"

#include "kit/first_paint.h"

#include <QEvent>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <ctime>

namespace {

qint64 now(clockid_t clock = CLOCK_REALTIME)
{
    timespec t{};
    clock_gettime(clock, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Notes the moment the window is first exposed on the screen.
class ExposeWatcher : public QObject {
public:
    explicit ExposeWatcher(QWidget& window)
        : QObject(&window)
    {
        if (QWindow* handle = window.windowHandle())
            handle->installEventFilter(this);
    }
    qint64 mapped = 0;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && mapped == 0)
            mapped = now();
        return false;
    }
};

} // namespace

void FirstFrame::report(QWidget& window)
{
    const QString path = qEnvironmentVariable("DORV_BENCH_PAINTED");
    if (path.isEmpty())
        return;
    auto* expose = new ExposeWatcher(window);
    FirstPaint::then(window, [path, expose] {
        const qint64 painted = now();
        // The processor time of all the program's threads, the loader's work included.
        const qint64 cpu = now(CLOCK_PROCESS_CPUTIME_ID);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QByteArray("mapped ") + QByteArray::number(expose->mapped ? expose->mapped : painted)
                       + "\npainted " + QByteArray::number(painted) + "\ncpu " + QByteArray::number(cpu) + "\n");
        delete expose;
    });
}
