#include "ui/screens/ReportPeriods.h"

#include <QTest>

using ReportPeriods::Preset;

class TestReportPeriods : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void presets_data();
    void presets();
    void comparisons();
};

void TestReportPeriods::presets_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    // The first and last transaction, for All Time; invalid when there are none.
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");

    const QDate march31(2025, 3, 31);
    const QDate jan15(2025, 1, 15);
    const auto row = [](const char* name, const QDate& today, Preset preset, const QDate& start,
                         const QDate& end, const QDate& first = {}, const QDate& last = {}) {
        QTest::newRow(name) << today << preset << start << end << first << last;
    };
    row("last month on 31 March", march31, Preset::LastMonth, QDate(2025, 2, 1),
        QDate(2025, 2, 28));
    row("last month on 31 March, leap year", QDate(2024, 3, 31), Preset::LastMonth,
        QDate(2024, 2, 1), QDate(2024, 2, 29));
    row("this quarter on 31 March", march31, Preset::ThisQuarter, QDate(2025, 1, 1), march31);
    row("last quarter on 15 January", jan15, Preset::LastQuarter, QDate(2024, 10, 1),
        QDate(2024, 12, 31));
    row("last quarter in November", QDate(2025, 11, 3), Preset::LastQuarter, QDate(2025, 7, 1),
        QDate(2025, 9, 30));
    row("last month on 15 January", jan15, Preset::LastMonth, QDate(2024, 12, 1),
        QDate(2024, 12, 31));
    row("last year", jan15, Preset::LastYear, QDate(2024, 1, 1), QDate(2024, 12, 31));
    row("last 30 days", march31, Preset::Last30Days, QDate(2025, 3, 1), march31);
    row("last 12 months on 29 February", QDate(2024, 2, 29), Preset::Last12Months,
        QDate(2023, 2, 28), QDate(2024, 2, 29));
    row("all time, nothing recorded", jan15, Preset::AllTime, jan15, jan15);
    row("all time from year 1", jan15, Preset::AllTime, QDate(1, 1, 1), jan15, QDate(1, 1, 1),
        QDate(2024, 12, 31));
    row("all time into next year", jan15, Preset::AllTime, QDate(2020, 3, 1), QDate(2026, 2, 1),
        QDate(2020, 3, 1), QDate(2026, 2, 1));
}

void TestReportPeriods::presets()
{
    QFETCH(QDate, today);
    QFETCH(Preset, preset);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    const std::optional<ReportPeriod> recorded
        = first.isValid() ? std::optional(ReportPeriod { first, last }) : std::nullopt;
    const ReportPeriod period = ReportPeriods::range(preset, today, recorded);
    QCOMPARE(std::tie(period.start, period.end), std::tie(start, end));
}

void TestReportPeriods::comparisons()
{
    using ReportPeriods::Comparison;
    const QDate jan15(2025, 1, 15);
    const auto [lastQuarter, thisQuarter]
        = ReportPeriods::comparison(Comparison::ThisQuarterVsLastQuarter, jan15);
    QCOMPARE(
        QList<QDate>({ lastQuarter.start, lastQuarter.end, thisQuarter.start, thisQuarter.end }),
        QList<QDate>({ QDate(2024, 10, 1), QDate(2024, 12, 31), QDate(2025, 1, 1), jan15 }));
    const auto [before, last] = ReportPeriods::comparison(Comparison::LastYearVsYearBefore, jan15);
    QCOMPARE(QList<QDate>({ before.start, before.end, last.end }),
        QList<QDate>({ QDate(2023, 1, 1), QDate(2023, 12, 31), QDate(2024, 12, 31) }));
    QVERIFY(!ReportPeriods::comparison(Comparison::Custom, jan15).first.start.isValid());
}

QTEST_GUILESS_MAIN(TestReportPeriods)
#include "tst_reportperiods.moc"
