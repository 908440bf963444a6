#include "DialogTestHelpers.h"
#include "Records.h"
#include "TestAppState.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "ui/dialogs/CategoryComboBox.h"
#include "ui/dialogs/SplitEditorDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimeZone>

namespace {

using namespace DialogTest;

const QDateTime kNow(QDate(2025, 9, 4), QTime(10, 15), QTimeZone::utc());

QTableWidget* table(QDialog& d)
{
    return d.findChild<QTableWidget*>(QStringLiteral("splitTable"));
}

CategoryComboBox* comboAt(QDialog& d, int row)
{
    return qobject_cast<CategoryComboBox*>(table(d)->cellWidget(row, 0));
}

QDoubleSpinBox* spinAt(QDialog& d, int row)
{
    return qobject_cast<QDoubleSpinBox*>(table(d)->cellWidget(row, 1));
}

QLabel* remaining(QDialog& d)
{
    return d.findChild<QLabel*>(QStringLiteral("remainingLabel"));
}

void typeAmount(QDialog& d, int row, const QString& text)
{
    QDoubleSpinBox* spin = spinAt(d, row);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

// Types into the combo's edit as a user would; the completion popup is closed
// afterwards as a click elsewhere would close it.
void typeCategory(QDialog& d, int row, const QString& text)
{
    QLineEdit* edit = comboAt(d, row)->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    comboAt(d, row)->completer()->popup()->hide();
}

void typeMemo(QDialog& d, int row, const QString& text)
{
    QTableWidget* t = table(d);
    t->setFocus();
    t->setCurrentCell(row, 2);
    QTest::keyClick(t, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != t);
    QTest::keyClicks(editor, text);
}

} // namespace

class TestSplitEditorDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void newSplitStartsWithTwoEmptyRows();
    void remainingFigureAndColour_data();
    void remainingFigureAndColour();
    void paymentSplitCarriesTheSign();
    void zeroRowsDroppedAndUnbalancedAccepted();
    void aLineWithAnAmountNeedsACategory();
    void typedCategoryMustMatchExactly();
    void removingRows();
    void existingLinesOpenAsStored();
    void deletedCategoryOfALineIsKept();

private:
    AppState* state() const { return m_app->state(); }

    std::unique_ptr<TestAppState> m_app;
    Category m_garden;
    Category m_pets;
};

void TestSplitEditorDialog::initTestCase()
{
    // A box nobody answered in advance must fail a check, not hang the run.
    qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1");
}

void TestSplitEditorDialog::init()
{
    Clock::setFixedUtc(kNow);
    m_app = std::make_unique<TestAppState>();
    m_garden = Records::category(QStringLiteral("Garden Supplies"));
    m_pets = Records::category(QStringLiteral("Pet Care"));
    QVERIFY(state()->categories()->insert(m_garden));
    QVERIFY(state()->categories()->insert(m_pets));
}

void TestSplitEditorDialog::cleanup()
{
    MessageBoxes::clearAnswers();
    m_app.reset();
    Clock::clearFixed();
}

void TestSplitEditorDialog::newSplitStartsWithTwoEmptyRows()
{
    SplitEditorDialog d(state(), -12345, {});
    QCOMPARE(d.windowTitle(), QStringLiteral("Split Transaction"));
    QCOMPARE(table(d)->rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(comboAt(d, row)->currentText(), QStringLiteral("(none)"));
        QCOMPARE(spinAt(d, row)->value(), 0.0);
        QCOMPARE(spinAt(d, row)->text(), QStringLiteral("$ 0.00"));
    }
    // The choices: "(none)", then every live category by its plain name.
    const QList<Category> all = state()->categories()->findAll();
    QCOMPARE(comboAt(d, 0)->count(), all.size() + 1);
    QCOMPARE(comboAt(d, 0)->itemData(0).toString(), QString());
    for (int i = 0; i < all.size(); ++i) {
        QCOMPARE(comboAt(d, 0)->itemText(i + 1), all[i].name);
        QCOMPARE(comboAt(d, 0)->itemData(i + 1).toString(), all[i].id);
    }
    QCOMPARE(d.findChild<QLabel*>(QStringLiteral("totalLabel"))->text(),
        QStringLiteral("Total: $123.45"));
    QCOMPARE(remaining(d)->text(), QStringLiteral("Remaining: $123.45"));
    QCOMPARE(remaining(d)->styleSheet(), QString());
    QCOMPARE(remaining(d)->property("mellFontRole").toInt(), 0);
    QCOMPARE(remaining(d)->font().weight(), QFont::Bold);
}

