#include "DialogTestHelpers.h"
#include "Records.h"
#include "TestAppState.h"
#include "app/ThemeColors.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "ui/dialogs/AccountFormDialog.h"
#include "ui/dialogs/CategoryFormDialog.h"
#include "ui/dialogs/SplitEditorDialog.h"
#include "ui/dialogs/TransactionDetailsDialog.h"
#include "ui/dialogs/TransactionFormDialog.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QStringListModel>
#include <QTimeZone>

namespace {

using namespace DialogTest;
using namespace Qt::StringLiterals;

const QDateTime kNow(QDate(2025, 7, 9), QTime(8, 45), QTimeZone::utc());

CategoryComboBox* categoryCombo(QWidget& d)
{
    return field<CategoryComboBox>(d, "categoryCombo");
}

// Picks the only entry the completion popup of `edit` offers for `typed`.
void complete(QLineEdit* edit, QCompleter* completer, const QString& typed)
{
    retype(edit, typed);
    QAbstractItemView* popup = completer->popup();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->model()->rowCount(), 1);
    popup->setCurrentIndex(popup->model()->index(0, 0));
    QTest::keyClick(popup, Qt::Key_Return);
}

// Presses "Split...", sets line 0 in the editor and accepts it; the editor is
// always closed, so a failed check cannot leave the form's exec() waiting.
void split(QDialog& form, const QString& categoryId, const QString& amount,
    const QString& secondCategoryId = {}, const QString& secondAmount = {})
{
    QTimer::singleShot(0, &form, [=, &form] {
        auto* editor = form.findChild<SplitEditorDialog*>();
        QVERIFY2(editor, "the split editor did not open");
        setSplitLine(*editor, 0, categoryId, amount);
        if (!secondAmount.isEmpty())
            setSplitLine(*editor, 1, secondCategoryId, secondAmount);
        clickOk(*editor);
        if (editor->isVisible())
            editor->reject();
    });
    press(form, "splitButton");
}

// Records as the store gives them back, every kept field set.
Account storedAccount()
{
    Account a = Records::account(QStringLiteral("Travel Card"), -123456);
    std::tie(a.type, a.currency, a.sortOrder, a.isShared, a.version, a.syncStatus, a.serverId)
        = std::tuple(AccountType::CreditCard, Currency::GBP, 4, true, 7, SyncStatus::Synced,
            QStringLiteral("srv-88"));
    a.createdAt = kNow.addYears(-2);
    return a;
}

Category storedCategory(CategoryType type)
{
    Category c = Records::category(QStringLiteral("Donations"), QStringLiteral("p-9"), type);
    std::tie(c.isTaxRelevant, c.taxCategory, c.color, c.isDefault, c.version, c.serverId)
        = std::tuple(true, QStringLiteral("charitable_contributions"), QStringLiteral("#AA3366"),
            true, 3, QStringLiteral("srv-7"));
    c.createdAt = kNow.addYears(-1);
    return c;
}

} // namespace

class TestTransactionFormDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1"); }
    void init();
    void cleanup();

    void payeeDateCategoryAndSplit();
    void payeeFillsTheFormOrNamesATransfer();
    void existingSplitAndStoredFieldsAreKept();
    void splitLinesCarryTheTotalsSign();
    void yenSplitLinesEachWithACategoryWithinTheLimit();
    void detailsOfPlainTransferAndSplitRows();
    void typedBalanceToCents_data();
    void typedBalanceToCents();
    void accountFormKeepsTheRecordAndTabOrder();
    void categoryTaxCodeAndTheKeptRecord();

private:
    AppState* state() const { return m_app->state(); }
    Category addCategory(const QString& name, const QString& parentId = QString());

    std::unique_ptr<TestAppState> m_app;
    Account m_checking;
    Account m_savings;
    Category m_gardenTools; // "Garden > Tools"
    Category m_shopTools; // "Workshop > Tools"
    Category m_water;
};

Category TestTransactionFormDialog::addCategory(const QString& name, const QString& parentId)
{
    const Category c = Records::category(name, parentId);
    if (!state()->categories()->insert(c))
        qFatal("category could not be stored");
    return c;
}

