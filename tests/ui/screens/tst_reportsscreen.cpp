#include "Records.h"
#include "ScopedLanguage.h"
#include "TestAppState.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Money.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"
#include "services/ReportService.h"
#include "ui/screens/ReportChart.h"
#include "ui/screens/ReportPeriods.h"
#include "ui/screens/ReportRunner.h"
#include "ui/screens/ReportTableModel.h"
#include "ui/screens/ReportsScreen.h"
#include "ui/screens/WelcomeScreen.h"
#include "ui/widgets/FormDateEdit.h"
#include "ui/widgets/MessageBoxes.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using ReportPeriods::Preset;

namespace {

const QDate kToday(2025, 3, 31);

QString cell(const ReportsScreen& screen, int tab, int row, int column)
{
    return screen.model(tab)->index(row, column).data().toString();
}

QComboBox* combo(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(box->findText(text));
    return box;
}

} // namespace

class TestReportsScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void filtersRunOnlyTheTabOnScreenAndExportIt();
    void periodsAndChartsDrawWhatTheTablesList();
    void everyTabInSightOfANarrowWindow_data();
    void everyTabInSightOfANarrowWindow();
    void welcomeColumnKeepsItsWidth();
};

void TestReportsScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    Clock::setFixedUtc(QDateTime(kToday, QTime(10, 0), Qt::UTC));
}

