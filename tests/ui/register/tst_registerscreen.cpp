#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/PreferencesRepository.h"
#include "data/TransactionRepository.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"
#include "ui/widgets/MessageBoxes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

QWidget* focused()
{
    return QApplication::focusWidget();
}

// Keys go where a user's keys would: to an open popup, else the focused widget.
// The offscreen platform can leave a closed popup, or nothing, as the active
// window, where a desktop hands activation back to the window underneath.
QWidget* keyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    QWidget* active = QApplication::activeWindow();
    if (!active || !active->isVisible()) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowType() == Qt::Window) {
                QApplication::setActiveWindow(w);
                break;
            }
        }
    }
    return focused();
}

void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget* target = keyTarget();
    QVERIFY2(target, "nothing has the keyboard focus");
    QTest::keyClick(target, Qt::Key(key), mods);
    QCoreApplication::processEvents();
}

void type(const QString& text)
{
    QWidget* target = keyTarget();
    QVERIFY2(target, "nothing has the keyboard focus");
    QTest::keyClicks(target, text);
}

bool footerShows(QWidget* screen, const QString& text)
{
    const QList<QLabel*> labels = screen->findChildren<QLabel*>();
    return std::any_of(
        labels.begin(), labels.end(), [&](const QLabel* label) { return label->text() == text; });
}

QList<Transaction> stored(AppState* state, const QString& accountId)
{
    return state->transactions()->findByAccount(accountId);
}

} // namespace

class TestRegisterScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void newTransactionFromTheKeyboard();
    void amountsAndClearedMarks_data();
    void amountsAndClearedMarks();
    void payeeCompletionFillsTheNewEntry();
    void enterInCompletionPopupOnlyAccepts();
    void transfersCreateTwoLinkedLegs();
    void editingAnExistingRowMovesOn();
    void deletingRowsAndClearingTheEntry();
    void apostropheCopiesFromAbove();
    void stickyDateAndNewEntryPosition();
    void splitRowsRefuseInPlaceAmounts();
    void columnLayoutSurvivesANewScreen();
    void twoLineModeRoutesPayeeMemoCategory();
    void halfTypedEntrySurvivesVisitsAndReloads();
    void openingBalanceRowIsInert();

private:
    RegisterScreen* showScreen(const QString& accountId);
    QLineEdit* editorAt(int column) const;
    int currentColumn() const;

    std::unique_ptr<TestAppState> m_app;
    std::unique_ptr<RegisterScreen> m_screen;
    Account m_checking;
};

void TestRegisterScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(15, 0), Qt::UTC));
}

void TestRegisterScreen::init()
{
    QSettings().remove(QStringLiteral("register"));
    MessageBoxes::clearAnswers();
    m_app = std::make_unique<TestAppState>();
    m_checking = m_app->addAccount(QStringLiteral("Checking"));
}

void TestRegisterScreen::cleanup()
{
    m_screen.reset();
    m_app.reset();
}

RegisterScreen* TestRegisterScreen::showScreen(const QString& accountId)
{
    m_screen = std::make_unique<RegisterScreen>(m_app->state());
    m_screen->resize(1300, 600);
    m_screen->show();
    m_screen->activateWindow();
    if (!QTest::qWaitForWindowActive(m_screen.get()))
        qWarning("register window did not become active");
    m_screen->setAccount(accountId);
    m_screen->view()->setFocus();
    return m_screen.get();
}

QLineEdit* TestRegisterScreen::editorAt(int column) const
{
    RegisterTableView* view = m_screen->view();
    const QModelIndex index = view->currentIndex().siblingAtColumn(column);
    QWidget* editor = view->indexWidget(index);
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(editor);
}

int TestRegisterScreen::currentColumn() const
{
    return m_screen->view()->currentIndex().column();
}

