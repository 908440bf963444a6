#include "Records.h"
#include "RegisterTestHelpers.h"
#include "ScopedLanguage.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/PreferencesRepository.h"
#include "services/TransactionService.h"
#include "ui/mainwindow/AccountSidebar.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/widgets/MessageBoxes.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>

using namespace RegisterTest;
using namespace Qt::StringLiterals;
using Col = RegisterModel::Column;

class TestRegisterScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init()
    {
        MessageBoxes::clearAnswers();
        m_reg.emplace();
    }
    void cleanup() { m_reg.reset(); }

    void newTransactionFromTheKeyboard();
    void editsStayWithTheirTransaction();
    void pagedRowsMatchTheWholeRegister_data();
    void pagedRowsMatchTheWholeRegister();
    void amountsAndClearedMarks_data();
    void amountsAndClearedMarks();
    void currencyDatesAndFailedWrites();
    void categoryTakesTheBestMatch();
    void payeeCompletion();
    void transfersAndDeleting();
    void apostropheCopiesFromAbove();
    void splitOpeningAndReconciledRowsGuardEdits();
    void layoutButtonAndTitle();
    void twoLineModeRoutesPayeeMemoCategory();
    void defaultLayoutFitsTheWindow_data();
    void defaultLayoutFitsTheWindow();
    void leavingAnEntryAsksFirst();
    void datesAndMarksInTheLanguage();

private:
    std::unique_ptr<MainWindow> openWindow();

    std::optional<Fixture> m_reg;
};

void TestRegisterScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(15, 0), Qt::UTC));
}

std::unique_ptr<MainWindow> TestRegisterScreen::openWindow()
{
    QSettings().remove(u"mainwindow"_s);
    auto window = std::make_unique<MainWindow>(m_reg->app.state());
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window did not become active");
    return window;
}

void TestRegisterScreen::newTransactionFromTheKeyboard()
{
    const auto groceries = m_reg->app->categories()->findByName(u"Groceries"_s);
    const Transaction insurance
        = m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 10, 5), u"Insurance"_s, -9000);
    m_reg->show();
    press(Qt::Key_Return); // opens the date editor
    const std::pair<int, QString> fields[]
        = { { Col::DateColumn, u"6/3/2025"_s }, { Col::CheckNumberColumn, u"1042"_s },
              { Col::PayeeColumn, u"Corner Market"_s }, { Col::CategoryColumn, u"Groceries"_s },
              { Col::MemoColumn, u"weekly shop"_s }, { Col::PaymentColumn, u"82.17"_s },
              { Col::DepositColumn, {} }, { Col::ClearedColumn, u"c"_s } };
    for (const auto& [column, text] : fields) {
        QTRY_VERIFY2(m_reg->editorAt(column), qPrintable(text));
        type(text);
        press(column == Col::MemoColumn ? Qt::Key_Return : Qt::Key_Tab); // Enter moves on too
    }
    // Tab in the last field closes its editor and moves nowhere; Enter in Clr commits.
    QTRY_VERIFY(!m_reg->view()->currentEditor());
    QVERIFY(m_reg->openEditor(Col::ClearedColumn));
    press(Qt::Key_Return);
    QTRY_COMPARE(m_reg->stored().size(), 2);
    const Transaction t = m_reg->stored().last(); // newest first
    QCOMPARE(QVariantList({ t.date, t.checkNumber, t.payee, t.categoryId, t.memo, t.amount,
                 t.cleared, t.reconciled }),
        QVariantList({ QDate(2025, 6, 3), u"1042"_s, u"Corner Market"_s, groceries->id,
            u"weekly shop"_s, qint64(-8217), true, false }));
    // The next entry is ready on the date just used, below the rows by date.
    QCOMPARE(m_reg->view()->currentIndex(), m_reg->cell(2, Col::DateColumn));
    QCOMPARE(m_reg->cell(2, Col::DateColumn).data().toString(), u"6/3/2025"_s);

    // The cursor waits there without an editor; typing must not search for a
    // row starting with "1".
    type(u"12/6/2026"_s);
    for (const QString& field : { QString(), u"Hardware Barn"_s, {}, {}, u"40"_s }) {
        press(Qt::Key_Tab);
        QTest::qWait(20);
        type(field);
    }
    press(Qt::Key_Return, Qt::ControlModifier);
    const Transaction second = m_reg->stored().value(0);
    QCOMPARE(QVariantList({ int(m_reg->stored().size()), second.date, second.payee, second.amount,
                 m_reg->app->transactions()->findById(insurance.id)->payee }),
        QVariantList({ 3, QDate(2026, 12, 6), u"Hardware Barn"_s, qint64(-4000), u"Insurance"_s }));
}