void TestReportsScreen::filtersRunOnlyTheTabOnScreenAndExportIt()
{
    TestAppState app;
    const Account checking = app.addAccount(QStringLiteral("Checking"));
    const Account euro = app.addAccount(QStringLiteral("Girokonto"), 0, Currency::EUR);
    app.addTransaction(checking.id, QDate(2025, 3, 2), "=cmd|' /C calc'!A0", -123'456);
    app.addTransaction(checking.id, QDate(2025, 3, 6), "Smith, \"Jo\"", 1'000'000);
    app.addTransaction(euro.id, QDate(2025, 3, 3), "Bäckerei", -5'000);
    app.addTransaction(euro.id, QDate(2025, 3, 28), "Gehalt", 250'000);

    ReportsScreen screen(app.state());
    QStringList choices;
    for (int i = 0; i < screen.accountBox()->count(); ++i)
        choices << screen.accountBox()->itemText(i);
    QCOMPARE(
        choices, QStringList({ "All USD accounts", "All EUR accounts", "Checking", "Girokonto" }));
    QTRY_COMPARE(
        cell(screen, ReportsScreen::CategorySpendingTab, 0, 1), QStringLiteral("-$1,234.56"));

    // A change of account recomputes the tab on screen; the others wait to be shown.
    combo(screen.accountBox(), QStringLiteral("All EUR accounts"));
    QTRY_COMPARE(cell(screen, ReportsScreen::CategorySpendingTab, 0, 1), QStringLiteral("-€50.00"));
    QCOMPARE(screen.runCount(ReportsScreen::CashFlowTab), 0);
    screen.tabs()->setCurrentIndex(ReportsScreen::CashFlowTab);
    QCOMPARE(screen.runCount(ReportsScreen::CashFlowTab), 1);
    ReportTableModel* flow = screen.model(ReportsScreen::CashFlowTab);
    QTRY_COMPARE(flow->rowCount(), 2);
    QCOMPARE(QStringList({ cell(screen, ReportsScreen::CashFlowTab, 1, 0),
                 cell(screen, ReportsScreen::CashFlowTab, 1, 3) }),
        QStringList({ "Total", "€2,450.00" }));
    QVERIFY(flow->index(1, 0).data(Qt::FontRole).value<QFont>().bold());
    screen.tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    screen.tabs()->setCurrentIndex(ReportsScreen::CashFlowTab);
    QCOMPARE(screen.runCount(ReportsScreen::CashFlowTab), 1);

    // The account summary keeps to the chosen currency.
    screen.tabs()->setCurrentIndex(ReportsScreen::AccountSummaryTab);
    QTRY_COMPARE(screen.model(ReportsScreen::AccountSummaryTab)->rowCount(), 1);
    QCOMPARE(QStringList({ cell(screen, ReportsScreen::AccountSummaryTab, 0, 1),
                 cell(screen, ReportsScreen::AccountSummaryTab, 0, 4) }),
        QStringList({ "Checking", "€2,450.00" }));

    // The file holds what the tab shows, replaces what was there, and starts no formula.
    combo(screen.accountBox(), QStringLiteral("All USD accounts"));
    screen.tabs()->setCurrentIndex(ReportsScreen::PayeeSummaryTab);
    QTRY_COMPARE(screen.model(ReportsScreen::PayeeSummaryTab)->rowCount(), 2);
    QTemporaryDir dir;
    const QString path = dir.filePath(ReportsScreen::csvFileName(ReportsScreen::PayeeSummaryTab));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("a much longer file that was here before and must not show through");
    file.close();
    MessageBoxes::clearAnswers();
    screen.exportTo(path);
    QVERIFY(!MessageBoxes::lastShown());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()),
        QStringLiteral("\"Payee\",\"Total\",\"Count\"\n"
                       "\"'=cmd|' /C calc'!A0\",\"-$1,234.56\",\"1\"\n"
                       "\"Smith, \"\"Jo\"\"\",\"$10,000.00\",\"1\"\n"));

    // The transaction list comes in pages, and its file holds the whole list.
    const int count = ReportsScreen::kPageSize + 5;
    {
        TransactionScope unit(app->database());
        // Few dates and payees: the pages must still neither repeat nor skip a row.
        for (int i = 0; i < count; ++i) {
            QVERIFY(app->transactions()->insert(Records::transaction(checking.id,
                QDate(2025, 3, 1 + i % 3), QStringLiteral("Shop %1").arg(i % 2), -100 - i)));
        }
        QVERIFY(unit.commit());
    }
    screen.resize(900, 700);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.tabs()->setCurrentIndex(ReportsScreen::TransactionsTab);
    ReportTableModel* list = screen.model(ReportsScreen::TransactionsTab);
    QTRY_COMPARE(list->rowCount(), ReportsScreen::kPageSize);
    const QString total
        = Money::formatMoney(-100LL * count - count * (count - 1LL) / 2 - 123'456 + 1'000'000);
    QCOMPARE(screen.listSizeLabel()->text(),
        QStringLiteral("Rows: %1 of %2 · Total: %3")
            .arg(QLocale().toString(ReportsScreen::kPageSize), QLocale().toString(count + 2),
                total));
    const QString whole = dir.filePath(ReportsScreen::csvFileName(ReportsScreen::TransactionsTab));
    QTRY_VERIFY(screen.exportButton()->isEnabled());
    QSignalSpy exported(&screen, &ReportsScreen::exported);
    screen.exportTo(whole);
    QTRY_COMPARE(exported.count(), 1);
    QCOMPARE(exported.first(), QVariantList({ whole, true }));
    QFile listFile(whole);
    QVERIFY(listFile.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(listFile.readAll());
    QTest::mouseClick(screen.showMoreButton(), Qt::LeftButton);
    QTRY_COMPARE(list->rowCount(), count + 2);
    QVERIFY(!screen.showMoreButton()->isVisible());
    QCOMPARE(screen.listSizeLabel()->text(),
        QStringLiteral("Rows: %1 · Total: %2").arg(QLocale().toString(count + 2), total));
    QCOMPARE(
        written, ReportService::csvText(list->headers(), list->texts(), list->amountColumns()));

    ReportRunner runner(app->database());
    QSignalSpy delivered(&runner, &ReportRunner::delivered);
    // A job that a newer request overtook while it ran learns so, and the newer one does not.
    QSemaphore started;
    QSemaphore resume;
    QList<bool> interrupted;
    runner.post(5, [&](const ReportService&) -> ReportRunner::Apply {
        started.release();
        resume.acquire();
        interrupted << runner.interrupted();
        return {};
    });
    started.acquire();
    runner.post(5, [&](const ReportService&) -> ReportRunner::Apply {
        interrupted << runner.interrupted();
        return {};
    });
    resume.release();
    QTRY_COMPARE(delivered.count(), 1);
    QCOMPARE(interrupted, QList<bool>({ true, false }));
}

void TestReportsScreen::periodsAndChartsDrawWhatTheTablesList()
{
    using ReportPeriods::Comparison;
    using ReportPeriods::range;
    const auto dates = [](const ReportPeriod& a, const ReportPeriod& b = {}) {
        return QList<QDate>({ a.start, a.end, b.start, b.end });
    };
    const QDate jan15(2025, 1, 15);
    // The other presets are driven through the window. All Time runs from the
    // first and last transaction through today; with none, today only.
    QCOMPARE(dates(range(Preset::Last30Days, kToday), range(Preset::AllTime, jan15)),
        QList<QDate>({ QDate(2025, 3, 1), kToday, jan15, jan15 }));
    QCOMPARE(
        dates(range(Preset::Last12Months, QDate(2024, 2, 29)),
            range(Preset::AllTime, jan15, ReportPeriod { QDate(1, 1, 1), QDate(2024, 12, 31) })),
        QList<QDate>({ QDate(2023, 2, 28), QDate(2024, 2, 29), QDate(1, 1, 1), jan15 }));
    const auto [lastQuarter, thisQuarter]
        = ReportPeriods::comparison(Comparison::ThisQuarterVsLastQuarter, jan15);
    QCOMPARE(dates(lastQuarter, thisQuarter),
        QList<QDate>({ QDate(2024, 10, 1), QDate(2024, 12, 31), QDate(2025, 1, 1), jan15 }));
    const auto [yearBefore, lastYear]
        = ReportPeriods::comparison(Comparison::LastYearVsYearBefore, jan15);
    QCOMPARE(dates(yearBefore, lastYear),
        QList<QDate>(
            { QDate(2023, 1, 1), QDate(2023, 12, 31), QDate(2024, 1, 1), QDate(2024, 12, 31) }));
    QVERIFY(!ReportPeriods::comparison(Comparison::Custom, jan15).first.start.isValid());

    TestAppState app;
    const Account checking = app.addAccount(QStringLiteral("Checking"));
    // Nine categories: seven get bars, the two smallest make "Other".
    for (int i = 1; i <= 9; ++i) {
        Category c = Records::category(QStringLiteral("Cat %1").arg(i));
        QVERIFY(app->categories()->insert(c));
        app.addTransaction(checking.id, QDate(2025, 3, i), "Shop", -1'000 * i - 1, c.id);
    }
    app.addTransaction(checking.id, QDate(2025, 2, 1), "Pay", 700'000);
    app.addTransaction(checking.id, QDate(1987, 4, 2), "Bank", 5'000);
    app.addTransaction(checking.id, QDate(2026, 1, 5), "Rent", -70'000);
    ReportsScreen screen(app.state());

    // All Time runs from the first transaction to the last.
    const auto shownRange = [&screen] {
        return QList<QDate>({ screen.startEdit()->date(), screen.endEdit()->date() });
    };
    combo(screen.periodBox(), QStringLiteral("All Time"));
    QCOMPARE(shownRange(), QList<QDate>({ QDate(1987, 4, 2), QDate(2026, 1, 5) }));
    combo(screen.periodBox(), QStringLiteral("Last Month"));
    QCOMPARE(shownRange(), QList<QDate>({ QDate(2025, 2, 1), QDate(2025, 2, 28) }));

    // A date of the user's own makes the period custom and is kept; the
    // report waits for the typing to settle and then runs once.
    const int before = screen.runCount(ReportsScreen::CategorySpendingTab);
    screen.startEdit()->setDate(QDate(2025, 1, 9));
    screen.startEdit()->setDate(QDate(2025, 1, 10));
    QCOMPARE(screen.periodBox()->currentText(), QStringLiteral("Custom"));
    QCOMPARE(screen.runCount(ReportsScreen::CategorySpendingTab), before);
    QCOMPARE(shownRange(), QList<QDate>({ QDate(2025, 1, 10), QDate(2025, 2, 28) }));
    QTRY_COMPARE(screen.runCount(ReportsScreen::CategorySpendingTab), before + 1);

    combo(screen.periodBox(), QStringLiteral("This Year"));
    QTRY_COMPARE(screen.model(ReportsScreen::CategorySpendingTab)->rowCount(), 9);

    auto* spending = qobject_cast<QHorizontalBarSeries*>(
        screen.chart(ReportsScreen::CategorySpendingTab)->chart()->series().value(0));
    QVERIFY(spending);
    const QBarSet* bars = spending->barSets().value(0);
    const auto* names = qobject_cast<QBarCategoryAxis*>(
        screen.chart(ReportsScreen::CategorySpendingTab)->chart()->axes(Qt::Vertical).value(0));
    QCOMPARE(bars->count(), ReportChart::kLargestCategories + 1);
    QCOMPARE(QStringList({ names->at(bars->count() - 1), names->at(0) }),
        QStringList({ "Cat 9", "Other" }));
    // Each bar is the table's amount; "Other" is the sum of the rows it stands for.
    for (int row = 0; row < ReportChart::kLargestCategories; ++row) {
        const int bar = bars->count() - 1 - row;
        QCOMPARE(names->at(bar), cell(screen, ReportsScreen::CategorySpendingTab, row, 0));
        QCOMPARE(Money::fromValue(-bars->at(bar)),
            Money::parseAmount(cell(screen, ReportsScreen::CategorySpendingTab, row, 1)));
    }
    QCOMPARE(Money::fromValue(bars->at(0)), 2'001 + 1'001);

    screen.tabs()->setCurrentIndex(ReportsScreen::IncomeVsExpensesTab);
    QTRY_VERIFY(!screen.isComputing(ReportsScreen::IncomeVsExpensesTab));
    QChart* months = screen.chart(ReportsScreen::IncomeVsExpensesTab)->chart();
    auto* monthBars = qobject_cast<QBarSeries*>(months->series().value(0));
    const auto* net = qobject_cast<QLineSeries*>(months->series().value(1));
    QVERIFY(monthBars && net);
    // The net line follows the table; the bars are read by the pointer below.
    QCOMPARE(std::tuple(net->count(), screen.model(ReportsScreen::IncomeVsExpensesTab)->rowCount()),
        std::tuple(2, 3));
    QCOMPARE(Money::fromValue(net->at(1).y()),
        Money::parseAmount(cell(screen, ReportsScreen::IncomeVsExpensesTab, 1, 3)));
    // The pointer on March's expenses bar tells the exact amount.
    screen.resize(900, 700);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto* view = screen.chart(ReportsScreen::IncomeVsExpensesTab)->findChild<QChartView*>();
    // Two bars share each month: the second (expenses) stands right of its middle.
    const QPointF onBar(1.12, monthBars->barSets().at(1)->at(1) / 2);
    const QPoint at = view->mapFromScene(months->mapToPosition(onBar, monthBars));
    QTest::mouseMove(view->viewport(), at);
    QTRY_COMPARE(screen.chart(ReportsScreen::IncomeVsExpensesTab)->lastTip(),
        QStringLiteral("2025-03 Expenses: -$450.09"));

    // Hiding the chart is remembered for the next window.
    screen.chartToggle()->setChecked(false);
    QVERIFY(ReportsScreen(app.state()).chart(ReportsScreen::CategorySpendingTab)->isHidden());
}

void TestReportsScreen::everyTabInSightOfANarrowWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("German") << "de";
}

void TestReportsScreen::everyTabInSightOfANarrowWindow()
{
    QFETCH(QString, language);
    const ScopedLanguage speaking(language);
    TestAppState app;
    ReportsScreen screen(app.state());
    screen.resize(800, 600);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    // Each tab within the bar, no scrolling; the short names whole, only the
    // long ones shortened.
    QTabBar* bar = screen.tabs()->tabBar();
    QTRY_VERIFY(bar->tabRect(ReportsScreen::TabCount - 1).right() <= bar->width());
    for (int tab = 0; tab < ReportsScreen::TabCount; ++tab)
        QVERIFY(bar->rect().contains(bar->tabRect(tab)));
    const QString cashFlow = bar->tabText(ReportsScreen::CashFlowTab);
    QVERIFY(bar->tabRect(ReportsScreen::CashFlowTab).width()
        > bar->fontMetrics().horizontalAdvance(cashFlow));
}

void TestReportsScreen::welcomeColumnKeepsItsWidth()
{
    WelcomeScreen screen;
    screen.resize(900, 800);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto* create = screen.findChild<QPushButton*>("createButton");
    auto* subtitle = screen.findChild<QLabel*>("subtitleLabel");
    QTRY_COMPARE(create->width(), 560);

    // Without the card the column stays as wide and the subtitle on one line.
    screen.setReturningUser(true);
    QVERIFY(!screen.findChild<QWidget*>("HowItWorksCard")->isVisibleTo(&screen));
    // Layouts settle through posted events; let them run before measuring.
    for (int round = 0; round < 5; ++round)
        QCoreApplication::processEvents();
    QCOMPARE(std::tuple(create->width(), subtitle->width()), std::tuple(560, 560));
    QVERIFY(subtitle->height() < 2 * subtitle->fontMetrics().lineSpacing());

    // A narrow window: the column narrows with it.
    screen.resize(400, 800);
    QTRY_COMPARE(create->width(), 400 - 80);
}

QTEST_MAIN(TestReportsScreen)
#include "tst_reportsscreen.moc"
