#include "DialogTestHelpers.h"
#include "TestAppState.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "ui/dialogs/TransactionDetailsDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QLabel>
#include <QSqlQuery>
#include <QTimeZone>

namespace {

using namespace DialogTest;

const QDateTime kNow(QDate(2025, 10, 2), QTime(18, 20), QTimeZone::utc());

QString text(QWidget& d, const char* name)
{
    return field<QLabel>(d, name)->text();
}

void press(QWidget& d, const char* name)
{
    QTest::mouseClick(field<QPushButton>(d, name), Qt::LeftButton);
}

QStringList labelTexts(QWidget& d)
{
    QStringList texts;
    for (const QLabel* l : d.findChildren<QLabel*>())
        texts << l->text();
    return texts;
}

} // namespace

class TestTransactionDetailsDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1"); }
    void init();
    void cleanup();

    void plainAndTransferValues();
    void splitLinesAndTheirTotal();
    void togglingCleared();
    void deletingATransferRemovesBothLegs();
    void editAndClose();

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

void TestTransactionDetailsDialog::plainAndTransferValues()
{
    const auto electric = state()->categories()->findByName(QStringLiteral("Electric"));
    QVERIFY(electric);
    Transaction t = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 30), QStringLiteral("Power <b>Co</b>"), -1250, electric->id);

    TransactionDetailsDialog d(state(), t);
    // Payees are shown as typed, never as markup.
    QCOMPARE(text(d, "payeeValue"), QStringLiteral("Power <b>Co</b>"));
    QCOMPARE(field<QLabel>(d, "payeeValue")->textFormat(), Qt::PlainText);
    QCOMPARE(text(d, "amountValue"), QStringLiteral("- $12.50"));
    QCOMPARE(text(d, "categoryValue"), QStringLiteral("Electric"));
    QCOMPARE(text(d, "statusValue"), QStringLiteral("Uncleared"));
    QVERIFY(!d.findChild<QLabel*>(QStringLiteral("transferValue")));

    t.amount = 123456;
    t.cleared = t.reconciled = true;
    t.transferDestAccountId = m_savings.id;
    TransactionDetailsDialog deposit(state(), t);
    QCOMPARE(text(deposit, "amountValue"), QStringLiteral("$1,234.56"));
    QCOMPARE(text(deposit, "statusValue"), QStringLiteral("Reconciled"));
    QCOMPARE(text(deposit, "transferValue"), QStringLiteral("Rainy Day"));

    // What cannot be found shows as a dash.
    t.categoryId = QStringLiteral("gone-category");
    t.transferDestAccountId = QStringLiteral("closed-account");
    TransactionDetailsDialog unknown(state(), t);
    QCOMPARE(text(unknown, "categoryValue"), QStringLiteral("—"));
    QCOMPARE(text(unknown, "transferValue"), QStringLiteral("—"));
}

void TestTransactionDetailsDialog::splitLinesAndTheirTotal()
{
    const auto water = state()->categories()->findByName(QStringLiteral("Water"));
    const auto phone = state()->categories()->findByName(QStringLiteral("Phone"));
    QVERIFY(water && phone);
    Transaction t = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 12), QStringLiteral("Utility Co"), -8000, water->id);
    t.isSplit = true;
    QVERIFY(state()->transactions()->update(t));
    QVERIFY(state()->splitLines()->insert(
        { Ids::newId(), t.id, water->id, -5000, QStringLiteral("water bill"), kNow, kNow }));
    QVERIFY(
        state()->splitLines()->insert({ Ids::newId(), t.id, phone->id, -3000, {}, kNow, kNow }));
    // A line whose category row is missing altogether, as an older or foreign
    // file could hold it.
    QSqlQuery pragma(state()->database()->database());
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA foreign_keys = OFF")));
    QVERIFY(state()->splitLines()->insert(
        { Ids::newId(), t.id, QStringLiteral("missing"), 0, QStringLiteral("odd"), kNow, kNow }));
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON")));

    TransactionDetailsDialog d(state(), t);
    QCOMPARE(text(d, "categoryValue"), QStringLiteral("—Split—"));
    const QStringList texts = labelTexts(d);
    for (const char* shown :
        { "Water", "Phone", "$50.00", "$30.00", "water bill", "(uncategorized)" })
        QVERIFY2(texts.contains(QLatin1String(shown)), shown);
    QCOMPARE(text(d, "splitTotalValue"), QStringLiteral("$80.00"));

    // Split flag, nothing stored.
    Transaction bare = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 13), QStringLiteral("Half Split"), -100);
    bare.isSplit = true;
    TransactionDetailsDialog empty(state(), bare);
    QCOMPARE(text(empty, "noSplitLinesLabel"), QStringLiteral("(no split lines on record)"));
    QVERIFY(!empty.findChild<QLabel*>(QStringLiteral("splitTotalValue")));
}