void TestSplitEditorDialog::remainingFigureAndColour_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");

    QTest::newRow("exact") << qint64(-10000) << QStringList { "60", "40" } << "Remaining: $0.00"
                           << "color: green;";
    QTest::newRow("exact deposit")
        << qint64(10000) << QStringList { "99.99", "0.01" } << "Remaining: $0.00"
        << "color: green;";
    QTest::newRow("one cent over")
        << qint64(-10000) << QStringList { "60", "40.01" } << "Remaining: -$0.01"
        << "color: #cc0000;";
    QTest::newRow("far over") << qint64(500) << QStringList { "1234.5", "" }
                              << "Remaining: -$1,229.50"
                              << "color: #cc0000;";
    QTest::newRow("one cent short")
        << qint64(-10000) << QStringList { "60", "39.99" } << "Remaining: $0.01" << QString();
    QTest::newRow("nothing assigned")
        << qint64(250000) << QStringList { "", "" } << "Remaining: $2,500.00" << QString();
}

void TestSplitEditorDialog::remainingFigureAndColour()
{
    QFETCH(qint64, total);
    QFETCH(QStringList, typed);
    QFETCH(QString, text);
    QFETCH(QString, style);

    SplitEditorDialog d(state(), total, {});
    d.show();
    for (int row = 0; row < typed.size(); ++row) {
        if (!typed[row].isEmpty())
            typeAmount(d, row, typed[row]);
    }
    QCOMPARE(remaining(d)->text(), text);
    QCOMPARE(remaining(d)->styleSheet(), style);
    // The weight survives the colour change.
    QCOMPARE(remaining(d)->font().weight(), QFont::Bold);
}

void TestSplitEditorDialog::paymentSplitCarriesTheSign()
{
    SplitEditorDialog d(state(), -10000, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    typeCategory(d, 0, QStringLiteral("Garden Supplies"));
    typeAmount(d, 0, QStringLiteral("60"));
    typeMemo(d, 0, QStringLiteral("seeds"));
    typeCategory(d, 1, QStringLiteral("Pet Care"));
    typeAmount(d, 1, QStringLiteral("40"));
    typeMemo(d, 1, QStringLiteral("vet"));
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);

    const QList<SplitLine> lines = d.lines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].amount, -6000);
    QCOMPARE(lines[1].amount, -4000);
    QCOMPARE(lines[0].categoryId, m_garden.id);
    QCOMPARE(lines[1].categoryId, m_pets.id);
    QCOMPARE(lines[0].memo, QStringLiteral("seeds"));
    QCOMPARE(lines[1].memo, QStringLiteral("vet"));
    for (const SplitLine& line : lines) {
        QCOMPARE(line.id.size(), 36);
        QCOMPARE(line.id, line.id.toLower());
        QVERIFY(line.transactionId.isEmpty());
        QCOMPARE(line.createdAt, kNow);
        QCOMPARE(line.updatedAt, kNow);
    }
    QVERIFY(lines[0].id != lines[1].id);
    // Reading the result again gives the same lines, ids included.
    QCOMPARE(d.lines()[0].id, lines[0].id);

    // A deposit keeps its lines positive.
    SplitEditorDialog deposit(state(), 2500, {});
    deposit.show();
    comboAt(deposit, 0)->selectId(m_pets.id);
    typeAmount(deposit, 0, QStringLiteral("25"));
    clickOk(deposit);
    QCOMPARE(deposit.lines().size(), 1);
    QCOMPARE(deposit.lines()[0].amount, 2500);
}

