#include "DialogTestHelpers.h"
#include "Records.h"
#include "TestAppState.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "ui/dialogs/CategoryComboBox.h"
#include "ui/dialogs/SplitEditorDialog.h"
#include "ui/dialogs/TransactionFormDialog.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimeZone>
#include <QTimer>
#include <functional>

namespace {

using namespace DialogTest;

const QDateTime kNow(QDate(2025, 7, 9), QTime(8, 45), QTimeZone::utc());

void press(QWidget& d, const char* button)
{
    click(field<QAbstractButton>(d, button));
}

void typeCategory(QWidget& d, const QString& text)
{
    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    retype(combo->lineEdit(), text);
    combo->completer()->popup()->hide();
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

// Once the form has opened the split editor: runs `steps` on it, then accepts
// it (or cancels it). The editor is always closed, so a failed check inside
// cannot leave the form's exec() waiting.
void whenSplitEditorOpens(
    QDialog& form, std::function<void(SplitEditorDialog&)> steps, bool accept = true)
{
    QTimer::singleShot(0, &form, [&form, steps, accept] {
        auto* editor = form.findChild<SplitEditorDialog*>();
        QVERIFY2(editor, "the split editor did not open");
        steps(*editor);
        if (accept)
            clickOk(*editor);
        if (editor->isVisible())
            editor->reject();
    });
}

QTableWidget* splitTable(SplitEditorDialog& editor)
{
    return field<QTableWidget>(editor, "splitTable");
}

void setSplitRow(SplitEditorDialog& editor, int row, const QString& categoryId,
    const QString& amount, const QString& memo = QString())
{
    QTableWidget* table = splitTable(editor);
    while (table->rowCount() <= row)
        editor.addRow();
    static_cast<CategoryComboBox*>(table->cellWidget(row, 0))->selectId(categoryId);
    retype(table->cellWidget(row, 1), amount);
    table->item(row, 2)->setText(memo);
}

} // namespace

class TestTransactionFormDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void newFormsStartOnTheLastUsedDate();
    void amountSignFollowsType_data();
    void amountSignFollowsType();
    void newTransactionRecord();
    void categoryNeedsTheExactText();
    void splitWithoutAmountOnlyFocusesTheAmount();
    void choosingAPayeeFillsTheForm();
    void splittingAndClearingTheSplit();
    void linesFollowTheTypeChosenAfterSplitting();
    void existingSplitOpensWithItsLines();
    void editingKeepsStoredFields();
    void emptyPayeeIsRefused();

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

void TestTransactionFormDialog::initTestCase()
{
    qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1");
}

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

void TestTransactionFormDialog::newFormsStartOnTheLastUsedDate()
{
    {
        TransactionFormDialog first(state(), m_checking.id);
        QCOMPARE(first.windowTitle(), QStringLiteral("New Transaction"));
        QVERIFY(field<QRadioButton>(first, "paymentRadio")->isChecked());
        // Nothing accepted yet: today.
        QCOMPARE(field<DateField>(first, "dateField")->date(), kNow.date());
        first.show();
        QVERIFY(QTest::qWaitForWindowActive(&first));
        QCOMPARE(QApplication::focusWidget(), field<QLineEdit>(first, "payeeEdit"));
        retype(field<DateField>(first, "dateField"), QStringLiteral("3/14/2025"));
        retype(field<QLineEdit>(first, "payeeEdit"), QStringLiteral("Pie Shop"));
        clickOk(first);
        QCOMPARE(first.transaction().date, QDate(2025, 3, 14));
    }
    TransactionFormDialog second(state(), m_savings.id);
    QCOMPARE(field<DateField>(second, "dateField")->text(), QStringLiteral("3/14/2025"));

    // A cancelled form leaves the date as it was.
    second.show();
    retype(field<DateField>(second, "dateField"), QStringLiteral("1/2/2024"));
    clickButton(second, QDialogButtonBox::Cancel);
    TransactionFormDialog third(state(), m_checking.id);
    QCOMPARE(field<DateField>(third, "dateField")->date(), QDate(2025, 3, 14));

    // An edit opens on its own date, and accepting it counts too.
    const Transaction stored = m_app->addTransaction(
        m_checking.id, QDate(2024, 11, 5), QStringLiteral("Old Entry"), -100);
    TransactionFormDialog edit(state(), stored);
    QCOMPARE(edit.windowTitle(), QStringLiteral("Edit Transaction"));
    QCOMPARE(field<DateField>(edit, "dateField")->date(), QDate(2024, 11, 5));
    edit.show();
    clickOk(edit);
    TransactionFormDialog fourth(state(), m_checking.id);
    QCOMPARE(field<DateField>(fourth, "dateField")->date(), QDate(2024, 11, 5));
}

void TestTransactionFormDialog::amountSignFollowsType_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("amount");

