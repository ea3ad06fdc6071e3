#pragma once

// Framework-internal: the signals that end a session (SIGTERM at logout or
// from kill, SIGHUP when the terminal closes, SIGINT from Ctrl+C) are turned
// into a call on the event loop, so the program can quit the way its Quit
// command does and keep what the user changed.

#include <functional>
#include <memory>

class QSocketNotifier;

class SignalQuit {
public:
    // While the object lives, each of the three signals calls onSignal with
    // its number from the event loop, never from inside the signal handler:
    // the handler only writes the number to a socket that the loop watches.
    // A signal that the program was started to ignore (nohup, a background
    // job) stays ignored.
    explicit SignalQuit(std::function<void(int signal)> onSignal);
    ~SignalQuit();
    SignalQuit(const SignalQuit&) = delete;
    SignalQuit& operator=(const SignalQuit&) = delete;

private:
    void Deliver();

    std::function<void(int)> onSignal_;
    int sockets_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};
