#pragma once

#include "services/ReportRows.h"

#include <QDate>
#include <optional>
#include <utility>

// The periods the reports offer, worked out from "today".
namespace ReportPeriods {

// In the order of the period box.
enum class Preset {
    ThisMonth,
    LastMonth,
    ThisQuarter,
    LastQuarter,
    ThisYear,
    LastYear,
    Last30Days,
    Last90Days,
    Last12Months,
    AllTime,
    Custom
};

// In the order of the comparison box.
enum class Comparison {
    ThisYearVsLastYear,
    LastYearVsYearBefore,
    ThisQuarterVsLastQuarter,
    Custom
};

// The first day of the quarter `day` falls in.
QDate quarterStart(const QDate& day);
// Custom has no range of its own: invalid dates. All Time runs from the first
// to the last recorded transaction (`recorded`), and through today at least.
ReportPeriod range(
    Preset preset, const QDate& today, const std::optional<ReportPeriod>& recorded = std::nullopt);
// The earlier period first; Custom gives invalid dates.
std::pair<ReportPeriod, ReportPeriod> comparison(Comparison preset, const QDate& today);

} // namespace ReportPeriods
