#pragma once

// For tests: the message box of every report goes to the handler instead
// of the screen (the line on standard error is still written); an empty
// handler shows the boxes again.

#include <functional>
#include <string>

void SetReportHandler(std::function<void(const std::string&)> handler);
