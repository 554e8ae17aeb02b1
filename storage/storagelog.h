#pragma once

#include <QLoggingCategory>

// Diagnostics of the storage layer beyond the fixed statement-failure lines.
Q_DECLARE_LOGGING_CATEGORY(lcStorage)