void TestTransactionFormDialog::init()
{
    Clock::setFixedUtc(kNow);
    TransactionFormDialog::setLastUsedDate(QDate());
    m_app = std::make_unique<TestAppState>();
    m_checking = m_app->addAccount(QStringLiteral("Checking"));
    m_savings = m_app->addAccount(QStringLiteral("Savings"));
    m_gardenTools = addCategory(QStringLiteral("Tools"), addCategory(QStringLiteral("Garden")).id);
    m_shopTools = addCategory(QStringLiteral("Tools"), addCategory(QStringLiteral("Workshop")).id);
    m_water = addCategory(QStringLiteral("Water Bill"));
}

void TestTransactionFormDialog::cleanup()
{
    MessageBoxes::clearAnswers();
    m_app.reset();
    Clock::clearFixed();
}

void TestTransactionFormDialog::payeeDateCategoryAndSplit()
{
    {
        TransactionFormDialog d(state(), m_checking.id);
        QCOMPARE(field<DateField>(d, "dateField")->date(), kNow.date());
        QVERIFY(showActive(d));
        retype(field<DateField>(d, "dateField"), QStringLiteral("3/14/2025"));
        auto* payee = field<QLineEdit>(d, "payeeEdit");
        retype(payee, QStringLiteral("   "));
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        clickOk(d);
        QVERIFY(d.isVisible());
        QCOMPARE(MessageBoxes::lastShown()->text, QStringLiteral("Payee is required"));
        QCOMPARE(QApplication::focusWidget(), payee);
        QVERIFY(!TransactionFormDialog::lastUsedDate().isValid());

        QTest::keyClicks(payee, QStringLiteral("Kiosk"));
        MessageBoxes::clearAnswers();
        QTest::keyClick(payee, Qt::Key_Return);
        QCOMPARE(d.result(), QDialog::Accepted);
    }
    // A cancelled form leaves the date as it was.
    TransactionFormDialog second(state(), m_savings.id);
    QCOMPARE(field<DateField>(second, "dateField")->date(), QDate(2025, 3, 14));
    second.show();
    retype(field<DateField>(second, "dateField"), QStringLiteral("1/2/2024"));
    clickButton(second, QDialogButtonBox::Cancel);
    TransactionFormDialog third(state(), m_checking.id);
    QCOMPARE(field<DateField>(third, "dateField")->date(), QDate(2025, 3, 14));

    TransactionFormDialog d(state(), m_checking.id);
    QVERIFY(showActive(d));
    // A category needs its exact text, or the entry chosen from the list.
    for (const char* typed : { "Tools", "garden > tools", "Garden>Tools", "Garden > To" }) {
        retypeCombo(categoryCombo(d), QLatin1String(typed));
        QCOMPARE(d.transaction().categoryId, QString());
    }
    retypeCombo(categoryCombo(d), QStringLiteral("Workshop > Tools"));
    QCOMPARE(d.transaction().categoryId, m_shopTools.id);
    complete(
        categoryCombo(d)->lineEdit(), categoryCombo(d)->completer(), QStringLiteral("garden > to"));
    QCOMPARE(d.transaction().categoryId, m_gardenTools.id);

    retype(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("  City Utilities  "));
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("100"));
    retypeCombo(categoryCombo(d), QStringLiteral("Water Bill"));
    split(d, m_water.id, QStringLiteral("60"), m_gardenTools.id, QStringLiteral("40"));

    // Turned into a deposit afterwards: the lines turn with it.
    press(d, "depositRadio");
    QCOMPARE(std::tuple(d.transaction().amount, d.splitLines()[0].amount), std::tuple(10000, 6000));
    press(d, "paymentRadio");
    clickOk(d);
    const Transaction t = d.transaction();
    // The category hidden behind the split is not stored.
    QCOMPARE(std::tuple(t.isSplit, t.amount, t.categoryId, d.splitLines().size(), t.payee),
        std::tuple(true, qint64(-10000), QString(), qsizetype(2), QString("City Utilities")));
    QCOMPARE(d.splitLines()[1].amount, -4000);

    // Clearing the split brings the category back.
    press(d, "clearSplitButton");
    QVERIFY(!d.transaction().isSplit);
    QCOMPARE(d.transaction().categoryId, m_water.id);

    // At 0.00 a payment's lines stay negative although the total carries no sign.
    split(d, m_water.id, QStringLiteral("30"));
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("0"));
    split(d, m_water.id, QStringLiteral("12.50"));
    QCOMPARE(d.splitLines().size(), 1);
    QCOMPARE(d.splitLines()[0].amount, -1250);
}

