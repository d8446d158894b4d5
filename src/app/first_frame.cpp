#include "app/first_frame.h"

#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <ctime>

namespace {

qint64 now()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

class Watcher : public QObject {
public:
    Watcher(QWidget& window, QString path)
        : QObject(&window)
        , m_window(window)
        , m_path(std::move(path))
    {
        window.installEventFilter(this);
        if (QWindow* handle = window.windowHandle())
            handle->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && watched != &m_window && m_mapped == 0)
            m_mapped = now();
        if (event->type() == QEvent::Paint && watched == &m_window && !m_painting) {
            m_painting = true;
            // The window is painted first and its controls after it, all before the frame is
            // put on the screen; a zero timer runs once that is done.
            QTimer::singleShot(0, this, [this] {
                const qint64 painted = now();
                QFile file(m_path);
                if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                    file.write(QByteArray("mapped ") + QByteArray::number(m_mapped ? m_mapped : painted) + "\npainted "
                               + QByteArray::number(painted) + "\n");
                m_window.removeEventFilter(this);
                if (QWindow* handle = m_window.windowHandle())
                    handle->removeEventFilter(this);
            });
        }
        return false;
    }

private:
    QWidget& m_window;
    QString m_path;
    qint64 m_mapped = 0;
    bool m_painting = false;
};

} // namespace

void FirstFrame::report(QWidget& window)
{
    const QString path = qEnvironmentVariable("DORV_BENCH_PAINTED");
    if (!path.isEmpty())
        new Watcher(window, path);
}
