#pragma once

class QWidget;

// For the start-up benchmark (bench/startup.sh): when DORV_BENCH_PAINTED names a file, the
// moment the window is first exposed and the moment its first frame has been painted are written
// there, as CLOCK_REALTIME nanoseconds ("mapped <ns>" and "painted <ns>"). Without it nothing is
// watched.
namespace FirstFrame {
void report(QWidget& window);
}
