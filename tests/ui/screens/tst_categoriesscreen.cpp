#include "Records.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/CategoryService.h"
#include "ui/screens/CategoriesScreen.h"
#include "ui/screens/CategoryTreeModel.h"
#include "ui/widgets/MessageBoxes.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

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

} // namespace

class TestCategoriesScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(9, 30), Qt::UTC));
    }
    void init() { MessageBoxes::clearAnswers(); }

    void treeFilterAndExpansion();
    void deletingClearsTransactionsInOneUnit();
};

void TestCategoriesScreen::treeFilterAndExpansion()
{
    TestAppState app;
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
    QVERIFY(model->data(mealsRow, Qt::FontRole).value<QFont>().bold());
    QVERIFY(!model->data(model->indexOf(food.id), Qt::FontRole).isValid());
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
    QVERIFY(screen.proxy()->rowCount() > 3);

    // An opened row stays open over a reload that brings a new category.
    const QString utilitiesId = app->categories()->findByName(u"Utilities"_s)->id;
    QCOMPARE(shown(screen, utilitiesId).data().toString(), u"Utilities"_s);
    screen.view()->expand(shown(screen, utilitiesId));
    addCategory(app, u"Aardvark Care"_s);
    screen.reload();
    QVERIFY(screen.view()->isExpanded(shown(screen, utilitiesId)));
    QVERIFY(!screen.view()->isExpanded(shown(screen, meals.id)));
}

void TestCategoriesScreen::deletingClearsTransactionsInOneUnit()
{
    TestAppState app;
    const Account checking = app.addAccount(u"Checking"_s);
    const Category car = addCategory(app, u"Car"_s);
    const Category fuel = addCategory(app, u"Fuel"_s, car.id);
    const Category other = addCategory(app, u"Other"_s);
    const Transaction onCar
        = app.addTransaction(checking.id, QDate(2025, 6, 1), u"A"_s, -100, car.id);
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
    QSqlQuery(app->database()->database())
        .exec(
            u"CREATE TRIGGER stop BEFORE UPDATE ON transactions BEGIN SELECT RAISE(ABORT, 'stop'); END"_s);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"clearCategories failed"_s));
    QVERIFY(!app->categoryService()->remove(car.id).removed);
    QVERIFY(!app->categories()->findById(car.id)->deletedAt
        && !app->categories()->findById(fuel.id)->deletedAt);
    QCOMPARE(app->transactions()->findById(onFuel.id)->categoryId, fuel.id);
    QSqlQuery(app->database()->database()).exec(u"DROP TRIGGER stop"_s);

    CategoriesScreen screen(app.state());
    screen.show();
    screen.reload();
    screen.view()->setCurrentIndex(shown(screen, car.id));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    screen.onDeleteCategory();
    QVERIFY(MessageBoxes::lastShown()->title == u"Delete Category"_s
        && MessageBoxes::lastShown()->text.contains(u"\"Car\" and its 1 sub-categories"_s));

    QVERIFY(app->categories()->findById(car.id)->deletedAt
        && app->categories()->findById(fuel.id)->deletedAt);
    QVERIFY(!screen.model()->indexOf(fuel.id).isValid());
    for (const QString& id : { onCar.id, onFuel.id }) {
        const Transaction t = *app->transactions()->findById(id);
        QCOMPARE(std::tie(t.categoryId, t.syncStatus), std::tuple(QString(), SyncStatus::Pending));
        QCOMPARE(queryColumn(app->database()->database(),
                     u"SELECT updated_at FROM transactions WHERE id = '%1'"_s.arg(id)),
            QStringList { u"2025-06-19T08:00:00Z"_s });
    }
    QCOMPARE(app->transactions()->findById(onOther.id)->categoryId, other.id);
    QCOMPARE(app->transactions()->findById(deleted.id)->categoryId, fuel.id);
    // A split line needs a category: it goes to "Uncategorized", and its
    // transaction is sent again; a schedule is left uncategorised.
    const auto uncategorized = app->categories()->findByName(u"Uncategorized"_s);
    QVERIFY(uncategorized);
    QCOMPARE(
        app->splitLines()->findByTransaction(onOther.id).first().categoryId, uncategorized->id);
    QCOMPARE(app->transactions()->findById(onOther.id)->syncStatus, SyncStatus::Pending);
    const auto schedule = app->recurring()->findById(monthly.id);
    QCOMPARE(std::tie(schedule->categoryId, schedule->syncStatus),
        std::tuple(QString(), SyncStatus::Pending));

    // A category without sub-categories is asked about alone.
    screen.view()->setCurrentIndex(shown(screen, other.id));
    MessageBoxes::setNextAnswer(QMessageBox::No);
    screen.onDeleteCategory();
    QCOMPARE(MessageBoxes::lastShown()->text,
        u"Delete \"Other\"? Transactions using this category will become uncategorized."_s);
    QVERIFY(!app->categories()->findById(other.id)->deletedAt);
}

QTEST_MAIN(TestCategoriesScreen)
#include "tst_categoriesscreen.moc"
