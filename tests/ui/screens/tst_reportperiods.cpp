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

    const QDate march31(2025, 3, 31);
    const QDate jan15(2025, 1, 15);
    QTest::newRow("last month on 31 March")
        << march31 << Preset::LastMonth << QDate(2025, 2, 1) << QDate(2025, 2, 28);
    QTest::newRow("last month on 31 March, leap year")
        << QDate(2024, 3, 31) << Preset::LastMonth << QDate(2024, 2, 1) << QDate(2024, 2, 29);
    QTest::newRow("this quarter on 31 March")
        << march31 << Preset::ThisQuarter << QDate(2025, 1, 1) << march31;
    QTest::newRow("last quarter on 15 January")
        << jan15 << Preset::LastQuarter << QDate(2024, 10, 1) << QDate(2024, 12, 31);
    QTest::newRow("last quarter in November")
        << QDate(2025, 11, 3) << Preset::LastQuarter << QDate(2025, 7, 1) << QDate(2025, 9, 30);
    QTest::newRow("last month on 15 January")
        << jan15 << Preset::LastMonth << QDate(2024, 12, 1) << QDate(2024, 12, 31);
    QTest::newRow("last year") << jan15 << Preset::LastYear << QDate(2024, 1, 1)
                               << QDate(2024, 12, 31);
    QTest::newRow("last 30 days") << march31 << Preset::Last30Days << QDate(2025, 3, 1) << march31;
    QTest::newRow("last 12 months on 29 February")
        << QDate(2024, 2, 29) << Preset::Last12Months << QDate(2023, 2, 28) << QDate(2024, 2, 29);
    QTest::newRow("all time") << jan15 << Preset::AllTime << QDate(2000, 1, 1) << jan15;
}

void TestReportPeriods::presets()
{
    QFETCH(QDate, today);
    QFETCH(Preset, preset);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    const ReportPeriod period = ReportPeriods::range(preset, today);
    QCOMPARE(period.start, start);
    QCOMPARE(period.end, end);
}

void TestReportPeriods::comparisons()
{
    using ReportPeriods::Comparison;
    const QDate jan15(2025, 1, 15);
    const auto [lastQuarter, thisQuarter]
        = ReportPeriods::comparison(Comparison::ThisQuarterVsLastQuarter, jan15);
    QCOMPARE(lastQuarter.start, QDate(2024, 10, 1));
    QCOMPARE(lastQuarter.end, QDate(2024, 12, 31));
    QCOMPARE(thisQuarter.start, QDate(2025, 1, 1));
    QCOMPARE(thisQuarter.end, jan15);

    const auto [before, last] = ReportPeriods::comparison(Comparison::LastYearVsYearBefore, jan15);
    QCOMPARE(before.start, QDate(2023, 1, 1));
    QCOMPARE(before.end, QDate(2023, 12, 31));
    QCOMPARE(last.end, QDate(2024, 12, 31));
    QVERIFY(!ReportPeriods::comparison(Comparison::Custom, jan15).first.start.isValid());
}

QTEST_GUILESS_MAIN(TestReportPeriods)
#include "tst_reportperiods.moc"
