#include "DialogTestHelpers.h"
#include "Records.h"
#include "RegisterTestHelpers.h"
#include "data/CategoryRepository.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "services/TransactionService.h"
#include "ui/dialogs/DeleteTransactionPrompt.h"
#include "ui/dialogs/SplitEditorDialog.h"
#include "ui/dialogs/TransactionDetailsDialog.h"
#include "ui/dialogs/TransactionFormDialog.h"
#include "ui/widgets/MessageBoxes.h"

using namespace RegisterTest;
using Col = RegisterModel::Column;

// Rows of an account someone shares with us, as the sync leaves them: their
// categories are the owner's (held here by stand-ins), and a transfer may
// have its other leg in an account of the owner's own.
class TestSharedRows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1"); }
    void init();
    void cleanup();
    void editsKeepTheOwnersCategory();
    void loneTransferLegIsAPlainTransaction();

private:
    std::unique_ptr<Fixture> m_reg;
    QString m_foreign;
};

void TestSharedRows::init()
{
    m_reg = std::make_unique<Fixture>();
    m_foreign = Ids::newId();
    QVERIFY(m_reg->app->categories()->storeStandIn(m_foreign));
}

void TestSharedRows::cleanup()
{
    MessageBoxes::clearAnswers();
    m_reg.reset();
}

void TestSharedRows::editsKeepTheOwnersCategory()
{
    AppState* state = m_reg->app.state();
    const auto groceries = state->categories()->findByName(QStringLiteral("Groceries"));
    QVERIFY(groceries);
    Transaction plain = m_reg->app.addTransaction(
        m_reg->checking.id, QDate(2025, 6, 1), QStringLiteral("Hardware"), -1500, m_foreign);
    // The stand-in is offered nowhere.
    QVERIFY(!state->categories()->findByName(QString()));
    QVERIFY(!Records::texts(state->categories()->findAll(), &Category::id).contains(m_foreign));

    // Register: the category cell opened and left as it is, the amount changed.
    m_reg->show();
    const QModelIndex category = m_reg->cell(0, Col::CategoryColumn);
    QCOMPARE(category.data().toString(), QStringLiteral("Shared category"));
    m_reg->goTo(0, Col::CategoryColumn);
    QLineEdit* editor = m_reg->openEditor(Col::CategoryColumn);
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("Shared category"));
    press(Qt::Key_Tab);
    QTRY_COMPARE(m_reg->column(), int(Col::MemoColumn));
    m_reg->model()->setData(m_reg->cell(0, Col::PaymentColumn), QStringLiteral("16"));
    press(Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(m_reg->stored().first().amount, qint64(-1600));
    QCOMPARE(m_reg->stored().first().categoryId, m_foreign);

    // Transaction form: shown by its stand-in name and kept.
    plain = m_reg->stored().first();
    {
        TransactionFormDialog form(state, plain);
        form.show();
        QCOMPARE(DialogTest::field<CategoryComboBox>(form, "categoryCombo")->currentText(),
            QStringLiteral("Shared category"));
        DialogTest::retype(
            DialogTest::field<QLineEdit>(form, "checkNumberEdit"), QStringLiteral("12"));
        DialogTest::clickOk(form);
        QCOMPARE(form.transaction().categoryId, m_foreign);
        TransactionDetailsDialog details(state, plain);
        QCOMPARE(
            DialogTest::labelText(details, "categoryValue"), QStringLiteral("Shared category"));
    }

    // Split editor: the owner's line kept, the member's own choice taken.
    const QList<SplitLine> lines { { Ids::newId(), {}, m_foreign, -1000, {}, {}, {} },
        { Ids::newId(), {}, groceries->id, -600, {}, {}, {} } };
    SplitEditorDialog split(state, -1600, Currency::USD, lines);
    split.show();
    QCOMPARE(DialogTest::splitCombo(split, 0)->currentText(), QStringLiteral("Shared category"));
    DialogTest::retype(DialogTest::splitSpin(split, 0), QStringLiteral("9"));
    DialogTest::retype(DialogTest::splitSpin(split, 1), QStringLiteral("7"));
    DialogTest::clickOk(split);
    QCOMPARE(Records::texts(split.lines(), &SplitLine::categoryId),
        QStringList({ m_foreign, groceries->id }));
    QCOMPARE(split.lines()[0].amount, qint64(-900));
}

void TestSharedRows::loneTransferLegIsAPlainTransaction()
{
    AppState* state = m_reg->app.state();
    Transaction leg = m_reg->app.addTransaction(
        m_reg->checking.id, QDate(2025, 6, 2), QStringLiteral("Transfer to Savings"), -5000);
    leg.transferLinkId = Ids::newId();
    leg.transferDestAccountId = Ids::newId();
    QVERIFY(state->transactions()->update(leg));
    QVERIFY(!state->transactionService()->hasVisibleOtherLeg(leg));
    {
        TransactionDetailsDialog details(state, leg);
        QVERIFY(!details.findChild<QLabel*>(QStringLiteral("transferValue")));
    }

    // Deleting asks about this row alone, and deletes it.
    m_reg->show();
    m_reg->goTo(0, Col::PayeeColumn);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(MessageBoxes::lastShown());
    QVERIFY(!MessageBoxes::lastShown()->text.contains(QStringLiteral("Both sides")));
    QVERIFY(m_reg->stored().isEmpty());

    // With both legs here it is a transfer again.
    const Account savings = m_reg->app.addAccount(QStringLiteral("Savings"));
    m_reg->enter(QStringLiteral("[Transfer] Savings"), QStringLiteral("20"));
    const Transaction out = m_reg->stored().first();
    QVERIFY(state->transactionService()->hasVisibleOtherLeg(out));
    QVERIFY(DeleteTransactionPrompt::question(out, Currency::USD, true).contains("Both sides"));
    QVERIFY(!m_reg->stored(savings.id).isEmpty());
}

QTEST_MAIN(TestSharedRows)
#include "tst_sharedrows.moc"
