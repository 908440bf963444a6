#include "ReportLogging.h"

Q_LOGGING_CATEGORY(lcReports, "ledgerine.reports")