void TestRegisterScreen::newTransactionFromTheKeyboard()
{
    const auto groceries = m_app->state()->categories()->findByName(QStringLiteral("Groceries"));
    QVERIFY(groceries);
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();
    QCOMPARE(model->rowCount(), 1);

    press(Qt::Key_Return); // opens the date editor
    QTRY_VERIFY(editorAt(RegisterModel::DateColumn));
    type(QStringLiteral("6/3/2025"));
    press(Qt::Key_Tab);
    QTRY_COMPARE(currentColumn(), int(RegisterModel::CheckNumberColumn));
    QTRY_VERIFY(editorAt(RegisterModel::CheckNumberColumn));
    type(QStringLiteral("1042"));
    press(Qt::Key_Tab);
    QTRY_VERIFY(editorAt(RegisterModel::PayeeColumn));
    type(QStringLiteral("Corner Market"));
    press(Qt::Key_Tab);
    QTRY_VERIFY(editorAt(RegisterModel::CategoryColumn));
    type(QStringLiteral("Groceries"));
    press(Qt::Key_Tab);
    QTRY_VERIFY(editorAt(RegisterModel::MemoColumn));
    type(QStringLiteral("weekly shop"));
    press(Qt::Key_Tab);
    QTRY_VERIFY(editorAt(RegisterModel::PaymentColumn));
    type(QStringLiteral("82.17"));
    press(Qt::Key_Tab);
    QTRY_VERIFY(editorAt(RegisterModel::DepositColumn));
    press(Qt::Key_Tab);
    QTRY_VERIFY(editorAt(RegisterModel::ClearedColumn));
    type(QStringLiteral("c"));
    // Tab in the last field closes its editor and moves nowhere.
    press(Qt::Key_Tab);
    QTRY_VERIFY(!m_screen->view()->currentEditor());
    QCOMPARE(currentColumn(), int(RegisterModel::ClearedColumn));
    press(Qt::Key_Return); // reopens Clr
    QTRY_VERIFY(editorAt(RegisterModel::ClearedColumn));
    press(Qt::Key_Return); // Enter in Clr commits the row

    QTRY_COMPARE(stored(m_app->state(), m_checking.id).size(), 1);
    const Transaction t = stored(m_app->state(), m_checking.id).first();
    QCOMPARE(t.date, QDate(2025, 6, 3));
    QCOMPARE(t.checkNumber, QStringLiteral("1042"));
    QCOMPARE(t.payee, QStringLiteral("Corner Market"));
    QCOMPARE(t.categoryId, groceries->id);
    QCOMPARE(t.memo, QStringLiteral("weekly shop"));
    QCOMPARE(t.amount, qint64(-8217));
    QVERIFY(t.cleared);
    QVERIFY(!t.reconciled);
    QCOMPARE(t.version, 1);
    QCOMPARE(t.createdAt, Clock::nowUtc());

    // The register shows it, with the new-entry row ready on its date.
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(
        model->index(0, RegisterModel::BalanceColumn).data().toString(), QStringLiteral("-82.17"));
    QCOMPARE(m_screen->view()->currentIndex(), model->index(1, RegisterModel::DateColumn));
}

void TestRegisterScreen::amountsAndClearedMarks_data()
{
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");

    QTest::newRow("grouped payment") << "1,234.5"
                                     << ""
                                     << "" << true << qint64(-123450) << false << false;
    QTest::newRow("dollar payment") << "$12"
                                    << ""
                                    << "C" << true << qint64(-1200) << true << false;
    QTest::newRow("negative payment is a deposit") << "-5"
                                                   << ""
                                                   << "R" << true << qint64(500) << true << true;
    QTest::newRow("deposit") << ""
                             << "250"
                             << "x" << true << qint64(25000) << false << false;
    QTest::newRow("letters stop the commit") << "abc"
                                             << ""
                                             << "" << false << qint64(0) << false << false;
    QTest::newRow("two points stop the commit") << "12..5"
                                                << ""
                                                << "" << false << qint64(0) << false << false;
    QTest::newRow("nothing typed") << ""
                                   << ""
                                   << "" << false << qint64(0) << false << false;
}

void TestRegisterScreen::amountsAndClearedMarks()
{
    QFETCH(QString, payment);
    QFETCH(QString, deposit);
    QFETCH(QString, mark);
    QFETCH(bool, saved);
    QFETCH(qint64, amount);
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);

    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();
    const int entry = model->newEntryRow();
    model->setData(model->index(entry, RegisterModel::PayeeColumn), QStringLiteral("Payee"));
    model->setData(model->index(entry, RegisterModel::PaymentColumn), payment);
    model->setData(model->index(entry, RegisterModel::DepositColumn), deposit);
    model->setData(model->index(entry, RegisterModel::ClearedColumn), mark);
    m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::ClearedColumn));
    press(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> rows = stored(m_app->state(), m_checking.id);
    QCOMPARE(rows.size(), saved ? 1 : 0);
    if (saved) {
        QCOMPARE(rows.first().amount, amount);
        QCOMPARE(rows.first().cleared, cleared);
        QCOMPARE(rows.first().reconciled, reconciled);
        return;
    }
    // The entry stays as typed, with the reason in the footer.
    QCOMPARE(model->buffer().payment, payment);
    QVERIFY(footerShows(m_screen.get(), QStringLiteral("Enter a payment or deposit amount")));
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::ClearedColumn));
}

