#include "Records.h"
#include "TestDatabase.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "services/CategoryService.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);
// Computed independently: uuid5 of the key in the DNS namespace.
const QString kHousing = "a3be4c14-fe7e-514c-b45e-22f112551974";
const QString kHousingMaintenance = "daf59c16-ae84-5a09-be11-bd9dcd047413";
const QString kTransportMaintenance = "5128844d-e078-502e-877e-a6a67d8a3261";

// Stands in for a catalogue: marks every name of the category service.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, "CategoryService") == 0 ? QString("T-") + source : QString();
    }
    bool isEmpty() const override { return false; }
};

struct Seeded {
    TestDatabase test;
    CategoryRepository repo { test.db() };
    CategoryService service { test.db(), &repo };
    int count(const char* where) const
    {
        return test.scalar(QString("SELECT COUNT(*) FROM categories WHERE ") + where).toInt();
    }
};

} // namespace

class TestCategoryService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void seedsTheDefaultSetWithNameBasedIds();
    void seedsOnlyWithoutLiveCategories();
    void allDeletedCategoriesComeBack();
    void namesAndIdsFollowTheLanguage();
    void interruptedSeedingLeavesNoneAndIsRedone();
};

void TestCategoryService::seedsTheDefaultSetWithNameBasedIds()
{
    // The same ids on every installation: the ids below are computed independently.
    Seeded s;
    QSignalSpy changed(&s.repo, &CategoryRepository::categoriesChanged);
    s.service.ensureDefaults();
    QCOMPARE(changed.count(), 1); // once the whole set is stored

    // type | top level | tax relevant | count
    QCOMPARE(s.test.column(
                 "SELECT category_type || '|' || (parent_id IS NULL) || '|' || is_tax_relevant "
                 "|| '|' || COUNT(*) FROM categories GROUP BY category_type, parent_id IS NULL, "
                 "is_tax_relevant ORDER BY 1"),
        QStringList({ "expense|0|0|26", "expense|0|1|1", "expense|1|0|14", "expense|1|1|7",
            "income|1|0|4", "income|1|1|4" }));
    QCOMPARE(s.count("is_tax_relevant = (COALESCE(tax_category, '') != '') AND is_default = 1 "
                     "AND version = 1 AND sync_status = 'pending' AND created_at = "
                     "'2026-03-14T09:26:53Z' AND updated_at = created_at AND server_id = '' AND "
                     "account_id IS NULL AND (parent_id IS NULL OR parent_id IN (SELECT id FROM "
                     "categories WHERE parent_id IS NULL))"),
        56);

    QCOMPARE(s.repo.findById(kHousing)->name, "Housing");
    QCOMPARE(s.repo.findById(kHousingMaintenance)->parentId, kHousing);
    const auto other = s.repo.findById(kTransportMaintenance);
    QCOMPARE(other->name, "Maintenance");
    QCOMPARE(s.repo.findById(other->parentId)->name, "Transportation");
}

void TestCategoryService::seedsOnlyWithoutLiveCategories()
{
    Seeded mine;
    QVERIFY(mine.repo.insert(Records::category("Mine")));
    mine.service.ensureDefaults();
    QCOMPARE(mine.count("1"), 1);
}

void TestCategoryService::allDeletedCategoriesComeBack()
{
    Seeded s;
    s.service.ensureDefaults();
    const Category mine = Records::category("Mine");
    QVERIFY(s.repo.insert(mine));
    for (const Category& c : s.repo.findAll())
        QVERIFY(s.repo.markSynced(c.id, "s") && s.repo.softDelete(c.id));
    QCOMPARE(s.repo.count(), 0);

    // The defaults' ids already exist (deleted): they are brought back, not inserted twice.
    Clock::setFixedUtc(kNow.addDays(30));
    QTest::failOnWarning(QRegularExpression("."));
    s.service.ensureDefaults();
    QCOMPARE(s.repo.count(), 56);
    QCOMPARE(s.count("1"), 57);
    QCOMPARE(s.count("deleted_at IS NULL AND sync_status = 'pending' AND updated_at = "
                     "'2026-04-13T09:26:53Z'"),
        56);
    QVERIFY(s.repo.findById(mine.id)->deletedAt);
    QCOMPARE(s.repo.findById(kHousingMaintenance)->parentId, kHousing);
}

void TestCategoryService::namesAndIdsFollowTheLanguage()
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    Seeded s;
    s.service.ensureDefaults();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(s.count("name LIKE 'T-%' AND (parent_id IS NULL OR parent_id IN (SELECT id FROM "
                     "categories))"),
        56);
    // Sub-categories find their parent by its translated name.
    const QString housing = Ids::nameBased(Ids::kDnsNamespace, "expense::T-Housing");
    const auto maintenance
        = s.repo.findById(Ids::nameBased(Ids::kDnsNamespace, "expense:T-Housing:T-Maintenance"));
    QCOMPARE(maintenance->parentId, housing);
    QCOMPARE(s.repo.findById(housing)->name, "T-Housing");
}

void TestCategoryService::interruptedSeedingLeavesNoneAndIsRedone()
{
    Seeded s;
    QSignalSpy changed(&s.repo, &CategoryRepository::categoriesChanged);
    // The ninth default fails, as a start cut short there would leave it.
    QVERIFY(s.test.exec("CREATE TRIGGER no_housing BEFORE INSERT ON categories "
                        "WHEN new.name = 'Housing' BEGIN SELECT RAISE(ABORT, "
                        "'refused'); END"));
    expectWarning("^CategoryRepository::insert failed: .*refused");
    s.service.ensureDefaults();
    QCOMPARE(s.count("1"), 0);
    QCOMPARE(changed.count(), 0);

    QVERIFY(s.test.exec("DROP TRIGGER no_housing"));
    s.service.ensureDefaults();
    QCOMPARE(s.count("1"), 56);
    QCOMPARE(s.repo.findById(kHousingMaintenance)->parentId, kHousing);
}

QTEST_GUILESS_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
