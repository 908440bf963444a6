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
#include <QCheckBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <functional>

namespace {

using namespace DialogTest;

const QDateTime kNow(QDate(2025, 7, 9), QTime(8, 45), QTimeZone::utc());

void typeCategory(TransactionFormDialog& d, const QString& text)
{
    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    retype(combo->lineEdit(), text);
    combo->completer()->popup()->hide();
}

// Runs `steps` on the split editor once the form has opened it, then accepts
// it (or rejects it when `accept` is false). The editor is always closed, so
// a failed check inside cannot leave the form's exec() waiting.
void whenSplitEditorOpens(
    TransactionFormDialog& form, std::function<void(SplitEditorDialog&)> steps, bool accept = true)
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
    return editor.findChild<QTableWidget*>(QStringLiteral("splitTable"));
}

void setSplitRow(SplitEditorDialog& editor, int row, const QString& categoryId, double amount,
    const QString& memo = QString())
{
    QTableWidget* table = splitTable(editor);
    while (table->rowCount() <= row)
        editor.addRow();
    static_cast<CategoryComboBox*>(table->cellWidget(row, 0))->selectId(categoryId);
    retype(table->cellWidget(row, 1), QString::number(amount, 'f', 2));
    table->item(row, 2)->setText(memo);
}

} // namespace

class TestTransactionFormDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void newFormStartsEmpty();
    void categoryListShowsParents();
    void amountSignFollowsType_data();
    void amountSignFollowsType();
    void newTransactionRecord();
    void categoryNeedsTheExactText();
    void splitWithoutAmountOnlyFocusesTheAmount();
    void lastUsedDateCarriesToTheNextForm();
    void choosingAPayeeFillsTheForm();
    void splittingAndClearingTheSplit();
    void linesFollowTheTypeChosenAfterSplitting();
    void existingSplitOpensWithItsLines();
    void deletedCategoryIsKeptOnEdit();
    void editingKeepsStoredFields();
    void emptyPayeeIsRefused();

private:
    AppState* state() const { return m_app->state(); }
    QString categoryId(const QString& name, const QString& parentName = QString()) const;

    std::unique_ptr<TestAppState> m_app;
    Account m_checking;
    Account m_savings;
};

void TestTransactionFormDialog::initTestCase()
{
    qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1");
}

void TestTransactionFormDialog::init()
{
    Clock::setFixedUtc(kNow);
    TransactionFormDialog::setLastUsedDate(QDate());
    m_app = std::make_unique<TestAppState>();
    m_checking = m_app->addAccount(QStringLiteral("Checking"));
    m_savings = m_app->addAccount(QStringLiteral("Savings"));
}

void TestTransactionFormDialog::cleanup()
{
    MessageBoxes::clearAnswers();
    m_app.reset();
    Clock::clearFixed();
}

QString TestTransactionFormDialog::categoryId(const QString& name, const QString& parentName) const
{
    const QList<Category> all = state()->categories()->findAll();
    for (const Category& c : all) {
        if (c.name != name)
            continue;
        const auto parent = std::find_if(
            all.begin(), all.end(), [&](const Category& p) { return p.id == c.parentId; });
        const QString actualParent = parent == all.end() ? QString() : parent->name;
        if (actualParent == parentName)
            return c.id;
    }
    qFatal("no category %s", qPrintable(name));
    return {};
}

