#include "Environment.h"

#include <QByteArray>

QString Environment::value(const char* name)
{
    return QString::fromUtf8(qgetenv(name));
}

bool Environment::isSet(const char* name)
{
    return !qgetenv(name).isEmpty();
}