void TestRegisterScreen::editsStayWithTheirTransaction()
{
    const QList<Transaction> before = { m_reg->add(u"Rent"_s, -32560, 1),
        m_reg->add(u"Paycheck"_s, 185000, 2), m_reg->add(u"Gym"_s, -4500, 3) };
    RegisterTableView* view = m_reg->show()->view();
    RegisterModel* model = m_reg->model();
    // A half-typed entry waits while other rows are looked at, through a reload.
    const int entry = model->newEntryRow();
    m_reg->goTo(entry, Col::PayeeColumn);
    model->setData(m_reg->cell(entry, Col::PayeeColumn), u"Dentist"_s);
    model->setData(m_reg->cell(entry, Col::PaymentColumn), u"95"_s);
    m_reg->goTo(0, Col::PayeeColumn);
    QCOMPARE(model->buffer().payee, u"Rent"_s);
    m_reg->goTo(entry, Col::PayeeColumn);
    m_reg->screen->reload();
    QCOMPARE(model->buffer().payment, u"95"_s);

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
        view->visualRect(m_reg->cell(1, Col::PayeeColumn)).center());
    QTRY_VERIFY(m_reg->editorAt(Col::PayeeColumn));
    QHeaderView* header = view->horizontalHeader();
    for (int column : { Col::PayeeColumn, Col::DateColumn, Col::DateColumn }) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
        QCoreApplication::processEvents();
    }
    // Newest first now: the edit and the cursor stayed with the paycheck.
    QCOMPARE(QList<int>({ model->editingRow(), view->currentIndex().row() }), QList<int>({ 2, 2 }));
    // So does what is typed into it through a reload that moves it.
    model->setData(m_reg->cell(2, Col::MemoColumn), u"December"_s);
    m_reg->add(u"Bonus"_s, 50000, 5);
    m_reg->screen->reload();
    QCOMPARE(model->editingRow(), 3);
    press(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(m_reg->stored().size(), 4);
    for (const Transaction& t : before) {
        const Transaction now = *m_reg->app->transactions()->findById(t.id);
        QCOMPARE(QVariantList({ now.payee, now.amount, now.memo }),
            QVariantList(
                { t.payee, t.amount, t.payee == u"Paycheck"_s ? u"December"_s : QString() }));
    }
    // The commit moved on to the next row, and left the half-typed entry as it was.
    QCOMPARE(model->editingRow(), 4);
    m_reg->goTo(model->newEntryRow(), Col::PayeeColumn);
    QCOMPARE(model->buffer().payee, u"Dentist"_s);

    // Rows a sync brings land above the entry at the bottom: the cursor stays
    // on the entry, where the next keys are meant to go.
    model->sort(Col::DateColumn, Qt::AscendingOrder);
    m_reg->goTo(model->newEntryRow(), Col::PayeeColumn);
    m_reg->add(u"From the other computer"_s, -100, 6);
    m_reg->screen->reload();
    QCOMPARE(view->currentIndex(), m_reg->cell(model->newEntryRow(), Col::PayeeColumn));
    QCOMPARE(model->buffer().payee, u"Dentist"_s);
}

void TestRegisterScreen::pagedRowsMatchTheWholeRegister_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::newRow("edited") << u"edit"_s << int(Col::DateColumn) << Qt::AscendingOrder;
    QTest::newRow("deleted, newest first")
        << u"delete"_s << int(Col::DateColumn) << Qt::DescendingOrder;
    QTest::newRow("edited, by balance")
        << u"edit"_s << int(Col::BalanceColumn) << Qt::DescendingOrder;
}

