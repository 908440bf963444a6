#include "DialogTestHelpers.h"
#include "Records.h"
#include "TestAppState.h"
#include "app/ThemeColors.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "ui/dialogs/SplitEditorDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QTimeZone>

using namespace DialogTest;
using namespace Qt::StringLiterals;

class TestSplitEditorDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1"); }
    void init();
    void cleanup();

    void remainingFigure_data();
    void remainingFigure();
    void linesCarryTheTotalsSign();
    void existingLinesOpenAsStored();
    void yenLinesEachWithACategoryWithinTheLimit();

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
    QVERIFY(state()->categories()->insert(m_garden) && state()->categories()->insert(m_pets));
}

void TestSplitEditorDialog::cleanup()
{
    MessageBoxes::clearAnswers();
    m_app.reset();
    Clock::clearFixed();
}

void TestSplitEditorDialog::remainingFigure_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");
    // The register's colours, readable on the dark palette too.
    const QString green
        = QStringLiteral("color: %1;").arg(ThemeColors::pickName(ThemeColors::kGreen));
    const QString red = QStringLiteral("color: %1;").arg(ThemeColors::pickName(ThemeColors::kRed));
    QTest::newRow("exact") << qint64(10000) << u"99.99"_s << u"0.01"_s << u"Remaining: $0.00"_s
                           << green;
    QTest::newRow("one cent over")
        << qint64(-10000) << u"60"_s << u"40.01"_s << u"Remaining: -$0.01"_s << red;
    QTest::newRow("one cent short")
        << qint64(-10000) << u"60"_s << u"39.99"_s << u"Remaining: $0.01"_s << QString();
}

void TestSplitEditorDialog::remainingFigure()
{
    QFETCH(qint64, total);
    QFETCH(QString, first);
    QFETCH(QString, second);
    SplitEditorDialog d(state(), total, Currency::USD, {});
    d.show();
    retype(splitSpin(d, 0), first);
    retype(splitSpin(d, 1), second);
    QTEST(labelText(d, "remainingLabel"), "text");
    QTEST(field<QLabel>(d, "remainingLabel")->styleSheet(), "style");
}

void TestSplitEditorDialog::linesCarryTheTotalsSign()
{
    SplitEditorDialog d(state(), -10000, Currency::USD, {});
    QVERIFY(showActive(d));
    // As in the register, typing replaces "(none)", and Tab takes the entry
    // the text names best, not the first one containing it ("Home/Renters",
    // "Rental Income").
    CategoryComboBox* first = splitCombo(d, 0);
    first->setFixedWidth(80);
    first->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("rent"));
    QTRY_VERIFY(first->completer()->popup()->isVisible());
    // The list is read whole, however narrow the column.
    QAbstractItemView* popup = first->completer()->popup();
    int widest = 0;
    for (int i = 0; i < first->count(); ++i)
        widest = std::max(widest, popup->fontMetrics().horizontalAdvance(first->itemText(i)));
    QVERIFY(first->width() < widest);
    QVERIFY(popup->width() >= widest);
    QTest::keyClick(first->completer()->popup(), Qt::Key_Tab);
    QCOMPARE(first->currentText(), QStringLiteral("Rent/Mortgage Payment"));
    QVERIFY(!first->lineEdit()->hasFocus());
    retype(splitSpin(d, 0), QStringLiteral("60"));
    field<QTableWidget>(d, "splitTable")->item(0, 2)->setText(QStringLiteral("seeds"));
    setSplitLine(d, 1, m_pets.id, QStringLiteral("40"));
    // A row left at 0.00 gives no line, whatever else it holds.
    d.addRow();
    splitCombo(d, 2)->selectId(m_pets.id);
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
    setSplitLine(deposit, 0, m_pets.id, QStringLiteral("25"));
    clickOk(deposit);
    QCOMPARE(deposit.lines().value(0).amount, 2500);
}

void TestSplitEditorDialog::existingLinesOpenAsStored()
{
    Category old = Records::category(QStringLiteral("Old Hobby"));
    QVERIFY(state()->categories()->insert(old) && state()->categories()->softDelete(old.id));
    const QList<SplitLine> stored {
        { Ids::newId(), {}, m_pets.id, -4321, QStringLiteral("food"), {}, {} },
        { Ids::newId(), {}, old.id, -99999999, {}, {}, {} },
    };

    SplitEditorDialog d(state(), -100004320, Currency::USD, stored);
    QCOMPARE(labelText(d, "remainingLabel"), QStringLiteral("Remaining: $0.00"));
    // A category deleted since is shown and kept, on its own line only.
    QCOMPARE(splitCombo(d, 1)->currentText(), QStringLiteral("Old Hobby"));
    QCOMPARE(splitCombo(d, 0)->findText(QStringLiteral("Old Hobby")), -1);

    // The user removes the line being typed in.
    QVERIFY(showActive(d));
    splitSpin(d, 0)->setFocus();
    press(d, "removeLineButton");
    clickOk(d);
    QCOMPARE(Records::texts(d.lines(), &SplitLine::categoryId), QStringList({ old.id }));

    // No more lines than a transaction may hold.
    const QList<SplitLine> most(249, stored.first());
    SplitEditorDialog full(state(), -249 * 4321, Currency::USD, most);
    auto* add = field<QPushButton>(full, "addLineButton");
    press(full, "addLineButton");
    QVERIFY(!add->isEnabled());
    add->click();
    QCOMPARE(full.findChild<QTableWidget*>("splitTable")->rowCount(), 250);
}

void TestSplitEditorDialog::yenLinesEachWithACategoryWithinTheLimit()
{
    SplitEditorDialog d(state(), -10000, Currency::JPY, {});
    QVERIFY(showActive(d));
    QCOMPARE(labelText(d, "totalLabel"), QStringLiteral("Total: ¥10,000"));
    setSplitLine(d, 0, m_garden.id, QStringLiteral("6000"));
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
    setSplitLine(d, 0, m_garden.id, QStringLiteral("9999999999"));
    setSplitLine(d, 1, m_pets.id, QStringLiteral("1"));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    clickOk(d);
    QVERIFY(d.isVisible());
    QCOMPARE(MessageBoxes::lastShown()->text, Money::limitMessage(Currency::JPY));

    setSplitLine(d, 1, m_pets.id, QStringLiteral("0"));
    clickOk(d);
    QCOMPARE(d.result(), QDialog::Accepted);
    QCOMPARE(d.lines().value(0).amount, -9999999999);
}

QTEST_MAIN(TestSplitEditorDialog)
#include "tst_spliteditordialog.moc"
