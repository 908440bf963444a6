#include "DataLogging.h"

Q_LOGGING_CATEGORY(lcDb, "ledgerine.db")