void TestTransactionFormDialog::newFormStartsEmpty()
{
    TransactionFormDialog d(state(), m_checking.id);
    QCOMPARE(d.windowTitle(), QStringLiteral("New Transaction"));
    QVERIFY(field<QRadioButton>(d, "paymentRadio")->isChecked());
    QVERIFY(!field<QRadioButton>(d, "depositRadio")->isChecked());
    // No form accepted yet: today.
    QCOMPARE(field<DateField>(d, "dateField")->date(), kNow.date());
    QCOMPARE(field<DateField>(d, "dateField")->text(), QStringLiteral("7/9/2025"));
    QCOMPARE(field<SmartAmountField>(d, "amountField")->text(), QStringLiteral("$ 0.00"));
    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    QVERIFY(combo->isEnabled());
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), QStringLiteral("(none)"));
    QCOMPARE(field<QPushButton>(d, "splitButton")->text(), QStringLiteral("Split..."));
    QVERIFY(field<QPushButton>(d, "clearSplitButton")->isHidden());
    QVERIFY(!field<QCheckBox>(d, "clearedCheck")->isChecked());

    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(QApplication::focusWidget(), field<QLineEdit>(d, "payeeEdit"));
    QVERIFY(d.splitLines().isEmpty());
    QCOMPARE(d.transaction().amount, 0);
    QCOMPARE(d.transaction().categoryId, QString());
}

void TestTransactionFormDialog::categoryListShowsParents()
{
    TransactionFormDialog d(state(), m_checking.id);
    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    const QList<Category> all = state()->categories()->findAll();
    QCOMPARE(combo->count(), all.size() + 1);
    QCOMPARE(combo->itemText(0), QStringLiteral("(none)"));
    const QString housingRepairs
        = categoryId(QStringLiteral("Maintenance"), QStringLiteral("Housing"));
    const QString carRepairs
        = categoryId(QStringLiteral("Maintenance"), QStringLiteral("Transportation"));
    QCOMPARE(
        combo->itemText(combo->findData(housingRepairs)), QStringLiteral("Housing > Maintenance"));
    QCOMPARE(combo->itemText(combo->findData(carRepairs)),
        QStringLiteral("Transportation > Maintenance"));
    QCOMPARE(combo->itemText(combo->findData(categoryId(QStringLiteral("Housing")))),
        QStringLiteral("Housing"));
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
    QTest::newRow("payment 7.05") << "paymentRadio"
                                  << "7.05" << qint64(-705);
    QTest::newRow("deposit largest") << "depositRadio"
                                     << "99999999.99" << qint64(9999999999);
    QTest::newRow("payment 0.29") << "paymentRadio"
                                  << "0.29" << qint64(-29);
    QTest::newRow("payment zero") << "paymentRadio"
                                  << "0" << qint64(0);
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
    click(field<QAbstractButton>(
        d, radio == QLatin1String("paymentRadio") ? "depositRadio" : "paymentRadio"));
    click(field<QAbstractButton>(d, qPrintable(radio)));
    retype(field<SmartAmountField>(d, "amountField"), typed);
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QCOMPARE(d.transaction().amount, amount);
}

void TestTransactionFormDialog::newTransactionRecord()
{
    const QString electric = categoryId(QStringLiteral("Electric"), QStringLiteral("Utilities"));
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    retype(field<DateField>(d, "dateField"), QStringLiteral("6/30/2025"));
    retype(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("  Power & Light  "));
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("64.10"));
    typeCategory(d, QStringLiteral("Utilities > Electric"));
    retype(field<QLineEdit>(d, "memoEdit"), QStringLiteral(" June bill "));
    retype(field<QLineEdit>(d, "checkNumberEdit"), QStringLiteral(" 1043 "));
    click(field<QAbstractButton>(d, "clearedCheck"));
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);

    const Transaction t = d.transaction();
    QCOMPARE(t.id.size(), 36);
    QCOMPARE(t.id, t.id.toLower());
    QCOMPARE(d.transaction().id, t.id);
    QCOMPARE(t.accountId, m_checking.id);
    QCOMPARE(t.date, QDate(2025, 6, 30));
    QCOMPARE(t.payee, QStringLiteral("Power & Light"));
    QCOMPARE(t.amount, -6410);
    QCOMPARE(t.categoryId, electric);
    QCOMPARE(t.memo, QStringLiteral("June bill"));
    QCOMPARE(t.checkNumber, QStringLiteral("1043"));
    QVERIFY(t.cleared);
    QVERIFY(!t.reconciled);
    QVERIFY(!t.isSplit);
    QVERIFY(t.transferLinkId.isEmpty());
    QCOMPARE(t.version, 1);
    QCOMPARE(t.syncStatus, SyncStatus::Pending);
    QCOMPARE(t.createdAt, kNow);
    QCOMPARE(t.updatedAt, kNow);
    // What the caller stores can be stored.
    QVERIFY(state()->transactions()->insert(t));
}

