#include "UpdateLogging.h"

Q_LOGGING_CATEGORY(lcUpdate, "mellupdate.client")
