#pragma once

#include "SyncStatus.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

enum class Frequency { Daily, Weekly, Biweekly, Monthly, Quarterly, SemiAnnual, Annual };

QString frequencyToText(Frequency frequency);
Frequency frequencyFromText(const QString& text);

struct RecurringTransaction {
    QString id;
    QString accountId;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    Frequency frequency = Frequency::Monthly;
    QDate startDate;
    std::optional<QDate> endDate;
    QDate nextDueDate;
    bool autoPost = false;
    bool isActive = true;
    QString transferDestAccountId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
