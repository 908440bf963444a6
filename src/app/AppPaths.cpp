#include "AppPaths.h"

#include "Environment.h"

#include <QStandardPaths>

QString AppPaths::dataDirectory()
{
    if (Environment::isSet("LEDGERINE_DATA_DIR"))
        return Environment::value("LEDGERINE_DATA_DIR");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Mellowind/Ledgerine");
}

QString AppPaths::databasePath()
{
    return dataDirectory() + QStringLiteral("/ledgerine.db");
}