void TestRegisterScreen::pagedRowsMatchTheWholeRegister()
{
    QFETCH(QString, change);
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    const Account account = m_reg->app.addAccount(u"Large"_s, 5000);
    // Three days written out of order, many rows sharing an entry time, so
    // pages end inside a day and ties fall to the order of writing.
    for (int i = 0; i < 260; ++i) {
        Transaction t = Records::transaction(account.id, QDate(2025, 6, 1 + i * 7 % 3),
            u"P%1"_s.arg(i % 5), (i % 2 ? -1 : 1) * (100 + i));
        t.createdAt = t.updatedAt = Clock::nowUtc().addSecs(i % 4);
        QVERIFY(m_reg->app->transactions()->insert(t));
    }
    TransactionService* service = m_reg->app->transactionService();
    const QList<TransactionRow> before = m_reg->app->transactions()->findRegisterRows(account.id);
    RegisterScreen* screen = m_reg->show(account.id);
    RegisterModel* model = screen->model();
    model->sort(column, order);
    Transaction moved = before.at(201);
    std::tie(moved.amount, moved.date) = std::tuple(-99999, QDate(2025, 6, 1));
    QVERIFY(change == u"edit"_s
            ? service->save(moved, std::nullopt, false) == TransactionService::Result::Saved
            : service->remove(before.at(129)));

    // The whole register read and sorted at once is what the pages must show.
    RegisterModel whole;
    whole.setRows(m_reg->app->transactions()->findRegisterRows(account.id));
    whole.sort(column, order);
    const int rows = whole.rowCount();
    const auto key = [](const TransactionRow* t) {
        return t ? QVariantList({ t->id, t->runningBalance, t->date }) : QVariantList();
    };
    // Rows looked up in an order that reaches each page first from the
    // middle, from its neighbours above and below, and by id.
    for (const int start : { rows / 2, rows - 1, 0 }) {
        screen->reload();
        QCOMPARE(model->rowCount(), rows);
        for (const int r : { 3, rows / 2 + 1, rows - 3 }) {
            const QString id = key(whole.transactionAt(r)).value(0).toString();
            QCOMPARE(model->rowOfTransaction(id), whole.rowOfTransaction(id));
        }
        for (int step = 0; step < rows; ++step) {
            const int r
                = start == 0 ? step : (start == rows - 1 ? rows - 1 - step : (start + step) % rows);
            QCOMPARE(key(model->transactionAt(r)), key(whole.transactionAt(r)));
        }
    }
}

void TestRegisterScreen::amountsAndClearedMarks_data()
{
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<qint64>("amount"); // 0: refused
    QTest::addColumn<QString>("message");
    QTest::newRow("decimal comma, C") << u"$12,50"_s << u"C"_s << qint64(-1250) << QString();
    QTest::newRow("negative, R") << u"-5"_s << u"R"_s << qint64(500) << QString();
    QTest::newRow("empty") << QString() << QString() << qint64(0)
                           << u"Enter a payment or deposit amount"_s;
    QTest::newRow("not a number") << u"12abc"_s << QString() << qint64(0)
                                  << u"12abc is not an amount"_s;
}

void TestRegisterScreen::amountsAndClearedMarks()
{
    QFETCH(QString, payment);
    QFETCH(QString, mark);
    QFETCH(qint64, amount);
    QFETCH(QString, message);
    m_reg->show();
    m_reg->enter(u"Payee"_s, payment, {}, mark);
    const Transaction t = m_reg->stored().value(0);
    QCOMPARE(QVariantList({ int(m_reg->stored().size()), t.amount, t.cleared, t.reconciled }),
        QVariantList({ amount ? 1 : 0, amount, !mark.isEmpty(), mark == u"R"_s }));
    // A refused entry stays as typed, with the reason in the footer.
    QVERIFY2(amount || m_reg->footerShows(message), qPrintable(message));
    QCOMPARE(m_reg->model()->buffer().payment, amount ? QString() : payment);
}

void TestRegisterScreen::currencyDatesAndFailedWrites()
{
    // Amounts follow the account's currency.
    const Account yen = m_reg->app.addAccount(u"Yen Wallet"_s, 0, Currency::JPY);
    const Transaction ramen
        = m_reg->app.addTransaction(yen.id, QDate(2025, 6, 1), u"Ramen"_s, -1200);
    RegisterModel* model = m_reg->show(yen.id)->model();
    m_reg->enter(u"Gift"_s, {}, u"10000"_s);
    QCOMPARE(QStringList({ model->index(1, Col::DepositColumn).data().toString(),
                 model->index(1, Col::BalanceColumn).data().toString() }),
        QStringList({ u"10,000"_s, u"8,800"_s }));
    // Editing another field of a yen row leaves its amount alone.
    m_reg->goTo(0, Col::MemoColumn);
    model->setData(m_reg->cell(0, Col::MemoColumn), u"lunch"_s);
    press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_reg->app->transactions()->findById(ramen.id)->amount, qint64(-1200));
    // Yen have no decimals to round away.
    m_reg->enter(u"Noodles"_s, u"1.5"_s);
    QVERIFY(m_reg->footerShows(u"Yen amounts have no decimals"_s));

    // An invalid date stops the commit.
    m_reg->show();
    const int entry = m_reg->model()->newEntryRow();
    m_reg->goTo(entry, Col::DateColumn);
    QVERIFY(m_reg->openEditor(Col::DateColumn));
    type(u"2/30/2025"_s);
    press(Qt::Key_Tab);
    QTRY_COMPARE(m_reg->column(), int(Col::CheckNumberColumn));
    m_reg->enter(u"Florist"_s, u"30"_s);
    QVERIFY(m_reg->stored().isEmpty() && m_reg->footerShows(u"Enter a valid date"_s));
    QCOMPARE(m_reg->cell(entry, Col::DateColumn).data().toString(), u"2/30/2025"_s);
    // Corrected, it saves, and the reason leaves the footer.
    m_reg->model()->setData(m_reg->cell(entry, Col::DateColumn), u"2/28/2025"_s);
    m_reg->enter(u"Florist"_s, u"30"_s);
    QCOMPARE(m_reg->stored().value(0).date, QDate(2025, 2, 28));
    QVERIFY(!m_reg->footerShows(u"Enter a valid date"_s));

    // A write the store refuses keeps the entry, with the reason.
    QVERIFY(QSqlQuery(m_reg->app->database()->database())
                .exec(u"CREATE TRIGGER refuse BEFORE INSERT ON transactions "
                      "BEGIN SELECT RAISE(ABORT, 'refused'); END"_s));
    m_reg->enter(u"Dentist"_s, u"95"_s);
    QVERIFY(m_reg->footerShows(u"The transaction could not be saved"_s));
    QCOMPARE(m_reg->model()->buffer().payment, u"95"_s);
}

