#include "ReportPeriods.h"

namespace ReportPeriods {

QDate quarterStart(const QDate& day)
{
    return QDate(day.year(), 3 * ((day.month() - 1) / 3) + 1, 1);
}

ReportPeriod range(Preset preset, const QDate& today, const std::optional<ReportPeriod>& recorded)
{
    const QDate monthStart(today.year(), today.month(), 1);
    const QDate yearStart(today.year(), 1, 1);
    switch (preset) {
    case Preset::ThisMonth: return { monthStart, today };
    case Preset::LastMonth: return { monthStart.addMonths(-1), monthStart.addDays(-1) };
    case Preset::ThisQuarter: return { quarterStart(today), today };
    case Preset::LastQuarter:
        return { quarterStart(today).addMonths(-3), quarterStart(today).addDays(-1) };
    case Preset::ThisYear: return { yearStart, today };
    case Preset::LastYear: return { yearStart.addYears(-1), yearStart.addDays(-1) };
    case Preset::Last30Days: return { today.addDays(-30), today };
    case Preset::Last90Days: return { today.addDays(-90), today };
    case Preset::Last12Months: return { today.addYears(-1), today };
    case Preset::AllTime:
        if (!recorded)
            return { today, today };
        return { std::min(recorded->start, today), std::max(recorded->end, today) };
    case Preset::Custom: break;
    }
    return {};
}

std::pair<ReportPeriod, ReportPeriod> comparison(Comparison preset, const QDate& today)
{
    switch (preset) {
    case Comparison::ThisYearVsLastYear:
        return { range(Preset::LastYear, today), range(Preset::ThisYear, today) };
    case Comparison::LastYearVsYearBefore: {
        const ReportPeriod last = range(Preset::LastYear, today);
        return { { last.start.addYears(-1), last.end.addYears(-1) }, last };
    }
    case Comparison::ThisQuarterVsLastQuarter:
        return { range(Preset::LastQuarter, today), range(Preset::ThisQuarter, today) };
    case Comparison::Custom: break;
    }
    return {};
}

} // namespace ReportPeriods
