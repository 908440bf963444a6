#include "DialogTestHelpers.h"
#include "Records.h"
#include "RegisterTestHelpers.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "ui/dialogs/SplitEditorDialog.h"
#include "ui/dialogs/TransactionDetailsDialog.h"
#include "ui/dialogs/TransactionFormDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QStandardPaths>

using namespace RegisterTest;
using namespace Qt::StringLiterals;
using Col = RegisterModel::Column;
using DialogTest::whenOpen;

class TestRegisterDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { m_reg.emplace(); }
    void cleanup()
    {
        MessageBoxes::clearAnswers();
        m_reg.reset();
    }
    void splitTransactionEditedEndToEnd();
    void formsFromTheKeyboardAndTransfersFollow();
    void sharedRowsKeepWhatTheOwnerHas();

private:
    QString categoryId(const QString& name) const
    {
        return m_reg->app->categories()->findByName(name)->id;
    }

    std::optional<Fixture> m_reg;
};

void TestRegisterDialogs::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1");
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(15, 0), Qt::UTC));
}

void TestRegisterDialogs::splitTransactionEditedEndToEnd()
{
    Transaction receipt
        = m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 6, 10), "Big Box", -10000);
    receipt.isSplit = true;
    QVERIFY(m_reg->app->transactions()->update(receipt));
    for (const auto& [name, cents] : { std::pair { "Groceries", -6000 }, { "Household", -4000 } }) {
        SplitLine line = Records::splitLine(categoryId(QLatin1String(name)), cents);
        line.transactionId = receipt.id;
        QVERIFY(m_reg->app->splitLines()->insert(line));
    }
    RegisterTableView* view = m_reg->show()->view();

    // A double-click on the split's category opens the form too; cancelled, nothing changes.
    bool opened = false;
    whenOpen<TransactionFormDialog>([&](TransactionFormDialog& form) {
        opened = true;
        form.reject();
    });
    const QPoint category = view->visualRect(m_reg->cell(0, Col::CategoryColumn)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, category); // a widget's double
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, category); // click starts as one
    QVERIFY(opened && !view->currentEditor());

    // Enter on the split's amount opens the form; its splits go over three categories.
    whenOpen<TransactionFormDialog>([this](TransactionFormDialog& form) {
        whenOpen<SplitEditorDialog>([this](SplitEditorDialog& editor) {
            DialogTest::press(editor, "addLineButton");
            for (const auto& [row, name, amount] : { std::tuple { 0, u"Groceries"_s, u"50.00"_s },
                     { 1, u"Household"_s, u"30.00"_s }, { 2, u"Pets"_s, u"20.00"_s } })
                DialogTest::setSplitLine(editor, row, categoryId(name), amount);
            DialogTest::clickOk(editor);
        });
        QTest::mouseClick(form.findChild<QPushButton*>(u"splitButton"_s), Qt::LeftButton);
        DialogTest::clickOk(form);
    });
    m_reg->goTo(0, Col::PaymentColumn);
    QTest::keyClick(view, Qt::Key_Return);

    // Replaced, not added to the two before.
    const QList<SplitLine> lines = m_reg->app->splitLines()->findByTransaction(receipt.id);
    const auto stored = m_reg->app->transactions()->findById(receipt.id);
    QCOMPARE(std::tuple(lines.size(), lines.value(0).categoryId, lines.value(0).amount,
                 lines.value(2).categoryId, lines.value(2).amount, stored->isSplit, stored->amount),
        std::tuple(qsizetype(3), categoryId(u"Groceries"_s), qint64(-5000), categoryId(u"Pets"_s),
            qint64(-2000), true, qint64(-10000)));
    QVERIFY(!view->currentEditor());
}

