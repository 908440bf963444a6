#include "Records.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"
#include "ui/screens/SearchResultsModel.h"
#include "ui/screens/SearchScreen.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2025, 6, 18);

Transaction addWithMemo(TestAppState& app, const QString& accountId, int daysAgo,
    const QString& payee, const QString& memo, bool cleared = false)
{
    Transaction t = Records::transaction(accountId, kToday.addDays(-daysAgo), payee, -1000);
    t.memo = memo;
    t.cleared = cleared;
    if (!app->transactions()->insert(t))
        qFatal("transaction could not be stored");
    return t;
}

QStringList payees(const SearchScreen& screen)
{
    QStringList out;
    for (int row = 0; row < screen.model()->rowCount(); ++row)
        out << screen.model()->transactionAt(row)->payee;
    return out;
}

} // namespace

class TestSearchScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Clock::setFixedUtc(QDateTime(kToday, QTime(12, 0), Qt::UTC));
    }

    void typingFiltersAndPunctuation();
    void enterOnAResultLandsOnItInTheRegister();
};

void TestSearchScreen::typingFiltersAndPunctuation()
{
    TestAppState app;
    const Account checking = app.addAccount(u"Checking"_s);
    const Account visa = app.addAccount(u"Visa"_s);
    addWithMemo(app, checking.id, 40, u"Greenleaf Market"_s, u"Weekly groceries"_s, true);
    addWithMemo(app, checking.id, 3, u"Greenleaf Market"_s, u"Groceries again"_s);
    addWithMemo(app, visa.id, 10, u"Corner Shop"_s, u"groceries, milk"_s, true);
    addWithMemo(app, visa.id, 1, u"Hilltop Gas"_s, u"Fill up"_s);

    SearchScreen screen(app.state());
    QAbstractItemModelTester checked(screen.results());
    screen.show();
    screen.refreshFilters();
    // An empty line lists the newest of every account first.
    QCOMPARE(payees(screen),
        QStringList(
            { u"Hilltop Gas"_s, u"Greenleaf Market"_s, u"Corner Shop"_s, u"Greenleaf Market"_s }));
    QCOMPARE(screen.model()->rowCount(), 4); // no row to type into

    // Quick typing searches once, for the whole word, after the pause.
    QSignalSpy resets(screen.model(), &QAbstractItemModel::modelReset);
    QTest::keyClicks(screen.searchLine(), u"gro"_s);
    QTest::qWait(100);
    QTest::keyClicks(screen.searchLine(), u"c"_s);
    QCOMPARE(resets.count(), 0);
    QTRY_COMPARE(resets.count(), 1);
    QTest::qWait(400);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(payees(screen).size(), 3);

    // Filters take effect at once and combine.
    auto* accounts = screen.findChild<QComboBox*>(u"accountCombo"_s);
    accounts->setCurrentIndex(accounts->findData(visa.id));
    QCOMPARE(payees(screen), QStringList({ u"Corner Shop"_s }));
    accounts->setCurrentIndex(0);
    auto* cleared = screen.findChild<QCheckBox*>(u"clearedOnlyCheck"_s);
    cleared->setChecked(true);
    QCOMPARE(payees(screen), QStringList({ u"Corner Shop"_s, u"Greenleaf Market"_s }));
    // A date moved while the range is off changes nothing; ticking it applies both.
    auto* from = screen.findChild<QDateEdit*>(u"fromDate"_s);
    QVERIFY(!from->isEnabled());
    QCOMPARE(from->date(), kToday.addMonths(-1));
    resets.clear();
    from->setDate(kToday.addDays(-20));
    QCOMPARE(resets.count(), 0);
    screen.findChild<QCheckBox*>(u"dateRangeCheck"_s)->setChecked(true);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(payees(screen), QStringList({ u"Corner Shop"_s }));
    QCOMPARE(screen.currentFilter().to, kToday);

    // Punctuation alone finds as an empty line does, within the filters.
    screen.searchLine()->setText(u"!!"_s);
    QTRY_COMPARE(resets.count(), 2);
    QCOMPARE(payees(screen), QStringList({ u"Corner Shop"_s }));

    // Opening again puts the lists back on "All" but keeps text and marks.
    accounts->setCurrentIndex(accounts->findData(checking.id));
    screen.refreshFilters();
    QCOMPARE(std::tuple(accounts->currentIndex(), accounts->count()), std::tuple(0, 3));
    QVERIFY(screen.currentFilter().accountId.isEmpty());
    QVERIFY(screen.currentFilter().cleared.value_or(false));

    // Rows of a yen account keep yen figures beside dollar ones.
    Account yen = app.addAccount(u"Yen"_s);
    yen.currency = Currency::JPY;
    QVERIFY(app->accounts()->update(yen));
    addWithMemo(app, yen.id, 2, u"Ramen Stand"_s, u"Groceries in Osaka"_s, true);
    screen.refreshFilters();
    QTRY_VERIFY(payees(screen).contains(u"Ramen Stand"_s));
    const int ramen = int(payees(screen).indexOf(u"Ramen Stand"_s));
    const int corner = int(payees(screen).indexOf(u"Corner Shop"_s));
    // Each row names its account; an amount finds the rows of that amount,
    // and finding nothing says so.
    SearchResultsModel* results = screen.results();
    const auto cell
        = [&](int row, int column) { return results->index(row, column).data().toString(); };
    QCOMPARE(QStringList({ cell(ramen, RegisterModel::PaymentColumn),
                 cell(corner, RegisterModel::PaymentColumn), cell(ramen, results->accountColumn()),
                 cell(corner, results->accountColumn()),
                 results->headerData(results->accountColumn(), Qt::Horizontal).toString() }),
        QStringList({ u"1,000"_s, u"10.00"_s, u"Yen"_s, u"Visa"_s, u"Account"_s }));
    auto* noMatches = screen.findChild<QLabel*>(u"noMatchesLabel"_s);
    QVERIFY(!noMatches->isVisible());
    screen.searchLine()->setText(u"1,000"_s);
    QTRY_COMPARE(payees(screen), QStringList({ u"Ramen Stand"_s }));
    screen.searchLine()->setText(u"94.75"_s);
    QTRY_VERIFY(noMatches->isVisible());
    QCOMPARE(noMatches->text(), u"No matches"_s);
}

