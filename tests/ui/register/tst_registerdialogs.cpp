#include "DialogTestHelpers.h"
#include "TestAppState.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "ui/dialogs/CategoryComboBox.h"
#include "ui/dialogs/SplitEditorDialog.h"
#include "ui/dialogs/TransactionDetailsDialog.h"
#include "ui/dialogs/TransactionFormDialog.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>

#include <functional>

namespace {

// Runs `act` on the next modal dialog of type T once it is open (the register
// opens its dialogs with exec(), so the test acts from inside that loop).
template <class T> void whenOpen(std::function<void(T&)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
        }
    });
    timer->start();
}

void setLine(QDialog& editor, int row, const QString& category, const QString& amount)
{
    auto* table = editor.findChild<QTableWidget*>(QStringLiteral("splitTable"));
    auto* combo = qobject_cast<QComboBox*>(table->cellWidget(row, 0));
    combo->setCurrentIndex(combo->findText(category));
    DialogTest::retype(qobject_cast<QDoubleSpinBox*>(table->cellWidget(row, 1)), amount);
}

} // namespace

class TestRegisterDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void splitTransactionEditedEndToEnd();
    void detailsLeadToTheFormAndTransfersFollow();
    void newTransactionDialogFromCtrlN();

private:
    void showScreen();
    QString categoryId(const QString& name) const;

    std::unique_ptr<TestAppState> m_app;
    std::unique_ptr<RegisterScreen> m_screen;
    Account m_checking;
};

void TestRegisterDialogs::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(15, 0), Qt::UTC));
}

void TestRegisterDialogs::init()
{
    QSettings().remove(QStringLiteral("register"));
    m_app = std::make_unique<TestAppState>();
    m_checking = m_app->addAccount(QStringLiteral("Checking"));
}

void TestRegisterDialogs::cleanup()
{
    m_screen.reset();
    m_app.reset();
}

void TestRegisterDialogs::showScreen()
{
    m_screen = std::make_unique<RegisterScreen>(m_app->state());
    m_screen->resize(1300, 600);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->setAccount(m_checking.id);
    m_screen->view()->setFocus();
}

QString TestRegisterDialogs::categoryId(const QString& name) const
{
    return m_app->state()->categories()->findByName(name)->id;
}

void TestRegisterDialogs::splitTransactionEditedEndToEnd()
{
    // A grocery receipt stored as a split over two categories.
    Transaction receipt = m_app->addTransaction(
        m_checking.id, QDate(2025, 6, 10), QStringLiteral("Big Box"), -10000);
    receipt.isSplit = true;
    QVERIFY(m_app->state()->transactions()->update(receipt));
    for (const auto& [name, cents] : { std::pair { "Groceries", -6000 }, { "Household", -4000 } }) {
        SplitLine line;
        line.id = Ids::newId();
        line.transactionId = receipt.id;
        line.categoryId = categoryId(QLatin1String(name));
        line.amount = cents;
        line.createdAt = line.updatedAt = Clock::nowUtc();
        QVERIFY(m_app->state()->splitLines()->insert(line));
    }
    showScreen();
    RegisterModel* model = m_screen->model();
    QCOMPARE(model->index(0, RegisterModel::CategoryColumn).data().toString(),
        QStringLiteral("—Split—"));

    // Enter on the split's amount opens the form; its splits go over three categories.
    whenOpen<TransactionFormDialog>([](TransactionFormDialog& form) {
        whenOpen<SplitEditorDialog>([](SplitEditorDialog& editor) {
            QTest::mouseClick(
                editor.findChild<QPushButton*>(QStringLiteral("addLineButton")), Qt::LeftButton);
            setLine(editor, 0, QStringLiteral("Groceries"), QStringLiteral("50.00"));
            setLine(editor, 1, QStringLiteral("Household"), QStringLiteral("30.00"));
            setLine(editor, 2, QStringLiteral("Pets"), QStringLiteral("20.00"));
            DialogTest::clickOk(editor);
        });
        QTest::mouseClick(
            form.findChild<QPushButton*>(QStringLiteral("splitButton")), Qt::LeftButton);
        DialogTest::clickOk(form);
    });
    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::PaymentColumn));
    QTest::keyClick(m_screen->view(), Qt::Key_Return);

    const QList<SplitLine> lines = m_app->state()->splitLines()->findByTransaction(receipt.id);
    QCOMPARE(lines.size(), 3); // replaced, not added to the two before
    QCOMPARE(lines[0].categoryId, categoryId(QStringLiteral("Groceries")));
    QCOMPARE(lines[0].amount, qint64(-5000));
    QCOMPARE(lines[2].categoryId, categoryId(QStringLiteral("Pets")));
    QCOMPARE(lines[2].amount, qint64(-2000));
    const auto stored = m_app->state()->transactions()->findById(receipt.id);
    QVERIFY(stored->isSplit);
    QCOMPARE(stored->amount, qint64(-10000));
    QCOMPARE(model->index(0, RegisterModel::CategoryColumn).data().toString(),
        QStringLiteral("—Split—"));
    QVERIFY(!m_screen->view()->currentEditor());
}