void TestTransactionFormDialog::payeeFillsTheFormOrNamesATransfer()
{
    Transaction latest = m_app->addTransaction(
        m_checking.id, QDate(2025, 6, 1), QStringLiteral("Corner Bakery"), -1899, m_shopTools.id);
    latest.memo = QStringLiteral("bread and rolls");
    QVERIFY(state()->transactions()->update(latest));
    m_app->addTransaction(m_checking.id, QDate(2025, 5, 1), QStringLiteral("Corner Bakery"), 2500);
    // Another account's newer entry for the payee is not the one used.
    m_app->addTransaction(m_savings.id, QDate(2025, 7, 1), QStringLiteral("Corner Bakery"), 777);
    m_app->addTransaction(m_savings.id, QDate(2025, 7, 1), QStringLiteral("Savings Only"), 5000);
    m_app->addAccount(QStringLiteral("Paris"), 0, Currency::EUR);

    TransactionFormDialog d(state(), m_checking.id);
    QVERIFY(showActive(d));
    press(d, "depositRadio");
    auto* payee = field<QLineEdit>(d, "payeeEdit");
    complete(payee, payee->completer(), QStringLiteral("BAKE"));
    QVERIFY(d.isVisible()); // Return chose the payee, it did not also press OK
    const Transaction t = d.transaction();
    QCOMPARE(std::tie(t.amount, t.categoryId, t.memo),
        std::tie(latest.amount, m_shopTools.id, latest.memo));

    // Transfers are offered to the other accounts; what cannot be one keeps
    // the form open with the reason.
    const QStringList offered
        = qobject_cast<QStringListModel*>(payee->completer()->model())->stringList();
    QVERIFY(offered.contains(QStringLiteral("[Transfer] Savings")));
    QVERIFY(!offered.contains(QStringLiteral("[Transfer] Checking")));
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("25"));
    for (const auto& [typed, reason] :
        { std::pair { "[Transfer] Nowhere", "Transfer account not found" },
            std::pair { "[Transfer] Paris",
                "Transfers require both accounts to use the same currency" } }) {
        retype(payee, QLatin1String(typed));
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        clickOk(d);
        QVERIFY(d.isVisible());
        QCOMPARE(MessageBoxes::lastShown()->text, QLatin1String(reason));
    }
    MessageBoxes::clearAnswers();
    complete(payee, payee->completer(), QStringLiteral("[Transfer] Sav"));
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    const Transaction transfer = d.transaction();
    QCOMPARE(std::tie(transfer.payee, transfer.transferDestAccountId, transfer.amount),
        std::tuple(QString("Transfer to Savings"), m_savings.id, qint64(-2500)));

    // A payee without an entry in this account fills nothing.
    TransactionFormDialog none(state(), m_checking.id);
    none.onPayeeSelected(QStringLiteral("Savings Only"));
    QCOMPARE(none.transaction().amount, 0);
}