void TestRegisterScreen::payeeCompletionFillsTheNewEntry()
{
    const auto dining
        = m_app->state()->categories()->findByName(QStringLiteral("Dining & Restaurants"));
    QVERIFY(dining);
    Transaction last = m_app->addTransaction(
        m_checking.id, QDate(2025, 5, 1), QStringLiteral("Blue Door Cafe"), -1850, dining->id);
    last.memo = QStringLiteral("lunch");
    QVERIFY(m_app->state()->transactions()->update(last));
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();
    const int entry = model->newEntryRow();

    m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::PayeeColumn));
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(RegisterModel::PayeeColumn));
    QLineEdit* payee = editorAt(RegisterModel::PayeeColumn);
    type(QStringLiteral("door"));
    QTRY_VERIFY(payee->completer()->popup()->isVisible());
    QAbstractItemView* popup = payee->completer()->popup();
    popup->setCurrentIndex(popup->model()->index(0, 0));
    press(Qt::Key_Tab);
    QTRY_COMPARE(currentColumn(), int(RegisterModel::CategoryColumn));
    QCOMPARE(model->buffer().payee, QStringLiteral("Blue Door Cafe"));
    QCOMPARE(model->buffer().payment, QStringLiteral("18.50"));
    QCOMPARE(model->buffer().category, QStringLiteral("Dining & Restaurants"));
    QCOMPARE(model->buffer().categoryId, dining->id);
    QCOMPARE(model->buffer().memo, QStringLiteral("lunch"));
    QCOMPARE(model->buffer().date, QStringLiteral("6/18/2025")); // not filled

    // On an existing row the payee's last transaction fills nothing.
    press(Qt::Key_Escape);
    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::PayeeColumn));
    QCOMPARE(model->editingRow(), 0);
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(RegisterModel::PayeeColumn));
    editorAt(RegisterModel::PayeeColumn)->clear();
    type(QStringLiteral("Blue Door Cafe"));
    model->setData(model->index(0, RegisterModel::PaymentColumn), QStringLiteral("1.00"));
    press(Qt::Key_Tab);
    QTRY_COMPARE(currentColumn(), int(RegisterModel::CategoryColumn));
    QCOMPARE(model->buffer().payment, QStringLiteral("1.00"));
}

void TestRegisterScreen::enterInCompletionPopupOnlyAccepts()
{
    m_app->addTransaction(m_checking.id, QDate(2025, 5, 1), QStringLiteral("Hardware Barn"), -999);
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();
    m_screen->view()->setCurrentIndex(
        model->index(model->newEntryRow(), RegisterModel::PayeeColumn));
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(RegisterModel::PayeeColumn));
    QLineEdit* payee = editorAt(RegisterModel::PayeeColumn);
    type(QStringLiteral("barn"));
    QAbstractItemView* popup = payee->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    popup->setCurrentIndex(popup->model()->index(0, 0));
    QTest::keyClick(payee, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(payee->text(), QStringLiteral("Hardware Barn"));
    QCOMPARE(currentColumn(), int(RegisterModel::PayeeColumn));
    QCOMPARE(stored(m_app->state(), m_checking.id).size(), 1);
}

