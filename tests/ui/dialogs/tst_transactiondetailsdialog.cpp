#include "DialogTestHelpers.h"
#include "TestAppState.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "ui/dialogs/TransactionDetailsDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTimeZone>

namespace {

using namespace DialogTest;

QLabel* label(QWidget& d, const char* name)
{
    return field<QLabel>(d, name);
}

QPushButton* button(QWidget& d, const char* name)
{
    return field<QPushButton>(d, name);
}

const QDateTime kNow(QDate(2025, 10, 2), QTime(18, 20), QTimeZone::utc());

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
    void initTestCase();
    void init();
    void cleanup();

    void plainAndTransferValues();
    void splitLinesAndTheirTotal();
    void togglingCleared();
    void deletingATransferRemovesBothLegs();
    void editCloseAndSizing();

private:
    AppState* state() const { return m_app->state(); }

    std::unique_ptr<TestAppState> m_app;
    Account m_checking;
    Account m_savings;
};

void TestTransactionDetailsDialog::initTestCase()
{
    qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1");
}

void TestTransactionDetailsDialog::init()
{
    Clock::setFixedUtc(kNow);
    QApplication::setPalette(ThemeManager::palette(false));
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
    t.memo = QStringLiteral("September");
    t.checkNumber = QStringLiteral("2001");
    t.createdAt = QDateTime(QDate(2025, 9, 30), QTime(7, 5), QTimeZone::utc());

    TransactionDetailsDialog d(state(), t);
    QCOMPARE(d.windowTitle(), QStringLiteral("Transaction Details"));
    QCOMPARE(label(d, "dateValue")->text(),
        QLocale::system().toString(QDate(2025, 9, 30), QLocale::LongFormat));
    // Payees are shown as typed, never as markup.
    QCOMPARE(label(d, "payeeValue")->text(), QStringLiteral("Power <b>Co</b>"));
    QCOMPARE(label(d, "payeeValue")->textFormat(), Qt::PlainText);
    QCOMPARE(label(d, "amountValue")->text(), QStringLiteral("- $12.50"));
    QCOMPARE(
        label(d, "amountValue")->styleSheet(), QStringLiteral("color: #C62828; font-weight: 600;"));
    QCOMPARE(label(d, "categoryValue")->text(), QStringLiteral("Electric"));
    QCOMPARE(label(d, "memoValue")->text(), QStringLiteral("September"));
    QCOMPARE(label(d, "checkNumberValue")->text(), QStringLiteral("2001"));
    QCOMPARE(label(d, "statusValue")->text(), QStringLiteral("Uncleared"));
    QVERIFY(!d.findChild<QLabel*>(QStringLiteral("transferValue")));
    QVERIFY(!labelTexts(d).contains(QStringLiteral("Split lines")));
    QCOMPARE(label(d, "enteredLabel")->text(),
        QStringLiteral("Entered: %1")
            .arg(QLocale::system().toString(t.createdAt.toLocalTime(), QLocale::LongFormat)));
    QCOMPARE(button(d, "clearedButton")->text(), QStringLiteral("Mark Cleared"));

    // A deposit in the dark palette, reconciled, to another account.
    QApplication::setPalette(ThemeManager::palette(true));
    t.amount = 123456;
    t.cleared = true;
    t.reconciled = true;
    t.transferDestAccountId = m_savings.id;
    TransactionDetailsDialog deposit(state(), t);
    QCOMPARE(label(deposit, "amountValue")->text(), QStringLiteral("$1,234.56"));
    QCOMPARE(label(deposit, "amountValue")->styleSheet(),
        QStringLiteral("color: #66BB6A; font-weight: 600;"));
    QCOMPARE(label(deposit, "statusValue")->text(), QStringLiteral("Reconciled"));
    QCOMPARE(button(deposit, "clearedButton")->text(), QStringLiteral("Mark Uncleared"));
    QCOMPARE(label(deposit, "transferValue")->text(), QStringLiteral("Rainy Day"));

    // Nothing known: a dash for every empty value.
    Transaction blank;
    blank.id = Ids::newId();
    blank.categoryId = QStringLiteral("gone-category");
    blank.transferDestAccountId = QStringLiteral("closed-account");
    TransactionDetailsDialog empty(state(), blank);
    for (const char* name : { "dateValue", "payeeValue", "categoryValue", "memoValue",
             "checkNumberValue", "transferValue" })
        QCOMPARE(label(empty, name)->text(), QStringLiteral("—"));
    QCOMPARE(label(empty, "modifiedLabel")->text(), QStringLiteral("Last modified: —"));
}

