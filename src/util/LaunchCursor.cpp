#include "util/LaunchCursor.h"

#include <QApplication>
#include <QCursor>

namespace bm {

LaunchHooks ApplicationLaunchHooks() {
    LaunchHooks hooks;
    hooks.busyPointer = [](bool busy) {
        if (busy) {
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        } else {
            QApplication::restoreOverrideCursor();
        }
    };
    return hooks;
}

}  // namespace bm
