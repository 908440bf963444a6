#include "RegisterTestHelpers.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "ui/widgets/MessageBoxes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>

using namespace RegisterTest;
using Col = RegisterModel::Column;

class TestRegisterScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup() { m_reg.reset(); }

    void newTransactionFromTheKeyboard();
    void amountsAndClearedMarks_data();
    void amountsAndClearedMarks();
    void failedWriteKeepsTheEntry();
    void payeeCompletion();
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
    QLineEdit* editorAt(int column) const;
    int currentColumn() const { return m_reg->view()->currentIndex().column(); }
    bool footerShows(const QString& text) const;

    std::optional<Fixture> m_reg;
};

void TestRegisterScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(15, 0), Qt::UTC));
}

void TestRegisterScreen::init()
{
    MessageBoxes::clearAnswers();
    m_reg.emplace();
}

QLineEdit* TestRegisterScreen::editorAt(int column) const
{
    QWidget* editor
        = m_reg->view()->indexWidget(m_reg->view()->currentIndex().siblingAtColumn(column));
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(editor);
}

bool TestRegisterScreen::footerShows(const QString& text) const
{
    const QList<QLabel*> labels = m_reg->screen->findChildren<QLabel*>();
    return std::any_of(
        labels.begin(), labels.end(), [&](auto* label) { return label->text() == text; });
}

void TestRegisterScreen::newTransactionFromTheKeyboard()
{
    const auto groceries = m_reg->app->categories()->findByName(QStringLiteral("Groceries"));
    QVERIFY(groceries);
    m_reg->show();
    press(Qt::Key_Return); // opens the date editor
    const std::pair<int, QString> fields[] = { { Col::DateColumn, "6/3/2025" },
        { Col::CheckNumberColumn, "1042" }, { Col::PayeeColumn, "Corner Market" },
        { Col::CategoryColumn, "Groceries" }, { Col::MemoColumn, "weekly shop" },
        { Col::PaymentColumn, "82.17" }, { Col::DepositColumn, "" }, { Col::ClearedColumn, "c" } };
    for (const auto& [column, text] : fields) {
        QTRY_VERIFY2(editorAt(column), qPrintable(text));
        type(text);
        press(Qt::Key_Tab);
    }
    // Tab in the last field closes its editor and moves nowhere; Enter reopens
    // Clr and Enter there commits the row.
    QTRY_VERIFY(!m_reg->view()->currentEditor());
    QCOMPARE(currentColumn(), int(Col::ClearedColumn));
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(Col::ClearedColumn));
    press(Qt::Key_Return);

    QTRY_COMPARE(m_reg->stored().size(), 1);
    const Transaction t = m_reg->stored().first();
    QCOMPARE(t.date, QDate(2025, 6, 3));
    QCOMPARE(t.checkNumber, QStringLiteral("1042"));
    QCOMPARE(t.payee, QStringLiteral("Corner Market"));
    QCOMPARE(t.categoryId, groceries->id);
    QCOMPARE(t.memo, QStringLiteral("weekly shop"));
    QCOMPARE(t.amount, qint64(-8217));
    QVERIFY(t.cleared && !t.reconciled);
    QCOMPARE(m_reg->cell(0, Col::BalanceColumn).data().toString(), QStringLiteral("-82.17"));
    QCOMPARE(m_reg->view()->currentIndex(), m_reg->cell(1, Col::DateColumn));
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

    QTest::newRow("grouped") << "1,234.5"
                             << ""
                             << "" << true << qint64(-123450) << false << false;
    QTest::newRow("dollar, C") << "$12"
                               << ""
                               << "C" << true << qint64(-1200) << true << false;
    QTest::newRow("negative, R") << "-5"
                                 << ""
                                 << "R" << true << qint64(500) << true << true;
    QTest::newRow("deposit") << ""
                             << "250"
                             << "x" << true << qint64(25000) << false << false;
    QTest::newRow("letters") << "abc"
                             << ""
                             << "" << false << qint64(0) << false << false;
    QTest::newRow("two points") << "12..5"
                                << ""
                                << "" << false << qint64(0) << false << false;
}

