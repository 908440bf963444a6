#include "AccountLogging.h"

Q_LOGGING_CATEGORY(lcAccount, "ledgerine.account")
