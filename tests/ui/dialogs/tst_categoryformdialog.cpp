#include "DialogTestHelpers.h"
#include "data/Clock.h"
#include "ui/dialogs/CategoryFormDialog.h"

#include <QCheckBox>
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

    void taxCodeFollowsTheCheckBox();
    void editKeepsTheRestOfTheRecord();
};

void TestCategoryFormDialog::taxCodeFollowsTheCheckBox()
{
    CategoryFormDialog d(QStringLiteral("p-1"), QStringLiteral("Housing"));
    d.show();
    // Pasted text keeps no control characters.
    field<QLineEdit>(d, "nameEdit")
        ->setText(QStringLiteral("  Gar\x07"
                                 "den\n "));
    auto* tax = field<QCheckBox>(d, "taxRelevantCheck");
    auto* code = field<QLineEdit>(d, "taxCodeEdit");
    QVERIFY(!code->isEnabled());
    click(tax);
    QVERIFY(code->isEnabled());
    code->setText(QStringLiteral(" medical_\x1b"
                                 "expenses\x7f "));
    Category c = d.category();
    QCOMPARE(std::tie(c.name, c.parentId, c.isTaxRelevant, c.taxCategory),
        std::tuple(QString("Garden"), QString("p-1"), true, QString("medical_expenses")));

    // Unticking drops the code; ticking again does not bring it back.
    click(tax);
    QVERIFY(!code->isEnabled());
    QCOMPARE(d.category().taxCategory, QString());
    click(tax);
    QCOMPARE(d.category().taxCategory, QString());
}

void TestCategoryFormDialog::editKeepsTheRestOfTheRecord()
{
    const Category stored = storedCategory(CategoryType::Income);
    CategoryFormDialog d(stored, QStringLiteral("Giving"));
    QVERIFY(field<QLineEdit>(d, "taxCodeEdit")->isEnabled());
    d.show();
    retype(field<QLineEdit>(d, "nameEdit"), QStringLiteral("Gifts"));
    const Category c = d.category();
    QCOMPARE(std::tie(c.name, c.updatedAt), std::tuple(QString("Gifts"), kNow));
    QCOMPARE(std::tie(c.id, c.type, c.parentId, c.taxCategory, c.color, c.isDefault, c.version,
                 c.serverId, c.createdAt),
        std::tie(stored.id, stored.type, stored.parentId, stored.taxCategory, stored.color,
            stored.isDefault, stored.version, stored.serverId, stored.createdAt));

    // Transfer is not offered: such a category comes back as an expense.
    CategoryFormDialog transfer(storedCategory(CategoryType::Transfer), QString());
    QCOMPARE(std::tuple(
                 field<QComboBox>(transfer, "typeCombo")->currentText(), transfer.category().type),
        std::tuple(QString("Expense"), CategoryType::Expense));

    // A code stored on a category that is not tax-relevant is neither shown nor kept.
    Category untaxed = stored;
    untaxed.isTaxRelevant = false;
    CategoryFormDialog plain(untaxed, QString());
    QCOMPARE(QStringList(
                 { field<QLineEdit>(plain, "taxCodeEdit")->text(), plain.category().taxCategory }),
        QStringList({ "", "" }));
}

QTEST_MAIN(TestCategoryFormDialog)
#include "tst_categoryformdialog.moc"
