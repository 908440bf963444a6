#include "DialogTestHelpers.h"
#include "data/Clock.h"
#include "ui/dialogs/CategoryFormDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeZone>

namespace {

using namespace DialogTest;

const QDateTime kNow(QDate(2026, 1, 15), QTime(9, 30), QTimeZone::utc());

Category storedCategory()
{
    Category c;
    c.id = QStringLiteral("0b9f3c1e-7a42-4d8e-b1f0-5c6d7e8f9a01");
    c.name = QStringLiteral("Donations");
    c.type = CategoryType::Income;
    c.parentId = QStringLiteral("5a1e2b3c-4d5e-4f60-8172-93a4b5c6d7e8");
    c.isTaxRelevant = true;
    c.taxCategory = QStringLiteral("charitable_contributions");
    c.icon = QStringLiteral("favorite");
    c.color = QStringLiteral("#AA3366");
    c.isDefault = true;
    c.accountId = QStringLiteral("acc-1");
    c.version = 3;
    c.syncStatus = SyncStatus::Synced;
    c.serverId = QStringLiteral("srv-7");
    c.createdAt = QDateTime(QDate(2025, 3, 1), QTime(8, 0), QTimeZone::utc());
    c.updatedAt = QDateTime(QDate(2025, 4, 1), QTime(8, 0), QTimeZone::utc());
    return c;
}

} // namespace

class TestCategoryFormDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void titlesAndParentRow();
    void newCategoryRecord();
    void taxCodeFollowsTheCheckBox();
    void editKeepsTheRestOfTheRecord();
    void transferCategoryComesBackAsExpense();
    void okAndCancel();
};

void TestCategoryFormDialog::titlesAndParentRow()
{
    CategoryFormDialog top { QString(), QString() };
    QCOMPARE(top.windowTitle(), QStringLiteral("New Category"));
    QVERIFY(!top.findChild<QLabel*>(QStringLiteral("parentLabel")));

    CategoryFormDialog sub(QStringLiteral("p-1"), QStringLiteral("Housing"));
    QCOMPARE(sub.windowTitle(), QStringLiteral("New Subcategory"));
    auto* parent = field<QLabel>(sub, "parentLabel");
    QCOMPARE(parent->text(), QStringLiteral("Housing"));
    QVERIFY(parent->textInteractionFlags() & Qt::TextSelectableByMouse);
    auto* caption = qobject_cast<QLabel*>(sub.findChild<QFormLayout*>()->labelForField(parent));
    QCOMPARE(caption->text(), QStringLiteral("&Parent:"));
    QCOMPARE(sub.category().parentId, QStringLiteral("p-1"));

    // A parent id without a name to show: a subcategory, no parent row.
    CategoryFormDialog unnamed(QStringLiteral("p-2"), QString());
    QCOMPARE(unnamed.windowTitle(), QStringLiteral("New Subcategory"));
    QVERIFY(!unnamed.findChild<QLabel*>(QStringLiteral("parentLabel")));
    QCOMPARE(unnamed.category().parentId, QStringLiteral("p-2"));

    CategoryFormDialog edit(storedCategory(), QStringLiteral("Giving"));
    QCOMPARE(edit.windowTitle(), QStringLiteral("Edit Category"));
    QCOMPARE(field<QLabel>(edit, "parentLabel")->text(), QStringLiteral("Giving"));

    sub.show();
    QVERIFY(QTest::qWaitForWindowActive(&sub));
    QCOMPARE(QApplication::focusWidget(), field<QLineEdit>(sub, "nameEdit"));
}

void TestCategoryFormDialog::newCategoryRecord()
{
    CategoryFormDialog d(QStringLiteral("p-1"), QStringLiteral("Housing"));
    d.show();
    auto* type = field<QComboBox>(d, "typeCombo");
    QCOMPARE(type->count(), 2);
    QCOMPARE(type->itemText(0), QStringLiteral("Expense"));
    QCOMPARE(type->itemText(1), QStringLiteral("Income"));
    QCOMPARE(type->currentIndex(), 0);
    retype(field<QLineEdit>(d, "nameEdit"), QStringLiteral("  Garden  "));

    Category c = d.category();
    QCOMPARE(c.id.size(), 36);
    QCOMPARE(c.id, c.id.toLower());
    QCOMPARE(d.category().id, c.id);
    QCOMPARE(c.name, QStringLiteral("Garden"));
    QCOMPARE(c.type, CategoryType::Expense);
    QCOMPARE(c.parentId, QStringLiteral("p-1"));
    QVERIFY(!c.isTaxRelevant);
    QCOMPARE(c.taxCategory, QString());
    QCOMPARE(c.createdAt, kNow);
    QCOMPARE(c.updatedAt, kNow);
    QCOMPARE(c.version, 1);
    QCOMPARE(c.syncStatus, SyncStatus::Pending);

    type->setFocus();
    QTest::keyClick(type, Qt::Key_Down);
    QCOMPARE(d.category().type, CategoryType::Income);

    // An empty name comes back empty; the caller stores nothing then.
    retype(field<QLineEdit>(d, "nameEdit"), QStringLiteral("   "));
    QCOMPARE(d.category().name, QString());
}

