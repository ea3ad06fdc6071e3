#include "SignalQuit.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace {

constexpr std::array kSessionSignals = {SIGTERM, SIGHUP, SIGINT};

// The socket end that the handler writes to; -1 while no SignalQuit lives.
std::atomic<int> writeEnd{-1};

std::array<struct sigaction, kSessionSignals.size()>& Before() {
    static std::array<struct sigaction, kSessionSignals.size()> before{};
    return before;
}

// Runs inside the signal: only async-signal-safe calls. The socket does not
// block, so a flood of signals drops bytes rather than stopping the program.
extern "C" void WriteSignalNumber(int signal) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    const int end = writeEnd.load();
    if (end >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(end, &number, 1);
    }
    errno = savedErrno;
}

} // namespace

SignalQuit::SignalQuit(std::function<void(int)> onSignal) : onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets_) != 0) {
        sockets_[0] = sockets_[1] = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(sockets_[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Deliver(); });
    writeEnd.store(sockets_[0]);
    for (std::size_t index = 0; index < kSessionSignals.size(); ++index) {
        struct sigaction action {};
        action.sa_handler = WriteSignalNumber;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(kSessionSignals[index], nullptr, &Before()[index]);
        if (Before()[index].sa_handler != SIG_IGN) {
            sigaction(kSessionSignals[index], &action, nullptr);
        }
    }
}

SignalQuit::~SignalQuit() {
    if (sockets_[0] < 0) {
        return;
    }
    for (std::size_t index = 0; index < kSessionSignals.size(); ++index) {
        sigaction(kSessionSignals[index], &Before()[index], nullptr);
    }
    writeEnd.store(-1);
    notifier_.reset();
    ::close(sockets_[0]);
    ::close(sockets_[1]);
}

// Every signal that arrived is passed on, in the order it came.
void SignalQuit::Deliver() {
    unsigned char numbers[16];
    ssize_t count = 0;
    while ((count = ::read(sockets_[1], numbers, sizeof numbers)) > 0) {
        for (ssize_t index = 0; index < count; ++index) {
            onSignal_(numbers[index]);
        }
    }
}