void TestTransactionFormDialog::categoryNeedsTheExactText()
{
    const QString housingRepairs
        = categoryId(QStringLiteral("Maintenance"), QStringLiteral("Housing"));
    const QString carRepairs
        = categoryId(QStringLiteral("Maintenance"), QStringLiteral("Transportation"));
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    retype(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("Hardware Store"));

    for (const QString& typed :
        { QStringLiteral("Maintenance"), QStringLiteral("housing > maintenance"),
            QStringLiteral("Housing>Maintenance"), QStringLiteral("Housing > Maint") }) {
        typeCategory(d, typed);
        QCOMPARE(d.transaction().categoryId, QString());
    }
    typeCategory(d, QStringLiteral("Transportation > Maintenance"));
    QCOMPARE(d.transaction().categoryId, carRepairs);

    // Choosing from the completion list selects exactly that entry.
    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    retype(combo->lineEdit(), QStringLiteral("housing > main"));
    QAbstractItemView* popup = combo->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->model()->rowCount(), 1);
    popup->setCurrentIndex(popup->model()->index(0, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    QCOMPARE(combo->currentText(), QStringLiteral("Housing > Maintenance"));
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QCOMPARE(d.transaction().categoryId, housingRepairs);
}

void TestTransactionFormDialog::splitWithoutAmountOnlyFocusesTheAmount()
{
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto* amount = field<SmartAmountField>(d, "amountField");
    QCOMPARE(QApplication::focusWidget(), field<QLineEdit>(d, "payeeEdit"));
    // Would open the editor, fail and close it if the button misbehaved.
    bool opened = false;
    QTimer::singleShot(0, &d, [&] {
        if (auto* editor = d.findChild<SplitEditorDialog*>()) {
            opened = true;
            editor->reject();
        }
    });
    click(field<QAbstractButton>(d, "splitButton"));
    QVERIFY(!opened);
    QVERIFY(!d.findChild<SplitEditorDialog*>());
    QVERIFY(amount->hasFocus());
    QCOMPARE(amount->findChild<QLineEdit*>()->selectedText(), QStringLiteral("0.00"));
    QCOMPARE(field<QPushButton>(d, "splitButton")->text(), QStringLiteral("Split..."));
    QVERIFY(field<CategoryComboBox>(d, "categoryCombo")->isEnabled());
    // Typing now replaces the zero.
    QTest::keyClicks(amount, QStringLiteral("42"));
    QCOMPARE(amount->value(), 42.0);
}

void TestTransactionFormDialog::lastUsedDateCarriesToTheNextForm()
{
    {
        TransactionFormDialog first(state(), m_checking.id);
        first.show();
        retype(field<DateField>(first, "dateField"), QStringLiteral("3/14/2025"));
        retype(field<QLineEdit>(first, "payeeEdit"), QStringLiteral("Pie Shop"));
        clickOk(first);
        QCOMPARE(first.result(), QDialog::Accepted);
        QCOMPARE(first.transaction().date, QDate(2025, 3, 14));
    }
    TransactionFormDialog second(state(), m_savings.id);
    QCOMPARE(field<DateField>(second, "dateField")->date(), QDate(2025, 3, 14));
    QCOMPARE(field<DateField>(second, "dateField")->text(), QStringLiteral("3/14/2025"));

    // A cancelled form leaves the date as it was.
    second.show();
    retype(field<DateField>(second, "dateField"), QStringLiteral("1/2/2024"));
    clickButton(second, QDialogButtonBox::Cancel);
    QCOMPARE(second.result(), QDialog::Rejected);
    TransactionFormDialog third(state(), m_checking.id);
    QCOMPARE(field<DateField>(third, "dateField")->date(), QDate(2025, 3, 14));

    // Accepting an edit counts too, and an edit opens on its own date.
    const Transaction stored = m_app->addTransaction(
        m_checking.id, QDate(2024, 11, 5), QStringLiteral("Old Entry"), -100);
    TransactionFormDialog edit(state(), stored);
    QCOMPARE(field<DateField>(edit, "dateField")->date(), QDate(2024, 11, 5));
    edit.show();
    clickOk(edit);
    TransactionFormDialog fourth(state(), m_checking.id);
    QCOMPARE(field<DateField>(fourth, "dateField")->date(), QDate(2024, 11, 5));
}

void TestTransactionFormDialog::choosingAPayeeFillsTheForm()
{
    const QString phone = categoryId(QStringLiteral("Phone"), QStringLiteral("Utilities"));
    m_app->addTransaction(m_checking.id, QDate(2025, 5, 1), QStringLiteral("Corner Bakery"), 2500);
    Transaction latest = m_app->addTransaction(
        m_checking.id, QDate(2025, 6, 1), QStringLiteral("Corner Bakery"), -1899, phone);
    latest.memo = QStringLiteral("bread and rolls");
    QVERIFY(state()->transactions()->update(latest));
    // Another account's newer entry for the payee is not the one used.
    m_app->addTransaction(m_savings.id, QDate(2025, 7, 1), QStringLiteral("Corner Bakery"), 777);
    m_app->addTransaction(m_savings.id, QDate(2025, 7, 1), QStringLiteral("Savings Only"), 5000);

    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    click(field<QAbstractButton>(d, "depositRadio"));
    auto* payee = field<QLineEdit>(d, "payeeEdit");
    payee->setFocus();
    QTest::keyClicks(payee, QStringLiteral("BAKE"));
    QAbstractItemView* popup = payee->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->model()->rowCount(), 1);
    popup->setCurrentIndex(popup->model()->index(0, 0));
    QTest::keyClick(popup, Qt::Key_Return);

    QCOMPARE(payee->text(), QStringLiteral("Corner Bakery"));
    QCOMPARE(field<SmartAmountField>(d, "amountField")->text(), QStringLiteral("$ 18.99"));
    QVERIFY(field<QRadioButton>(d, "paymentRadio")->isChecked());
    QCOMPARE(field<QLineEdit>(d, "memoEdit")->text(), QStringLiteral("bread and rolls"));
    QCOMPARE(field<CategoryComboBox>(d, "categoryCombo")->currentText(),
        QStringLiteral("Utilities > Phone"));
    clickOk(d);
    QCOMPARE(d.transaction().amount, -1899);
    QCOMPARE(d.transaction().categoryId, phone);

    // A deposit flips the type back; a payee without an entry in this account fills nothing.
    TransactionFormDialog other(state(), m_savings.id);
    other.onPayeeSelected(QStringLiteral("Savings Only"));
    QVERIFY(field<QRadioButton>(other, "depositRadio")->isChecked());
    QCOMPARE(field<SmartAmountField>(other, "amountField")->value(), 50.0);
    TransactionFormDialog none(state(), m_checking.id);
    none.onPayeeSelected(QStringLiteral("Savings Only"));
    QVERIFY(field<QRadioButton>(none, "paymentRadio")->isChecked());
    QCOMPARE(field<SmartAmountField>(none, "amountField")->value(), 0.0);
}