void TestRegisterScreen::amountsAndClearedMarks()
{
    QFETCH(QString, payment);
    QFETCH(QString, deposit);
    QFETCH(QString, mark);
    QFETCH(bool, saved);

    m_reg->show();
    m_reg->enter(QStringLiteral("Payee"), payment, deposit, mark);
    const QList<Transaction> rows = m_reg->stored();
    QCOMPARE(rows.size(), saved ? 1 : 0);
    if (saved) {
        QTEST(rows.first().amount, "amount");
        QTEST(rows.first().cleared, "cleared");
        QTEST(rows.first().reconciled, "reconciled");
        return;
    }
    // The entry stays as typed, on its cell, with the reason in the footer.
    QCOMPARE(m_reg->model()->buffer().payment, payment);
    QVERIFY(footerShows(QStringLiteral("Enter a payment or deposit amount")));
    QCOMPARE(currentColumn(), int(Col::ClearedColumn));
}

void TestRegisterScreen::failedWriteKeepsTheEntry()
{
    QSqlQuery sql(m_reg->app->database()->database());
    QVERIFY(sql.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions "
                                    "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    m_reg->show();
    m_reg->enter(QStringLiteral("Dentist"), QStringLiteral("95"));
    QVERIFY(m_reg->stored().isEmpty());
    QVERIFY(footerShows(QStringLiteral("The transaction could not be saved")));
    QCOMPARE(m_reg->model()->buffer().payee, QStringLiteral("Dentist"));
    QCOMPARE(m_reg->model()->buffer().payment, QStringLiteral("95"));
}

void TestRegisterScreen::payeeCompletion()
{
    const auto dining
        = m_reg->app->categories()->findByName(QStringLiteral("Dining & Restaurants"));
    QVERIFY(dining);
    m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 5, 1), "Hardware Barn", -999);
    Transaction last = m_reg->app.addTransaction(
        m_reg->checking.id, QDate(2025, 5, 2), "Blue Door Cafe", -1850, dining->id);
    last.memo = QStringLiteral("lunch");
    QVERIFY(m_reg->app->transactions()->update(last));
    m_reg->show();
    RegisterModel* model = m_reg->model();
    m_reg->goTo(model->newEntryRow(), Col::PayeeColumn);
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(Col::PayeeColumn));
    QLineEdit* payee = editorAt(Col::PayeeColumn);
    QAbstractItemView* popup = payee->completer()->popup();

    // Enter in the open popup only accepts the completion.
    type(QStringLiteral("barn"));
    QTRY_VERIFY(popup->isVisible());
    popup->setCurrentIndex(popup->model()->index(0, 0));
    QTest::keyClick(payee, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(payee->text(), QStringLiteral("Hardware Barn"));
    QCOMPARE(currentColumn(), int(Col::PayeeColumn));
    QCOMPARE(m_reg->stored().size(), 2);

    // Tab takes the completion and fills the rest from the payee's last transaction.
    payee->selectAll();
    type(QStringLiteral("door"));
    QTRY_VERIFY(popup->isVisible());
    popup->setCurrentIndex(popup->model()->index(0, 0));
    press(Qt::Key_Tab);
    QTRY_COMPARE(currentColumn(), int(Col::CategoryColumn));
    const RegisterModel::EntryBuffer& filled = model->buffer();
    QCOMPARE(filled.payee, QStringLiteral("Blue Door Cafe"));
    QCOMPARE(filled.payment, QStringLiteral("18.50"));
    QCOMPARE(filled.categoryId, dining->id);
    QCOMPARE(filled.memo, QStringLiteral("lunch"));
    QCOMPARE(filled.date, QStringLiteral("6/18/2025")); // not filled

    // On an existing row the payee's last transaction fills nothing.
    press(Qt::Key_Escape);
    m_reg->goTo(0, Col::PayeeColumn);
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(Col::PayeeColumn));
    editorAt(Col::PayeeColumn)->selectAll();
    type(QStringLiteral("Blue Door Cafe"));
    press(Qt::Key_Tab);
    QTRY_COMPARE(currentColumn(), int(Col::CategoryColumn));
    QCOMPARE(model->buffer().payment, QStringLiteral("9.99"));
}

