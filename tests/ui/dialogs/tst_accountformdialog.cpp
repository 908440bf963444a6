#include "DialogTestHelpers.h"
#include "Records.h"
#include "data/Clock.h"
#include "ui/dialogs/AccountFormDialog.h"
#include "ui/dialogs/CategoryFormDialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QTimeZone>

namespace {

using namespace DialogTest;

const QDateTime kNow(QDate(2026, 3, 11), QTime(12, 30, 5), QTimeZone::utc());

// Records as the store gives them back, every kept field set.
Account storedAccount()
{
    Account a = Records::account(QStringLiteral("Travel Card"), -123456);
    std::tie(a.type, a.currency, a.sortOrder, a.isShared, a.version, a.syncStatus, a.serverId)
        = std::tuple(AccountType::CreditCard, Currency::GBP, 4, true, 7, SyncStatus::Synced,
            QStringLiteral("srv-88"));
    a.createdAt = kNow.addYears(-2);
    return a;
}

Category storedCategory(CategoryType type)
{
    Category c = Records::category(QStringLiteral("Donations"), QStringLiteral("p-9"), type);
    std::tie(c.isTaxRelevant, c.taxCategory, c.color, c.isDefault, c.version, c.serverId)
        = std::tuple(true, QStringLiteral("charitable_contributions"), QStringLiteral("#AA3366"),
            true, 3, QStringLiteral("srv-7"));
    c.createdAt = kNow.addYears(-1);
    return c;
}

} // namespace

class TestAccountFormDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }
    void typedBalanceToCents_data();
    void typedBalanceToCents();
    void editKeepsTheRecordAndShowsAStoredBalance();
    void tabFollowsTheFieldsOnScreen();
    void categoryTaxCodeAndTheKeptRecord();
};

void TestAccountFormDialog::typedBalanceToCents_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint64>("amount");

    const auto row = [](const char* name, const char* currency, const char* typed,
                         const char* shown, qint64 amount) {
        QTest::newRow(name) << QString(currency) << QString(typed) << QString(shown) << amount;
    };
    // Values whose product with 100 falls just below the whole cent; the
    // field's own tests read decimals, commas and yen.
    row("0.29", "USD", "0.29", "$ 0.29", 29);
    row("minus one cent", "USD", "-0.01", "$ -0.01", -1);
    row("largest", "USD", "99999999.99", "$ 99999999.99", 9999999999);
    row("beyond the limit", "USD", "100000000", "$ 10000000", 1000000000);
    row("yen largest", "JPY", "99999999999", "¥ 9999999999", 9999999999);
}

void TestAccountFormDialog::typedBalanceToCents()
{
    QFETCH(QString, currency);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(qint64, amount);

    AccountFormDialog dialog;
    dialog.show();
    auto* currencies = field<QComboBox>(dialog, "currencyCombo");
    currencies->setCurrentIndex(currencies->findData(currency));
    auto* balance = field<QDoubleSpinBox>(dialog, "startingBalanceSpin");
    retype(balance, typed);
    // What is stored is what the field shows, in the currency chosen.
    QCOMPARE(balance->text(), shown);
    QCOMPARE(dialog.account().startingBalance, amount);
}

void TestAccountFormDialog::editKeepsTheRecordAndShowsAStoredBalance()
{
    const auto rowShown = [](AccountFormDialog& dialog, const char* name) {
        return dialog.findChild<QFormLayout*>()->isRowVisible(field<QWidget>(dialog, name));
    };
    // A new account's rows are walked through in the tab-order test.
    // Nothing stored on the account: its opening balance is a register row.
    Account plain = storedAccount();
    plain.startingBalance = 0;
    AccountFormDialog none(plain);
    QVERIFY(!rowShown(none, "startingBalanceSpin") && !rowShown(none, "asOfEdit"));
    QCOMPARE(none.account().startingBalance, 0);

    // A stored one is shown in the account's currency and can be changed;
    // the rest of the record is kept.
    const Account record = storedAccount();
    AccountFormDialog stored(record);
    stored.show();
    retype(field<QLineEdit>(stored, "nameEdit"), QStringLiteral("Holiday Card"));
    const Account a = stored.account();
    QCOMPARE(std::tie(a.name, a.updatedAt, a.syncStatus),
        std::tuple(QString("Holiday Card"), kNow, SyncStatus::Pending));
    QCOMPARE(std::tie(a.id, a.type, a.currency, a.startingBalance, a.version, a.serverId,
                 a.sortOrder, a.isShared, a.createdAt),
        std::tie(record.id, record.type, record.currency, record.startingBalance, record.version,
            record.serverId, record.sortOrder, record.isShared, record.createdAt));
    QVERIFY(rowShown(stored, "startingBalanceSpin") && !rowShown(stored, "asOfEdit"));
    auto* balance = field<QDoubleSpinBox>(stored, "startingBalanceSpin");
    QCOMPARE(balance->text(), QStringLiteral("£ -1234.56"));
    retype(balance, QStringLiteral("250.5"));
    QCOMPARE(stored.account().startingBalance, 25050);
    auto* currencies = field<QComboBox>(stored, "currencyCombo");
    currencies->setCurrentIndex(currencies->findData(QStringLiteral("JPY")));
    retype(balance, QStringLiteral("8000"));
    QCOMPARE(balance->text(), QStringLiteral("¥ 8000"));
    QCOMPARE(stored.account().startingBalance, 8000);
}

void TestAccountFormDialog::tabFollowsTheFieldsOnScreen()
{
    AccountFormDialog dialog;
    QCOMPARE(dialog.asOfDate(), kNow.date());
    QVERIFY(showActive(dialog));
    // Name, type, currency, balance, as of, institution, number; the date's
    // separators move through the date, not on to the next field.
    const QStringList typed { "Everyday", "", "E", "800,50", "5/1/2026", "River Bank", "0042" };
    for (const QString& text : typed) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const Account a = dialog.account();
    QCOMPARE(std::tie(a.name, a.currency, a.startingBalance, a.institution, a.accountNumberLast4),
        std::tuple(QString("Everyday"), Currency::EUR, qint64(80050), QString("River Bank"),
            QString("0042")));
    QCOMPARE(dialog.asOfDate(), QDate(2026, 5, 1));
    QCOMPARE(std::tuple(dialog.account().id, a.syncStatus), std::tuple(a.id, SyncStatus::Pending));

    // Pasted text keeps no control characters; the number keeps four characters at most.
    auto* name = field<QLineEdit>(dialog, "nameEdit");
    name->setText(QStringLiteral("  House\x07 Checking\n "));
    retype(field<QLineEdit>(dialog, "accountNumberEdit"), QStringLiteral("123456"));
    QCOMPARE(std::tuple(dialog.account().name, dialog.account().accountNumberLast4),
        std::tuple(QString("House Checking"), QString("1234")));
    // An empty name is handed back as such; the caller stores nothing.
    retype(name, QStringLiteral("   "));
    QCOMPARE(dialog.account().name, QString());
}

void TestAccountFormDialog::categoryTaxCodeAndTheKeptRecord()
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

    // An edit keeps the rest of the record.
    const Category stored = storedCategory(CategoryType::Income);
    CategoryFormDialog edit(stored, QStringLiteral("Giving"));
    QVERIFY(field<QLineEdit>(edit, "taxCodeEdit")->isEnabled());
    edit.show();
    retype(field<QLineEdit>(edit, "nameEdit"), QStringLiteral("Gifts"));
    c = edit.category();
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

QTEST_MAIN(TestAccountFormDialog)
#include "tst_accountformdialog.moc"