void TestTransactionFormDialog::splittingAndClearingTheSplit()
{
    const QString water = categoryId(QStringLiteral("Water"), QStringLiteral("Utilities"));
    const QString gas = categoryId(QStringLiteral("Gas"), QStringLiteral("Utilities"));
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    retype(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("City Utilities"));
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("100"));
    typeCategory(d, QStringLiteral("Utilities > Water"));

    bool opened = false;
    whenSplitEditorOpens(d, [&](SplitEditorDialog& editor) {
        opened = true;
        QCOMPARE(editor.findChild<QLabel*>(QStringLiteral("totalLabel"))->text(),
            QStringLiteral("Total: $100.00"));
        QCOMPARE(splitTable(editor)->rowCount(), 2);
        setSplitRow(editor, 0, water, 60.0, QStringLiteral("water"));
        setSplitRow(editor, 1, gas, 40.0);
    });
    click(field<QAbstractButton>(d, "splitButton"));
    QVERIFY(opened);

    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    QVERIFY(!combo->isEnabled());
    QCOMPARE(combo->currentText(), QStringLiteral("—Split—"));
    QCOMPARE(field<QPushButton>(d, "splitButton")->text(), QStringLiteral("Edit splits..."));
    QVERIFY(!field<QPushButton>(d, "clearSplitButton")->isHidden());

    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    Transaction t = d.transaction();
    QVERIFY(t.isSplit);
    QCOMPARE(t.amount, -10000);
    // The category hidden behind the split is not stored with it.
    QCOMPARE(t.categoryId, QString());
    QList<SplitLine> lines = d.splitLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].amount, -6000);
    QCOMPARE(lines[0].categoryId, water);
    QCOMPARE(lines[0].memo, QStringLiteral("water"));
    QCOMPARE(lines[1].amount, -4000);
    QCOMPARE(lines[1].categoryId, gas);
    QVERIFY(lines[0].transactionId.isEmpty());

    // The caller can store both, and they read back as handed over.
    QVERIFY(state()->transactions()->insert(t));
    for (SplitLine line : lines) {
        line.transactionId = t.id;
        QVERIFY(state()->splitLines()->insert(line));
    }
    QCOMPARE(state()->splitLines()->findByTransaction(t.id).size(), 2);

    // Reopening shows the lines; cancelling keeps them.
    int rowsShown = 0;
    whenSplitEditorOpens(
        d, [&](SplitEditorDialog& editor) { rowsShown = splitTable(editor)->rowCount(); }, false);
    click(field<QAbstractButton>(d, "splitButton"));
    QCOMPARE(rowsShown, 2);
    QCOMPARE(d.splitLines().size(), 2);

    click(field<QAbstractButton>(d, "clearSplitButton"));
    QVERIFY(combo->isEnabled());
    QCOMPARE(combo->currentText(), QStringLiteral("Utilities > Water"));
    QCOMPARE(field<QPushButton>(d, "splitButton")->text(), QStringLiteral("Split..."));
    QVERIFY(field<QPushButton>(d, "clearSplitButton")->isHidden());
    QVERIFY(d.splitLines().isEmpty());
    t = d.transaction();
    QVERIFY(!t.isSplit);
    QCOMPARE(t.categoryId, water);

    // An editor accepted with every line at 0.00 leaves no split either.
    whenSplitEditorOpens(d, [](SplitEditorDialog&) {});
    click(field<QAbstractButton>(d, "splitButton"));
    QVERIFY(d.splitLines().isEmpty());
    QVERIFY(combo->isEnabled());
}