void TestRegisterScreen::categoryTakesTheBestMatch()
{
    const auto rent = m_reg->app->categories()->findByName(u"Rent/Mortgage Payment"_s);
    RegisterModel* model = m_reg->show()->model();
    const int entry = model->newEntryRow();
    // Typing on the cell opens its editor with what was typed. With nothing
    // highlighted, Tab takes the entry whose name the text is, not the first
    // one containing it ("Insurance > Home/Renters", "Rental Income").
    m_reg->view()->setColumnWidth(Col::CategoryColumn, 80);
    const auto typeInto = [this, entry](const QString& text) {
        m_reg->goTo(entry, Col::CategoryColumn);
        type(text);
        QTRY_VERIFY(QApplication::activePopupWidget());
    };
    typeInto(u"rent"_s);
    // The list is as wide as its longest entry, however narrow the cell.
    QVERIFY(QApplication::activePopupWidget()->width()
        >= QApplication::activePopupWidget()->fontMetrics().horizontalAdvance(
            u"Housing > Rent/Mortgage Payment"_s));
    press(Qt::Key_Tab);
    QTRY_COMPARE(m_reg->column(), int(Col::MemoColumn));
    QCOMPARE(QStringList({ model->buffer().category, model->buffer().categoryId }),
        QStringList({ u"Housing > Rent/Mortgage Payment"_s, rent->id }));

    // Enter takes it too, and stays in the field.
    typeInto(u"dining"_s);
    press(Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QLineEdit* edit = m_reg->editorAt(Col::CategoryColumn);
    QCOMPARE(edit->text(), u"Dining & Restaurants"_s);

    // A name no category has stops the commit.
    edit->selectAll();
    type(u"Zzyzx"_s);
    press(Qt::Key_Tab);
    QTRY_COMPARE(m_reg->column(), int(Col::MemoColumn));
    m_reg->enter(u"Corner Market"_s, u"12"_s);
    QVERIFY(m_reg->footerShows(u"No category named \"Zzyzx\""_s) && m_reg->stored().isEmpty());
    QCOMPARE(model->buffer().category, u"Zzyzx"_s);
}

void TestRegisterScreen::payeeCompletion()
{
    const auto dining = m_reg->app->categories()->findByName(u"Dining & Restaurants"_s);
    m_reg->add(u"Hardware Barn"_s, -999);
    Transaction last = m_reg->add(u"Blue Door Cafe"_s, -1850, 2);
    std::tie(last.categoryId, last.memo) = std::tuple(dining->id, u"lunch"_s);
    QVERIFY(m_reg->app->transactions()->update(last));
    m_reg->show();
    m_reg->goTo(m_reg->model()->newEntryRow(), Col::DateColumn);
    QLineEdit* payee = m_reg->openEditor(Col::PayeeColumn);
    QVERIFY(payee);
    QAbstractItemView* popup = payee->completer()->popup();
    const auto complete = [&](const QString& typed) {
        payee->selectAll();
        type(typed);
        QTRY_VERIFY(popup->isVisible());
        popup->setCurrentIndex(popup->model()->index(0, 0));
    };

    // Enter in the open popup only accepts the completion.
    complete(u"barn"_s);
    QTest::keyClick(payee, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(payee->text(), u"Hardware Barn"_s);
    QCOMPARE(m_reg->stored().size(), 2);

    // Tab takes it and fills the rest from the payee's last transaction, but the date.
    complete(u"door"_s);
    press(Qt::Key_Tab);
    QTRY_COMPARE(m_reg->column(), int(Col::CategoryColumn));
    const RegisterModel::EntryBuffer& filled = m_reg->model()->buffer();
    QCOMPARE(QStringList({ filled.payment, filled.categoryId, filled.memo, filled.date }),
        QStringList({ u"18.50"_s, dining->id, u"lunch"_s, u"6/18/2025"_s }));
    // The category it filled in is selected: typing replaces it.
    QTRY_VERIFY(m_reg->editorAt(Col::CategoryColumn));
    QCOMPARE(m_reg->editorAt(Col::CategoryColumn)->selectedText(), u"Dining & Restaurants"_s);
}

void TestRegisterScreen::transfersAndDeleting()
{
    const Account savings = m_reg->app.addAccount(u"Savings"_s);
    m_reg->add(u"Coffee"_s, -450);
    m_reg->show();
    // The account itself is no place to transfer to.
    m_reg->enter(u"[Transfer] Checking"_s, u"10"_s);
    QVERIFY(m_reg->footerShows(u"Transfer account not found"_s));
    m_reg->enter(u"[Transfer] Savings"_s, u"300"_s);
    QCOMPARE(
        std::tuple(m_reg->stored().size(), m_reg->stored(savings.id).size()), std::tuple(2, 1));

    // Ctrl+D on a transfer leg asks about both legs and deletes both.
    m_reg->goTo(1, Col::PayeeColumn);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(MessageBoxes::lastShown()->text.contains(u"Both sides"_s));
    QCOMPARE(
        std::tuple(m_reg->stored().size(), m_reg->stored(savings.id).size()), std::tuple(1, 0));

    // Ctrl+D on the new-entry row clears it without asking.
    MessageBoxes::clearAnswers();
    const int entry = m_reg->model()->newEntryRow();
    m_reg->goTo(entry, Col::MemoColumn);
    m_reg->model()->setData(m_reg->cell(entry, Col::PayeeColumn), u"Half typed"_s);
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!MessageBoxes::lastShown() && m_reg->model()->buffer().payee.isEmpty());

    // A deposit from Savings reads as money from it, and in Savings as money to here.
    m_reg->enter(u"[Transfer] Savings"_s, {}, u"50"_s);
    QCOMPARE(std::tuple(m_reg->stored().first().payee, m_reg->stored(savings.id).first().payee),
        std::tuple(u"Transfer from Savings"_s, u"Transfer to Checking"_s));
}

void TestRegisterScreen::apostropheCopiesFromAbove()
{
    Transaction first = m_reg->add(u"Pharmacy"_s, -1299);
    first.memo = u"prescription"_s;
    QVERIFY(m_reg->app->transactions()->update(first));
    RegisterModel* model = m_reg->show()->model();
    const int entry = model->newEntryRow();
    // Where users press it: in the field Enter just opened, empty or all selected.
    for (const auto& [column, text] :
        { std::pair { Col::DateColumn, "6/1/2025" }, { Col::PayeeColumn, "Pharmacy" },
            { Col::MemoColumn, "prescription" }, { Col::PaymentColumn, "12.99" } }) {
        m_reg->goTo(entry, column);
        QVERIFY(m_reg->openEditor(column));
        press(Qt::Key_Apostrophe);
        QCOMPARE(m_reg->editorAt(column)->text(), QLatin1String(text));
    }
    // Inside a word it is the letter it is.
    QLineEdit* memo = m_reg->openEditor(Col::MemoColumn);
    memo->setText(u"Sam"_s);
    press(Qt::Key_Apostrophe);
    QCOMPARE(memo->text(), u"Sam'"_s);
    press(Qt::Key_Escape);
    // With the new-entry row on top, the row below copies no placeholder text.
    m_reg->view()->sortByColumn(Col::DateColumn, Qt::DescendingOrder);
    m_reg->goTo(1, Col::MemoColumn);
    press(Qt::Key_Apostrophe);
    QCOMPARE(model->buffer().memo, QString());
}

void TestRegisterScreen::splitOpeningAndReconciledRowsGuardEdits()
{
    Transaction split = m_reg->add(u"Big Box"_s, -9000);
    split.isSplit = true;
    QVERIFY(m_reg->app->transactions()->update(split));
    RegisterTableView* view = m_reg->show()->view();
    // A split row's amounts and category are not edited in place; its memo is.
    for (int column : { Col::CategoryColumn, Col::PaymentColumn, Col::MemoColumn }) {
        m_reg->goTo(0, column);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
            view->visualRect(m_reg->cell(0, column)).center());
        QTRY_COMPARE(bool(view->currentEditor()), column == Col::MemoColumn);
    }

    // The opening balance row neither edits nor deletes.
    const Account funded = m_reg->app.addAccount(u"Funded"_s, 50000);
    m_reg->app.addTransaction(funded.id, QDate(2025, 6, 1), u"Shop"_s, -1000);
    m_reg->show(funded.id);
    m_reg->goTo(0, Col::PayeeColumn);
    press(Qt::Key_Return);
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!m_reg->view()->currentEditor() && !MessageBoxes::lastShown());
    QCOMPARE(m_reg->app->transactions()->findRegisterRows(funded.id).size(), 2);

    // A reconciled row asks before it changes; a new amount leaves it only cleared.
    Transaction reconciled = m_reg->add(u"Insurance"_s, -9000, 2);
    reconciled.cleared = reconciled.reconciled = true;
    QVERIFY(m_reg->app->transactions()->update(reconciled));
    m_reg->show();
    const auto change = [&](int column, const QString& text, QMessageBox::StandardButton answer) {
        MessageBoxes::clearAnswers();
        const int row = m_reg->model()->rowOfTransaction(reconciled.id);
        m_reg->goTo(row, column);
        m_reg->model()->setData(m_reg->cell(row, column), text);
        MessageBoxes::setNextAnswer(answer);
        press(Qt::Key_Return, Qt::ControlModifier);
        const Transaction t = *m_reg->app->transactions()->findById(reconciled.id);
        const auto shown = MessageBoxes::lastShown();
        return QVariantList({ shown ? shown->text : QString(), t.memo, t.amount, t.reconciled });
    };
    const QString asked = u"This transaction is reconciled. Change it anyway?"_s;
    QCOMPARE(change(Col::MemoColumn, u"Q3"_s, QMessageBox::No),
        QVariantList({ asked, QString(), qint64(-9000), true }));
    QCOMPARE(m_reg->model()->buffer().memo, QString());
    QCOMPARE(change(Col::MemoColumn, u"Q3"_s, QMessageBox::Yes),
        QVariantList({ asked, u"Q3"_s, qint64(-9000), true }));
    QCOMPARE(change(Col::PaymentColumn, u"95"_s, QMessageBox::Yes),
        QVariantList({ asked, u"Q3"_s, qint64(-9500), false }));
    QVERIFY(m_reg->app->transactions()->findById(reconciled.id)->cleared);
}

