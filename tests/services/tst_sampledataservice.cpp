#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"
#include "services/SampleDataService.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/register/RegisterScreen.h"
#include "ui/widgets/MessageBoxes.h"

#include <QMenuBar>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2025, 6, 18);

// Every row of the tables the sample touches, as text.
QStringList everything(TestAppState& app)
{
    QStringList rows;
    for (const char* table : { "accounts", "transactions", "recurring_transactions", "split_lines",
             "reconciliations", "categories" })
        rows += app.column(u"SELECT id FROM %1 ORDER BY id"_s.arg(QLatin1String(table)));
    return rows;
}

QAction* helpAction(MainWindow& window, const QString& text)
{
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

} // namespace

class TestSampleDataService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Clock::setFixedUtc(QDateTime(kToday, QTime(12, 0), Qt::UTC));
    }

    void loadsOnceAndClearsExactlyItsOwn();
    void devMenuEntries();
};

void TestSampleDataService::loadsOnceAndClearsExactlyItsOwn()
{
    TestAppState app;
    const Account mine = app.addAccount(u"Mine"_s);
    app.addTransaction(mine.id, kToday, u"My payee"_s, -100);
    const QStringList before = everything(app);
    SampleDataService* samples = app->sampleDataService();
    QVERIFY(!samples->hasSampleData());

    QVERIFY(samples->loadSampleData());
    QVERIFY(samples->hasSampleData());
    QVERIFY(!samples->loadSampleData());
    QCOMPARE(
        app.column(u"SELECT name FROM accounts WHERE id LIKE 'sample-%' ORDER BY sort_order"_s),
        QStringList({ u"Main Checking"_s, u"Savings"_s, u"Visa Rewards"_s }));
    // Sample rows; of them uncategorised: only the transfers and card payments, so every
    // named default was found; rows outside the last two months; transfers whose legs name
    // each other.
    QCOMPARE(app.column(u"SELECT (SELECT COUNT(*) FROM transactions WHERE id LIKE 'sample-txn-%') "
                        "|| ' ' || (SELECT COUNT(*) FROM transactions WHERE id LIKE 'sample-%' "
                        "AND category_id IS NULL) || ' ' || (SELECT COUNT(*) FROM transactions "
                        "WHERE date > '2025-06-18' OR date < '2025-04-19') || ' ' || (SELECT "
                        "COUNT(*) FROM transactions a JOIN transactions b ON a.transfer_link_id "
                        "= b.id AND b.transfer_link_id = a.id AND a.amount = -b.amount AND "
                        "a.date = b.date)"_s),
        QStringList({ u"49 6 0 4"_s }));

    // What the user did inside a sample account goes with it; nothing else does.
    app.addTransaction(u"sample-acct-visa"_s, kToday, u"Typed in the demo"_s, -700);
    QVERIFY(samples->clearSampleData());
    QVERIFY(!samples->hasSampleData());
    QCOMPARE(everything(app), before);
}

void TestSampleDataService::devMenuEntries()
{
    TestAppState app;
    {
        MainWindow window(app.state());
        QVERIFY(!helpAction(window, u"Load &Sample Data"_s));
    }
    qputenv("LEDGERINE_DEV", "1");
    MainWindow window(app.state());
    qunsetenv("LEDGERINE_DEV");
    QAction* clear = helpAction(window, u"&Clear Sample Data"_s);
    QVERIFY(clear);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    clear->trigger();
    QCOMPARE(MessageBoxes::lastShown()->text, u"No sample data to clear."_s);

    helpAction(window, u"Load &Sample Data"_s)->trigger();
    QCOMPARE(window.registerScreen()->accountId(), u"sample-acct-checking"_s);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    helpAction(window, u"Load &Sample Data"_s)->trigger();
    QCOMPARE(MessageBoxes::lastShown()->text, u"Sample data is already loaded."_s);

    clear->trigger();
    QVERIFY(app->accounts()->findAll().isEmpty());
    QVERIFY(window.currentPage() != MainWindow::Page::Register);
}

QTEST_MAIN(TestSampleDataService)
#include "tst_sampledataservice.moc"
