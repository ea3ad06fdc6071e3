#include "CupsJobStatus.h"

#include <dlfcn.h>

namespace {

// CUPS answers every request with an IPP status; from this one on, the
// request failed.
constexpr int kFirstErrorStatus = 0x0400;
// The statuses of a request that got no answer from the scheduler: the
// client's own failure (its text is the system's error) and a scheduler
// that is not serving.
constexpr int kInternalError = 0x0500;
constexpr int kServiceUnavailable = 0x0503;

} // namespace

// Qt's printing plugin sends a job to CUPS and drops the answer; CUPS keeps
// the outcome of this thread's last request, which is read here from the
// library the plugin loaded. Where it is not loaded, no job went to CUPS.
std::string CupsRefusal() {
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (cups == nullptr) {
        return {};
    }
    using LastError = int (*)();
    using LastErrorString = const char* (*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(cups, "cupsLastError"));
    const auto lastErrorString =
        reinterpret_cast<LastErrorString>(dlsym(cups, "cupsLastErrorString"));
    std::string reason;
    const int status = lastError != nullptr ? lastError() : 0;
    if (status >= kFirstErrorStatus) {
        const char* text = lastErrorString != nullptr ? lastErrorString() : nullptr;
        reason = text != nullptr && *text != '\0' ? text : "IPP status " + std::to_string(status);
        if (reason.back() == '.') {
            reason.pop_back();
        }
        if (status == kInternalError || status == kServiceUnavailable) {
            reason = "the printing system (CUPS) did not answer (" + reason + ")";
        }
    }
    dlclose(cups);
    return reason;
}