void TestRegisterScreen::layoutButtonAndTitle()
{
    m_reg->show()->view()->horizontalHeader()->resizeSection(Col::PayeeColumn, 301);
    m_reg->view()->setColumnHidden(Col::CheckNumberColumn, true);
    for (int column : { Col::CheckNumberColumn, Col::DateColumn, Col::BalanceColumn })
        QSettings().setValue(u"register/colHidden/%1"_s.arg(column), true);
    RegisterTableView* view = m_reg->show()->view();
    QCOMPARE(QList<int>({ view->columnWidth(Col::PayeeColumn),
                 view->isColumnHidden(Col::CheckNumberColumn),
                 view->isColumnHidden(Col::DateColumn), view->isColumnHidden(Col::BalanceColumn) }),
        QList<int>({ 301, true, false, false }));

    // "Reconcile" appears only once something answers it.
    auto* reconcile = m_reg->screen->findChild<QPushButton*>();
    QVERIFY(!reconcile->isVisible());
    QSignalSpy requested(m_reg->screen.get(), &RegisterScreen::reconcileRequested);
    QVERIFY(reconcile->isVisible());

    // Names show as typed, never as markup.
    const Account marked = m_reg->app.addAccount(u"<b>bold</b>"_s);
    m_reg->app.addTransaction(marked.id, QDate(2025, 6, 1), u"<i>Shop</i>"_s, -100);
    QCOMPARE(Fixture::labelShowing(m_reg->show(marked.id), u"<b>bold</b>"_s)->textFormat(),
        Qt::PlainText);
    m_reg->goTo(0, Col::PayeeColumn);
    MessageBoxes::setNextAnswer(QMessageBox::No);
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(MessageBoxes::lastShown()->text.contains(u"&lt;i&gt;Shop&lt;/i&gt;"_s));
}

