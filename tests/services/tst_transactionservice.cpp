#include "Records.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/TransactionService.h"

#include <QSignalSpy>
#include <QTest>

class TestTransactionService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void transferLegsSplitsAndSignals();
    void failedWritesLeaveNothing();
    void transferPayees();
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
    QCOMPARE(leg->accountId, savings.id);
    QCOMPARE(leg->amount, 5000);
    QCOMPARE(leg->payee, "Transfer from Checking");
    QCOMPARE(leg->transferLinkId, t.id);
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
    QCOMPARE(app->transactions()->findById(leg->id)->amount, 7000);
    QCOMPARE(app->transactions()->findById(leg->id)->date, QDate(2026, 3, 2));
    QCOMPARE(app->splitLines()->findByTransaction(t.id).size(), 2);
    QCOMPARE(service->save(edited, QList { Records::splitLine(groceries, -7000) }, false),
        TransactionService::Result::Saved);
    QCOMPARE(app->splitLines()->findByTransaction(t.id).size(), 1);

    QVERIFY(service->remove(edited));
    QVERIFY(app->transactions()->findById(leg->id)->deletedAt);
    QVERIFY(app->transactions()->findById(t.id)->deletedAt);
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

void TestTransactionService::transferPayees()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    Account euro = Records::account("Euro");
    euro.currency = Currency::EUR;
    QVERIFY(app->accounts()->insert(euro));
    TransactionService* service = app->transactionService();

    QCOMPARE(service->transferPayees(checking.id), QStringList { "[Transfer] Euro" });
    Transaction t = Records::transaction(checking.id, QDate(2026, 3, 1), "[Transfer] Euro", -100);
    QCOMPARE(service->resolveTransferPayee(t), TransactionService::Result::CurrencyMismatch);
    t.payee = "[Transfer] Checking";
    QCOMPARE(service->resolveTransferPayee(t), TransactionService::Result::TransferAccountNotFound);
    t.payee = "Grocer";
    QCOMPARE(service->resolveTransferPayee(t), TransactionService::Result::Saved);
    QVERIFY(t.transferDestAccountId.isEmpty());
}

QTEST_MAIN(TestTransactionService)
#include "tst_transactionservice.moc"