void TestTransactionFormDialog::linesFollowTheTypeChosenAfterSplitting()
{
    const QString water = categoryId(QStringLiteral("Water"), QStringLiteral("Utilities"));
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    retype(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("Refund"));
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("30"));
    whenSplitEditorOpens(
        d, [&](SplitEditorDialog& editor) { setSplitRow(editor, 0, water, 30.0); });
    click(field<QAbstractButton>(d, "splitButton"));
    QCOMPARE(d.splitLines().size(), 1);
    QCOMPARE(d.splitLines()[0].amount, -3000);

    // Turned into a deposit afterwards: the line turns with it.
    click(field<QAbstractButton>(d, "depositRadio"));
    QCOMPARE(d.transaction().amount, 3000);
    QCOMPARE(d.splitLines()[0].amount, 3000);
    click(field<QAbstractButton>(d, "paymentRadio"));
    QCOMPARE(d.splitLines()[0].amount, -3000);

    // With the amount set to 0.00 the editor still opens on the lines, and a
    // payment's lines stay negative although the total carries no sign.
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("0"));
    whenSplitEditorOpens(d, [&](SplitEditorDialog& editor) {
        QCOMPARE(splitTable(editor)->rowCount(), 1);
        setSplitRow(editor, 0, water, 12.5);
    });
    click(field<QAbstractButton>(d, "splitButton"));
    QCOMPARE(d.splitLines().size(), 1);
    QCOMPARE(d.splitLines()[0].amount, -1250);
    QCOMPARE(d.transaction().amount, 0);
}

