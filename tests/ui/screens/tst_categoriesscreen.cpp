#include "DialogTestHelpers.h"
#include "Records.h"
#include "TestAppState.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/CategoryService.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"
#include "ui/screens/CategoriesScreen.h"
#include "ui/screens/CategoryTreeModel.h"
#include "ui/screens/PayeeScreen.h"
#include "ui/screens/SearchResultsModel.h"
#include "ui/screens/SearchScreen.h"
#include "ui/widgets/MessageBoxes.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QCheckBox>
#include <QDateEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTreeView>
#include <QTreeWidget>

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

Category addCategory(TestAppState& app, const QString& name, const QString& parentId = {},
    CategoryType type = CategoryType::Expense)
{
    const Category c = Records::category(name, parentId, type);
    if (!app->categories()->insert(c))
        qFatal("category could not be stored");
    return c;
}

QModelIndex shown(const CategoriesScreen& screen, const QString& id)
{
    return screen.proxy()->mapFromSource(screen.model()->indexOf(id));
}

// "payee|count|Similar" for every row of the list.
QStringList rows(const PayeeScreen& screen)
{
    QStringList out;
    for (int i = 0; i < screen.list()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = screen.list()->topLevelItem(i);
        out << QStringList(
            { item->text(PayeeScreen::PayeeColumn), item->text(PayeeScreen::CountColumn),
                item->text(PayeeScreen::SimilarColumn) })
                   .join(u'|');
    }
    return out;
}

void select(PayeeScreen& screen, const QStringList& payees)
{
    screen.list()->clearSelection();
    for (int i = 0; i < screen.list()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = screen.list()->topLevelItem(i);
        item->setSelected(payees.contains(item->text(PayeeScreen::PayeeColumn)));
    }
}

} // namespace

class TestCategoriesScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        Clock::setFixedUtc(QDateTime(kToday, QTime(9, 30), Qt::UTC));
        MessageBoxes::clearAnswers();
    }

    void treeFilterExpansionAndDeletion();
    void payeeRenameAndMergeCountLiveRows();
    void searchTypingAndFilters();
    void searchEnterOnAResultLandsOnItInTheRegister();
};

