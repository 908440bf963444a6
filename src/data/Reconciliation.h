#pragma once

#include "SyncFields.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

struct Reconciliation : SyncFields {
    QString id;
    QString accountId;
    QDate statementDate;
    qint64 statementBalance = 0;
    qint64 reconciledBalance = 0;
    QDateTime completedAt;
};