    QTest::newRow("deposit 12.50") << "depositRadio"
                                   << "12.50" << qint64(1250);
    QTest::newRow("payment 12.50") << "paymentRadio"
                                   << "12.50" << qint64(-1250);
    QTest::newRow("payment 0.29") << "paymentRadio"
                                  << "0.29" << qint64(-29);
    QTest::newRow("deposit largest") << "depositRadio"
                                     << "99999999.99" << qint64(9999999999);
}

void TestTransactionFormDialog::amountSignFollowsType()
{
    QFETCH(QString, radio);
    QFETCH(QString, typed);
    QFETCH(qint64, amount);

    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    retype(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("Somebody"));
    // The other type first, so the click is what decides.
    press(d, radio == QLatin1String("paymentRadio") ? "depositRadio" : "paymentRadio");
    press(d, qPrintable(radio));
    retype(field<SmartAmountField>(d, "amountField"), typed);
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QCOMPARE(d.transaction().amount, amount);
}

void TestTransactionFormDialog::newTransactionRecord()
{
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    retype(field<DateField>(d, "dateField"), QStringLiteral("6/30/2025"));
    retype(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("  Power & Light  "));
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("64.10"));
    typeCategory(d, QStringLiteral("Garden > Tools"));
    retype(field<QLineEdit>(d, "memoEdit"), QStringLiteral(" June bill "));
    retype(field<QLineEdit>(d, "checkNumberEdit"), QStringLiteral(" 1043 "));
    press(d, "clearedCheck");
    clickOk(d);

    const Transaction t = d.transaction();
    QCOMPARE(t.id.size(), 36);
    QCOMPARE(d.transaction().id, t.id);
    QCOMPARE(t.accountId, m_checking.id);
    QCOMPARE(t.date, QDate(2025, 6, 30));
    QCOMPARE(t.payee, QStringLiteral("Power & Light"));
    QCOMPARE(t.amount, -6410);
    QCOMPARE(t.categoryId, m_gardenTools.id);
    QCOMPARE(t.memo, QStringLiteral("June bill"));
    QCOMPARE(t.checkNumber, QStringLiteral("1043"));
    QVERIFY(t.cleared);
    QVERIFY(!t.isSplit);
    QCOMPARE(t.syncStatus, SyncStatus::Pending);
    QCOMPARE(t.createdAt, kNow);
    QCOMPARE(t.updatedAt, kNow);
    QVERIFY(d.splitLines().isEmpty());
    QVERIFY(state()->transactions()->insert(t));
}

void TestTransactionFormDialog::categoryNeedsTheExactText()
{
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    for (const QString& typed : { QStringLiteral("Tools"), QStringLiteral("garden > tools"),
             QStringLiteral("Garden>Tools"), QStringLiteral("Garden > To") }) {
        typeCategory(d, typed);
        QCOMPARE(d.transaction().categoryId, QString());
    }
    typeCategory(d, QStringLiteral("Workshop > Tools"));
    QCOMPARE(d.transaction().categoryId, m_shopTools.id);

    // Choosing from the completion list selects exactly that entry.
    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    complete(combo->lineEdit(), combo->completer(), QStringLiteral("garden > to"));
    QCOMPARE(combo->currentText(), QStringLiteral("Garden > Tools"));
    QCOMPARE(d.transaction().categoryId, m_gardenTools.id);
}

void TestTransactionFormDialog::splitWithoutAmountOnlyFocusesTheAmount()
{
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto* amount = field<SmartAmountField>(d, "amountField");
    // Should the editor open after all, it is closed again and noted.
    bool opened = false;
    QTimer::singleShot(0, &d, [&] {
        if (auto* editor = d.findChild<SplitEditorDialog*>()) {
            opened = true;
            editor->reject();
        }
    });
    press(d, "splitButton");
    QVERIFY(!opened);
    QVERIFY(!d.findChild<SplitEditorDialog*>());
    QVERIFY(amount->hasFocus());
    QCOMPARE(amount->findChild<QLineEdit*>()->selectedText(), QStringLiteral("0.00"));
    QVERIFY(field<CategoryComboBox>(d, "categoryCombo")->isEnabled());
    QTest::keyClicks(amount, QStringLiteral("42"));
    QCOMPARE(amount->value(), 42.0);
}