void TestCategoriesScreen::treeFilterExpansionAndDeletion()
{
    TestAppState app;
    const Account checking = app.addAccount(u"Checking"_s);
    const Category car = addCategory(app, u"Car"_s);
    const Category fuel = addCategory(app, u"Fuel"_s, car.id);
    const Category other = addCategory(app, u"Other"_s);
    app.addTransaction(checking.id, QDate(2025, 6, 1), u"A"_s, -100, car.id);
    const Transaction onFuel
        = app.addTransaction(checking.id, QDate(2025, 6, 2), u"B"_s, -200, fuel.id);
    const Transaction onOther
        = app.addTransaction(checking.id, QDate(2025, 6, 3), u"C"_s, -300, other.id);
    const Transaction deleted
        = app.addTransaction(checking.id, QDate(2025, 6, 4), u"D"_s, -400, fuel.id);
    QVERIFY(app->transactions()->softDelete(deleted.id));
    SplitLine line = Records::splitLine(fuel.id, -300);
    line.transactionId = onOther.id;
    QVERIFY(app->splitLines()->insert(line));
    QVERIFY(app->transactions()->markSynced(onOther.id, u"srv-1"_s));
    RecurringTransaction monthly
        = Records::recurring(checking.id, u"Fuel card"_s, QDate(2025, 7, 1));
    monthly.categoryId = fuel.id;
    QVERIFY(app->recurring()->insert(monthly) && app->recurring()->markSynced(monthly.id, u"s"_s));
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 19), QTime(8, 0), Qt::UTC));

    // A write that fails partway leaves categories and transactions as they were.
    QVERIFY(app.exec(
        u"CREATE TRIGGER stop BEFORE UPDATE ON transactions BEGIN SELECT RAISE(ABORT, 'stop'); END"_s));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"clearCategories failed"_s));
    QVERIFY(!app->categoryService()->remove(car.id).removed);
    QVERIFY(!app->categories()->findById(car.id)->deletedAt
        && !app->categories()->findById(fuel.id)->deletedAt);
    QCOMPARE(app->transactions()->findById(onFuel.id)->categoryId, fuel.id);
    QVERIFY(app.exec(u"DROP TRIGGER stop"_s));

    const Category meals = addCategory(app, u"Meals"_s);
    const Category food = addCategory(app, u"Food"_s, meals.id);
    const Category gone = addCategory(app, u"Old Parent"_s);
    const Category orphan = addCategory(app, u"Orphan"_s, gone.id);
    const Category bonus = addCategory(app, u"Bonus"_s, {}, CategoryType::Income);
    QVERIFY(app->categories()->softDelete(gone.id));

    CategoriesScreen screen(app.state());
    QAbstractItemModelTester tester(
        screen.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    screen.show();
    screen.reload();
    CategoryTreeModel* model = screen.model();

    // A sub-category whose parent was deleted stands at the top level.
    QVERIFY(model->indexOf(orphan.id).isValid() && !model->indexOf(orphan.id).parent().isValid());
    QVERIFY(!model->indexOf(gone.id).isValid());
    const QModelIndex mealsRow = model->indexOf(meals.id);
    QCOMPARE(model->indexOf(food.id).parent(), mealsRow);
    const QModelIndex bonusType = model->indexOf(bonus.id).siblingAtColumn(1);
    QCOMPARE(model->data(bonusType).toString(), u"income"_s);
    QCOMPARE(model->data(bonusType, Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 136, 0));

    // Searching keeps the parents of what matches, opened; clearing closes them.
    QTest::keyClicks(screen.searchLine(), u"foo"_s);
    QVERIFY(shown(screen, food.id).isValid() && shown(screen, meals.id).isValid());
    QVERIFY(!shown(screen, bonus.id).isValid());
    QVERIFY(screen.view()->isExpanded(shown(screen, meals.id)));
    screen.searchLine()->clear();
    QVERIFY(shown(screen, bonus.id).isValid());
    QVERIFY(!screen.view()->isExpanded(shown(screen, meals.id)));

    // Closed with a search and opened again, the window shows the whole tree.
    QTest::keyClicks(screen.searchLine(), u"foo"_s);
    screen.close();
    screen.reload();
    screen.show();
    QVERIFY(screen.searchLine()->text().isEmpty());
    QVERIFY(shown(screen, bonus.id).isValid());

    // An opened row stays open over a reload that brings a new category.
    const QString utilitiesId = app->categories()->findByName(u"Utilities"_s)->id;
    screen.view()->expand(shown(screen, utilitiesId));
    addCategory(app, u"Aardvark Care"_s);
    screen.reload();
    QVERIFY(screen.view()->isExpanded(shown(screen, utilitiesId)));
    QVERIFY(!screen.view()->isExpanded(shown(screen, meals.id)));

    screen.view()->setCurrentIndex(shown(screen, car.id));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    screen.onDeleteCategory();
    QVERIFY(MessageBoxes::lastShown()->title == u"Delete Category"_s
        && MessageBoxes::lastShown()->text.contains(u"\"Car\" and its 1 sub-categories"_s));

    QVERIFY(app->categories()->findById(car.id)->deletedAt
        && app->categories()->findById(fuel.id)->deletedAt);
    QVERIFY(!screen.model()->indexOf(fuel.id).isValid());
    // Live rows lose the category and are sent again; a split line needs one,
    // so it goes to "Uncategorized" and its transaction is sent again; a
    // schedule is left uncategorised; the deleted row keeps its category.
    QCOMPARE(app.column(u"SELECT t.payee || ' ' || COALESCE(c.name, '-') || ' ' || t.sync_status"
                        " || ' ' || t.updated_at FROM transactions t LEFT JOIN categories c"
                        " ON c.id = t.category_id ORDER BY t.payee"_s),
        QStringList({ u"A - pending 2025-06-19T08:00:00Z"_s, u"B - pending 2025-06-19T08:00:00Z"_s,
            u"C Other pending 2025-06-19T08:00:00Z"_s, u"D Fuel pending 2025-06-18T09:30:00Z"_s }));
    QCOMPARE(
        app.column(u"SELECT c.name FROM split_lines s JOIN categories c ON c.id = s.category_id"
                   " UNION ALL SELECT COALESCE(category_id, '-') || ' ' || sync_status"
                   " FROM recurring_transactions"_s),
        QStringList({ u"Uncategorized"_s, u"- pending"_s }));

    // A category without sub-categories is asked about alone.
    screen.view()->setCurrentIndex(shown(screen, other.id));
    MessageBoxes::setNextAnswer(QMessageBox::No);
    screen.onDeleteCategory();
    QCOMPARE(MessageBoxes::lastShown()->text,
        u"Delete \"Other\"? Transactions using this category will become uncategorized."_s);
    QVERIFY(!app->categories()->findById(other.id)->deletedAt);
}

