#include "Pause.h"

#include <QThread>

namespace kl::platform {

void ThreadPause::sleep(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds > 0 ? milliseconds : 0));
}

} // namespace kl::platform
