#include "RecurringLogging.h"

Q_LOGGING_CATEGORY(lcRecurring, "ledgerine.recurring")