void TestCategoriesScreen::payeeRenameAndMergeCountLiveRows()
{
    TestAppState app;
    const Account a = app.addAccount(u"Checking"_s);
    const QDate day(2025, 6, 1);
    for (const QString& payee :
        { u"Acme"_s, u"Acme"_s, u" acme "_s, u"Bob"_s, u"Bob"_s, u"Carl"_s })
        app.addTransaction(a.id, day, payee, -100);
    QVERIFY(app->transactions()->softDelete(app.addTransaction(a.id, day, u"Bob"_s, -5).id));

    PayeeScreen screen(app.state());
    QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
    screen.reload();
    QCOMPARE(rows(screen),
        QStringList({ u" acme |1|Similar"_s, u"Acme|2|Similar"_s, u"Bob|2|"_s, u"Carl|1|"_s }));

    select(screen, { u"Bob"_s });
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 19), QTime(7, 5, 9), Qt::UTC));
    screen.renameLine()->setText(u"  Robert "_s);
    // The box, shown for real, leaves its title room to be read whole.
    int titleRoom = -1;
    DialogTest::whenOpen<QMessageBox>([&titleRoom](QMessageBox& box) {
        titleRoom = box.width() - box.fontMetrics().horizontalAdvance(box.windowTitle());
        box.button(QMessageBox::Ok)->click();
    });
    screen.onRename();
    QVERIFY(titleRoom >= MessageBoxes::kTitleBarRoom);
    QCOMPARE(std::tie(MessageBoxes::lastShown()->title, MessageBoxes::lastShown()->text),
        std::tuple(u"Rename Complete"_s, u"Renamed 2 transaction(s)."_s));
    QCOMPARE(changed.count(), 1);
    // The deleted row keeps its payee.
    QCOMPARE(app.column(u"SELECT DISTINCT payee || ' ' || updated_at || ' ' || sync_status FROM"
                        " transactions WHERE payee IN ('Bob', 'Robert') ORDER BY payee"_s),
        QStringList(
            { u"Bob 2025-06-18T09:30:00Z pending"_s, u"Robert 2025-06-19T07:05:09Z pending"_s }));

    // Merging into the first selected, tidied of its spaces.
    select(screen, { u"Acme"_s, u" acme "_s, u"Carl"_s });
    screen.renameLine()->clear();
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    screen.onMerge();
    QCOMPARE(MessageBoxes::lastShown()->text, u"Merged 4 transaction(s)."_s);
    QCOMPARE(rows(screen), QStringList({ u"Robert|2|"_s, u"acme|4|"_s }));

    // Merging three into the first one's name counts only the other two's rows.
    app.addTransaction(a.id, day, u"Dora"_s, -100);
    screen.reload();
    select(screen, { u"Robert"_s, u"acme"_s, u"Dora"_s });
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    screen.onMerge();
    QCOMPARE(MessageBoxes::lastShown()->text, u"Merged 6 transaction(s)."_s);
    QCOMPARE(rows(screen), QStringList({ u"Dora|7|"_s }));
    QCOMPARE(changed.count(), 3);

    select(screen, { u"Dora"_s });

    // A write that fails at the last row changes none and announces nothing.
    QVERIFY(
        app.exec(u"CREATE TRIGGER stop BEFORE UPDATE ON transactions WHEN old.rowid = "
                 "(SELECT max(rowid) FROM transactions) BEGIN SELECT RAISE(ABORT, 'stop'); END"_s));
    screen.renameLine()->setText(u"Both"_s);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"renamePayees failed"_s));
    screen.onRename();
    QCOMPARE(MessageBoxes::lastShown()->title, u"Rename Failed"_s);
    QCOMPARE(app.column(u"SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL"_s),
        QStringList({ u"Dora"_s }));
    QCOMPARE(changed.count(), 3);
}

void TestCategoriesScreen::searchTypingAndFilters()
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

    // Quick typing searches once, for the whole word, after the pause.
    QSignalSpy resets(screen.model(), &QAbstractItemModel::modelReset);
    QTest::keyClicks(screen.searchLine(), u"gro"_s);
    QTest::qWait(100);
    QTest::keyClicks(screen.searchLine(), u"c"_s);
    QCOMPARE(resets.count(), 0);
    QTRY_COMPARE(resets.count(), 1);
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
    resets.clear();
    from->setDate(kToday.addDays(-20));
    QCOMPARE(resets.count(), 0);
    screen.findChild<QCheckBox*>(u"dateRangeCheck"_s)->setChecked(true);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(payees(screen), QStringList({ u"Corner Shop"_s }));

    // Rows of a yen account keep yen figures beside dollar ones.
    const Account yen = app.addAccount(u"Yen"_s, 0, Currency::JPY);
    addWithMemo(app, yen.id, 2, u"Ramen Stand"_s, u"Groceries in Osaka"_s, true);
    screen.refreshFilters();
    QTRY_VERIFY(payees(screen).contains(u"Ramen Stand"_s));
    const int ramen = int(payees(screen).indexOf(u"Ramen Stand"_s));
    const int corner = int(payees(screen).indexOf(u"Corner Shop"_s));
    // Each row names its account; finding nothing says so.
    SearchResultsModel* results = screen.results();
    const auto cell
        = [&](int row, int column) { return results->index(row, column).data().toString(); };
    QCOMPARE(QStringList({ cell(ramen, RegisterModel::PaymentColumn),
                 cell(corner, RegisterModel::PaymentColumn), cell(ramen, results->accountColumn()),
                 cell(corner, results->accountColumn()),
                 results->headerData(results->accountColumn(), Qt::Horizontal).toString() }),
        QStringList({ u"1,000"_s, u"10.00"_s, u"Yen"_s, u"Visa"_s, u"Account"_s }));
    screen.searchLine()->setText(u"94.75"_s);
    QTRY_VERIFY(screen.findChild<QLabel*>(u"noMatchesLabel"_s)->isVisible());
}

void TestCategoriesScreen::searchEnterOnAResultLandsOnItInTheRegister()
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
    QVERIFY(DialogTest::showActive(window));

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

QTEST_MAIN(TestCategoriesScreen)
#include "tst_categoriesscreen.moc"