void TestRegisterScreen::transfersCreateTwoLinkedLegs()
{
    const Account savings = m_reg->app.addAccount(QStringLiteral("Savings"));
    Account euros = m_reg->app.addAccount(QStringLiteral("Euro Cash"));
    euros.currency = Currency::EUR;
    QVERIFY(m_reg->app->accounts()->update(euros));
    m_reg->show();
    QSignalSpy errors(m_reg->screen.get(), &RegisterScreen::errorMessage);

    m_reg->enter(QStringLiteral("[Transfer] Euro Cash"), QStringLiteral("10"));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().toString(),
        QStringLiteral("Transfers require both accounts to use the same currency"));
    QVERIFY(m_reg->stored(euros.id).isEmpty());
    m_reg->enter(QStringLiteral("[Transfer] Nowhere"), QStringLiteral("10"));
    QVERIFY(footerShows(QStringLiteral("Transfer account not found")));
    m_reg->enter(QStringLiteral("[Transfer] Checking"), QStringLiteral("10")); // itself
    QVERIFY(m_reg->stored().isEmpty());

    m_reg->enter(QStringLiteral("[Transfer] Savings"), QStringLiteral("300"));
    const QList<Transaction> out = m_reg->stored();
    const QList<Transaction> in = m_reg->stored(savings.id);
    QCOMPARE(out.size(), 1);
    QCOMPARE(in.size(), 1);
    QCOMPARE(out[0].payee, QStringLiteral("Transfer to Savings"));
    QCOMPARE(in[0].payee, QStringLiteral("Transfer from Checking"));
    QCOMPARE(out[0].amount, qint64(-30000));
    QCOMPARE(in[0].amount, qint64(30000));
    QCOMPARE(out[0].transferLinkId, in[0].id);
    QCOMPARE(in[0].transferLinkId, out[0].id);
    QCOMPARE(in[0].transferDestAccountId, m_reg->checking.id);

    // Changing one leg's amount keeps the other leg opposite.
    m_reg->goTo(0, Col::PaymentColumn);
    m_reg->model()->setData(m_reg->cell(0, Col::PaymentColumn), QStringLiteral("275"));
    press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_reg->stored(savings.id).first().amount, qint64(27500));
    QCOMPARE(m_reg->stored().first().amount, qint64(-27500));
}

void TestRegisterScreen::editingAnExistingRowMovesOn()
{
    m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 6, 1), "Rent", -150000);
    m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 6, 2), "Paycheck", 250000);
    m_reg->show();
    m_reg->goTo(0, Col::PayeeColumn);
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(Col::PayeeColumn));
    editorAt(Col::PayeeColumn)->selectAll();
    type(QStringLiteral("Landlord"));
    press(Qt::Key_Return); // on to Category
    QTRY_COMPARE(currentColumn(), int(Col::CategoryColumn));
    press(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> rows = m_reg->stored();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.last().payee, QStringLiteral("Landlord"));
    QCOMPARE(rows.last().amount, qint64(-150000));
    QCOMPARE(rows.last().syncStatus, SyncStatus::Pending);
    // The next row becomes current and is the one being edited, without an editor.
    QCOMPARE(m_reg->view()->currentIndex(), m_reg->cell(1, Col::DateColumn));
    QCOMPARE(m_reg->model()->editingRow(), 1);
    QVERIFY(!m_reg->view()->currentEditor());
}

void TestRegisterScreen::deletingRowsAndClearingTheEntry()
{
    const Account savings = m_reg->app.addAccount(QStringLiteral("Savings"));
    m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 6, 1), "Coffee", -450);
    m_reg->show();
    m_reg->enter(QStringLiteral("[Transfer] Savings"), {}, QStringLiteral("40"));
    QCOMPARE(m_reg->stored(savings.id).size(), 1);

    // Ctrl+D on a transfer leg: No keeps both legs, Yes deletes both.
    m_reg->goTo(1, Col::PayeeColumn);
    MessageBoxes::setNextAnswer(QMessageBox::No);
    press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(MessageBoxes::lastShown()->text,
        QStringLiteral("Delete transfer \"Transfer to Savings\" for $40.00?\n\nBoth sides of "
                       "the transfer will be deleted."));
    QCOMPARE(m_reg->stored().size(), 2);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(m_reg->stored().size(), 1);
    QVERIFY(m_reg->stored(savings.id).isEmpty());

    // Ctrl+D on the new-entry row clears it without asking.
    MessageBoxes::clearAnswers();
    RegisterModel* model = m_reg->model();
    m_reg->goTo(model->newEntryRow(), Col::MemoColumn);
    model->setData(m_reg->cell(model->newEntryRow(), Col::PayeeColumn), "Half typed");
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!MessageBoxes::lastShown());
    QVERIFY(model->buffer().payee.isEmpty());
    QCOMPARE(m_reg->stored().size(), 1);
    QTRY_VERIFY(editorAt(Col::DateColumn));
}

