#include "Ids.h"

QString Ids::newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString Ids::nameBased(const QUuid& ns, const QString& name)
{
    return QUuid::createUuidV5(ns, name.toUtf8()).toString(QUuid::WithoutBraces);
}
