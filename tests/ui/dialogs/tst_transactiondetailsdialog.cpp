#include "DialogTestHelpers.h"
#include "Records.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "ui/dialogs/TransactionDetailsDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QGridLayout>
#include <QSqlQuery>
#include <QTimeZone>

using namespace DialogTest;
using namespace Qt::StringLiterals;

namespace {
const QDateTime kNow(QDate(2025, 10, 2), QTime(18, 20), QTimeZone::utc());
}

class TestTransactionDetailsDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1"); }
    void init();
    void cleanup();

    void plainTransferAndSplitValues();
    void clearedEditAndClose();
    void deletingATransferRemovesBothLegsAndCloses();

private:
    AppState* state() const { return m_app->state(); }

    std::unique_ptr<TestAppState> m_app;
    Account m_checking;
    Account m_savings;
};

void TestTransactionDetailsDialog::init()
{
    Clock::setFixedUtc(kNow);
    m_app = std::make_unique<TestAppState>();
    m_checking = m_app->addAccount(QStringLiteral("Checking"));
    m_savings = m_app->addAccount(QStringLiteral("Rainy Day"));
}

void TestTransactionDetailsDialog::cleanup()
{
    MessageBoxes::clearAnswers();
    m_app.reset();
    Clock::clearFixed();
}

void TestTransactionDetailsDialog::plainTransferAndSplitValues()
{
    const auto water = state()->categories()->findByName(QStringLiteral("Water"));
    QVERIFY(water);
    Transaction t = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 30), QStringLiteral("Power <b>Co</b>"), -1250, water->id);
    {
        TransactionDetailsDialog d(state(), t);
        // Payees are shown as typed, never as markup.
        QCOMPARE(field<QLabel>(d, "payeeValue")->textFormat(), Qt::PlainText);
        QCOMPARE(QStringList({ labelText(d, "amountValue"), labelText(d, "categoryValue") }),
            QStringList({ "- $12.50", "Water" }));
        QVERIFY(!d.findChild<QLabel*>(QStringLiteral("transferValue")));
    }
    t.transferDestAccountId = m_savings.id;
    QCOMPARE(labelText(TransactionDetailsDialog(state(), t), "transferValue"), m_savings.name);
    // A category that cannot be found shows as a dash.
    Transaction lost = t;
    lost.categoryId = QStringLiteral("gone-category");
    QCOMPARE(
        labelText(TransactionDetailsDialog(state(), lost), "categoryValue"), QStringLiteral("—"));

    t.isSplit = true;
    QVERIFY(state()->transactions()->update(t));
    // Split flag, nothing stored.
    QVERIFY(TransactionDetailsDialog(state(), t).findChild<QLabel*>(u"noSplitLinesLabel"_s));
    QVERIFY(state()->splitLines()->insert(
        { Ids::newId(), t.id, water->id, -5000, QStringLiteral("water bill"), kNow, kNow }));
    // A line whose category row is missing, as an older or foreign file could hold it.
    QSqlQuery pragma(state()->database()->database());
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA foreign_keys = OFF")));
    QVERIFY(state()->splitLines()->insert(
        { Ids::newId(), t.id, QStringLiteral("missing"), -3000, {}, kNow, kNow }));
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON")));

    TransactionDetailsDialog d(state(), t);
    for (const char* shown : { "Water", "$50.00", "water bill", "(uncategorized)" })
        QVERIFY2(labelTexts(d).contains(QLatin1String(shown)), shown);
    QCOMPARE(labelText(d, "splitTotalValue"), QStringLiteral("$80.00"));

    // Amounts read in the account's currency.
    Account yen = Records::account(QStringLiteral("Tokyo"));
    yen.currency = Currency::JPY;
    QVERIFY(state()->accounts()->insert(yen));
    t.accountId = yen.id;
    t.isSplit = false;
    QCOMPARE(
        labelText(TransactionDetailsDialog(state(), t), "amountValue"), QStringLiteral("- ¥1,250"));

    // An old split of more lines than a transaction may now hold shows the
    // first of them, says how many more there are, and adds up all.
    Transaction many = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 30), QStringLiteral("Many"), -30000, QString());
    many.isSplit = true;
    QVERIFY(state()->transactions()->update(many));
    for (int i = 0; i < 300; ++i)
        QVERIFY(state()->splitLines()->insert(
            { Ids::newId(), many.id, water->id, -100, QString(), kNow, kNow }));
    TransactionDetailsDialog shown(state(), many);
    QCOMPARE(QStringList(
                 { labelText(shown, "moreSplitLinesLabel"), labelText(shown, "splitTotalValue") }),
        QStringList({ "… and 50 more line(s)", "$300.00" }));
    QCOMPARE(shown.findChild<QGridLayout*>(u"splitGrid"_s)->count(), 250 * 2 + 4);
}

void TestTransactionDetailsDialog::clearedEditAndClose()
{
    Clock::setFixedUtc(kNow.addDays(-3));
    const Transaction t
        = m_app->addTransaction(m_checking.id, QDate(2025, 9, 20), QStringLiteral("Cafe"), -450);
    Clock::setFixedUtc(kNow);

    TransactionDetailsDialog d(state(), t);
    d.show();
    press(d, "clearedButton");
    const auto stored = state()->transactions()->findById(t.id);
    QCOMPARE(std::tie(stored->cleared, stored->updatedAt, stored->syncStatus),
        std::tuple(true, kNow, SyncStatus::Pending));
    QCOMPARE(labelText(d, "statusValue"), QStringLiteral("Cleared"));
    press(d, "clearedButton");
    QVERIFY(!state()->transactions()->findById(t.id)->cleared);

    press(d, "editButton");
    QVERIFY(d.editRequested());
    QCOMPARE(d.result(), QDialog::Accepted);

    // Close is the default: Return closes without asking for anything.
    TransactionDetailsDialog close(state(), t);
    QVERIFY(showActive(close));
    QTest::keyClick(&close, Qt::Key_Return);
    QCOMPARE(close.result(), QDialog::Rejected);
    QVERIFY(!close.editRequested() && !close.deleted());

    // Fitted to its contents once only: a size the user chose survives hiding.
    close.resize(close.width() + 120, close.height() + 40);
    const QSize chosen = close.size();
    close.show();
    QCOMPARE(close.size(), chosen);
}

void TestTransactionDetailsDialog::deletingATransferRemovesBothLegsAndCloses()
{
    Transaction out = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 5), QStringLiteral("Transfer to Rainy Day"), -20000);
    Transaction in = m_app->addTransaction(
        m_savings.id, QDate(2025, 9, 5), QStringLiteral("Transfer from Checking"), 20000);
    out.transferLinkId = in.id;
    out.transferDestAccountId = m_savings.id;
    in.transferLinkId = out.id;
    in.transferDestAccountId = m_checking.id;
    QVERIFY(state()->transactions()->update(out) && state()->transactions()->update(in));
    const auto deleted = [this](const Transaction& t) {
        return bool(state()->transactions()->findById(t.id)->deletedAt);
    };

    TransactionDetailsDialog d(state(), out);
    d.show();
    MessageBoxes::setNextAnswer(QMessageBox::No);
    press(d, "deleteButton");
    QVERIFY(d.isVisible() && !deleted(out) && !deleted(in));

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(d, "deleteButton");
    QVERIFY(d.deleted() && !d.editRequested());
    QVERIFY(!d.isVisible());
    QVERIFY(deleted(out) && deleted(in));
}

QTEST_MAIN(TestTransactionDetailsDialog)
#include "tst_transactiondetailsdialog.moc"
