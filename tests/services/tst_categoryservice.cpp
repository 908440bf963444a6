#include "Records.h"
#include "TestDatabase.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "services/CategoryService.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QTranslator>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

// Stands in for a catalogue: marks every name of the category service.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "CategoryService") != 0)
            return QString();
        return QStringLiteral("T-") + QLatin1String(source);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestCategoryService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void seedsTheDefaultSet();
    void idsAreNameBased();
    void seedsOnlyWithoutLiveCategories();
    void allDeletedCategoriesComeBack();
    void namesAndIdsFollowTheLanguage();
    void failedInsertKeepsGoing();
};

void TestCategoryService::seedsTheDefaultSet()
{
    TestDatabase test;
    CategoryRepository repo(test.db());
    CategoryService service(&repo);
    QSignalSpy changed(&repo, &CategoryRepository::categoriesChanged);
    service.ensureDefaults();
    QCOMPARE(changed.count(), 56);

    const auto count = [&](const QString& where) {
        return test.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE ") + where)
            .toInt();
    };
    QCOMPARE(count(QStringLiteral("1")), 56);
    QCOMPARE(count(QStringLiteral("category_type = 'expense'")), 48);
    QCOMPARE(count(QStringLiteral("category_type = 'expense' AND parent_id IS NULL")), 21);
    QCOMPARE(count(QStringLiteral("category_type = 'expense' AND parent_id IS NOT NULL")), 27);
    QCOMPARE(count(QStringLiteral("category_type = 'expense' AND is_tax_relevant = 1")), 8);
    QCOMPARE(count(QStringLiteral("category_type = 'expense' AND is_tax_relevant = 1 AND "
                                  "parent_id IS NULL")),
        7);
    QCOMPARE(test.scalar(QStringLiteral("SELECT name FROM categories WHERE is_tax_relevant = 1 "
                                        "AND parent_id IS NOT NULL"))
                 .toString(),
        QStringLiteral("Home Office"));
    QCOMPARE(count(QStringLiteral("category_type = 'income'")), 8);
    QCOMPARE(count(QStringLiteral("category_type = 'income' AND parent_id IS NULL")), 8);
    QCOMPARE(count(QStringLiteral("category_type = 'income' AND is_tax_relevant = 1")), 4);
    QCOMPARE(count(QStringLiteral("is_tax_relevant = 1 AND (tax_category IS NULL OR "
                                  "tax_category = '')")),
        0);
    QCOMPARE(count(QStringLiteral("is_tax_relevant = 0 AND tax_category != ''")), 0);
    QCOMPARE(count(QStringLiteral("is_default = 1 AND version = 1 AND sync_status = 'pending' AND "
                                  "created_at = '2026-03-14T09:26:53Z' AND updated_at = "
                                  "created_at AND server_id = '' AND account_id IS NULL")),
        56);
    QCOMPARE(count(QStringLiteral("parent_id IS NOT NULL AND parent_id NOT IN (SELECT id FROM "
                                  "categories WHERE parent_id IS NULL)")),
        0);

    // Created in order: first, the one sub-category among the tax rows, and last.
    QSqlQuery q(test.db()->database());
    QVERIFY(q.exec(QStringLiteral("SELECT c.name, COALESCE(p.name, ''), c.tax_category FROM "
                                  "categories c LEFT JOIN categories p ON c.parent_id = p.id "
                                  "ORDER BY c.rowid")));
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString() + QLatin1Char('<') + q.value(1).toString() + QLatin1Char('|')
                + q.value(2).toString();
    QCOMPARE(rows.size(), 56);
    QCOMPARE(rows[0], QStringLiteral("Charitable Donations<|charitable_contributions"));
    QCOMPARE(rows[3], QStringLiteral("Home Office<Business Expenses|home_office"));
    QCOMPARE(rows[7], QStringLiteral("Property Tax<|schedule_a_property_tax"));
    QCOMPARE(rows[10], QStringLiteral("Maintenance<Housing|"));
    QCOMPARE(rows[22], QStringLiteral("Maintenance<Transportation|"));
    QCOMPARE(rows[43], QStringLiteral("Auto<Insurance|"));
    QCOMPARE(rows[47], QStringLiteral("Late Fees<Fees & Charges|"));
    QCOMPARE(rows[52], QStringLiteral("Freelance / Consulting<|self_employment"));
    QCOMPARE(rows[55], QStringLiteral("Other Income<|"));
}