void TestRegisterScreen::transfersCreateTwoLinkedLegs()
{
    const Account savings = m_app->addAccount(QStringLiteral("Savings"));
    Account euros = m_app->addAccount(QStringLiteral("Euro Cash"));
    euros.currency = Currency::EUR;
    QVERIFY(m_app->state()->accounts()->update(euros));
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();
    QSignalSpy errors(m_screen.get(), &RegisterScreen::errorMessage);

    auto enter = [&](const QString& payee, const QString& payment) {
        const int entry = model->newEntryRow();
        model->setData(model->index(entry, RegisterModel::PayeeColumn), payee);
        model->setData(model->index(entry, RegisterModel::PaymentColumn), payment);
        m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::PaymentColumn));
        press(Qt::Key_Return, Qt::ControlModifier);
    };

    enter(QStringLiteral("[Transfer] Euro Cash"), QStringLiteral("10"));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().toString(),
        QStringLiteral("Transfers require both accounts to use the same currency"));
    QVERIFY(stored(m_app->state(), m_checking.id).isEmpty());
    QVERIFY(stored(m_app->state(), euros.id).isEmpty());

    enter(QStringLiteral("[Transfer] Nowhere"), QStringLiteral("10"));
    QVERIFY(footerShows(m_screen.get(), QStringLiteral("Transfer account not found")));
    enter(QStringLiteral("[Transfer] Checking"), QStringLiteral("10")); // itself
    QVERIFY(stored(m_app->state(), m_checking.id).isEmpty());

    model->resetBuffer();
    enter(QStringLiteral("[Transfer] Savings"), QStringLiteral("300"));
    const QList<Transaction> out = stored(m_app->state(), m_checking.id);
    const QList<Transaction> in = stored(m_app->state(), savings.id);
    QCOMPARE(out.size(), 1);
    QCOMPARE(in.size(), 1);
    QCOMPARE(out[0].payee, QStringLiteral("Transfer to Savings"));
    QCOMPARE(in[0].payee, QStringLiteral("Transfer from Checking"));
    QCOMPARE(out[0].amount, qint64(-30000));
    QCOMPARE(in[0].amount, qint64(30000));
    QCOMPARE(out[0].transferLinkId, in[0].id);
    QCOMPARE(in[0].transferLinkId, out[0].id);
    QCOMPARE(out[0].transferDestAccountId, savings.id);
    QCOMPARE(in[0].transferDestAccountId, m_checking.id);
    QVERIFY(in[0].categoryId.isEmpty());

    // Changing one leg's amount keeps the other leg opposite.
    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::PaymentColumn));
    model->setData(model->index(0, RegisterModel::PaymentColumn), QStringLiteral("275"));
    press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(m_app->state(), savings.id).first().amount, qint64(27500));
    QCOMPARE(stored(m_app->state(), m_checking.id).first().amount, qint64(-27500));
}

void TestRegisterScreen::editingAnExistingRowMovesOn()
{
    m_app->addTransaction(m_checking.id, QDate(2025, 6, 1), QStringLiteral("Rent"), -150000);
    m_app->addTransaction(m_checking.id, QDate(2025, 6, 2), QStringLiteral("Paycheck"), 250000);
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();

    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::PayeeColumn));
    QCOMPARE(model->editingRow(), 0);
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(RegisterModel::PayeeColumn));
    QLineEdit* payee = editorAt(RegisterModel::PayeeColumn);
    payee->selectAll();
    type(QStringLiteral("Landlord"));
    press(Qt::Key_Return); // on to Category
    QTRY_COMPARE(currentColumn(), int(RegisterModel::CategoryColumn));
    press(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> rows = stored(m_app->state(), m_checking.id);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.last().payee, QStringLiteral("Landlord"));
    QCOMPARE(rows.last().amount, qint64(-150000));
    QCOMPARE(rows.last().syncStatus, SyncStatus::Pending);
    // The next row becomes current and is the one being edited, without an editor.
    QCOMPARE(m_screen->view()->currentIndex(), model->index(1, RegisterModel::DateColumn));
    QCOMPARE(model->editingRow(), 1);
    QVERIFY(!m_screen->view()->currentEditor());
    QCOMPARE(model->index(1, RegisterModel::BalanceColumn).data().toString(),
        QStringLiteral("1,000.00"));
}