void TestRegisterScreen::twoLineModeRoutesPayeeMemoCategory()
{
    m_reg->app->preferences()->setBool(u"registerTwoLine"_s, true);
    RegisterTableView* view = m_reg->show()->view();
    QVERIFY(view->isColumnHidden(Col::MemoColumn));
    m_reg->goTo(m_reg->model()->newEntryRow(), Col::PayeeColumn);
    press(Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"payeeEdit"_s);
    type(u"Book Shop"_s);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"memoEdit"_s);
    type(u"gift for Sam"_s);
    press(Qt::Key_Tab);
    QTRY_COMPARE(m_reg->column(), int(Col::CategoryColumn));
    QCOMPARE(m_reg->model()->buffer().memo, u"gift for Sam"_s);
    // Back onto the payee lands in the memo line.
    press(Qt::Key_Backtab);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"memoEdit"_s);
}

void TestRegisterScreen::defaultLayoutFitsTheWindow_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("fontScale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("paychecks");
    // The size a first start takes on a screen with room for it.
    QTest::newRow("1280") << 1280 << 100 << u"en"_s << 0;
    QTest::newRow("1280, extra large, German") << 1280 << 150 << u"de"_s << 0;
    QTest::newRow("narrowest, large") << 0 << 130 << u"en"_s << 0;
    // Balances widest in rows not read when the columns were fitted.
    QTest::newRow("longer than a page") << 900 << 100 << u"en"_s << 300;
}

