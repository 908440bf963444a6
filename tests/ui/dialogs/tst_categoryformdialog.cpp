#include "DialogTestHelpers.h"
#include "data/Clock.h"
#include "ui/dialogs/CategoryFormDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimeZone>

namespace {

using namespace DialogTest;

const QDateTime kNow(QDate(2026, 1, 15), QTime(9, 30), QTimeZone::utc());

Category storedCategory(CategoryType type)
{
    Category c;
    c.id = QStringLiteral("0b9f3c1e-7a42-4d8e-b1f0-5c6d7e8f9a01");
    c.name = QStringLiteral("Donations");
    c.type = type;
    c.parentId = QStringLiteral("5a1e2b3c-4d5e-4f60-8172-93a4b5c6d7e8");
    c.isTaxRelevant = true;
    c.taxCategory = QStringLiteral("charitable_contributions");
    c.color = QStringLiteral("#AA3366");
    c.isDefault = true;
    c.version = 3;
    c.syncStatus = SyncStatus::Synced;
    c.serverId = QStringLiteral("srv-7");
    c.createdAt = QDateTime(QDate(2025, 3, 1), QTime(8, 0), QTimeZone::utc());
    return c;
}

} // namespace

class TestCategoryFormDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void newCategoryOrSubcategory();
    void taxCodeFollowsTheCheckBox();
    void editKeepsTheRestOfTheRecord();
};

void TestCategoryFormDialog::newCategoryOrSubcategory()
{
    CategoryFormDialog top { QString(), QString() };
    QCOMPARE(top.windowTitle(), QStringLiteral("New Category"));
    QVERIFY(!top.findChild<QLabel*>(QStringLiteral("parentLabel")));

    CategoryFormDialog d(QStringLiteral("p-1"), QStringLiteral("Housing"));
    QCOMPARE(d.windowTitle(), QStringLiteral("New Subcategory"));
    QCOMPARE(field<QLabel>(d, "parentLabel")->text(), QStringLiteral("Housing"));
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("  Garden  "));
    auto* type = field<QComboBox>(d, "typeCombo");
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Down);

    const Category c = d.category();
    QCOMPARE(c.id.size(), 36);
    QCOMPARE(d.category().id, c.id);
    QCOMPARE(c.name, QStringLiteral("Garden"));
    QCOMPARE(c.type, CategoryType::Income);
    QCOMPARE(c.parentId, QStringLiteral("p-1"));
    QVERIFY(!c.isTaxRelevant);
    QCOMPARE(c.createdAt, kNow);
    QCOMPARE(c.updatedAt, kNow);
    QCOMPARE(c.syncStatus, SyncStatus::Pending);

    // A parent id without a name to show: a subcategory without the parent row.
    CategoryFormDialog unnamed(QStringLiteral("p-2"), QString());
    QCOMPARE(unnamed.windowTitle(), QStringLiteral("New Subcategory"));
    QVERIFY(!unnamed.findChild<QLabel*>(QStringLiteral("parentLabel")));
    QCOMPARE(unnamed.category().parentId, QStringLiteral("p-2"));
}

void TestCategoryFormDialog::taxCodeFollowsTheCheckBox()
{
    CategoryFormDialog d { QString(), QString() };
    d.show();
    auto* tax = field<QCheckBox>(d, "taxRelevantCheck");
    auto* code = field<QLineEdit>(d, "taxCodeEdit");
    auto* codeLabel = field<QLabel>(d, "taxCodeLabel");
    QVERIFY(!code->isEnabled());
    QVERIFY(!codeLabel->isEnabled());

    click(tax);
    QVERIFY(code->isEnabled());
    QVERIFY(codeLabel->isEnabled());
    retype(code, QStringLiteral(" medical_expenses "));
    QVERIFY(d.category().isTaxRelevant);
    QCOMPARE(d.category().taxCategory, QStringLiteral("medical_expenses"));

    // Unticking drops the code; ticking again does not bring it back.
    click(tax);
    QVERIFY(!code->isEnabled());
    QVERIFY(!codeLabel->isEnabled());
    QCOMPARE(d.category().taxCategory, QString());
    click(tax);
    QCOMPARE(code->text(), QString());
    QCOMPARE(d.category().taxCategory, QString());
}

void TestCategoryFormDialog::editKeepsTheRestOfTheRecord()
{
    const Category stored = storedCategory(CategoryType::Income);
    CategoryFormDialog d(stored, QStringLiteral("Giving"));
    QCOMPARE(d.windowTitle(), QStringLiteral("Edit Category"));
    QCOMPARE(field<QComboBox>(d, "typeCombo")->currentText(), QStringLiteral("Income"));
    QVERIFY(field<QLineEdit>(d, "taxCodeEdit")->isEnabled());
    d.show();
    retype(field<QLineEdit>(d, "nameEdit"), QStringLiteral("Gifts"));
    const Category c = d.category();
    QCOMPARE(c.id, stored.id);
    QCOMPARE(c.name, QStringLiteral("Gifts"));
    QCOMPARE(c.type, CategoryType::Income);
    QCOMPARE(c.parentId, stored.parentId);
    QCOMPARE(c.taxCategory, stored.taxCategory);
    QCOMPARE(c.color, stored.color);
    QVERIFY(c.isDefault);
    QCOMPARE(c.version, 3);
    QCOMPARE(c.serverId, stored.serverId);
    QCOMPARE(c.createdAt, stored.createdAt);
    QCOMPARE(c.updatedAt, kNow);
    QCOMPARE(c.syncStatus, SyncStatus::Pending);

    // Transfer is not offered: such a category comes back as an expense.
    CategoryFormDialog transfer(storedCategory(CategoryType::Transfer), QString());
    QCOMPARE(field<QComboBox>(transfer, "typeCombo")->currentText(), QStringLiteral("Expense"));
    QCOMPARE(transfer.category().type, CategoryType::Expense);

    // A code stored on a category that is not tax-relevant is neither shown nor kept.
    Category untaxed = stored;
    untaxed.isTaxRelevant = false;
    CategoryFormDialog plain(untaxed, QString());
    QCOMPARE(field<QLineEdit>(plain, "taxCodeEdit")->text(), QString());
    QCOMPARE(plain.category().taxCategory, QString());
}

QTEST_MAIN(TestCategoryFormDialog)
#include "tst_categoryformdialog.moc"
