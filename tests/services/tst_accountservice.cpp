#include "Records.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/ReconciliationRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/CategoryService.h"
#include "services/ReconciliationService.h"
#include "services/SampleDataService.h"
#include "services/TransactionService.h"
#include "services/TypedTransactionWriter.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/register/RegisterScreen.h"
#include "ui/widgets/MessageBoxes.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

Reconciliation statement(const QString& accountId, qint64 balance)
{
    Reconciliation r;
    r.id = Ids::newId();
    r.accountId = accountId;
    r.statementDate = QDate(2025, 6, 30);
    r.statementBalance = balance;
    return r;
}

// A transaction for the record rules, with so many split lines.
struct Row {
    QString payee = QStringLiteral("Grocer");
    QDate date = QDate(2026, 3, 1);
    int lines = 0;
    QString lineMemo = {};
};

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);
// Computed independently: uuid5 of the key in the DNS namespace.
const QString kHousing = "a3be4c14-fe7e-514c-b45e-22f112551974";
const QString kHousingMaintenance = "daf59c16-ae84-5a09-be11-bd9dcd047413";
const QString kTransportMaintenance = "5128844d-e078-502e-877e-a6a67d8a3261";

// Stands in for a catalogue: marks every name of the category service.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, "CategoryService") == 0 ? QString("T-") + source : QString();
    }
    bool isEmpty() const override { return false; }
};

struct Seeded {
    TestDatabase test;
    CategoryRepository repo { test.db() };
    CategoryService service { test.db(), &repo };
    int count(const char* where) const
    {
        return test.scalar(QString("SELECT COUNT(*) FROM categories WHERE ") + where).toInt();
    }
};

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

Q_DECLARE_METATYPE(Row)

// Accounts with their transactions and reconciliations; the default categories
// and the sample ledger.
class TestAccountService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void amountsBeyondTheLimitPastedNamesAndCurrency();
    void finishMarksTheTickedRowsOnceAndRefusesWhatNoLongerAdds();
    void transferLegsSplitsAndSignals();
    void recordRulesRefuseWithAReason_data();
    void recordRulesRefuseWithAReason();
    void seedsTheDefaultSetWithNameBasedIds();
    void interruptedSeedingLeavesNoneAndIsRedone();
    void sampleDataLoadsOnceAndClearsExactlyItsOwn();
};

void TestAccountService::amountsBeyondTheLimitPastedNamesAndCurrency()
{
    TestAppState app;
    AccountService* service = app->accountService();
    const QDate asOf(2025, 3, 1);
    Account a = Records::account(QStringLiteral("  Rainy\x07 Day\nFund "), Money::kMaxAmount + 1);
    a.institution = QStringLiteral("\x1b") + QStringLiteral("Bank\x7f");

    // An opening amount beyond the limit leaves no account behind either.
    QVERIFY(!service->create(a, asOf));
    QVERIFY(app->accounts()->findAll().isEmpty());

    a.startingBalance = -Money::kMaxAmount;
    QVERIFY(service->create(a, asOf));
    Account stored = *app->accounts()->findById(a.id);
    QCOMPARE(stored.name, QStringLiteral("Rainy Day Fund"));
    QCOMPARE(stored.institution, QStringLiteral("Bank"));
    QCOMPARE(stored.startingBalance, 0);
    QCOMPARE(app->transactions()->findByAccount(a.id).value(0).amount, -Money::kMaxAmount);

    stored.startingBalance = Money::kMaxAmount + 1;
    QVERIFY(!service->update(stored));
    QCOMPARE(app->accounts()->findById(a.id)->startingBalance, 0);
    stored.startingBalance = 500;
    stored.name = QStringLiteral("Rainy\tDay");
    QVERIFY(service->update(stored));
    QCOMPARE(app->accounts()->findById(a.id)->name, QStringLiteral("Rainy Day"));

    // An account keeps its currency once amounts are stored in it.
    Account empty = app.addAccount(QStringLiteral("Empty"));
    empty.currency = Currency::JPY;
    QVERIFY(service->update(empty));
    QCOMPARE(app->accounts()->findById(empty.id)->currency, Currency::JPY);

    // 1234 cents must not turn into 1,234 yen.
    Account used = app.addAccount(QStringLiteral("Used"));
    app.addTransaction(used.id, QDate(2025, 3, 1), QStringLiteral("Grocer"), -1234);
    used.currency = Currency::JPY;
    QVERIFY(!service->update(used));
    QCOMPARE(app->accounts()->findById(used.id)->currency, Currency::USD);
    used.currency = Currency::USD;
    used.name = QStringLiteral("Renamed");
    QVERIFY(service->update(used));
}