void TestTransactionFormDialog::existingSplitAndStoredFieldsAreKept()
{
    Transaction stored = m_app->addTransaction(
        m_checking.id, QDate(2025, 4, 2), QStringLiteral("Utility Co"), 8000, m_water.id);
    stored.isSplit = stored.cleared = stored.reconciled = true;
    std::tie(stored.transferLinkId, stored.transferDestAccountId, stored.version, stored.serverId)
        = std::tuple(Ids::newId(), m_savings.id, 5, u"srv-1"_s);
    QVERIFY(state()->transactions()->update(stored));
    const SplitLine a { Ids::newId(), stored.id, m_water.id, 5000, QStringLiteral("water"), kNow,
        kNow };
    QVERIFY(state()->splitLines()->insert(a));
    QVERIFY(state()->splitLines()->insert(
        { Ids::newId(), stored.id, m_shopTools.id, 3000, QString(), kNow, kNow }));
    stored.createdAt = kNow.addDays(-30);

    TransactionFormDialog d(state(), stored);
    d.show();
    retype(field<QLineEdit>(d, "checkNumberEdit"), QStringLiteral("77"));
    clickOk(d);
    // Untouched, the lines go back as they came.
    QCOMPARE(d.splitLines().size(), 2);
    QCOMPARE(std::tie(d.splitLines()[0].id, d.splitLines()[0].memo), std::tie(a.id, a.memo));
    const Transaction t = d.transaction();
    QCOMPARE(t.checkNumber, QStringLiteral("77"));
    // A category stored beside the lines (as an import may leave it) is not kept hidden.
    QCOMPARE(t.categoryId, QString());
    QCOMPARE(std::tie(t.id, t.amount, t.cleared, t.reconciled, t.transferLinkId,
                 t.transferDestAccountId, t.version, t.serverId, t.createdAt),
        std::tie(stored.id, stored.amount, stored.cleared, stored.reconciled, stored.transferLinkId,
            stored.transferDestAccountId, stored.version, stored.serverId, stored.createdAt));

    // A new amount the lines no longer add up to is never taken as it is: the
    // difference goes on an "Uncategorized" line, or the form stays open.
    const auto offer = [&](TransactionFormDialog& form, const QString& amount,
                           QMessageBox::StandardButton answer) {
        form.show();
        retype(field<SmartAmountField>(form, "amountField"), amount);
        MessageBoxes::setNextAnswer(answer);
        clickOk(form);
        return form.isVisible();
    };
    TransactionFormDialog changed(state(), stored);
    QVERIFY(offer(changed, QStringLiteral("90"), QMessageBox::No));
    QVERIFY(MessageBoxes::lastShown()->text.startsWith(QStringLiteral(
        "The split lines add up to $80.00, not to the amount of $90.00: a difference of $10.00.")));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    clickOk(changed);
    QCOMPARE(changed.result(), QDialog::Accepted);
    QCOMPARE(std::tuple(changed.splitLines().size(), changed.splitLines()[2].amount),
        std::tuple(3, 1000));
    QCOMPARE(state()->categories()->findById(changed.splitLines()[2].categoryId)->name,
        QStringLiteral("Uncategorized"));
    // More than the amount can only be corrected.
    TransactionFormDialog less(state(), stored);
    QVERIFY(offer(less, QStringLiteral("70"), QMessageBox::Ok));
    QVERIFY(MessageBoxes::lastShown()->text.endsWith(QStringLiteral("a difference of $10.00.")));
    less.reject();

    // Split flag without lines on record: a plain transaction in the form.
    Transaction bare = m_app->addTransaction(
        m_checking.id, QDate(2025, 4, 3), QStringLiteral("Half"), -100, m_water.id);
    bare.isSplit = true;
    QVERIFY(!TransactionFormDialog(state(), bare).transaction().isSplit);

    // A category deleted since is shown and kept, but offered nowhere else.
    QVERIFY(state()->categories()->softDelete(m_water.id));
    QCOMPARE(TransactionFormDialog(state(), bare).transaction().categoryId, m_water.id);
    TransactionFormDialog fresh(state(), m_checking.id);
    QCOMPARE(categoryCombo(fresh)->findText(m_water.name), -1);
}

