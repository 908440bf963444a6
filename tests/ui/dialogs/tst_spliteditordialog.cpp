#include "DialogTestHelpers.h"
#include "Records.h"
#include "TestAppState.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "ui/dialogs/CategoryComboBox.h"
#include "ui/dialogs/SplitEditorDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QTableWidget>
#include <QTimeZone>

namespace {

using namespace DialogTest;

QTableWidget* table(QDialog& d)
{
    return field<QTableWidget>(d, "splitTable");
}

CategoryComboBox* comboAt(QDialog& d, int row)
{
    return qobject_cast<CategoryComboBox*>(table(d)->cellWidget(row, 0));
}

QDoubleSpinBox* spinAt(QDialog& d, int row)
{
    return qobject_cast<QDoubleSpinBox*>(table(d)->cellWidget(row, 1));
}

QString remaining(QDialog& d)
{
    return field<QLabel>(d, "remainingLabel")->text();
}

} // namespace

class TestSplitEditorDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1"); }
    void init();
    void cleanup();

    void remainingFigureAndColour_data();
    void remainingFigureAndColour();
    void paymentSplitCarriesTheSign();
    void unbalancedIsAcceptedButEveryLineNeedsACategory();
    void existingLinesOpenAsStored();

private:
    AppState* state() const { return m_app->state(); }

    std::unique_ptr<TestAppState> m_app;
    Category m_garden;
    Category m_pets;
};

void TestSplitEditorDialog::init()
{
    Clock::setFixedUtc(QDateTime(QDate(2025, 9, 4), QTime(10, 15), QTimeZone::utc()));
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

    QTest::newRow("exact") << qint64(10000) << QStringList { "99.99", "0.01" } << "Remaining: $0.00"
                           << "color: green;";
    QTest::newRow("one cent over")
        << qint64(-10000) << QStringList { "60", "40.01" } << "Remaining: -$0.01"
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
    for (int row = 0; row < typed.size(); ++row)
        retype(spinAt(d, row), typed[row]);
    QCOMPARE(remaining(d), text);
    QCOMPARE(field<QLabel>(d, "remainingLabel")->styleSheet(), style);
}

void TestSplitEditorDialog::paymentSplitCarriesTheSign()
{
    SplitEditorDialog d(state(), -10000, {});
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    retypeCombo(comboAt(d, 0), QStringLiteral("Garden Supplies"));
    retype(spinAt(d, 0), QStringLiteral("60"));
    table(d)->item(0, 2)->setText(QStringLiteral("seeds"));
    retypeCombo(comboAt(d, 1), QStringLiteral("Pet Care"));
    retype(spinAt(d, 1), QStringLiteral("40"));
    // A row left at 0.00 gives no line, whatever else it holds.
    d.addRow();
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
    QVERIFY(lines[0].id != lines[1].id);
    // Read twice, the same lines: ids are made once.
    QCOMPARE(d.lines()[0].id, lines[0].id);

    SplitEditorDialog deposit(state(), 2500, {});
    deposit.show();
    comboAt(deposit, 0)->selectId(m_pets.id);
    retype(spinAt(deposit, 0), QStringLiteral("25"));
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
    retype(spinAt(d, 0), QStringLiteral("12.34"));
    retype(spinAt(d, 1), QStringLiteral("0.5"));

    // The user is told which line lacks a category and put on it.
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    clickOk(d);
    QVERIFY(d.isVisible());
    QVERIFY(d.lines().isEmpty());
    QVERIFY(MessageBoxes::lastShown()->text.startsWith(QStringLiteral("Line 2 ")));
    QVERIFY(comboAt(d, 1)->hasFocus());

    QTest::keyClicks(comboAt(d, 1)->lineEdit(), QStringLiteral("Pet Care"));
    comboAt(d, 1)->completer()->popup()->hide();
    MessageBoxes::clearAnswers();
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QCOMPARE(d.lines().size(), 2);
    QCOMPARE(d.lines()[0].amount, -1234);
    QCOMPARE(d.lines()[1].amount, -50);
    QCOMPARE(d.lines()[1].categoryId, m_pets.id);
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
    QCOMPARE(remaining(d), QStringLiteral("Remaining: $0.00"));
    // A category deleted since is shown and kept, on its own line only.
    QCOMPARE(comboAt(d, 1)->currentText(), QStringLiteral("Old Hobby"));
    QCOMPARE(comboAt(d, 0)->findText(QStringLiteral("Old Hobby")), -1);
    QCOMPARE(table(d)->item(0, 2)->text(), QStringLiteral("food"));

    // The user removes the line being typed in.
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    spinAt(d, 0)->setFocus();
    QTest::mouseClick(field<QPushButton>(d, "removeLineButton"), Qt::LeftButton);
    QCOMPARE(remaining(d), QStringLiteral("Remaining: $43.21"));
    clickOk(d);
    QCOMPARE(d.lines().size(), 1);
    QCOMPARE(d.lines()[0].amount, -99999999);
    QCOMPARE(d.lines()[0].categoryId, old.id);
}

QTEST_MAIN(TestSplitEditorDialog)
#include "tst_spliteditordialog.moc"