void TestRegisterScreen::apostropheCopiesFromAbove()
{
    Transaction first
        = m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 6, 1), "Pharmacy", -1299);
    first.memo = QStringLiteral("prescription");
    QVERIFY(m_reg->app->transactions()->update(first));
    m_reg->show();
    RegisterModel* model = m_reg->model();
    const int entry = model->newEntryRow();
    for (const auto& [column, text] : { std::pair<int, QString> { Col::PayeeColumn, "Pharmacy" },
             { Col::MemoColumn, "prescription" }, { Col::PaymentColumn, "12.99" } }) {
        m_reg->goTo(entry, column);
        press(Qt::Key_Apostrophe);
        QCOMPARE(model->index(entry, column).data().toString(), text);
    }

    // In an editor an apostrophe is just text.
    m_reg->goTo(entry, Col::PayeeColumn);
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(Col::PayeeColumn));
    editorAt(Col::PayeeColumn)->clear();
    type(QStringLiteral("Joe's"));
    QCOMPARE(editorAt(Col::PayeeColumn)->text(), QStringLiteral("Joe's"));
    press(Qt::Key_Escape);

    // With the new-entry row on top, the row below copies no placeholder text.
    m_reg->view()->sortByColumn(Col::DateColumn, Qt::DescendingOrder);
    m_reg->goTo(1, Col::MemoColumn);
    QCOMPARE(model->buffer().memo, QStringLiteral("prescription"));
    press(Qt::Key_Apostrophe);
    QCOMPARE(model->buffer().memo, QString());
}

void TestRegisterScreen::stickyDateAndNewEntryPosition()
{
    m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 6, 1), "Older", -100);
    m_reg->show();
    RegisterModel* model = m_reg->model();
    QCOMPARE(model->newEntryRow(), 1);
    QCOMPARE(model->buffer().date, QStringLiteral("6/18/2025"));
    m_reg->goTo(1, Col::DateColumn);
    model->setData(m_reg->cell(1, Col::DateColumn), QStringLiteral("6/10/2025"));
    m_reg->enter(QStringLiteral("First"), QStringLiteral("1"));
    // The next entry starts on the date just used.
    QCOMPARE(m_reg->cell(model->newEntryRow(), Col::DateColumn).data().toString(),
        QStringLiteral("6/10/2025"));

    m_reg->view()->sortByColumn(Col::DateColumn, Qt::DescendingOrder);
    QCOMPARE(model->newEntryRow(), 0);
    QCOMPARE(QSettings().value("register/sortOrder").toInt(), int(Qt::DescendingOrder));
    m_reg->view()->sortByColumn(Col::PayeeColumn, Qt::DescendingOrder);
    QCOMPARE(model->newEntryRow(), 2);
    m_reg->app->preferences()->setBool(QStringLiteral("registerNewestFirst"), true);
    QCOMPARE(model->sortColumn(), int(Col::DateColumn));
    QCOMPARE(model->newEntryRow(), 0);
    QCOMPARE(m_reg->view()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}

void TestRegisterScreen::splitRowsRefuseInPlaceAmounts()
{
    Transaction split
        = m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 6, 1), "Big Box", -9000);
    split.isSplit = true;
    QVERIFY(m_reg->app->transactions()->update(split));
    m_reg->show();
    RegisterTableView* view = m_reg->view();
    const auto click = [&](int column) {
        m_reg->goTo(0, column);
        const QPoint at = view->visualRect(m_reg->cell(0, column)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    };
    for (int column : { Col::CategoryColumn, Col::PaymentColumn, Col::DepositColumn }) {
        click(column);
        QVERIFY(!view->currentEditor());
    }
    // The other fields of the row still edit in place.
    click(Col::MemoColumn);
    QTRY_VERIFY(editorAt(Col::MemoColumn));
}

void TestRegisterScreen::columnLayoutSurvivesANewScreen()
{
    m_reg->show();
    m_reg->view()->horizontalHeader()->resizeSection(Col::PayeeColumn, 321);
    m_reg->view()->setColumnHidden(Col::CheckNumberColumn, true);
    for (int column : { Col::CheckNumberColumn, Col::DateColumn, Col::BalanceColumn })
        QSettings().setValue(QStringLiteral("register/colHidden/%1").arg(column), true);

    m_reg->show();
    QCOMPARE(m_reg->view()->columnWidth(Col::PayeeColumn), 321);
    QVERIFY(m_reg->view()->isColumnHidden(Col::CheckNumberColumn));
    QVERIFY(!m_reg->view()->isColumnHidden(Col::DateColumn));
    QVERIFY(!m_reg->view()->isColumnHidden(Col::BalanceColumn));
    // With Chk # hidden, Tab from Date goes straight to Payee.
    press(Qt::Key_Return);
    QTRY_VERIFY(editorAt(Col::DateColumn));
    press(Qt::Key_Tab);
    QTRY_COMPARE(currentColumn(), int(Col::PayeeColumn));

    // "Reconcile" appears only once something answers it.
    auto* reconcile = m_reg->screen->findChild<QPushButton*>();
    QCOMPARE(reconcile->text(), QStringLiteral("Reconcile"));
    QVERIFY(!reconcile->isVisible());
    QSignalSpy requested(m_reg->screen.get(), &RegisterScreen::reconcileRequested);
    QVERIFY(reconcile->isVisible());
    QTest::mouseClick(reconcile, Qt::LeftButton);
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.first().first().toString(), m_reg->checking.id);

    m_reg->screen->resetColumnLayout();
    QVERIFY(!m_reg->view()->isColumnHidden(Col::CheckNumberColumn));
}