void TestTransactionFormDialog::splitLinesCarryTheTotalsSign()
{
    SplitEditorDialog d(state(), -10000, Currency::USD, {});
    QVERIFY(showActive(d));
    // As in the register, typing replaces "(none)", and Tab takes the entry
    // the text names best, not the first one containing it ("Home/Renters",
    // "Rental Income"), then leaves the field.
    CategoryComboBox* first = splitCombo(d, 0);
    first->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("rent"));
    QTRY_VERIFY(first->completer()->popup()->isVisible());
    QTest::keyClick(first->completer()->popup(), Qt::Key_Tab);
    QCOMPARE(first->currentText(), QStringLiteral("Rent/Mortgage Payment"));
    QVERIFY(!first->lineEdit()->hasFocus());
    retype(splitSpin(d, 0), QStringLiteral("60"));
    field<QTableWidget>(d, "splitTable")->item(0, 2)->setText(QStringLiteral("seeds"));
    // The remaining figure in the register's colours, readable on the dark palette too.
    const auto remaining = [](QWidget& editor) {
        return labelText(editor, "remainingLabel") + u'|'
            + field<QLabel>(editor, "remainingLabel")->styleSheet();
    };
    const auto colour
        = [](const ThemeColors::Pair& c) { return u"color: %1;"_s.arg(ThemeColors::pickName(c)); };
    setSplitLine(d, 1, m_gardenTools.id, QStringLiteral("40.01"));
    QCOMPARE(remaining(d), u"Remaining: -$0.01|"_s + colour(ThemeColors::kRed));
    retype(splitSpin(d, 1), QStringLiteral("39.99"));
    QCOMPARE(remaining(d), u"Remaining: $0.01|"_s);
    retype(splitSpin(d, 1), QStringLiteral("40"));
    QCOMPARE(remaining(d), u"Remaining: $0.00|"_s + colour(ThemeColors::kGreen));
    // A row left at 0.00 gives no line, whatever else it holds.
    d.addRow();
    splitCombo(d, 2)->selectId(m_gardenTools.id);
    clickOk(d);
    const QList<SplitLine> lines = d.lines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(std::tie(lines[0].amount, lines[1].amount, lines[0].categoryId, lines[0].memo),
        std::tuple(qint64(-6000), qint64(-4000),
            state()->categories()->findByName(u"Rent/Mortgage Payment"_s)->id, u"seeds"_s));
    QVERIFY(lines[0].id != lines[1].id);
    QCOMPARE(d.lines()[0].id, lines[0].id); // ids are made once

    SplitEditorDialog deposit(state(), 2500, Currency::USD, {});
    deposit.show();
    setSplitLine(deposit, 0, m_gardenTools.id, QStringLiteral("25"));
    clickOk(deposit);
    QCOMPARE(deposit.lines().value(0).amount, 2500);

    // Lines on record open as they were stored.
    Category old = Records::category(QStringLiteral("Old Hobby"));
    QVERIFY(state()->categories()->insert(old) && state()->categories()->softDelete(old.id));
    const QList<SplitLine> stored {
        { Ids::newId(), {}, m_gardenTools.id, -4321, QStringLiteral("food"), {}, {} },
        { Ids::newId(), {}, old.id, -99999999, {}, {}, {} },
    };

    SplitEditorDialog asStored(state(), -100004320, Currency::USD, stored);
    QCOMPARE(labelText(asStored, "remainingLabel"), QStringLiteral("Remaining: $0.00"));
    // A category deleted since is shown and kept, on its own line only.
    QCOMPARE(splitCombo(asStored, 1)->currentText(), QStringLiteral("Old Hobby"));
    QCOMPARE(splitCombo(asStored, 0)->findText(QStringLiteral("Old Hobby")), -1);

    // The user removes the line being typed in.
    QVERIFY(showActive(asStored));
    splitSpin(asStored, 0)->setFocus();
    press(asStored, "removeLineButton");
    clickOk(asStored);
    QCOMPARE(Records::texts(asStored.lines(), &SplitLine::categoryId), QStringList({ old.id }));

    // No more lines than a transaction may hold.
    const QList<SplitLine> most(249, stored.first());
    SplitEditorDialog full(state(), -249 * 4321, Currency::USD, most);
    auto* add = field<QPushButton>(full, "addLineButton");
    press(full, "addLineButton");
    QVERIFY(!add->isEnabled());
    add->click();
    QCOMPARE(full.findChild<QTableWidget*>("splitTable")->rowCount(), 250);
}

void TestTransactionFormDialog::yenSplitLinesEachWithACategoryWithinTheLimit()
{
    SplitEditorDialog d(state(), -10000, Currency::JPY, {});
    QVERIFY(showActive(d));
    QCOMPARE(labelText(d, "totalLabel"), QStringLiteral("Total: ¥10,000"));
    setSplitLine(d, 0, m_water.id, QStringLiteral("6000"));
    QCOMPARE(splitSpin(d, 0)->text(), QStringLiteral("¥ 6000"));
    QCOMPARE(labelText(d, "remainingLabel"), QStringLiteral("Remaining: ¥4,000"));
    // Tab from a category into its amount replaces what the amount held.
    splitCombo(d, 1)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3000"));
    QCOMPARE(splitSpin(d, 1)->text(), QStringLiteral("¥ 3000"));
    // The user is told which line lacks a category and put on it.
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    clickOk(d);
    QVERIFY(d.isVisible());
    QVERIFY(MessageBoxes::lastShown()->text.startsWith(QStringLiteral("Line 2 ")));
    QVERIFY(splitCombo(d, 1)->hasFocus());

    // Each line may reach the limit, the lines together may not pass it;
    // lines that do not add up to the total are taken as they are.
    setSplitLine(d, 0, m_water.id, QStringLiteral("9999999999"));
    setSplitLine(d, 1, m_gardenTools.id, QStringLiteral("1"));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    clickOk(d);
    QVERIFY(d.isVisible());
    QCOMPARE(MessageBoxes::lastShown()->text, Money::limitMessage(Currency::JPY));

    setSplitLine(d, 1, m_gardenTools.id, QStringLiteral("0"));
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QCOMPARE(d.lines().value(0).amount, -9999999999);

    // A stored yen amount opens in the form as it is and goes back unchanged.
    const Account yen = m_app->addAccount(QStringLiteral("Tokyo"), 0, Currency::JPY);
    const Transaction stored
        = m_app->addTransaction(yen.id, QDate(2025, 7, 1), QStringLiteral("Sushi Bar"), 123456);
    TransactionFormDialog edit(state(), stored);
    QCOMPARE(field<SmartAmountField>(edit, "amountField")->text(), QStringLiteral("¥ 123456"));
    QCOMPARE(edit.transaction().amount, 123456);
}

