#include "UpdateConfig.h"

#include "app/Environment.h"

#ifndef LEDGERINE_DEFAULT_UPDATE_URL
#define LEDGERINE_DEFAULT_UPDATE_URL ""
#endif

namespace MellUpdate {

UpdateConfig UpdateConfig::forThisBuild()
{
    UpdateConfig config;
    QString base = Environment::value("LEDGERINE_UPDATE_URL");
    if (base.isEmpty())
        base = QStringLiteral(LEDGERINE_DEFAULT_UPDATE_URL);
    if (!base.isEmpty())
        config.manifestBaseUrl = QUrl(base);
    config.currentVersion = QStringLiteral(LEDGERINE_VERSION);
    return config;
}

} // namespace MellUpdate
