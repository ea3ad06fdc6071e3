#pragma once

// Framework-internal and for tests: Qt hands accessibility events only to an
// active screen reader, so a test records each result a read-out announces
// here instead. An empty recorder stops recording.

#include <functional>

class QObject;

void RecordAnnouncementsForTesting(std::function<void(QObject* field, double value)> recorder);