void TestTransactionFormDialog::existingSplitOpensWithItsLines()
{
    const QString water = categoryId(QStringLiteral("Water"), QStringLiteral("Utilities"));
    const QString phone = categoryId(QStringLiteral("Phone"), QStringLiteral("Utilities"));
    Transaction stored = m_app->addTransaction(
        m_checking.id, QDate(2025, 4, 2), QStringLiteral("Utility Co"), -8000);
    stored.isSplit = true;
    QVERIFY(state()->transactions()->update(stored));
    SplitLine a { Ids::newId(), stored.id, water, -5000, QStringLiteral("water"), kNow, kNow };
    SplitLine b { Ids::newId(), stored.id, phone, -3000, QString(), kNow, kNow };
    QVERIFY(state()->splitLines()->insert(a));
    QVERIFY(state()->splitLines()->insert(b));

    TransactionFormDialog d(state(), stored);
    QCOMPARE(d.windowTitle(), QStringLiteral("Edit Transaction"));
    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    QVERIFY(!combo->isEnabled());
    QCOMPARE(combo->currentText(), QStringLiteral("—Split—"));
    QCOMPARE(field<QPushButton>(d, "splitButton")->text(), QStringLiteral("Edit splits..."));
    QVERIFY(!field<QPushButton>(d, "clearSplitButton")->isHidden());
    QCOMPARE(field<SmartAmountField>(d, "amountField")->text(), QStringLiteral("$ 80.00"));

    // Untouched, the lines go back as they came (ids too), without the transaction id.
    QList<SplitLine> lines = d.splitLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].id, a.id);
    QCOMPARE(lines[0].amount, -5000);
    QCOMPARE(lines[1].id, b.id);
    QCOMPARE(lines[1].categoryId, phone);
    QVERIFY(lines[0].transactionId.isEmpty());
    QVERIFY(d.transaction().isSplit);

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
    click(field<QAbstractButton>(d, "splitButton"));
    QCOMPARE(shown, QStringLiteral("2|$ 50.00|water"));

    // Split flag without lines on record: a plain transaction in the form.
    Transaction bare = m_app->addTransaction(
        m_checking.id, QDate(2025, 4, 3), QStringLiteral("Half Split"), -100, water);
    bare.isSplit = true;
    QVERIFY(state()->transactions()->update(bare));
    TransactionFormDialog plain(state(), bare);
    QVERIFY(field<CategoryComboBox>(plain, "categoryCombo")->isEnabled());
    QCOMPARE(field<CategoryComboBox>(plain, "categoryCombo")->currentText(),
        QStringLiteral("Utilities > Water"));
    QVERIFY(!plain.transaction().isSplit);
    QCOMPARE(plain.transaction().categoryId, water);
}