void TestRegisterDialogs::detailsLeadToTheFormAndTransfersFollow()
{
    const Account savings = m_app->addAccount(QStringLiteral("Savings"));
    showScreen();
    RegisterModel* model = m_screen->model();
    const int entry = model->newEntryRow();
    model->setData(
        model->index(entry, RegisterModel::PayeeColumn), QStringLiteral("[Transfer] Savings"));
    model->setData(model->index(entry, RegisterModel::PaymentColumn), QStringLiteral("100"));
    m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::PaymentColumn));
    QTest::keyClick(m_screen->view(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_app->state()->transactions()->findByAccount(savings.id).size(), 1);

    // Alt+Return shows the details; "Edit..." leads to the form on the same transaction.
    bool sawDetails = false;
    whenOpen<TransactionDetailsDialog>([&](TransactionDetailsDialog& details) {
        sawDetails = true;
        whenOpen<TransactionFormDialog>([](TransactionFormDialog& form) {
            QCOMPARE(form.windowTitle(), QStringLiteral("Edit Transaction"));
            DialogTest::retype(
                DialogTest::field<QWidget>(form, "amountField"), QStringLiteral("125.00"));
            DialogTest::clickOk(form);
        });
        QTest::mouseClick(DialogTest::field<QPushButton>(details, "editButton"), Qt::LeftButton);
    });
    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::PayeeColumn));
    QTest::keyClick(m_screen->view(), Qt::Key_Return, Qt::AltModifier);
    QVERIFY(sawDetails);

    const Transaction out = m_app->state()->transactions()->findByAccount(m_checking.id).first();
    const Transaction in = m_app->state()->transactions()->findByAccount(savings.id).first();
    QCOMPARE(out.amount, qint64(-12500));
    QCOMPARE(in.amount, qint64(12500)); // the other leg follows
    QCOMPARE(
        model->index(0, RegisterModel::PaymentColumn).data().toString(), QStringLiteral("125.00"));
}

void TestRegisterDialogs::newTransactionDialogFromCtrlN()
{
    showScreen();
    whenOpen<TransactionFormDialog>([](TransactionFormDialog& form) {
        QCOMPARE(form.windowTitle(), QStringLiteral("New Transaction"));
        DialogTest::retype(
            DialogTest::field<QWidget>(form, "payeeEdit"), QStringLiteral("Florist"));
        DialogTest::retype(
            DialogTest::field<QWidget>(form, "amountField"), QStringLiteral("42.00"));
        DialogTest::clickOk(form);
    });
    QTest::keyClick(m_screen->view(), Qt::Key_N, Qt::ControlModifier);

    const QList<Transaction> stored = m_app->state()->transactions()->findByAccount(m_checking.id);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().payee, QStringLiteral("Florist"));
    QCOMPARE(stored.first().amount, qint64(-4200));
    QCOMPARE(m_screen->view()->currentIndex(),
        m_screen->model()->index(m_screen->model()->newEntryRow(), RegisterModel::DateColumn));
}

QTEST_MAIN(TestRegisterDialogs)
#include "tst_registerdialogs.moc"
