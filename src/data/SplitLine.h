#pragma once

#include <QDateTime>
#include <QString>

// One category line of a split transaction; same sign as its transaction.
struct SplitLine {
    QString id;
    QString transactionId;
    QString categoryId;
    qint64 amount = 0;
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;
};
