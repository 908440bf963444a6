#include "SyncLogging.h"

Q_LOGGING_CATEGORY(lcSync, "ledgerine.sync")