void TestRegisterScreen::defaultLayoutFitsTheWindow()
{
    QFETCH(int, width);
    QFETCH(int, fontScale);
    QFETCH(QString, language);
    QFETCH(int, paychecks);
    const ScopedLanguage speaking(language);
    const auto restore = qScopeGuard([this] { m_reg->app->themeManager()->setFontScale(100); });
    m_reg->app->themeManager()->setFontScale(fontScale);
    m_reg->add(u"Paycheck"_s, 312'500);
    m_reg->add(u"Rent"_s, -1'234'567);
    for (int i = 0; i < paychecks; ++i)
        m_reg->add(u"Bonus"_s, 999'999'999, 2);
    const auto window = openWindow();
    window->resize(width, 900);
    RegisterTableView* view = window->registerScreen()->view();
    const auto right = [view] {
        return view->columnViewportPosition(Col::BalanceColumn)
            + view->columnWidth(Col::BalanceColumn) - view->viewport()->width();
    };
    // Balance ends within the register with no sideways scrolling; dates and
    // amounts read in full; rows are tall enough for the font and for the
    // editors typed into them.
    QTRY_VERIFY(right() <= 0);
    const int textMargins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    for (int row : { 0, 1, view->model()->rowCount() - 2 }) {
        for (int c :
            { Col::DateColumn, Col::PaymentColumn, Col::DepositColumn, Col::BalanceColumn }) {
            const QString shown = view->model()->index(row, c).data().toString();
            const QFontMetrics metrics(
                c == Col::DateColumn ? view->font() : ThemeManager::monospaceFont());
            QVERIFY2(view->columnWidth(c) >= metrics.horizontalAdvance(shown) + textMargins,
                qPrintable(shown));
        }
    }
    QLineEdit field;
    field.setFont(view->font());
    QVERIFY(view->rowHeight(0) >= field.sizeHint().height() + 4);
    QVERIFY(view->rowHeight(0) >= QFontMetrics(ThemeManager::monospaceFont()).height() + 8);
    if (width != 1280)
        return;
    // With room enough, every header reads whole (the sorted one with its
    // arrow) and Balance ends at the edge.
    QHeaderView* header = view->horizontalHeader();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
    for (int c = 0; c < RegisterModel::ColumnCount; ++c) {
        const QString title = view->model()->headerData(c, Qt::Horizontal).toString();
        const int needed = c == header->sortIndicatorSection()
            ? header->sectionSizeHint(c)
            : header->fontMetrics().horizontalAdvance(title) + margins;
        QVERIFY2(view->isColumnHidden(c) || view->columnWidth(c) >= needed, qPrintable(title));
    }
    QVERIFY(right() > -4);
}

void TestRegisterScreen::leavingAnEntryAsksFirst()
{
    const Transaction rent = m_reg->add(u"Rent"_s, -150000);
    const Account savings = m_reg->app.addAccount(u"Savings"_s);
    const auto window = openWindow();
    RegisterScreen* screen = window->registerScreen();
    RegisterModel* model = screen->model();
    const auto entryCell = [&](int column) { return model->index(model->newEntryRow(), column); };
    const auto typeEntry = [&](const QString& payment) {
        screen->view()->setFocus();
        screen->view()->setCurrentIndex(entryCell(Col::PayeeColumn));
        model->setData(entryCell(Col::PayeeColumn), u"Dentist"_s);
        model->setData(entryCell(Col::PaymentColumn), payment);
    };
    // Answers the question leaving asks, after `leave`; false if it was not asked.
    const auto answer = [](QMessageBox::StandardButton button, const auto& leave) {
        MessageBoxes::clearAnswers();
        MessageBoxes::setNextAnswer(button);
        leave();
        const auto shown = MessageBoxes::lastShown();
        return shown && shown->text == u"Save the transaction you are entering?"_s;
    };
    const auto newEntry = [&] { QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier); };
    QListWidget* accounts = window->sidebar()->list();

    // Another account, by a click in the list or by Alt+2, asks as quitting
    // does: Cancel stays with the entry, Save stores it first.
    typeEntry(u"95"_s);
    QVERIFY(answer(QMessageBox::Cancel, [&] {
        QTest::mouseClick(accounts->viewport(), Qt::LeftButton, {},
            accounts->visualItemRect(accounts->item(1)).center());
    }));
    QCOMPARE(std::tuple(screen->accountId(), accounts->currentRow(), model->buffer().payment),
        std::tuple(m_reg->checking.id, 0, u"95"_s));
    QVERIFY(answer(
        QMessageBox::Save, [&] { QTest::keyClick(window.get(), Qt::Key_2, Qt::AltModifier); }));
    QCOMPARE(std::tuple(screen->accountId(), m_reg->stored().size()), std::tuple(savings.id, 2));
    window->selectAccount(m_reg->checking.id);

    // Ctrl+N after a save that failed, or after clicking another row, keeps
    // the entry unless the user lets it go.
    typeEntry(u"12abc"_s);
    press(Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(Fixture::labelShowing(window.get(), u"12abc is not an amount"_s));
    QVERIFY(answer(QMessageBox::Cancel, newEntry));
    QCOMPARE(model->buffer().payment, u"12abc"_s);
    screen->view()->setCurrentIndex(model->index(0, Col::MemoColumn));
    QVERIFY(answer(QMessageBox::Save, newEntry));
    QCOMPARE(
        std::tuple(m_reg->stored().size(), model->buffer().payment), std::tuple(2, u"12abc"_s));
    QVERIFY(answer(QMessageBox::Discard, newEntry));
    QVERIFY(model->buffer().isBlank());
    QCOMPARE(screen->view()->currentIndex(), entryCell(Col::DateColumn));

    // Quitting: saving what cannot be saved keeps the window open with the reason.
    typeEntry(u"12abc"_s);
    QVERIFY(answer(QMessageBox::Save, [&] { QVERIFY(!window->close()); }));
    QVERIFY(Fixture::labelShowing(window.get(), u"12abc is not an amount"_s));

    // Corrected, while another row has changes too: Save keeps both.
    model->setData(entryCell(Col::PaymentColumn), u"95"_s);
    screen->view()->setCurrentIndex(model->index(0, Col::MemoColumn));
    model->setData(model->index(0, Col::MemoColumn), u"June"_s);
    QVERIFY(answer(QMessageBox::Save, [&] { QVERIFY(window->close()); }));
    QCOMPARE(
        std::tuple(m_reg->stored().size(), m_reg->app->transactions()->findById(rent.id)->memo),
        std::tuple(3, u"June"_s));
}

void TestRegisterScreen::datesAndMarksInTheLanguage()
{
    // German, with the date format the language writes.
    const auto restore = qScopeGuard([] { DateText::setDisplayFormat(QString()); });
    const ScopedLanguage german(u"de"_s);
    DateText::setDisplayFormat(QString());
    Transaction bakery = m_reg->add(u"Bakery"_s, -350, 3);
    bakery.cleared = true;
    QVERIFY(m_reg->app->transactions()->update(bakery));
    m_reg->show();
    const QString cleared = m_reg->cell(0, Col::ClearedColumn).data().toString();
    QCOMPARE(QStringList({ m_reg->cell(0, Col::DateColumn).data().toString(), cleared }),
        QStringList({ u"03.06.2025"_s,
            QCoreApplication::translate(
                "RegisterModel", "C", "Clr mark of a cleared transaction") }));
    QVERIFY(cleared != u"C"_s);

    // Typed the same way, the date with its own separators and the mark in
    // the language's letter; the store keeps its values.
    m_reg->model()->setData(
        m_reg->cell(m_reg->model()->newEntryRow(), Col::DateColumn), u"5.1.2026"_s);
    m_reg->enter(u"Florist"_s, u"30"_s, {}, cleared.toLower());
    const Transaction florist = m_reg->stored().first();
    QCOMPARE(std::tuple(florist.date, florist.cleared, florist.reconciled),
        std::tuple(QDate(2026, 1, 5), true, false));
}

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
