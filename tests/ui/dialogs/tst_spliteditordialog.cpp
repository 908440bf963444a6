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
#include <QDoubleSpinBox>
#include <QLabel>
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

    void remainingFigureAndColour_data();
    void remainingFigureAndColour();
    void paymentSplitCarriesTheSign();
    void unbalancedIsAcceptedButEveryLineNeedsACategory();
    void removingRows();
    void existingLinesOpenAsStored();

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

void TestSplitEditorDialog::remainingFigureAndColour_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");

    QTest::newRow("new split") << qint64(-250000) << QStringList() << "Remaining: $2,500.00"
                               << QString();
    QTest::newRow("exact") << qint64(-10000) << QStringList { "60", "40" } << "Remaining: $0.00"
                           << "color: green;";
    QTest::newRow("exact deposit")
        << qint64(10000) << QStringList { "99.99", "0.01" } << "Remaining: $0.00"
        << "color: green;";
    QTest::newRow("one cent over")
        << qint64(-10000) << QStringList { "60", "40.01" } << "Remaining: -$0.01"
        << "color: #cc0000;";
    QTest::newRow("far over") << qint64(500) << QStringList { "1234.5" } << "Remaining: -$1,229.50"
                              << "color: #cc0000;";
    QTest::newRow("one cent short")
        << qint64(-10000) << QStringList { "60", "39.99" } << "Remaining: $0.01" << QString();
}

void TestSplitEditorDialog::remainingFigureAndColour()
{
    QFETCH(qint64, total);
    QFETCH(QStringList, typed);
    QFETCH(QString, text);
    QFETCH(QString, style);

    SplitEditorDialog d(state(), total, {});
    d.show();
    QCOMPARE(table(d)->rowCount(), 2);
    QCOMPARE(comboAt(d, 1)->currentText(), QStringLiteral("(none)"));
    for (int row = 0; row < typed.size(); ++row)
        typeAmount(d, row, typed[row]);
    QCOMPARE(remaining(d)->text(), text);
    QCOMPARE(remaining(d)->styleSheet(), style);
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
    // A row left at 0.00 gives no line, whatever else it holds.
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("addLineButton")), Qt::LeftButton);
    comboAt(d, 2)->selectId(m_pets.id);
    table(d)->item(2, 2)->setText(QStringLiteral("nothing yet"));
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
    QVERIFY(lines[0].transactionId.isEmpty());
    QCOMPARE(lines[0].createdAt, kNow);
    QCOMPARE(lines[1].updatedAt, kNow);
    QVERIFY(lines[0].id != lines[1].id);
    // Read twice, the same lines: ids are made once.
    QCOMPARE(d.lines()[0].id, lines[0].id);

    SplitEditorDialog deposit(state(), 2500, {});
    deposit.show();
    comboAt(deposit, 0)->selectId(m_pets.id);
    typeAmount(deposit, 0, QStringLiteral("25"));
    clickOk(deposit);
    QCOMPARE(deposit.lines().size(), 1);
    QCOMPARE(deposit.lines()[0].amount, 2500);
}

void TestSplitEditorDialog::unbalancedIsAcceptedButEveryLineNeedsACategory()
{
    SplitEditorDialog d(state(), -10000, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    comboAt(d, 0)->selectId(m_garden.id);
    typeAmount(d, 0, QStringLiteral("12.34"));
    typeAmount(d, 1, QStringLiteral("0.5"));

    // The second line could not be stored without a category: the user is
    // told which one and put on it, and nothing is handed back yet.
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    clickOk(d);
    QVERIFY(d.isVisible());
    QVERIFY(d.lines().isEmpty());
    QCOMPARE(MessageBoxes::lastShown()->title, QStringLiteral("Split Transaction"));
    QVERIFY(MessageBoxes::lastShown()->text.startsWith(QStringLiteral("Line 2 ")));
    QCOMPARE(table(d)->currentRow(), 1);
    QVERIFY(comboAt(d, 1)->hasFocus());

    QTest::keyClicks(comboAt(d, 1)->lineEdit(), QStringLiteral("Pet Care"));
    comboAt(d, 1)->completer()->popup()->hide();
    MessageBoxes::clearAnswers();
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QVERIFY(!MessageBoxes::lastShown());
    QCOMPARE(d.lines().size(), 2);
    QCOMPARE(d.lines()[0].amount, -1234);
    QCOMPARE(d.lines()[1].amount, -50);
    QCOMPARE(d.lines()[1].categoryId, m_pets.id);
}

void TestSplitEditorDialog::removingRows()
{
    SplitEditorDialog d(state(), -7500, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto* remove = d.findChild<QPushButton*>(QStringLiteral("removeLineButton"));
    typeAmount(d, 0, QStringLiteral("10"));
    typeAmount(d, 1, QStringLiteral("20"));

    // The row being typed in is the one removed.
    spinAt(d, 0)->setFocus();
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(table(d)->rowCount(), 1);
    QCOMPARE(spinAt(d, 0)->value(), 20.0);
    QCOMPARE(remaining(d)->text(), QStringLiteral("Remaining: $55.00"));

    table(d)->setCurrentCell(0, 2);
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(table(d)->rowCount(), 0);
    QCOMPARE(remaining(d)->text(), QStringLiteral("Remaining: $75.00"));
    QTest::mouseClick(remove, Qt::LeftButton);
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QVERIFY(d.lines().isEmpty());
}

void TestSplitEditorDialog::existingLinesOpenAsStored()
{
    Category old = Records::category(QStringLiteral("Old Hobby"));
    QVERIFY(state()->categories()->insert(old));
    QVERIFY(state()->categories()->softDelete(old.id));
    const QList<SplitLine> stored {
        { Ids::newId(), {}, m_pets.id, -4321, QStringLiteral("food"), {}, {} },
        { Ids::newId(), {}, old.id, -99999999, {}, {}, {} },
    };

    SplitEditorDialog d(state(), -100004320, stored);
    QCOMPARE(table(d)->rowCount(), 2);
    QCOMPARE(comboAt(d, 0)->currentText(), QStringLiteral("Pet Care"));
    QCOMPARE(spinAt(d, 0)->text(), QStringLiteral("$ 43.21"));
    QCOMPARE(table(d)->item(0, 2)->text(), QStringLiteral("food"));
    // A category deleted since is shown and kept, on its own line only.
    QCOMPARE(comboAt(d, 1)->currentText(), QStringLiteral("Old Hobby"));
    QCOMPARE(comboAt(d, 0)->findText(QStringLiteral("Old Hobby")), -1);
    QCOMPARE(spinAt(d, 1)->text(), QStringLiteral("$ 999999.99"));
    QCOMPARE(remaining(d)->text(), QStringLiteral("Remaining: $0.00"));

    d.show();
    clickOk(d);
    QCOMPARE(d.lines().size(), 2);
    QCOMPARE(d.lines()[0].amount, -4321);
    QCOMPARE(d.lines()[0].memo, QStringLiteral("food"));
    QCOMPARE(d.lines()[1].amount, -99999999);
    QCOMPARE(d.lines()[1].categoryId, old.id);
}

QTEST_MAIN(TestSplitEditorDialog)
#include "tst_spliteditordialog.moc"