void TestTransactionFormDialog::choosingAPayeeFillsTheForm()
{
    m_app->addTransaction(m_checking.id, QDate(2025, 5, 1), QStringLiteral("Corner Bakery"), 2500);
    Transaction latest = m_app->addTransaction(
        m_checking.id, QDate(2025, 6, 1), QStringLiteral("Corner Bakery"), -1899, m_shopTools.id);
    latest.memo = QStringLiteral("bread and rolls");
    QVERIFY(state()->transactions()->update(latest));
    // Another account's newer entry for the payee is not the one used.
    m_app->addTransaction(m_savings.id, QDate(2025, 7, 1), QStringLiteral("Corner Bakery"), 777);
    m_app->addTransaction(m_savings.id, QDate(2025, 7, 1), QStringLiteral("Savings Only"), 5000);

    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    press(d, "depositRadio");
    auto* payee = field<QLineEdit>(d, "payeeEdit");
    complete(payee, payee->completer(), QStringLiteral("BAKE"));
    // Return chose the payee; it did not also press OK.
    QVERIFY(d.isVisible());
    QCOMPARE(payee->text(), QStringLiteral("Corner Bakery"));
    QCOMPARE(field<SmartAmountField>(d, "amountField")->text(), QStringLiteral("$ 18.99"));
    QVERIFY(field<QRadioButton>(d, "paymentRadio")->isChecked());
    QCOMPARE(field<QLineEdit>(d, "memoEdit")->text(), QStringLiteral("bread and rolls"));
    QCOMPARE(field<CategoryComboBox>(d, "categoryCombo")->currentText(),
        QStringLiteral("Workshop > Tools"));
    QCOMPARE(d.transaction().amount, -1899);
    QCOMPARE(d.transaction().categoryId, m_shopTools.id);

    // A deposit sets Deposit; a payee without an entry in this account fills nothing.
    TransactionFormDialog other(state(), m_savings.id);
    other.onPayeeSelected(QStringLiteral("Savings Only"));
    QVERIFY(field<QRadioButton>(other, "depositRadio")->isChecked());
    QCOMPARE(other.transaction().amount, 5000);
    TransactionFormDialog none(state(), m_checking.id);
    none.onPayeeSelected(QStringLiteral("Savings Only"));
    QCOMPARE(none.transaction().amount, 0);
}

void TestTransactionFormDialog::splittingAndClearingTheSplit()
{
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    retype(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("City Utilities"));
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("100"));
    typeCategory(d, QStringLiteral("Water Bill"));

    QString total;
    whenSplitEditorOpens(d, [&](SplitEditorDialog& editor) {
        total = field<QLabel>(editor, "totalLabel")->text();
        setSplitRow(editor, 0, m_water.id, QStringLiteral("60"), QStringLiteral("water"));
        setSplitRow(editor, 1, m_gardenTools.id, QStringLiteral("40"));
    });
    press(d, "splitButton");
    QCOMPARE(total, QStringLiteral("Total: $100.00"));

    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    QVERIFY(!combo->isEnabled());
    QCOMPARE(combo->currentText(), QStringLiteral("—Split—"));
    QCOMPARE(field<QPushButton>(d, "splitButton")->text(), QStringLiteral("Edit splits..."));
    QVERIFY(!field<QPushButton>(d, "clearSplitButton")->isHidden());

    clickOk(d);
    const Transaction t = d.transaction();
    QVERIFY(t.isSplit);
    QCOMPARE(t.amount, -10000);
    // The category hidden behind the split is not stored with it.
    QCOMPARE(t.categoryId, QString());
    const QList<SplitLine> lines = d.splitLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].amount, -6000);
    QCOMPARE(lines[0].categoryId, m_water.id);
    QCOMPARE(lines[0].memo, QStringLiteral("water"));
    QCOMPARE(lines[1].amount, -4000);
    QVERIFY(lines[0].transactionId.isEmpty());
    // What the caller stores is what was handed over.
    QVERIFY(state()->transactions()->insert(t));
    for (SplitLine line : lines) {
        line.transactionId = t.id;
        QVERIFY(state()->splitLines()->insert(line));
    }
    QCOMPARE(state()->splitLines()->findByTransaction(t.id).size(), 2);

    press(d, "clearSplitButton");
    QVERIFY(combo->isEnabled());
    QCOMPARE(combo->currentText(), QStringLiteral("Water Bill"));
    QCOMPARE(field<QPushButton>(d, "splitButton")->text(), QStringLiteral("Split..."));
    QVERIFY(field<QPushButton>(d, "clearSplitButton")->isHidden());
    QVERIFY(d.splitLines().isEmpty());
    QVERIFY(!d.transaction().isSplit);
    QCOMPARE(d.transaction().categoryId, m_water.id);

    // An editor accepted with every line at 0.00 leaves no split either.
    whenSplitEditorOpens(d, [](SplitEditorDialog&) {});
    press(d, "splitButton");
    QVERIFY(d.splitLines().isEmpty());
    QVERIFY(combo->isEnabled());
}