void TestSplitEditorDialog::zeroRowsDroppedAndUnbalancedAccepted()
{
    SplitEditorDialog d(state(), -10000, {});
    d.show();
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("addLineButton")), Qt::LeftButton);
    QCOMPARE(table(d)->rowCount(), 3);
    QCOMPARE(comboAt(d, 2)->currentText(), QStringLiteral("(none)"));
    QCOMPARE(spinAt(d, 2)->value(), 0.0);

    comboAt(d, 0)->selectId(m_garden.id);
    typeAmount(d, 0, QStringLiteral("12.34"));
    // A category and a memo do not keep a 0.00 row.
    comboAt(d, 1)->selectId(m_pets.id);
    table(d)->item(1, 2)->setText(QStringLiteral("nothing yet"));
    comboAt(d, 2)->selectId(m_pets.id);
    typeAmount(d, 2, QStringLiteral("0.5"));
    QCOMPARE(remaining(d)->text(), QStringLiteral("Remaining: $87.16"));

    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QVERIFY(!MessageBoxes::lastShown());
    const QList<SplitLine> lines = d.lines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].amount, -1234);
    QCOMPARE(lines[0].categoryId, m_garden.id);
    QCOMPARE(lines[1].amount, -50);
    QCOMPARE(lines[1].categoryId, m_pets.id);

    // Every row at 0.00: no lines at all.
    SplitEditorDialog empty(state(), -10000, {});
    empty.show();
    clickOk(empty);
    QCOMPARE(empty.result(), QDialog::Accepted);
    QVERIFY(empty.lines().isEmpty());
}

void TestSplitEditorDialog::aLineWithAnAmountNeedsACategory()
{
    SplitEditorDialog d(state(), -10000, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    comboAt(d, 0)->selectId(m_garden.id);
    typeAmount(d, 0, QStringLiteral("60"));
    typeAmount(d, 1, QStringLiteral("40"));

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    clickOk(d);
    // Still open, nothing handed back, the user told which line and put on it.
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), QDialog::Rejected);
    QVERIFY(d.lines().isEmpty());
    QVERIFY(MessageBoxes::lastShown());
    QCOMPARE(MessageBoxes::lastShown()->title, QStringLiteral("Split Transaction"));
    QVERIFY(MessageBoxes::lastShown()->text.startsWith(QStringLiteral("Line 2 ")));
    QCOMPARE(table(d)->currentRow(), 1);
    QVERIFY(comboAt(d, 1)->hasFocus());
    QCOMPARE(comboAt(d, 1)->lineEdit()->selectedText(), QStringLiteral("(none)"));

    QTest::keyClicks(comboAt(d, 1)->lineEdit(), QStringLiteral("Pet Care"));
    comboAt(d, 1)->completer()->popup()->hide();
    MessageBoxes::clearAnswers();
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QVERIFY(!MessageBoxes::lastShown());
    QCOMPARE(d.lines().size(), 2);
    QCOMPARE(d.lines()[1].categoryId, m_pets.id);
}