void TestTransactionDetailsDialog::togglingCleared()
{
    Clock::setFixedUtc(kNow.addDays(-3));
    const Transaction t
        = m_app->addTransaction(m_checking.id, QDate(2025, 9, 20), QStringLiteral("Cafe"), -450);
    Clock::setFixedUtc(kNow);

    TransactionDetailsDialog d(state(), t);
    d.show();
    press(d, "clearedButton");
    auto stored = state()->transactions()->findById(t.id);
    QVERIFY(stored->cleared);
    QCOMPARE(stored->updatedAt, kNow);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QCOMPARE(text(d, "statusValue"), QStringLiteral("Cleared"));
    QVERIFY(d.isVisible());

    press(d, "clearedButton");
    QVERIFY(!state()->transactions()->findById(t.id)->cleared);
    QCOMPARE(text(d, "statusValue"), QStringLiteral("Uncleared"));
}

void TestTransactionDetailsDialog::deletingATransferRemovesBothLegs()
{
    Transaction out = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 5), QStringLiteral("Transfer to Rainy Day"), -20000);
    Transaction in = m_app->addTransaction(
        m_savings.id, QDate(2025, 9, 5), QStringLiteral("Transfer from Checking"), 20000);
    out.transferLinkId = in.id;
    out.transferDestAccountId = m_savings.id;
    in.transferLinkId = out.id;
    in.transferDestAccountId = m_checking.id;
    QVERIFY(state()->transactions()->update(out));
    QVERIFY(state()->transactions()->update(in));
    const auto deleted = [this](const Transaction& t) {
        return bool(state()->transactions()->findById(t.id)->deletedAt);
    };

    TransactionDetailsDialog d(state(), out);
    d.show();
    MessageBoxes::setNextAnswer(QMessageBox::No);
    press(d, "deleteButton");
    QVERIFY(MessageBoxes::lastShown()->text.contains(QLatin1String("for $200.00?")));
    QVERIFY(d.isVisible());
    QVERIFY(!d.deleted());
    QVERIFY(!deleted(out) && !deleted(in));

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(d, "deleteButton");
    QVERIFY(d.deleted());
    QVERIFY(!d.editRequested());
    QVERIFY(!d.isVisible());
    QVERIFY(deleted(out) && deleted(in));
}

void TestTransactionDetailsDialog::editAndClose()
{
    const Transaction t = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 20), QStringLiteral("Hardware"), -3000);

    TransactionDetailsDialog edit(state(), t);
    edit.show();
    press(edit, "editButton");
    QVERIFY(edit.editRequested());
    QCOMPARE(edit.result(), QDialog::Accepted);
    QVERIFY(!state()->transactions()->findById(t.id)->deletedAt);

    // Close is the default: Return closes without asking for anything.
    TransactionDetailsDialog close(state(), t);
    close.show();
    QVERIFY(QTest::qWaitForWindowActive(&close));
    QTest::keyClick(&close, Qt::Key_Return);
    QCOMPARE(close.result(), QDialog::Rejected);
    QVERIFY(!close.editRequested() && !close.deleted());

    // Fitted to its contents once only: a size the user chose survives hiding.
    close.resize(close.width() + 120, close.height() + 40);
    const QSize chosen = close.size();
    close.show();
    QCOMPARE(close.size(), chosen);
}

QTEST_MAIN(TestTransactionDetailsDialog)
#include "tst_transactiondetailsdialog.moc"