void TestCategoryFormDialog::taxCodeFollowsTheCheckBox()
{
    CategoryFormDialog d { QString(), QString() };
    d.show();
    auto* tax = field<QCheckBox>(d, "taxRelevantCheck");
    auto* code = field<QLineEdit>(d, "taxCodeEdit");
    auto* codeLabel = field<QLabel>(d, "taxCodeLabel");
    QCOMPARE(
        tax->toolTip(), QStringLiteral("Mark this category for inclusion in tax-time reports."));
    QCOMPARE(codeLabel->buddy(), code);
    QVERIFY(!code->isEnabled());
    QVERIFY(!codeLabel->isEnabled());

    click(tax);
    QVERIFY(tax->isChecked());
    QVERIFY(code->isEnabled());
    QVERIFY(codeLabel->isEnabled());
    retype(code, QStringLiteral(" medical_expenses "));
    QVERIFY(d.category().isTaxRelevant);
    QCOMPARE(d.category().taxCategory, QStringLiteral("medical_expenses"));

    // Unticking drops the code, and ticking again does not bring it back.
    click(tax);
    QVERIFY(!code->isEnabled());
    QVERIFY(!codeLabel->isEnabled());
    QCOMPARE(code->text(), QString());
    QVERIFY(!d.category().isTaxRelevant);
    QCOMPARE(d.category().taxCategory, QString());
    click(tax);
    QCOMPARE(code->text(), QString());
    QCOMPARE(d.category().taxCategory, QString());

    // The label's mnemonic reaches the code field while it is enabled.
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), code);
}

void TestCategoryFormDialog::editKeepsTheRestOfTheRecord()
{
    const Category stored = storedCategory();
    CategoryFormDialog d(stored, QStringLiteral("Giving"));
    QCOMPARE(field<QLineEdit>(d, "nameEdit")->text(), stored.name);
    QCOMPARE(field<QComboBox>(d, "typeCombo")->currentText(), QStringLiteral("Income"));
    QVERIFY(field<QCheckBox>(d, "taxRelevantCheck")->isChecked());
    QVERIFY(field<QLineEdit>(d, "taxCodeEdit")->isEnabled());
    QCOMPARE(field<QLineEdit>(d, "taxCodeEdit")->text(), stored.taxCategory);

    d.show();
    retype(field<QLineEdit>(d, "nameEdit"), QStringLiteral("Gifts"));
    const Category c = d.category();
    QCOMPARE(c.id, stored.id);
    QCOMPARE(c.name, QStringLiteral("Gifts"));
    QCOMPARE(c.type, CategoryType::Income);
    QCOMPARE(c.parentId, stored.parentId);
    QVERIFY(c.isTaxRelevant);
    QCOMPARE(c.taxCategory, stored.taxCategory);
    QCOMPARE(c.icon, stored.icon);
    QCOMPARE(c.color, stored.color);
    QVERIFY(c.isDefault);
    QCOMPARE(c.accountId, stored.accountId);
    QCOMPARE(c.version, 3);
    QCOMPARE(c.serverId, stored.serverId);
    QCOMPARE(c.createdAt, stored.createdAt);
    QCOMPARE(c.updatedAt, kNow);
    QCOMPARE(c.syncStatus, SyncStatus::Pending);

    // A stored code on a category that is not tax-relevant is not shown or kept.
    Category untaxed = stored;
    untaxed.isTaxRelevant = false;
    CategoryFormDialog plain(untaxed, QString());
    QVERIFY(!field<QLineEdit>(plain, "taxCodeEdit")->isEnabled());
    QCOMPARE(field<QLineEdit>(plain, "taxCodeEdit")->text(), QString());
    QCOMPARE(plain.category().taxCategory, QString());
}

void TestCategoryFormDialog::transferCategoryComesBackAsExpense()
{
    Category transfer = storedCategory();
    transfer.type = CategoryType::Transfer;
    CategoryFormDialog d(transfer, QString());
    QCOMPARE(field<QComboBox>(d, "typeCombo")->currentText(), QStringLiteral("Expense"));
    QCOMPARE(d.category().type, CategoryType::Expense);

    Category expense = storedCategory();
    expense.type = CategoryType::Expense;
    CategoryFormDialog e(expense, QString());
    QCOMPARE(field<QComboBox>(e, "typeCombo")->currentIndex(), 0);
    QCOMPARE(e.category().type, CategoryType::Expense);
}

void TestCategoryFormDialog::okAndCancel()
{
    for (const auto button : { QDialogButtonBox::Ok, QDialogButtonBox::Cancel }) {
        CategoryFormDialog dialog { QString(), QString() };
        dialog.show();
        clickButton(dialog, button);
        QCOMPARE(dialog.result(),
            button == QDialogButtonBox::Ok ? QDialog::Accepted : QDialog::Rejected);
        QVERIFY(!dialog.isVisible());
    }
}

QTEST_MAIN(TestCategoryFormDialog)
#include "tst_categoryformdialog.moc"