void TestSplitEditorDialog::typedCategoryMustMatchExactly()
{
    SplitEditorDialog d(state(), -1000, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto* combo = comboAt(d, 0);
    for (const QString& typed : { QStringLiteral("pet care"), QStringLiteral("Pet"),
             QStringLiteral("Pet Care "), QStringLiteral("(none)") }) {
        typeCategory(d, 0, typed);
        QCOMPARE(combo->chosenId(), QString());
    }
    typeCategory(d, 0, QStringLiteral("Pet Care"));
    QCOMPARE(combo->chosenId(), m_pets.id);

    // Picking from the completion list selects that entry.
    combo->setCurrentIndex(0);
    QLineEdit* edit = combo->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("arden sup"));
    QAbstractItemView* popup = combo->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->model()->rowCount(), 1);
    popup->setCurrentIndex(popup->model()->index(0, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    QCOMPARE(combo->currentIndex(), combo->findData(m_garden.id));
    QCOMPARE(combo->currentText(), QStringLiteral("Garden Supplies"));
    QCOMPARE(combo->chosenId(), m_garden.id);
}

void TestSplitEditorDialog::removingRows()
{
    SplitEditorDialog d(state(), -7500, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto* remove = d.findChild<QPushButton*>(QStringLiteral("removeLineButton"));
    typeAmount(d, 0, QStringLiteral("10"));
    typeAmount(d, 1, QStringLiteral("20"));
    QCOMPARE(remaining(d)->text(), QStringLiteral("Remaining: $45.00"));

    // The row being typed in is the one removed.
    spinAt(d, 0)->setFocus();
    QCOMPARE(table(d)->currentRow(), 0);
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(table(d)->rowCount(), 1);
    QCOMPARE(spinAt(d, 0)->value(), 20.0);
    QCOMPARE(remaining(d)->text(), QStringLiteral("Remaining: $55.00"));

    table(d)->setCurrentCell(0, 2);
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(table(d)->rowCount(), 0);
    QCOMPARE(remaining(d)->text(), QStringLiteral("Remaining: $75.00"));
    QCOMPARE(remaining(d)->styleSheet(), QString());
    // Nothing left to remove.
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(table(d)->rowCount(), 0);
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QVERIFY(d.lines().isEmpty());
}

void TestSplitEditorDialog::existingLinesOpenAsStored()
{
    SplitLine first;
    first.id = Ids::newId();
    first.categoryId = m_pets.id;
    first.amount = -4321;
    first.memo = QStringLiteral("food");
    SplitLine second = first;
    second.id = Ids::newId();
    second.categoryId = QStringLiteral("no-such-category");
    second.amount = -99999999;
    second.memo.clear();

    SplitEditorDialog d(state(), -100004320, { first, second });
    QCOMPARE(table(d)->rowCount(), 2);
    QCOMPARE(comboAt(d, 0)->currentText(), QStringLiteral("Pet Care"));
    QCOMPARE(spinAt(d, 0)->text(), QStringLiteral("$ 43.21"));
    QCOMPARE(table(d)->item(0, 2)->text(), QStringLiteral("food"));
    QCOMPARE(comboAt(d, 1)->currentText(), QStringLiteral("(none)"));
    QCOMPARE(spinAt(d, 1)->text(), QStringLiteral("$ 999999.99"));
    QCOMPARE(remaining(d)->text(), QStringLiteral("Remaining: $0.00"));
    QCOMPARE(remaining(d)->styleSheet(), QStringLiteral("color: green;"));

    // Accepted unchanged apart from the unknown category, the amounts come back exactly.
    d.show();
    comboAt(d, 1)->selectId(m_garden.id);
    clickOk(d);
    QCOMPARE(d.lines().size(), 2);
    QCOMPARE(d.lines()[0].amount, -4321);
    QCOMPARE(d.lines()[0].memo, QStringLiteral("food"));
    QCOMPARE(d.lines()[1].amount, -99999999);
}

void TestSplitEditorDialog::deletedCategoryOfALineIsKept()
{
    Category old = Records::category(QStringLiteral("Old Hobby"));
    QVERIFY(state()->categories()->insert(old));
    QVERIFY(state()->categories()->softDelete(old.id));
    SplitLine line;
    line.id = Ids::newId();
    line.categoryId = old.id;
    line.amount = 700;

    SplitEditorDialog d(state(), 1000, { line });
    QCOMPARE(comboAt(d, 0)->currentText(), QStringLiteral("Old Hobby"));
    // Offered only on the line that has it.
    d.addRow();
    QCOMPARE(comboAt(d, 1)->findText(QStringLiteral("Old Hobby")), -1);
    d.show();
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QCOMPARE(d.lines().size(), 1);
    QCOMPARE(d.lines()[0].categoryId, old.id);
    QCOMPARE(d.lines()[0].amount, 700);
}

QTEST_MAIN(TestSplitEditorDialog)
#include "tst_spliteditordialog.moc"