void TestRegisterScreen::twoLineModeRoutesPayeeMemoCategory()
{
    m_reg->app->preferences()->setBool(QStringLiteral("registerTwoLine"), true);
    m_reg->show();
    QVERIFY(m_reg->view()->isColumnHidden(Col::MemoColumn));
    m_reg->goTo(m_reg->model()->newEntryRow(), Col::PayeeColumn);
    press(Qt::Key_Return);
    QWidget* container = nullptr;
    QTRY_VERIFY((container = m_reg->view()->indexWidget(m_reg->view()->currentIndex())));
    auto* payee = container->findChild<QLineEdit*>(QStringLiteral("payeeEdit"));
    auto* memo = container->findChild<QLineEdit*>(QStringLiteral("memoEdit"));
    QTRY_COMPARE(QApplication::focusWidget(), payee);
    type(QStringLiteral("Book Shop"));
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), memo);
    type(QStringLiteral("gift for Sam"));
    press(Qt::Key_Tab);
    QTRY_COMPARE(currentColumn(), int(Col::CategoryColumn));
    QCOMPARE(m_reg->model()->buffer().payee, QStringLiteral("Book Shop"));
    QCOMPARE(m_reg->model()->buffer().memo, QStringLiteral("gift for Sam"));

    // Back onto the payee lands in the memo line.
    press(Qt::Key_Backtab);
    QTRY_COMPARE(currentColumn(), int(Col::PayeeColumn));
    QTRY_VERIFY(QApplication::focusWidget()
        && QApplication::focusWidget()->objectName() == QLatin1String("memoEdit"));
}

void TestRegisterScreen::halfTypedEntrySurvivesVisitsAndReloads()
{
    m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 6, 1), "Bakery", -600);
    m_reg->show();
    RegisterModel* model = m_reg->model();
    const int entry = model->newEntryRow();
    m_reg->goTo(entry, Col::PayeeColumn);
    model->setData(m_reg->cell(entry, Col::PayeeColumn), QStringLiteral("Dentist"));
    model->setData(m_reg->cell(entry, Col::PaymentColumn), QStringLiteral("95"));

    // Looking at another row and coming back keeps what was typed.
    m_reg->goTo(0, Col::PayeeColumn);
    QCOMPARE(model->buffer().payee, QStringLiteral("Bakery"));
    m_reg->goTo(entry, Col::PayeeColumn);
    QCOMPARE(model->buffer().payee, QStringLiteral("Dentist"));
    QCOMPARE(model->buffer().payment, QStringLiteral("95"));

    // So does a reload caused by a change elsewhere; switching accounts does not carry it over.
    const Account other = m_reg->app.addAccount(QStringLiteral("Other"));
    m_reg->app.addTransaction(other.id, QDate(2025, 6, 2), "Elsewhere", 100);
    m_reg->screen->reload();
    QCOMPARE(model->buffer().payee, QStringLiteral("Dentist"));
    m_reg->screen->setAccount(other.id);
    QVERIFY(model->buffer().payee.isEmpty());
}

void TestRegisterScreen::openingBalanceRowIsInert()
{
    const Account funded = m_reg->app.addAccount(QStringLiteral("Funded"), 50000);
    m_reg->app.addTransaction(funded.id, QDate(2025, 6, 1), "Shop", -1000);
    m_reg->show(funded.id);
    QVERIFY(m_reg->model()->isOpeningRow(0));
    m_reg->goTo(0, Col::PayeeColumn);
    QCOMPARE(m_reg->model()->editingRow(), -1);
    press(Qt::Key_Return);
    QVERIFY(!m_reg->view()->currentEditor());
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!MessageBoxes::lastShown());
    QCOMPARE(m_reg->app->transactions()->findRegisterRows(funded.id).size(), 2);
}

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
