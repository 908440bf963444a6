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
    m_reg->show();
    RegisterTableView* view = m_reg->view();

    // A double-click on the split's category opens the form too; cancelled, nothing changes.
    bool opened = false;
    whenOpen<TransactionFormDialog>([&](TransactionFormDialog& form) {
        opened = true;
        form.reject();
    });
    const QPoint category = view->visualRect(m_reg->cell(0, Col::CategoryColumn)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, category); // a widget's double
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, category); // click starts as one
    QVERIFY(opened);
    QVERIFY(!view->currentEditor());

    // Enter on the split's amount opens the form; its splits go over three categories.
    whenOpen<TransactionFormDialog>([this](TransactionFormDialog& form) {
        whenOpen<SplitEditorDialog>([this](SplitEditorDialog& editor) {
            DialogTest::press(editor, "addLineButton");
            DialogTest::setSplitLine(editor, 0, categoryId(u"Groceries"_s), u"50.00"_s);
            DialogTest::setSplitLine(editor, 1, categoryId(u"Household"_s), u"30.00"_s);
            DialogTest::setSplitLine(editor, 2, categoryId(u"Pets"_s), u"20.00"_s);
            DialogTest::clickOk(editor);
        });
        QTest::mouseClick(form.findChild<QPushButton*>(u"splitButton"_s), Qt::LeftButton);
        DialogTest::clickOk(form);
    });
    m_reg->goTo(0, Col::PaymentColumn);
    QTest::keyClick(view, Qt::Key_Return);

    const QList<SplitLine> lines = m_reg->app->splitLines()->findByTransaction(receipt.id);
    QCOMPARE(lines.size(), 3); // replaced, not added to the two before
    QCOMPARE(std::tie(lines[0].categoryId, lines[0].amount, lines[2].categoryId, lines[2].amount),
        std::tuple(
            categoryId(u"Groceries"_s), qint64(-5000), categoryId(u"Pets"_s), qint64(-2000)));
    const auto stored = m_reg->app->transactions()->findById(receipt.id);
    QCOMPARE(std::tie(stored->isSplit, stored->amount), std::tuple(true, qint64(-10000)));
    QVERIFY(!view->currentEditor());
}

void TestRegisterDialogs::formsFromTheKeyboardAndTransfersFollow()
{
    const Account savings = m_reg->app.addAccount(u"Savings"_s);
    m_reg->show();
    m_reg->enter(u"[Transfer] Savings"_s, u"100"_s);
    QCOMPARE(m_reg->stored(savings.id).size(), 1);

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
    QCOMPARE(m_reg->stored().first().amount, qint64(-12500));
    QCOMPARE(m_reg->stored(savings.id).first().amount, qint64(12500)); // the other leg follows
    QCOMPARE(m_reg->cell(0, Col::PaymentColumn).data().toString(), u"125.00"_s);

    // Ctrl+N opens a new transaction's form.
    whenOpen<TransactionFormDialog>([](TransactionFormDialog& form) {
        QCOMPARE(form.windowTitle(), u"New Transaction"_s);
        DialogTest::retype(DialogTest::field<QWidget>(form, "payeeEdit"), u"Florist"_s);
        DialogTest::retype(DialogTest::field<QWidget>(form, "amountField"), u"42.00"_s);
        DialogTest::clickOk(form);
    });
    QTest::keyClick(m_reg->view(), Qt::Key_N, Qt::ControlModifier);

    const QList<Transaction> stored = m_reg->stored();
    QCOMPARE(stored.size(), 2);
    QCOMPARE(std::tie(stored.first().payee, stored.first().amount),
        std::tuple(u"Florist"_s, qint64(-4200)));
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
    const auto groceries = state->categories()->findByName(QStringLiteral("Groceries"));
    QVERIFY(groceries);
    Transaction plain = m_reg->app.addTransaction(
        m_reg->checking.id, QDate(2025, 6, 1), QStringLiteral("Hardware"), -1500, foreign);
    // The stand-in is offered nowhere.
    QVERIFY(!state->categories()->findByName(QString()));
    QVERIFY(!Records::texts(state->categories()->findAll(), &Category::id).contains(foreign));

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
    QCOMPARE(m_reg->stored().first().categoryId, foreign);

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
        QCOMPARE(form.transaction().categoryId, foreign);
        TransactionDetailsDialog details(state, plain);
        QCOMPARE(
            DialogTest::labelText(details, "categoryValue"), QStringLiteral("Shared category"));
    }

    // Split editor: the owner's line kept, the member's own choice taken.
    const QList<SplitLine> lines { { Ids::newId(), {}, foreign, -1000, {}, {}, {} },
        { Ids::newId(), {}, groceries->id, -600, {}, {}, {} } };
    SplitEditorDialog split(state, -1600, Currency::USD, lines);
    split.show();
    QCOMPARE(DialogTest::splitCombo(split, 0)->currentText(), QStringLiteral("Shared category"));
    DialogTest::retype(DialogTest::splitSpin(split, 0), QStringLiteral("9"));
    DialogTest::retype(DialogTest::splitSpin(split, 1), QStringLiteral("7"));
    DialogTest::clickOk(split);
    QCOMPARE(Records::texts(split.lines(), &SplitLine::categoryId),
        QStringList({ foreign, groceries->id }));
    QCOMPARE(split.lines()[0].amount, qint64(-900));

    // A transfer leg without its other leg is a plain transaction.
    Transaction leg = m_reg->app.addTransaction(
        m_reg->checking.id, QDate(2025, 6, 2), QStringLiteral("Transfer to Savings"), -5000);
    leg.transferLinkId = Ids::newId();
    leg.transferDestAccountId = Ids::newId();
    QVERIFY(state->transactions()->update(leg));
    {
        TransactionDetailsDialog details(state, leg);
        QVERIFY(!details.findChild<QLabel*>(QStringLiteral("transferValue")));
    }

    // Deleting asks about this row alone, and deletes it.
    m_reg->show();
    m_reg->goTo(m_reg->model()->rowOfTransaction(leg.id), Col::PayeeColumn);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(MessageBoxes::lastShown());
    QVERIFY(!MessageBoxes::lastShown()->text.contains(QStringLiteral("Both sides")));
    QCOMPARE(Records::texts(m_reg->stored(), &Transaction::payee), QStringList({ "Hardware" }));
}

QTEST_MAIN(TestRegisterDialogs)
#include "tst_registerdialogs.moc"