void TestTransactionFormDialog::detailsOfPlainTransferAndSplitRows()
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
    QVERIFY(m_app->exec(QStringLiteral("PRAGMA foreign_keys = OFF")));
    QVERIFY(state()->splitLines()->insert(
        { Ids::newId(), t.id, QStringLiteral("missing"), -3000, {}, kNow, kNow }));
    QVERIFY(m_app->exec(QStringLiteral("PRAGMA foreign_keys = ON")));

    TransactionDetailsDialog d(state(), t);
    for (const char* shown : { "Water", "$50.00", "water bill", "(uncategorized)" })
        QVERIFY2(labelTexts(d).contains(QLatin1String(shown)), shown);
    QCOMPARE(labelText(d, "splitTotalValue"), QStringLiteral("$80.00"));

    // An old split of more lines than a transaction may now hold shows the
    // first of them, says how many more there are, and adds up all.
    for (int i = 0; i < 250; ++i)
        QVERIFY(state()->splitLines()->insert(
            { Ids::newId(), t.id, water->id, -100, QString(), kNow, kNow }));
    TransactionDetailsDialog shown(state(), t);
    QCOMPARE(QStringList(
                 { labelText(shown, "moreSplitLinesLabel"), labelText(shown, "splitTotalValue") }),
        QStringList({ "… and 2 more line(s)", "$330.00" }));
    // Two cells a line, one more for the memo, four for the heading and total.
    QCOMPARE(shown.findChild<QGridLayout*>(u"splitGrid"_s)->count(), 250 * 2 + 1 + 4);

    // Both legs of a transfer: cleared from the details, closed, deleted.
    Clock::setFixedUtc(kNow.addDays(-3));
    Transaction out = m_app->addTransaction(
        m_checking.id, QDate(2025, 9, 5), QStringLiteral("Transfer to Rainy Day"), -20000);
    Transaction in = m_app->addTransaction(
        m_savings.id, QDate(2025, 9, 5), QStringLiteral("Transfer from Checking"), 20000);
    std::tie(out.transferLinkId, out.transferDestAccountId) = std::tie(in.id, m_savings.id);
    std::tie(in.transferLinkId, in.transferDestAccountId) = std::tie(out.id, m_checking.id);
    QVERIFY(state()->transactions()->update(out) && state()->transactions()->update(in));
    Clock::setFixedUtc(kNow);
    const auto deleted = [this](const Transaction& t) {
        return bool(state()->transactions()->findById(t.id)->deletedAt);
    };

    TransactionDetailsDialog legs(state(), out);
    QVERIFY(showActive(legs));
    press(legs, "clearedButton");
    const auto stored = state()->transactions()->findById(out.id);
    QCOMPARE(std::tie(stored->cleared, stored->updatedAt, stored->syncStatus),
        std::tuple(true, kNow, SyncStatus::Pending));
    QCOMPARE(labelText(legs, "statusValue"), QStringLiteral("Cleared"));
    press(legs, "clearedButton");
    QVERIFY(!state()->transactions()->findById(out.id)->cleared);

    // Close is the default: Return closes without asking for anything.
    QTest::keyClick(&legs, Qt::Key_Return);
    QCOMPARE(legs.result(), QDialog::Rejected);
    QVERIFY(!legs.editRequested() && !legs.deleted());

    // Fitted to its contents once only: a size the user chose survives hiding.
    legs.resize(legs.width() + 120, legs.height() + 40);
    const QSize chosen = legs.size();
    legs.show();
    QCOMPARE(legs.size(), chosen);

    MessageBoxes::setNextAnswer(QMessageBox::No);
    press(legs, "deleteButton");
    QVERIFY(legs.isVisible() && !deleted(out) && !deleted(in));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(legs, "deleteButton");
    QVERIFY(legs.deleted() && !legs.editRequested());
    QVERIFY(!legs.isVisible());
    QVERIFY(deleted(out) && deleted(in));
}