void TestRegisterScreen::deletingRowsAndClearingTheEntry()
{
    const Account savings = m_app->addAccount(QStringLiteral("Savings"));
    m_app->addTransaction(m_checking.id, QDate(2025, 6, 1), QStringLiteral("Coffee"), -450);
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();

    // A transfer, then Ctrl+D on its leg removes both legs after Yes.
    const int entry = model->newEntryRow();
    model->setData(
        model->index(entry, RegisterModel::PayeeColumn), QStringLiteral("[Transfer] Savings"));
    model->setData(model->index(entry, RegisterModel::DepositColumn), QStringLiteral("40"));
    m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::DepositColumn));
    press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored(m_app->state(), savings.id).size(), 1);

    m_screen->view()->setCurrentIndex(model->index(1, RegisterModel::PayeeColumn));
    MessageBoxes::setNextAnswer(QMessageBox::No);
    press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(MessageBoxes::lastShown()->title, QStringLiteral("Delete Transaction"));
    QCOMPARE(MessageBoxes::lastShown()->text,
        QStringLiteral("Delete transfer \"Transfer to Savings\" for $40.00?\n\nBoth sides of "
                       "the transfer will be deleted."));
    QCOMPARE(stored(m_app->state(), m_checking.id).size(), 2);

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(stored(m_app->state(), m_checking.id).size(), 1);
    QVERIFY(stored(m_app->state(), savings.id).isEmpty());

    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::PayeeColumn));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(MessageBoxes::lastShown()->text, QStringLiteral("Delete \"Coffee\" for $4.50?"));
    QVERIFY(stored(m_app->state(), m_checking.id).isEmpty());

    // Ctrl+D on the new-entry row clears it without asking.
    MessageBoxes::clearAnswers();
    model->setData(model->index(model->newEntryRow(), RegisterModel::PayeeColumn),
        QStringLiteral("Half typed"));
    m_screen->view()->setCurrentIndex(
        model->index(model->newEntryRow(), RegisterModel::MemoColumn));
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!MessageBoxes::lastShown());
    QVERIFY(model->buffer().payee.isEmpty());
    QVERIFY(footerShows(m_screen.get(), QStringLiteral("Fields cleared")));
    QTRY_VERIFY(editorAt(RegisterModel::DateColumn));
}

void TestRegisterScreen::apostropheCopiesFromAbove()
{
    Transaction first = m_app->addTransaction(
        m_checking.id, QDate(2025, 6, 1), QStringLiteral("Pharmacy"), -1299);
    first.memo = QStringLiteral("prescription");
    QVERIFY(m_app->state()->transactions()->update(first));
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();
    const int entry = model->newEntryRow();

    m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::PayeeColumn));
    press(Qt::Key_Apostrophe);
    QCOMPARE(model->buffer().payee, QStringLiteral("Pharmacy"));
    m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::MemoColumn));
    press(Qt::Key_Apostrophe);
    QCOMPARE(model->buffer().memo, QStringLiteral("prescription"));
    m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::PaymentColumn));
    press(Qt::Key_Apostrophe);
    QCOMPARE(model->buffer().payment, QStringLiteral("12.99"));

    // In an editor an apostrophe is just text.
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(RegisterModel::PaymentColumn));
    m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::PayeeColumn));
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(RegisterModel::PayeeColumn));
    editorAt(RegisterModel::PayeeColumn)->clear();
    type(QStringLiteral("Joe's"));
    QCOMPARE(editorAt(RegisterModel::PayeeColumn)->text(), QStringLiteral("Joe's"));
}

void TestRegisterScreen::stickyDateAndNewEntryPosition()
{
    m_app->addTransaction(m_checking.id, QDate(2025, 6, 1), QStringLiteral("Older"), -100);
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();
    QCOMPARE(model->newEntryRow(), 1);
    QCOMPARE(model->buffer().date, QStringLiteral("6/18/2025"));

    int entry = model->newEntryRow();
    model->setData(model->index(entry, RegisterModel::DateColumn), QStringLiteral("6/10/2025"));
    model->setData(model->index(entry, RegisterModel::PayeeColumn), QStringLiteral("First"));
    model->setData(model->index(entry, RegisterModel::PaymentColumn), QStringLiteral("1"));
    m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::PaymentColumn));
    press(Qt::Key_Return, Qt::ControlModifier);
    // The next entry starts on the date just used.
    QCOMPARE(model->buffer().date, QStringLiteral("6/10/2025"));
    QCOMPARE(model->index(model->newEntryRow(), RegisterModel::DateColumn).data().toString(),
        QStringLiteral("6/10/2025"));

    m_screen->view()->sortByColumn(RegisterModel::DateColumn, Qt::DescendingOrder);
    QCOMPARE(model->newEntryRow(), 0);
    QCOMPARE(
        QSettings().value(QStringLiteral("register/sortOrder")).toInt(), int(Qt::DescendingOrder));
    m_screen->view()->sortByColumn(RegisterModel::PayeeColumn, Qt::DescendingOrder);
    QCOMPARE(model->newEntryRow(), 2);
    m_app->state()->preferences()->setBool(QStringLiteral("registerNewestFirst"), true);
    QCOMPARE(model->sortColumn(), 0);
    QCOMPARE(model->newEntryRow(), 0);
    QCOMPARE(m_screen->view()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}