void TestTransactionFormDialog::linesFollowTheTypeChosenAfterSplitting()
{
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("30"));
    whenSplitEditorOpens(d, [&](SplitEditorDialog& editor) {
        setSplitRow(editor, 0, m_water.id, QStringLiteral("30"));
    });
    press(d, "splitButton");
    QCOMPARE(d.splitLines().size(), 1);
    QCOMPARE(d.splitLines()[0].amount, -3000);

    // Turned into a deposit afterwards: the line turns with it.
    press(d, "depositRadio");
    QCOMPARE(d.transaction().amount, 3000);
    QCOMPARE(d.splitLines()[0].amount, 3000);
    press(d, "paymentRadio");
    QCOMPARE(d.splitLines()[0].amount, -3000);

    // At 0.00 the editor still opens on the lines, and a payment's lines stay
    // negative although a total of zero carries no sign.
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("0"));
    int rows = 0;
    whenSplitEditorOpens(d, [&](SplitEditorDialog& editor) {
        rows = splitTable(editor)->rowCount();
        setSplitRow(editor, 0, m_water.id, QStringLiteral("12.50"));
    });
    press(d, "splitButton");
    QCOMPARE(rows, 1);
    QCOMPARE(d.splitLines()[0].amount, -1250);
    QCOMPARE(d.transaction().amount, 0);
}

void TestTransactionFormDialog::existingSplitOpensWithItsLines()
{
    Transaction stored = m_app->addTransaction(
        m_checking.id, QDate(2025, 4, 2), QStringLiteral("Utility Co"), -8000, m_water.id);
    stored.isSplit = true;
    QVERIFY(state()->transactions()->update(stored));
    const SplitLine a { Ids::newId(), stored.id, m_water.id, -5000, QStringLiteral("water"), kNow,
        kNow };
    const SplitLine b { Ids::newId(), stored.id, m_shopTools.id, -3000, QString(), kNow, kNow };
    QVERIFY(state()->splitLines()->insert(a));
    QVERIFY(state()->splitLines()->insert(b));

    TransactionFormDialog d(state(), stored);
    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    QVERIFY(!combo->isEnabled());
    QCOMPARE(combo->currentText(), QStringLiteral("—Split—"));
    QCOMPARE(field<QPushButton>(d, "splitButton")->text(), QStringLiteral("Edit splits..."));
    QCOMPARE(field<SmartAmountField>(d, "amountField")->text(), QStringLiteral("$ 80.00"));
    // Untouched, the lines go back as they came, without the transaction id.
    const QList<SplitLine> lines = d.splitLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].id, a.id);
    QCOMPARE(lines[0].amount, -5000);
    QCOMPARE(lines[1].categoryId, m_shopTools.id);
    QVERIFY(lines[0].transactionId.isEmpty());
    // A category stored beside the lines (as an import may leave it) is not kept hidden.
    QCOMPARE(d.transaction().categoryId, QString());

    d.show();
    QString shown;
    whenSplitEditorOpens(
        d,
        [&](SplitEditorDialog& editor) {
            QTableWidget* table = splitTable(editor);
            shown = QStringLiteral("%1|%2|%3")
                        .arg(table->rowCount())
                        .arg(static_cast<QDoubleSpinBox*>(table->cellWidget(0, 1))->text(),
                            table->item(0, 2)->text());
        },
        false);
    press(d, "splitButton");
    QCOMPARE(shown, QStringLiteral("2|$ 50.00|water"));
    QCOMPARE(d.splitLines().size(), 2);

    // Split flag without lines on record: a plain transaction in the form.
    Transaction bare = m_app->addTransaction(
        m_checking.id, QDate(2025, 4, 3), QStringLiteral("Half Split"), -100, m_water.id);
    bare.isSplit = true;
    TransactionFormDialog plain(state(), bare);
    QCOMPARE(field<CategoryComboBox>(plain, "categoryCombo")->currentText(),
        QStringLiteral("Water Bill"));
    QVERIFY(!plain.transaction().isSplit);
    QCOMPARE(plain.transaction().categoryId, m_water.id);
}

