#pragma once

// For tests: message boxes go to the handler instead of the screen; an
// empty handler shows them again.

#include <functional>
#include <string>

void SetMsgBoxHandler(std::function<void(const std::string&)> handler);