void TestAccountService::finishMarksTheTickedRowsOnceAndRefusesWhatNoLongerAdds()
{
    TestAppState app;
    const Account checking = app.addAccount(QStringLiteral("Checking"), 10'000);
    const Transaction rent = app.addTransaction(checking.id, QDate(2025, 6, 1), "Rent", -7'000);
    const Transaction pay = app.addTransaction(checking.id, QDate(2025, 6, 15), "Pay", 20'000);
    const Transaction later = app.addTransaction(checking.id, QDate(2025, 7, 1), "Cafe", -500);
    ReconciliationService* service = app->reconciliationService();

    Reconciliation r = statement(checking.id, 23'000);
    QCOMPARE(
        service->finish(r, { rent.id, pay.id, rent.id }), ReconciliationService::Result::Finished);
    QCOMPARE(app.column("SELECT payee || cleared || reconciled || sync_status || (updated_at = '"
                 + Clock::nowIso() + "') FROM transactions ORDER BY date"),
        QStringList({ "Rent11pending1", "Pay11pending1", "Cafe00pending0" }));
    QCOMPARE(app->reconciliations()->findByAccount(checking.id).value(0).reconciledBalance, 23'000);

    // The same reconciliation again (a second Finish) writes nothing more.
    QCOMPARE(service->finish(r, { later.id }), ReconciliationService::Result::AlreadyFinished);
    QVERIFY(!app->transactions()->findById(later.id)->cleared);
    QCOMPARE(app->reconciliations()->findByAccount(checking.id).size(), 1);

    // Ticked rows that no longer add up to the statement, or are gone, finish nothing.
    const Account other = app.addAccount(QStringLiteral("Other"));
    const Transaction gas = app.addTransaction(other.id, QDate(2025, 6, 3), "Gas", -4'000);
    const Transaction gone = app.addTransaction(other.id, QDate(2025, 6, 4), "Shop", -1'000);
    QVERIFY(app->transactions()->softDelete(gone.id));

    Reconciliation wrongSum = statement(other.id, -3'000);
    QCOMPARE(service->finish(wrongSum, { gas.id }), ReconciliationService::Result::OutOfBalance);
    Reconciliation deleted = statement(other.id, -5'000);
    QCOMPARE(service->finish(deleted, { gas.id, gone.id }),
        ReconciliationService::Result::TransactionsChanged);
    QVERIFY(!app->transactions()->findById(gas.id)->reconciled);
    QVERIFY(app->reconciliations()->findByAccount(other.id).isEmpty());
}

void TestAccountService::transferLegsSplitsAndSignals()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    const Account savings = app.addAccount("Savings");
    TransactionService* service = app->transactionService();
    QSignalSpy changed(app->transactions(), &TransactionRepository::transactionsChanged);

    Transaction t
        = Records::transaction(checking.id, QDate(2026, 3, 1), "[Transfer] Savings", -5000);
    t.memo = "rent\x07 for\r\nmarch\x1b\x7f ";
    QCOMPARE(service->resolveTransferPayee(t), TransactionService::Result::Saved);
    QCOMPARE(t.payee, "Transfer to Savings");
    QCOMPARE(service->save(t, std::nullopt, true), TransactionService::Result::Saved);
    // One announcement per account, after the unit of work.
    QCOMPARE(changed.count(), 2);

    const auto first = app->transactions()->findById(t.id);
    QVERIFY(first);
    const auto leg = app->transactions()->findById(first->transferLinkId);
    QVERIFY(leg);
    QCOMPARE(Records::rows(QList { *leg }, &Transaction::accountId, &Transaction::amount,
                 &Transaction::payee, &Transaction::transferLinkId),
        QStringList { savings.id + " 5000 Transfer from Checking " + t.id });
    QCOMPARE(first->memo, "rent for march");

    // The other leg follows a changed amount and date; split lines are replaced.
    Transaction edited = *first;
    edited.amount = -7000;
    edited.date = QDate(2026, 3, 2);
    edited.isSplit = true;
    const QString groceries = app->categories()->findByName("Groceries")->id;
    QCOMPARE(
        service->save(edited,
            QList { Records::splitLine(groceries, -3000), Records::splitLine(groceries, -4000) },
            false),
        TransactionService::Result::Saved);
    QCOMPARE(Records::rows(QList { *app->transactions()->findById(leg->id) }, &Transaction::amount,
                 &Transaction::date),
        QStringList { "7000 2026-03-02" });
    QCOMPARE(app->splitLines()->findByTransaction(t.id).size(), 2);
    QCOMPARE(service->save(edited, QList { Records::splitLine(groceries, -7000) }, false),
        TransactionService::Result::Saved);
    QCOMPARE(app->splitLines()->findByTransaction(t.id).size(), 1);

    // Failed writes leave nothing and announce nothing.
    changed.clear();
    Transaction huge = Records::transaction(checking.id, QDate(2026, 3, 1), "Huge", 0);
    huge.amount = Money::kMaxAmount + 1;
    QCOMPARE(service->save(huge, std::nullopt, true), TransactionService::Result::AmountTooLarge);
    huge.amount = 100;
    QCOMPARE(service->save(
                 huge, QList { Records::splitLine(QString(), -(Money::kMaxAmount + 1)) }, true),
        TransactionService::Result::AmountTooLarge);

    // A split line the store refuses (unknown category) undoes both legs.
    Transaction refused
        = Records::transaction(checking.id, QDate(2026, 3, 1), "[Transfer] Savings", -100);
    QCOMPARE(service->resolveTransferPayee(refused), TransactionService::Result::Saved);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SplitLineRepository::insert failed:.*"));
    QCOMPARE(service->save(refused, QList { Records::splitLine("no-such-category", -100) }, true),
        TransactionService::Result::StoreFailed);
    QCOMPARE(app.column("SELECT COUNT(*) FROM transactions"), QStringList { "2" });
    QCOMPARE(changed.count(), 0);
}

void TestAccountService::recordRulesRefuseWithAReason_data()
{
    QTest::addColumn<Row>("r");
    QTest::addColumn<QString>("reason"); // empty: stored
    const auto row = [](const char* name, const Row& r, const QString& reason = {}) {
        QTest::newRow(name) << r << reason;
    };
    row("longest payee", { .payee = QString(200, 'p') });
    row("payee too long", { .payee = QString(201, 'p') },
        "The payee is longer than 200 characters.");
    // Characters as users count them, not UTF-16 units.
    row("longest payee of emoji", { .payee = QString::fromUtf8("\xF0\x9F\x92\xB0").repeated(200) });
    row("after 2100", { .date = QDate(2101, 1, 1) },
        "The date 2101-01-01 is not between the years 1900 and 2100.");
    row("most split lines", { .lines = 250 });
    row("too many split lines", { .lines = 251 },
        "The split has 251 lines; a transaction has at most 250.");
    row("split memo too long", { .lines = 2, .lineMemo = QString(10001, 'm') },
        "The memo is longer than 10000 characters.");
}

void TestAccountService::recordRulesRefuseWithAReason()
{
    QFETCH(Row, r);
    QFETCH(QString, reason);

    TestAppState app;
    const Account checking = app.addAccount("Checking");
    TransactionService* service = app->transactionService();
    Transaction t = Records::transaction(checking.id, r.date, r.payee, -r.lines * 100 - 100);
    QList<SplitLine> split;
    const QString groceries = app->categories()->findByName("Groceries")->id;
    for (int i = 0; i < r.lines; ++i) {
        split << Records::splitLine(groceries, -100);
        split.last().memo = r.lineMemo;
    }
    if (r.lines > 0)
        split.last().amount -= 100;
    t.isSplit = r.lines > 0;
    QCOMPARE(TransactionService::refusal(t, split), reason);
    QCOMPARE(service->save(t, split, true),
        reason.isEmpty() ? TransactionService::Result::Saved : TransactionService::Result::Refused);
    QCOMPARE(app->transactions()->findById(t.id).has_value(), reason.isEmpty());
    if (r.lines > 0)
        return;

    // Typed into the register, the same row is refused with the same reason.
    TypedTransactionWriter writer(app->accounts(), app->categories(), service);
    TypedTransaction typed;
    typed.date = r.date.toString("M/d/yyyy");
    typed.payee = r.payee;
    typed.payment = "1.00";
    const auto status = writer.commit(checking.id, typed, nullptr);
    QCOMPARE(status,
        reason.isEmpty() ? TypedTransactionWriter::Status::Saved
                         : TypedTransactionWriter::Status::Refused);
    QCOMPARE(writer.failureMessage(status), reason);
}

void TestAccountService::seedsTheDefaultSetWithNameBasedIds()
{
    // The same ids on every installation: the ids below are computed independently.
    Seeded s;
    QSignalSpy changed(&s.repo, &CategoryRepository::categoriesChanged);
    s.service.ensureDefaults();
    QCOMPARE(changed.count(), 1); // once the whole set is stored

    // type | top level | tax relevant | count
    QCOMPARE(s.test.column(
                 "SELECT category_type || '|' || (parent_id IS NULL) || '|' || is_tax_relevant "
                 "|| '|' || COUNT(*) FROM categories GROUP BY category_type, parent_id IS NULL, "
                 "is_tax_relevant ORDER BY 1"),
        QStringList({ "expense|0|0|26", "expense|0|1|1", "expense|1|0|14", "expense|1|1|7",
            "income|1|0|4", "income|1|1|4" }));
    QCOMPARE(s.count("is_tax_relevant = (COALESCE(tax_category, '') != '') AND is_default = 1 "
                     "AND version = 1 AND sync_status = 'pending' AND created_at = "
                     "'2026-03-14T09:26:53Z' AND updated_at = created_at AND server_id = '' AND "
                     "account_id IS NULL AND (parent_id IS NULL OR parent_id IN (SELECT id FROM "
                     "categories WHERE parent_id IS NULL))"),
        56);

    QCOMPARE(s.repo.findById(kHousing)->name, "Housing");
    QCOMPARE(s.repo.findById(kHousingMaintenance)->parentId, kHousing);
    const auto other = s.repo.findById(kTransportMaintenance);
    QCOMPARE(other->name, "Maintenance");
    QCOMPARE(s.repo.findById(other->parentId)->name, "Transportation");

    // Seeded only when no category is live; the defaults' ids already exist
    // (deleted), so they are brought back, not inserted twice.
    for (const Category& c : s.repo.findAll())
        QVERIFY(s.repo.markSynced(c.id, "s") && s.repo.softDelete(c.id));
    const Category mine = Records::category("Mine");
    QVERIFY(s.repo.insert(mine));
    s.service.ensureDefaults();
    QCOMPARE(s.repo.count(), 1);
    QVERIFY(s.repo.softDelete(mine.id));
    Clock::setFixedUtc(kNow.addDays(30));
    QTest::failOnWarning(QRegularExpression("."));
    s.service.ensureDefaults();
    QCOMPARE(s.repo.count(), 56);
    QCOMPARE(s.count("1"), 57);
    QCOMPARE(s.count("deleted_at IS NULL AND sync_status = 'pending' AND updated_at = "
                     "'2026-04-13T09:26:53Z'"),
        56);
    QVERIFY(s.repo.findById(mine.id)->deletedAt);
    QCOMPARE(s.repo.findById(kHousingMaintenance)->parentId, kHousing);
}

void TestAccountService::interruptedSeedingLeavesNoneAndIsRedone()
{
    Seeded s;
    QSignalSpy changed(&s.repo, &CategoryRepository::categoriesChanged);
    // The ninth default fails, as a start cut short there would leave it.
    QVERIFY(s.test.exec("CREATE TRIGGER no_housing BEFORE INSERT ON categories "
                        "WHEN new.name = 'Housing' BEGIN SELECT RAISE(ABORT, "
                        "'refused'); END"));
    expectWarning("^CategoryRepository::insert failed: .*refused");
    s.service.ensureDefaults();
    QCOMPARE(s.count("1"), 0);
    QCOMPARE(changed.count(), 0);

    // Redone in another language: names, and so ids, are the translated ones,
    // and sub-categories find their parent by its translated name.
    QVERIFY(s.test.exec("DROP TRIGGER no_housing"));
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    s.service.ensureDefaults();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(s.count("name LIKE 'T-%'"), 56);
    const QString housing = Ids::nameBased(Ids::kDnsNamespace, "expense::T-Housing");
    const auto maintenance
        = s.repo.findById(Ids::nameBased(Ids::kDnsNamespace, "expense:T-Housing:T-Maintenance"));
    QCOMPARE(maintenance->parentId, housing);
    QCOMPARE(s.repo.findById(housing)->name, "T-Housing");
}

// The sample ledger, loaded and cleared from the developers' menu entries.
void TestAccountService::sampleDataLoadsOnceAndClearsExactlyItsOwn()
{
    Clock::setFixedUtc(QDateTime(kToday, QTime(12, 0), Qt::UTC));
    TestAppState app;
    SampleDataService* samples = app->sampleDataService();
    // The entries are there for developers only.
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
    clear->trigger();
    QVERIFY(app->accounts()->findAll().isEmpty());
    QVERIFY(window.currentPage() != MainWindow::Page::Register);

    // What the user did inside a sample account goes with it; nothing else does.
    const Account mine = app.addAccount(u"Mine"_s);
    app.addTransaction(mine.id, kToday, u"My payee"_s, -100);
    const QStringList before = everything(app);
    QVERIFY(samples->loadSampleData() && samples->hasSampleData());
    app.addTransaction(u"sample-acct-visa"_s, kToday, u"Typed in the demo"_s, -700);
    QVERIFY(samples->clearSampleData());
    QVERIFY(!samples->hasSampleData());
    QCOMPARE(everything(app), before);
}

QTEST_MAIN(TestAccountService)
#include "tst_accountservice.moc"
