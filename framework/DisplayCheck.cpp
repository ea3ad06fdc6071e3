#include "DisplayCheck.h"

#include <QtGlobal>

#include <cstdlib>

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

bool GraphicalDisplayNamed() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

const char* NoDisplayMessage() {
    return "lumaDex needs a graphical display: set DISPLAY or WAYLAND_DISPLAY, or start it "
           "with scripts/run, which provides a virtual display (Xvfb)\n";
}
