#pragma once

#include <string>

// Shows the text in a message box with an OK button and waits until the
// user closes it.
void MsgBox(const std::string& text);