void TestRegisterScreen::splitRowsRefuseInPlaceAmounts()
{
    Transaction split
        = m_app->addTransaction(m_checking.id, QDate(2025, 6, 1), QStringLiteral("Big Box"), -9000);
    split.isSplit = true;
    QVERIFY(m_app->state()->transactions()->update(split));
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();
    QCOMPARE(model->index(0, RegisterModel::CategoryColumn).data().toString(),
        QStringLiteral("—Split—"));

    for (int column : { RegisterModel::CategoryColumn, RegisterModel::PaymentColumn,
             RegisterModel::DepositColumn }) {
        const QModelIndex cell = model->index(0, column);
        m_screen->view()->setCurrentIndex(cell);
        QTest::mouseClick(m_screen->view()->viewport(), Qt::LeftButton, {},
            m_screen->view()->visualRect(cell).center());
        QVERIFY(!m_screen->view()->currentEditor());
        QVERIFY(!model->flags(cell).testFlag(Qt::ItemIsEditable));
    }
    // The other fields of the row still edit in place.
    const QModelIndex memo = model->index(0, RegisterModel::MemoColumn);
    QTest::mouseClick(m_screen->view()->viewport(), Qt::LeftButton, {},
        m_screen->view()->visualRect(memo).center());
    QTRY_VERIFY(editorAt(RegisterModel::MemoColumn));
}

void TestRegisterScreen::columnLayoutSurvivesANewScreen()
{
    showScreen(m_checking.id);
    QHeaderView* header = m_screen->view()->horizontalHeader();
    QCOMPARE(header->sectionSize(RegisterModel::PayeeColumn), 250);
    header->resizeSection(RegisterModel::PayeeColumn, 321);
    m_screen->view()->setColumnHidden(RegisterModel::CheckNumberColumn, true);
    QSettings().setValue(QStringLiteral("register/colHidden/1"), true);
    QSettings().setValue(QStringLiteral("register/colHidden/0"), true);
    QSettings().setValue(QStringLiteral("register/colHidden/8"), true);

    showScreen(m_checking.id);
    QCOMPARE(m_screen->view()->columnWidth(RegisterModel::PayeeColumn), 321);
    QVERIFY(m_screen->view()->isColumnHidden(RegisterModel::CheckNumberColumn));
    QVERIFY(!m_screen->view()->isColumnHidden(RegisterModel::DateColumn));
    QVERIFY(!m_screen->view()->isColumnHidden(RegisterModel::BalanceColumn));

    // With Chk # hidden, Tab from Date goes straight to Payee.
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(RegisterModel::DateColumn));
    press(Qt::Key_Tab);
    QTRY_COMPARE(currentColumn(), int(RegisterModel::PayeeColumn));

    // "Reconcile" appears only once something answers it.
    auto* reconcile = m_screen->findChild<QPushButton*>();
    QVERIFY(reconcile && reconcile->text() == QStringLiteral("Reconcile"));
    QVERIFY(!reconcile->isVisible());
    QSignalSpy requested(m_screen.get(), &RegisterScreen::reconcileRequested);
    QVERIFY(reconcile->isVisible());
    QTest::mouseClick(reconcile, Qt::LeftButton);
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.first().first().toString(), m_checking.id);

    m_screen->resetColumnLayout();
    QCOMPARE(m_screen->view()->columnWidth(RegisterModel::PayeeColumn), 250);
    QVERIFY(!m_screen->view()->isColumnHidden(RegisterModel::CheckNumberColumn));
    QVERIFY(!QSettings().contains(QStringLiteral("register/colWidth/2")));
}

