#include "BackupLogging.h"

Q_LOGGING_CATEGORY(lcBackup, "ledgerine.backup")