void TestTransactionFormDialog::editingKeepsStoredFields()
{
    const Category old = addCategory(QStringLiteral("Old Hobby"));
    Transaction stored = m_app->addTransaction(
        m_checking.id, QDate(2025, 2, 20), QStringLiteral("Transfer to Savings"), 4200, old.id);
    QVERIFY(state()->categories()->softDelete(old.id));
    stored.memo = QStringLiteral("a memo long enough to need scrolling in the field, so it shows");
    stored.cleared = true;
    stored.reconciled = true;
    stored.transferLinkId = Ids::newId();
    stored.transferDestAccountId = m_savings.id;
    stored.version = 5;
    stored.serverId = QStringLiteral("srv-1");
    stored.createdAt = QDateTime(QDate(2025, 2, 20), QTime(9, 0), QTimeZone::utc());

    TransactionFormDialog d(state(), stored);
    QVERIFY(field<QRadioButton>(d, "depositRadio")->isChecked());
    QCOMPARE(field<QLineEdit>(d, "memoEdit")->cursorPosition(), 0);
    // A category deleted since is shown and kept, but offered nowhere else.
    QCOMPARE(field<CategoryComboBox>(d, "categoryCombo")->currentText(), old.name);
    TransactionFormDialog fresh(state(), m_checking.id);
    QCOMPARE(field<CategoryComboBox>(fresh, "categoryCombo")->findText(old.name), -1);

    d.show();
    retype(field<QLineEdit>(d, "checkNumberEdit"), QStringLiteral("77"));
    clickOk(d);
    const Transaction t = d.transaction();
    QCOMPARE(t.id, stored.id);
    QCOMPARE(t.amount, 4200);
    QCOMPARE(t.categoryId, old.id);
    QCOMPARE(t.memo, stored.memo);
    QCOMPARE(t.checkNumber, QStringLiteral("77"));
    QVERIFY(t.cleared);
    QVERIFY(t.reconciled);
    QCOMPARE(t.transferLinkId, stored.transferLinkId);
    QCOMPARE(t.transferDestAccountId, stored.transferDestAccountId);
    QCOMPARE(t.version, 5);
    QCOMPARE(t.serverId, QStringLiteral("srv-1"));
    QCOMPARE(t.createdAt, stored.createdAt);
    QCOMPARE(t.updatedAt, kNow);
}

void TestTransactionFormDialog::emptyPayeeIsRefused()
{
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    retype(field<DateField>(d, "dateField"), QStringLiteral("8/1/2025"));
    retype(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("   "));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    clickOk(d);
    QVERIFY(d.isVisible());
    QCOMPARE(MessageBoxes::lastShown()->text, QStringLiteral("Payee is required"));
    QCOMPARE(QApplication::focusWidget(), field<QLineEdit>(d, "payeeEdit"));
    QVERIFY(!TransactionFormDialog::lastUsedDate().isValid());

    QTest::keyClicks(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("Kiosk"));
    MessageBoxes::clearAnswers();
    QTest::keyClick(field<QLineEdit>(d, "payeeEdit"), Qt::Key_Return);
    QCOMPARE(d.result(), QDialog::Accepted);
    QVERIFY(!MessageBoxes::lastShown());
    QCOMPARE(TransactionFormDialog::lastUsedDate(), QDate(2025, 8, 1));
}

QTEST_MAIN(TestTransactionFormDialog)
#include "tst_transactionformdialog.moc"