void TestSearchScreen::enterOnAResultLandsOnItInTheRegister()
{
    TestAppState app;
    const Account checking = app.addAccount(u"Checking"_s);
    const Account savings = app.addAccount(u"Savings"_s);
    for (int day = 60; day > 0; --day)
        addWithMemo(app, checking.id, day, u"Payee %1"_s.arg(day), u"routine"_s);
    const Transaction wanted
        = addWithMemo(app, savings.id, 30, u"Riverbend"_s, u"Quarterly interest"_s);
    for (int day = 60; day > 0; --day)
        addWithMemo(app, savings.id, day, u"Other %1"_s.arg(day), u"routine"_s);
    app->setCurrentAccountId(checking.id);

    MainWindow window(app.state());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.registerScreen()->accountId(), checking.id);

    window.showSearchWindow();
    auto* screen = window.findChild<SearchScreen*>();
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->focusWidget(), screen->searchLine());
    QTest::keyClicks(screen->searchLine(), u"quarter"_s);
    QTRY_COMPARE(screen->model()->rowCount(), 1);
    screen->view()->setFocus();
    screen->view()->setCurrentIndex(screen->results()->index(0, RegisterModel::MemoColumn));
    QTest::keyClick(screen->view(), Qt::Key_Return);

    RegisterScreen* reg = window.registerScreen();
    QCOMPARE(QStringList({ reg->accountId(), app->currentAccountId() }),
        QStringList({ savings.id, savings.id }));
    const QModelIndex current = reg->view()->currentIndex();
    QVERIFY(reg->model()->transactionAt(current.row()));
    QCOMPARE(reg->model()->transactionAt(current.row())->id, wanted.id);
    QVERIFY(reg->view()->viewport()->rect().intersects(reg->view()->visualRect(current)));
}

QTEST_MAIN(TestSearchScreen)
#include "tst_searchscreen.moc"
