#pragma once

// Framework-internal: whether the printing system took the last job.

#include <string>

// Why CUPS refused the last job this thread sent it (a queue that rejects
// jobs, a scheduler that cannot be reached); empty when it took the job or
// when no job went to CUPS. A queue that holds the job, paused, took it.
// The reason is a phrase without a closing full stop.
std::string CupsRefusal();