void TestTransactionFormDialog::typedBalanceToCents_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint64>("amount");

    const auto row = [](const char* name, const char* currency, const char* typed,
                         const char* shown, qint64 amount) {
        QTest::newRow(name) << QString(currency) << QString(typed) << QString(shown) << amount;
    };
    // Values whose product with 100 falls just below the whole cent; the
    // field's own tests read decimals, commas and yen.
    row("0.29", "USD", "0.29", "$ 0.29", 29);
    row("minus one cent", "USD", "-0.01", "$ -0.01", -1);
    row("largest", "USD", "99999999.99", "$ 99999999.99", 9999999999);
    row("beyond the limit", "USD", "100000000", "$ 10000000", 1000000000);
    row("yen largest", "JPY", "99999999999", "¥ 9999999999", 9999999999);
}

void TestTransactionFormDialog::typedBalanceToCents()
{
    QFETCH(QString, currency);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(qint64, amount);

    AccountFormDialog dialog;
    dialog.show();
    auto* currencies = field<QComboBox>(dialog, "currencyCombo");
    currencies->setCurrentIndex(currencies->findData(currency));
    auto* balance = field<QDoubleSpinBox>(dialog, "startingBalanceSpin");
    retype(balance, typed);
    // What is stored is what the field shows, in the currency chosen.
    QCOMPARE(balance->text(), shown);
    QCOMPARE(dialog.account().startingBalance, amount);
}

void TestTransactionFormDialog::accountFormKeepsTheRecordAndTabOrder()
{
    const auto rowShown = [](AccountFormDialog& dialog, const char* name) {
        return dialog.findChild<QFormLayout*>()->isRowVisible(field<QWidget>(dialog, name));
    };
    // A new account's rows are walked through below, by Tab.
    // Nothing stored on the account: its opening balance is a register row.
    Account plain = storedAccount();
    plain.startingBalance = 0;
    AccountFormDialog none(plain);
    QVERIFY(!rowShown(none, "startingBalanceSpin") && !rowShown(none, "asOfEdit"));
    QCOMPARE(none.account().startingBalance, 0);

    // A stored one is shown in the account's currency and can be changed;
    // the rest of the record is kept.
    const Account record = storedAccount();
    AccountFormDialog stored(record);
    stored.show();
    retype(field<QLineEdit>(stored, "nameEdit"), QStringLiteral("Holiday Card"));
    const Account a = stored.account();
    QCOMPARE(std::tie(a.name, a.updatedAt, a.syncStatus),
        std::tuple(QString("Holiday Card"), kNow, SyncStatus::Pending));
    QCOMPARE(std::tie(a.id, a.type, a.currency, a.startingBalance, a.version, a.serverId,
                 a.sortOrder, a.isShared, a.createdAt),
        std::tie(record.id, record.type, record.currency, record.startingBalance, record.version,
            record.serverId, record.sortOrder, record.isShared, record.createdAt));
    QVERIFY(rowShown(stored, "startingBalanceSpin") && !rowShown(stored, "asOfEdit"));
    auto* balance = field<QDoubleSpinBox>(stored, "startingBalanceSpin");
    QCOMPARE(balance->text(), QStringLiteral("£ -1234.56"));
    retype(balance, QStringLiteral("250.5"));
    QCOMPARE(stored.account().startingBalance, 25050);

    // A new account: Tab follows the fields on screen.
    AccountFormDialog dialog;
    QCOMPARE(dialog.asOfDate(), kNow.date());
    QVERIFY(showActive(dialog));
    // Name, type, currency, balance, as of, institution, number; the date's
    // separators move through the date, not on to the next field.
    const QStringList typed { "Everyday", "", "E", "800,50", "5/1/2025", "River Bank", "0042" };
    for (const QString& text : typed) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const Account entered = dialog.account();
    QCOMPARE(std::tie(entered.name, entered.currency, entered.startingBalance, entered.institution,
                 entered.accountNumberLast4),
        std::tuple(QString("Everyday"), Currency::EUR, qint64(80050), QString("River Bank"),
            QString("0042")));
    QCOMPARE(dialog.asOfDate(), QDate(2025, 5, 1));
    QCOMPARE(std::tuple(dialog.account().id, entered.syncStatus),
        std::tuple(entered.id, SyncStatus::Pending));

    // Pasted text keeps no control characters; the number keeps four characters at most.
    auto* name = field<QLineEdit>(dialog, "nameEdit");
    name->setText(QStringLiteral("  House\x07 Checking\n "));
    retype(field<QLineEdit>(dialog, "accountNumberEdit"), QStringLiteral("123456"));
    QCOMPARE(std::tuple(dialog.account().name, dialog.account().accountNumberLast4),
        std::tuple(QString("House Checking"), QString("1234")));
    // An empty name is handed back as such; the caller stores nothing.
    retype(name, QStringLiteral("   "));
    QCOMPARE(dialog.account().name, QString());
}