void TestCategoryService::idsAreNameBased()
{
    const QString allIds = QStringLiteral("SELECT group_concat(id) FROM (SELECT id FROM "
                                          "categories ORDER BY rowid)");
    QString firstInstallation;
    {
        TestDatabase test;
        CategoryRepository repo(test.db());
        CategoryService(&repo).ensureDefaults();

        // Expected ids computed independently (uuid5 of the key in the DNS namespace).
        const auto idOf = [&](const QString& name, const QString& parent) {
            return test
                .scalar(QStringLiteral("SELECT c.id FROM categories c LEFT JOIN categories p ON "
                                       "c.parent_id = p.id WHERE c.name = '%1' AND "
                                       "COALESCE(p.name, '') = '%2'")
                            .arg(name, parent))
                .toString();
        };
        QCOMPARE(idOf(QStringLiteral("Housing"), QString()),
            QStringLiteral("a3be4c14-fe7e-514c-b45e-22f112551974"));
        QCOMPARE(idOf(QStringLiteral("Maintenance"), QStringLiteral("Housing")),
            QStringLiteral("daf59c16-ae84-5a09-be11-bd9dcd047413"));
        QCOMPARE(idOf(QStringLiteral("Maintenance"), QStringLiteral("Transportation")),
            QStringLiteral("5128844d-e078-502e-877e-a6a67d8a3261"));
        QCOMPARE(idOf(QStringLiteral("Home Office"), QStringLiteral("Business Expenses")),
            QStringLiteral("7ac27a40-d9d3-5c60-af4b-fc3c84e61133"));
        QCOMPARE(idOf(QStringLiteral("Other Income"), QString()),
            QStringLiteral("fd5a555f-e222-5554-8e28-3a5d0085da6a"));
        firstInstallation = test.scalar(allIds).toString();
    }
    // The same on every installation, whatever the time.
    Clock::setFixedUtc(kNow.addYears(1));
    TestDatabase other;
    CategoryRepository otherRepo(other.db());
    CategoryService(&otherRepo).ensureDefaults();
    QCOMPARE(other.scalar(allIds).toString(), firstInstallation);
}

void TestCategoryService::seedsOnlyWithoutLiveCategories()
{
    {
        TestDatabase test;
        CategoryRepository repo(test.db());
        CategoryService service(&repo);
        service.ensureDefaults();
        QSignalSpy changed(&repo, &CategoryRepository::categoriesChanged);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        service.ensureDefaults();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(repo.count(), 56);
    }
    {
        TestDatabase test;
        CategoryRepository repo(test.db());
        QVERIFY(repo.insert(Records::category(QStringLiteral("Mine"))));
        CategoryService(&repo).ensureDefaults();
        QCOMPARE(test.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 1);
    }
}

void TestCategoryService::allDeletedCategoriesComeBack()
{
    TestDatabase test;
    CategoryRepository repo(test.db());
    CategoryService service(&repo);
    service.ensureDefaults();
    const Category mine = Records::category(QStringLiteral("Mine"));
    QVERIFY(repo.insert(mine));
    for (const Category& c : repo.findAll()) {
        QVERIFY(repo.markSynced(c.id, QStringLiteral("s")));
        QVERIFY(repo.softDelete(c.id));
    }
    QCOMPARE(repo.count(), 0);

    // The defaults' ids already exist (deleted): they are brought back, not inserted twice.
    Clock::setFixedUtc(kNow.addDays(30));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    service.ensureDefaults();
    QCOMPARE(repo.count(), 56);
    QCOMPARE(test.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 57);
    QCOMPARE(test.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS "
                                        "NULL AND sync_status = 'pending' AND updated_at = "
                                        "'2026-04-13T09:26:53Z'"))
                 .toInt(),
        56);
    QVERIFY(repo.findById(mine.id)->deletedAt);
    QCOMPARE(repo.findByName(QStringLiteral("Maintenance"))->isDefault, true);
    QCOMPARE(repo.findById(QStringLiteral("daf59c16-ae84-5a09-be11-bd9dcd047413"))->parentId,
        QStringLiteral("a3be4c14-fe7e-514c-b45e-22f112551974"));
}

void TestCategoryService::namesAndIdsFollowTheLanguage()
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    TestDatabase test;
    CategoryRepository repo(test.db());
    CategoryService(&repo).ensureDefaults();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(repo.count(), 56);
    const auto housing = repo.findByName(QStringLiteral("T-Housing"));
    QVERIFY(housing);
    QCOMPARE(housing->id, Ids::nameBased(Ids::kDnsNamespace, QStringLiteral("expense::T-Housing")));
    // Sub-categories find their parent by its translated name.
    QSqlQuery q(test.db()->database());
    QVERIFY(q.exec(QStringLiteral("SELECT id, parent_id FROM categories WHERE name = "
                                  "'T-Maintenance' ORDER BY rowid")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(),
        Ids::nameBased(Ids::kDnsNamespace, QStringLiteral("expense:T-Housing:T-Maintenance")));
    QCOMPARE(q.value(1).toString(), housing->id);
    QCOMPARE(test.scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE name NOT LIKE 'T-%' "
                                        "OR (parent_id IS NOT NULL AND parent_id NOT IN (SELECT "
                                        "id FROM categories))"))
                 .toInt(),
        0);
}

void TestCategoryService::failedInsertKeepsGoing()
{
    TestDatabase test;
    CategoryRepository repo(test.db());
    QVERIFY(test.exec(QStringLiteral("CREATE TRIGGER no_housing BEFORE INSERT ON categories WHEN "
                                     "new.name = 'Housing' BEGIN SELECT RAISE(ABORT, 'refused'); "
                                     "END")));
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: .*refused")));
    // Its three sub-categories still name the missing parent, which the foreign key refuses.
    for (int i = 0; i < 3; ++i)
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(
                QStringLiteral("^CategoryRepository::insert failed: .*FOREIGN KEY")));
    CategoryService(&repo).ensureDefaults();
    QCOMPARE(repo.count(), 52);
    QVERIFY(repo.findByName(QStringLiteral("Utilities")));
    QVERIFY(repo.findByName(QStringLiteral("Other Income")));
}

QTEST_GUILESS_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