void TestRegisterDialogs::formsFromTheKeyboardAndTransfersFollow()
{
    const Account savings = m_reg->app.addAccount(u"Savings"_s);
    m_reg->show();
    m_reg->enter(u"[Transfer] Savings"_s, u"100"_s);

    // Alt+Return shows the details; "Edit..." leads to the form on the same transaction.
    bool sawDetails = false;
    whenOpen<TransactionDetailsDialog>([&](TransactionDetailsDialog& details) {
        sawDetails = true;
        whenOpen<TransactionFormDialog>([](TransactionFormDialog& form) {
            DialogTest::retype(DialogTest::field<QWidget>(form, "amountField"), u"125.00"_s);
            DialogTest::clickOk(form);
        });
        QTest::mouseClick(DialogTest::field<QPushButton>(details, "editButton"), Qt::LeftButton);
    });
    m_reg->goTo(0, Col::PayeeColumn);
    QTest::keyClick(m_reg->view(), Qt::Key_Return, Qt::AltModifier);
    QVERIFY(sawDetails);
    // The other leg follows.
    QCOMPARE(std::tuple(m_reg->stored().first().amount, m_reg->stored(savings.id).first().amount,
                 m_reg->cell(0, Col::PaymentColumn).data().toString()),
        std::tuple(qint64(-12500), qint64(12500), u"125.00"_s));

    // Ctrl+N opens a new transaction's form.
    whenOpen<TransactionFormDialog>([](TransactionFormDialog& form) {
        QCOMPARE(form.windowTitle(), u"New Transaction"_s);
        DialogTest::retype(DialogTest::field<QWidget>(form, "payeeEdit"), u"Florist"_s);
        DialogTest::retype(DialogTest::field<QWidget>(form, "amountField"), u"42.00"_s);
        DialogTest::clickOk(form);
    });
    QTest::keyClick(m_reg->view(), Qt::Key_N, Qt::ControlModifier);
    const QList<Transaction> stored = m_reg->stored();
    QCOMPARE(std::tuple(stored.size(), stored.first().payee, stored.first().amount),
        std::tuple(qsizetype(2), u"Florist"_s, qint64(-4200)));
    QCOMPARE(
        m_reg->view()->currentIndex(), m_reg->cell(m_reg->model()->newEntryRow(), Col::DateColumn));
}

void TestRegisterDialogs::sharedRowsKeepWhatTheOwnerHas()
{
    // Rows of an account someone shares with us, as the sync leaves them:
    // their category is the owner's, held here by a stand-in, and a transfer
    // may have its other leg in an account of the owner's own.
    const QString foreign = Ids::newId();
    AppState* state = m_reg->app.state();
    QVERIFY(state->categories()->storeStandIn(foreign));
    // The stand-in is offered nowhere.
    QVERIFY(!Records::texts(state->categories()->findAll(), &Category::id).contains(foreign));
    m_reg->app.addTransaction(
        m_reg->checking.id, QDate(2025, 6, 1), QStringLiteral("Hardware"), -1500, foreign);

    // Register: the category cell opened and left as it is, the amount changed.
    m_reg->show();
    QCOMPARE(m_reg->cell(0, Col::CategoryColumn).data().toString(), u"Shared category"_s);
    m_reg->goTo(0, Col::CategoryColumn);
    QLineEdit* editor = m_reg->openEditor(Col::CategoryColumn);
    QVERIFY(editor);
    QCOMPARE(editor->text(), u"Shared category"_s);
    press(Qt::Key_Tab);
    QTRY_COMPARE(m_reg->column(), int(Col::MemoColumn));
    m_reg->model()->setData(m_reg->cell(0, Col::PaymentColumn), u"16"_s);
    press(Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(m_reg->stored().first().amount, qint64(-1600));
    QCOMPARE(m_reg->stored().first().categoryId, foreign);

    // Transaction form and details: shown by its stand-in name and kept.
    {
        const Transaction plain = m_reg->stored().first();
        TransactionFormDialog form(state, plain);
        form.show();
        QCOMPARE(DialogTest::field<CategoryComboBox>(form, "categoryCombo")->currentText(),
            u"Shared category"_s);
        DialogTest::retype(DialogTest::field<QLineEdit>(form, "checkNumberEdit"), u"12"_s);
        DialogTest::clickOk(form);
        QCOMPARE(form.transaction().categoryId, foreign);
        TransactionDetailsDialog details(state, plain);
        QCOMPARE(DialogTest::labelText(details, "categoryValue"), u"Shared category"_s);
    }

    // A transfer leg without its other leg is a plain transaction: its
    // details name no transfer, and deleting asks about this row alone.
    Transaction leg = m_reg->app.addTransaction(
        m_reg->checking.id, QDate(2025, 6, 2), u"Transfer to Savings"_s, -5000);
    leg.transferLinkId = leg.transferDestAccountId = Ids::newId();
    QVERIFY(state->transactions()->update(leg));
    QVERIFY(!TransactionDetailsDialog(state, leg).findChild<QLabel*>(u"transferValue"_s));
    m_reg->show();
    m_reg->goTo(m_reg->model()->rowOfTransaction(leg.id), Col::PayeeColumn);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(
        MessageBoxes::lastShown() && !MessageBoxes::lastShown()->text.contains(u"Both sides"_s));
    QCOMPARE(Records::texts(m_reg->stored(), &Transaction::payee), QStringList({ "Hardware" }));
}

QTEST_MAIN(TestRegisterDialogs)
#include "tst_registerdialogs.moc"