void TestTransactionFormDialog::categoryTaxCodeAndTheKeptRecord()
{
    CategoryFormDialog d(QStringLiteral("p-1"), QStringLiteral("Housing"));
    d.show();
    // Pasted text keeps no control characters.
    field<QLineEdit>(d, "nameEdit")
        ->setText(QStringLiteral("  Gar\x07"
                                 "den\n "));
    auto* tax = field<QCheckBox>(d, "taxRelevantCheck");
    auto* code = field<QLineEdit>(d, "taxCodeEdit");
    QVERIFY(!code->isEnabled());
    click(tax);
    QVERIFY(code->isEnabled());
    code->setText(QStringLiteral(" medical_\x1b"
                                 "expenses\x7f "));
    Category c = d.category();
    QCOMPARE(std::tie(c.name, c.parentId, c.isTaxRelevant, c.taxCategory),
        std::tuple(QString("Garden"), QString("p-1"), true, QString("medical_expenses")));

    // Unticking drops the code; ticking again does not bring it back.
    click(tax);
    QVERIFY(!code->isEnabled());
    QCOMPARE(d.category().taxCategory, QString());
    click(tax);
    QCOMPARE(d.category().taxCategory, QString());

    // An edit keeps the rest of the record.
    const Category stored = storedCategory(CategoryType::Income);
    CategoryFormDialog edit(stored, QStringLiteral("Giving"));
    QVERIFY(field<QLineEdit>(edit, "taxCodeEdit")->isEnabled());
    edit.show();
    retype(field<QLineEdit>(edit, "nameEdit"), QStringLiteral("Gifts"));
    c = edit.category();
    QCOMPARE(std::tie(c.name, c.updatedAt), std::tuple(QString("Gifts"), kNow));
    QCOMPARE(std::tie(c.id, c.type, c.parentId, c.taxCategory, c.color, c.isDefault, c.version,
                 c.serverId, c.createdAt),
        std::tie(stored.id, stored.type, stored.parentId, stored.taxCategory, stored.color,
            stored.isDefault, stored.version, stored.serverId, stored.createdAt));

    // Transfer is not offered: such a category comes back as an expense.
    CategoryFormDialog transfer(storedCategory(CategoryType::Transfer), QString());
    QCOMPARE(std::tuple(
                 field<QComboBox>(transfer, "typeCombo")->currentText(), transfer.category().type),
        std::tuple(QString("Expense"), CategoryType::Expense));

    // A code stored on a category that is not tax-relevant is neither shown nor kept.
    Category untaxed = stored;
    untaxed.isTaxRelevant = false;
    CategoryFormDialog plain(untaxed, QString());
    QCOMPARE(QStringList(
                 { field<QLineEdit>(plain, "taxCodeEdit")->text(), plain.category().taxCategory }),
        QStringList({ "", "" }));
}

QTEST_MAIN(TestTransactionFormDialog)
#include "tst_transactionformdialog.moc"
