#include "RecurringTransaction.h"

QString frequencyToText(Frequency frequency)
{
    switch (frequency) {
    case Frequency::Daily: return QStringLiteral("daily");
    case Frequency::Weekly: return QStringLiteral("weekly");
    case Frequency::Biweekly: return QStringLiteral("biweekly");
    case Frequency::Monthly: return QStringLiteral("monthly");
    case Frequency::Quarterly: return QStringLiteral("quarterly");
    case Frequency::SemiAnnual: return QStringLiteral("semi_annual");
    case Frequency::Annual: return QStringLiteral("annual");
    }
    return QStringLiteral("monthly");
}

Frequency frequencyFromText(const QString& text)
{
    for (Frequency f : { Frequency::Daily, Frequency::Weekly, Frequency::Biweekly,
             Frequency::Quarterly, Frequency::SemiAnnual, Frequency::Annual }) {
        if (frequencyToText(f) == text)
            return f;
    }
    return Frequency::Monthly;
}
