#pragma once

#include <functional>

class QWidget;

// Runs `then` once a window's first frame has been painted: the window is painted before its
// controls, all before the frame goes to the screen, so a zero timer posted from its first paint
// runs when the whole frame is done. Nothing runs if the window goes away first.
namespace FirstPaint {
void then(QWidget& window, std::function<void()> then);
}
