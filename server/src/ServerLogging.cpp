#include "ServerLogging.h"

Q_LOGGING_CATEGORY(lcHttp, "ledgerine.server.http", QtInfoMsg)
Q_LOGGING_CATEGORY(lcAuth, "ledgerine.server.auth", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSync, "ledgerine.server.sync", QtInfoMsg)
Q_LOGGING_CATEGORY(lcStore, "ledgerine.server.store", QtInfoMsg)
