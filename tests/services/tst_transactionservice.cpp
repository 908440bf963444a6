#include "Records.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/TransactionService.h"
#include "services/TypedTransactionWriter.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A transaction for the record rules, with so many split lines.
struct Row {
    QString payee = QStringLiteral("Grocer");
    QString memo = {};
    QString checkNumber = {};
    QDate date = QDate(2026, 3, 1);
    int lines = 0;
    QString lineMemo = {};
};

} // namespace

Q_DECLARE_METATYPE(Row)

class TestTransactionService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void transferLegsSplitsAndSignals();
    void failedWritesLeaveNothing();
    void recordRulesRefuseWithAReason_data();
    void recordRulesRefuseWithAReason();
};

void TestTransactionService::transferLegsSplitsAndSignals()
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
}

void TestTransactionService::failedWritesLeaveNothing()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    app.addAccount("Savings");
    TransactionService* service = app->transactionService();
    QSignalSpy changed(app->transactions(), &TransactionRepository::transactionsChanged);

    Transaction huge = Records::transaction(checking.id, QDate(2026, 3, 1), "Huge", 0);
    huge.amount = Money::kMaxAmount + 1;
    QCOMPARE(service->save(huge, std::nullopt, true), TransactionService::Result::AmountTooLarge);
    huge.amount = 100;
    QCOMPARE(service->save(
                 huge, QList { Records::splitLine(QString(), -(Money::kMaxAmount + 1)) }, true),
        TransactionService::Result::AmountTooLarge);

    // A split line the store refuses (unknown category) undoes both legs.
    Transaction t
        = Records::transaction(checking.id, QDate(2026, 3, 1), "[Transfer] Savings", -100);
    QCOMPARE(service->resolveTransferPayee(t), TransactionService::Result::Saved);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SplitLineRepository::insert failed:.*"));
    QCOMPARE(service->save(t, QList { Records::splitLine("no-such-category", -100) }, true),
        TransactionService::Result::StoreFailed);
    QCOMPARE(app->transactions()->findPending().size(), 0);
    QCOMPARE(changed.count(), 0);
}

void TestTransactionService::recordRulesRefuseWithAReason_data()
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
    row("check number too long", { .checkNumber = QString(21, '1') },
        "The check number is longer than 20 characters.");
    row("first day", { .date = QDate(1900, 1, 1) });
    row("after 2100", { .date = QDate(2101, 1, 1) },
        "The date 2101-01-01 is not between the years 1900 and 2100.");
    row("most split lines", { .lines = 250 });
    row("too many split lines", { .lines = 251 },
        "The split has 251 lines; a transaction has at most 250.");
    row("split memo too long", { .lines = 2, .lineMemo = QString(10001, 'm') },
        "The memo is longer than 10000 characters.");
}

void TestTransactionService::recordRulesRefuseWithAReason()
{
    QFETCH(Row, r);
    QFETCH(QString, reason);

    TestAppState app;
    const Account checking = app.addAccount("Checking");
    TransactionService* service = app->transactionService();
    Transaction t = Records::transaction(checking.id, r.date, r.payee, -r.lines * 100 - 100);
    t.memo = r.memo;
    t.checkNumber = r.checkNumber;
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
    typed.memo = r.memo;
    typed.checkNumber = r.checkNumber;
    typed.payment = "1.00";
    const auto status = writer.commit(checking.id, typed, nullptr);
    QCOMPARE(status,
        reason.isEmpty() ? TypedTransactionWriter::Status::Saved
                         : TypedTransactionWriter::Status::Refused);
    QCOMPARE(writer.failureMessage(status), reason);
}

QTEST_MAIN(TestTransactionService)
#include "tst_transactionservice.moc"