void TestTransactionFormDialog::deletedCategoryIsKeptOnEdit()
{
    Category old = Records::category(QStringLiteral("Old Hobby"));
    QVERIFY(state()->categories()->insert(old));
    const Transaction stored = m_app->addTransaction(
        m_checking.id, QDate(2025, 1, 9), QStringLiteral("Craft Shop"), -1500, old.id);
    QVERIFY(state()->categories()->softDelete(old.id));

    TransactionFormDialog d(state(), stored);
    auto* combo = field<CategoryComboBox>(d, "categoryCombo");
    QCOMPARE(combo->currentText(), QStringLiteral("Old Hobby"));
    d.show();
    retype(field<QLineEdit>(d, "memoEdit"), QStringLiteral("glue"));
    clickOk(d);
    QCOMPARE(d.transaction().categoryId, old.id);

    // A new form does not offer it.
    TransactionFormDialog fresh(state(), m_checking.id);
    QCOMPARE(
        field<CategoryComboBox>(fresh, "categoryCombo")->findText(QStringLiteral("Old Hobby")), -1);
}

void TestTransactionFormDialog::editingKeepsStoredFields()
{
    Transaction stored = m_app->addTransaction(
        m_checking.id, QDate(2025, 2, 20), QStringLiteral("Transfer to Savings"), 4200);
    stored.memo = QStringLiteral("monthly");
    stored.checkNumber = QStringLiteral("77");
    stored.cleared = true;
    stored.reconciled = true;
    stored.transferLinkId = Ids::newId();
    stored.transferDestAccountId = m_savings.id;
    stored.recurringId = QStringLiteral("schedule-1");
    stored.version = 5;
    stored.syncStatus = SyncStatus::Synced;
    stored.serverId = QStringLiteral("srv-1");
    stored.createdAt = QDateTime(QDate(2025, 2, 20), QTime(9, 0), QTimeZone::utc());

    TransactionFormDialog d(state(), stored);
    QVERIFY(field<QRadioButton>(d, "depositRadio")->isChecked());
    QCOMPARE(field<QLineEdit>(d, "payeeEdit")->text(), stored.payee);
    QCOMPARE(field<QLineEdit>(d, "memoEdit")->text(), stored.memo);
    QCOMPARE(field<QLineEdit>(d, "memoEdit")->cursorPosition(), 0);
    QCOMPARE(field<QLineEdit>(d, "checkNumberEdit")->text(), stored.checkNumber);
    QVERIFY(field<QCheckBox>(d, "clearedCheck")->isChecked());
    QCOMPARE(field<SmartAmountField>(d, "amountField")->text(), QStringLiteral("$ 42.00"));

    d.show();
    retype(field<QLineEdit>(d, "memoEdit"), QStringLiteral("quarterly"));
    clickOk(d);
    const Transaction t = d.transaction();
    QCOMPARE(t.id, stored.id);
    QCOMPARE(t.accountId, stored.accountId);
    QCOMPARE(t.amount, 4200);
    QCOMPARE(t.memo, QStringLiteral("quarterly"));
    QVERIFY(t.reconciled);
    QCOMPARE(t.transferLinkId, stored.transferLinkId);
    QCOMPARE(t.transferDestAccountId, stored.transferDestAccountId);
    QCOMPARE(t.recurringId, stored.recurringId);
    QCOMPARE(t.version, 5);
    QCOMPARE(t.serverId, QStringLiteral("srv-1"));
    QCOMPARE(t.createdAt, stored.createdAt);
    QCOMPARE(t.updatedAt, kNow);
    QCOMPARE(t.syncStatus, SyncStatus::Pending);
}

void TestTransactionFormDialog::emptyPayeeIsRefused()
{
    TransactionFormDialog d(state(), m_checking.id);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    retype(field<DateField>(d, "dateField"), QStringLiteral("8/1/2025"));
    retype(field<SmartAmountField>(d, "amountField"), QStringLiteral("5"));
    retype(field<QLineEdit>(d, "payeeEdit"), QStringLiteral("   "));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    clickOk(d);
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), QDialog::Rejected);
    QVERIFY(MessageBoxes::lastShown());
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
