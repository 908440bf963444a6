#pragma once

#include "SyncFields.h"

#include <QDate>
#include <QString>
#include <optional>

enum class Frequency { Daily, Weekly, Biweekly, Monthly, Quarterly, SemiAnnual, Annual };

QString frequencyToText(Frequency frequency);
Frequency frequencyFromText(const QString& text);

struct RecurringTransaction : SyncFields {
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
};