void TestTransactionDetailsDialog::splitLinesAndTheirTotal()
{
    const auto water = state()->categories()->findByName(QStringLiteral("Water"));
    const auto phone = state()->categories()->findByName(QStringLiteral("Phone"));
    QVERIFY(water && phone);
    Transaction t = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 12), QStringLiteral("Utility Co"), -8000);
    t.isSplit = true;
    t.categoryId = water->id;
    QVERIFY(state()->transactions()->update(t));
    const SplitLine lines[] = {
        { Ids::newId(), t.id, water->id, -5000, QStringLiteral("water bill"), kNow, kNow },
        { Ids::newId(), t.id, phone->id, -2500, QString(), kNow, kNow },
        { Ids::newId(), t.id, phone->id, -500, QStringLiteral("roaming"), kNow, kNow },
    };
    for (const SplitLine& line : lines)
        QVERIFY(state()->splitLines()->insert(line));
    // A line whose category row is missing altogether (written around the
    // foreign key, as an older or foreign file could hold it).
    QSqlQuery pragma(state()->database()->database());
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA foreign_keys = OFF")));
    QVERIFY(state()->splitLines()->insert(
        { Ids::newId(), t.id, QStringLiteral("missing"), 0, QStringLiteral("odd"), kNow, kNow }));
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON")));

    TransactionDetailsDialog d(state(), t);
    QCOMPARE(label(d, "categoryValue")->text(), QStringLiteral("—Split—"));
    const QStringList texts = labelTexts(d);
    QCOMPARE(texts.count(QStringLiteral("Water")), 1);
    QCOMPARE(texts.count(QStringLiteral("Phone")), 2);
    QVERIFY(texts.contains(QStringLiteral("$50.00")));
    QVERIFY(texts.contains(QStringLiteral("$25.00")));
    QVERIFY(texts.contains(QStringLiteral("$5.00")));
    QVERIFY(texts.contains(QStringLiteral("water bill")));
    QVERIFY(texts.contains(QStringLiteral("roaming")));
    QVERIFY(texts.contains(QStringLiteral("(uncategorized)")));
    QVERIFY(texts.contains(QStringLiteral("$0.00")));
    QCOMPARE(label(d, "splitTotalValue")->text(), QStringLiteral("$80.00"));

    // Split flag, nothing stored.
    Transaction bare = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 13), QStringLiteral("Half Split"), -100);
    bare.isSplit = true;
    TransactionDetailsDialog empty(state(), bare);
    QCOMPARE(
        label(empty, "noSplitLinesLabel")->text(), QStringLiteral("(no split lines on record)"));
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
    QTest::mouseClick(button(d, "clearedButton"), Qt::LeftButton);
    auto stored = state()->transactions()->findById(t.id);
    QVERIFY(stored->cleared);
    QVERIFY(!stored->reconciled);
    QCOMPARE(stored->updatedAt, kNow);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QCOMPARE(label(d, "statusValue")->text(), QStringLiteral("Cleared"));
    QCOMPARE(button(d, "clearedButton")->text(), QStringLiteral("Mark Uncleared"));
    QVERIFY(d.isVisible());

    QTest::mouseClick(button(d, "clearedButton"), Qt::LeftButton);
    QVERIFY(!state()->transactions()->findById(t.id)->cleared);
    QCOMPARE(label(d, "statusValue")->text(), QStringLiteral("Uncleared"));
    QCOMPARE(button(d, "clearedButton")->text(), QStringLiteral("Mark Cleared"));
    QVERIFY(!d.editRequested());
    QVERIFY(!d.deleted());
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

    TransactionDetailsDialog d(state(), out);
    d.show();
    MessageBoxes::setNextAnswer(QMessageBox::No);
    QTest::mouseClick(button(d, "deleteButton"), Qt::LeftButton);
    QCOMPARE(MessageBoxes::lastShown()->title, QStringLiteral("Delete Transaction"));
    QCOMPARE(MessageBoxes::lastShown()->text,
        QStringLiteral("Delete transfer \"Transfer to Rainy Day\" for $200.00?\n\n"
                       "Both sides of the transfer will be deleted."));
    QVERIFY(d.isVisible());
    QVERIFY(!d.deleted());
    QVERIFY(!state()->transactions()->findById(out.id)->deletedAt);
    QVERIFY(!state()->transactions()->findById(in.id)->deletedAt);

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(button(d, "deleteButton"), Qt::LeftButton);
    QVERIFY(d.deleted());
    QVERIFY(!d.editRequested());
    QVERIFY(!d.isVisible());
    QVERIFY(state()->transactions()->findById(out.id)->deletedAt);
    QVERIFY(state()->transactions()->findById(in.id)->deletedAt);
}

void TestTransactionDetailsDialog::editCloseAndSizing()
{
    const Transaction t = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 20), QStringLiteral("Hardware"), -3000);

    TransactionDetailsDialog edit(state(), t);
    edit.show();
    QTest::mouseClick(button(edit, "editButton"), Qt::LeftButton);
    QVERIFY(edit.editRequested());
    QVERIFY(!edit.deleted());
    QCOMPARE(edit.result(), QDialog::Accepted);
    QVERIFY(!edit.isVisible());
    QVERIFY(!state()->transactions()->findById(t.id)->deletedAt);

    // Close is the default: Return closes without asking for anything.
    TransactionDetailsDialog close(state(), t);
    QVERIFY(button(close, "closeButton")->isDefault());
    close.resize(900, 700);
    close.show();
    QVERIFY(QTest::qWaitForWindowActive(&close));
    // Fitted to its contents once shown.
    QCOMPARE(close.size(), close.sizeHint().expandedTo(close.minimumSize()));
    QTest::keyClick(&close, Qt::Key_Return);
    QCOMPARE(close.result(), QDialog::Rejected);
    QVERIFY(!close.isVisible());
    QVERIFY(!close.editRequested());
    QVERIFY(!close.deleted());

    // Only once: a size the user chose survives hiding and showing again.
    close.resize(close.width() + 120, close.height() + 40);
    const QSize chosen = close.size();
    close.show();
    QCOMPARE(close.size(), chosen);
}

QTEST_MAIN(TestTransactionDetailsDialog)
#include "tst_transactiondetailsdialog.moc"
