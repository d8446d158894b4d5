#include "kit/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
class Watcher : public QObject {
public:
    Watcher(QWidget& window, std::function<void()> then)
        : QObject(&window)
        , m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched == parent()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_then();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_then;
};
}

void FirstPaint::then(QWidget& window, std::function<void()> then) { new Watcher(window, std::move(then)); }