void TestRegisterScreen::twoLineModeRoutesPayeeMemoCategory()
{
    m_app->state()->preferences()->setBool(QStringLiteral("registerTwoLine"), true);
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();
    QVERIFY(m_screen->view()->isColumnHidden(RegisterModel::MemoColumn));
    QCOMPARE(model->headerData(RegisterModel::PayeeColumn, Qt::Horizontal).toString(),
        QStringLiteral("Payee / Memo"));
    QCOMPARE(m_screen->view()->rowHeight(0), 52);

    m_screen->view()->setCurrentIndex(
        model->index(model->newEntryRow(), RegisterModel::PayeeColumn));
    press(Qt::Key_Return);
    QWidget* container = nullptr;
    QTRY_VERIFY((container = m_screen->view()->indexWidget(m_screen->view()->currentIndex())));
    QCOMPARE(container->objectName(), QStringLiteral("PayeeMemoEditor"));
    auto* payee = container->findChild<QLineEdit*>(QStringLiteral("payeeEdit"));
    auto* memo = container->findChild<QLineEdit*>(QStringLiteral("memoEdit"));
    QTRY_COMPARE(focused(), payee);
    type(QStringLiteral("Book Shop"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), memo);
    type(QStringLiteral("gift for Sam"));
    press(Qt::Key_Backtab);
    QCOMPARE(focused(), payee);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QTRY_COMPARE(currentColumn(), int(RegisterModel::CategoryColumn));
    QCOMPARE(model->buffer().payee, QStringLiteral("Book Shop"));
    QCOMPARE(model->buffer().memo, QStringLiteral("gift for Sam"));

    // Back onto the payee lands in the memo line.
    press(Qt::Key_Backtab);
    QTRY_COMPARE(currentColumn(), int(RegisterModel::PayeeColumn));
    QTRY_VERIFY(focused() && focused()->objectName() == QLatin1String("memoEdit"));
}

void TestRegisterScreen::halfTypedEntrySurvivesVisitsAndReloads()
{
    m_app->addTransaction(m_checking.id, QDate(2025, 6, 1), QStringLiteral("Bakery"), -600);
    showScreen(m_checking.id);
    RegisterModel* model = m_screen->model();
    const int entry = model->newEntryRow();
    model->setData(model->index(entry, RegisterModel::PayeeColumn), QStringLiteral("Dentist"));
    model->setData(model->index(entry, RegisterModel::PaymentColumn), QStringLiteral("95"));

    // Looking at another row and coming back keeps what was typed.
    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::PayeeColumn));
    QCOMPARE(model->buffer().payee, QStringLiteral("Bakery"));
    m_screen->view()->setCurrentIndex(model->index(entry, RegisterModel::PayeeColumn));
    QCOMPARE(model->buffer().payee, QStringLiteral("Dentist"));
    QCOMPARE(model->buffer().payment, QStringLiteral("95"));

    // So does a reload caused by a change elsewhere.
    const Account other = m_app->addAccount(QStringLiteral("Other"));
    m_app->addTransaction(other.id, QDate(2025, 6, 2), QStringLiteral("Elsewhere"), 100);
    m_screen->reload();
    QCOMPARE(model->buffer().payee, QStringLiteral("Dentist"));

    // Switching accounts does not carry it over.
    m_screen->setAccount(other.id);
    QVERIFY(model->buffer().payee.isEmpty());
}

void TestRegisterScreen::openingBalanceRowIsInert()
{
    const Account funded = m_app->addAccount(QStringLiteral("Funded"), 50000);
    m_app->addTransaction(funded.id, QDate(2025, 6, 1), QStringLiteral("Shop"), -1000);
    showScreen(funded.id);
    RegisterModel* model = m_screen->model();
    QVERIFY(model->isOpeningRow(0));
    QCOMPARE(model->index(0, RegisterModel::PayeeColumn).data().toString(),
        QStringLiteral("Opening Balance"));

    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::PayeeColumn));
    QCOMPARE(model->editingRow(), -1);
    QVERIFY(
        !model->flags(model->index(0, RegisterModel::PayeeColumn)).testFlag(Qt::ItemIsEditable));
    press(Qt::Key_Return);
    QVERIFY(!m_screen->view()->currentEditor());
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!MessageBoxes::lastShown());
    QCOMPARE(m_app->state()->transactions()->findRegisterRows(funded.id).size(), 2);
}

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
