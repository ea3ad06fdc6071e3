#pragma once

#include <functional>
#include <string>

// Tells the user something in a small box and waits until it is closed.
void MsgBox(const std::string& message);
// Replaces the box (tests record the messages instead); an empty reporter
// brings the box back.
void SetMsgBoxReporter(std::function<void(const std::string&)> reporter);
