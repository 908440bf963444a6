#include "DialogTestHelpers.h"
#include "data/Clock.h"
#include "ui/dialogs/AccountFormDialog.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QTimeZone>

namespace {

using namespace DialogTest;

const QDateTime kNow(QDate(2026, 3, 11), QTime(12, 30, 5), QTimeZone::utc());

Account storedAccount()
{
    Account a;
    a.id = QStringLiteral("2f1c9a7e-5b3d-4e8a-9c61-0d7f3b2a1e45");
    a.name = QStringLiteral("Travel Card");
    a.type = AccountType::CreditCard;
    a.currency = Currency::GBP;
    a.startingBalance = -123456;
    a.sortOrder = 4;
    a.isShared = true;
    a.version = 7;
    a.syncStatus = SyncStatus::Synced;
    a.serverId = QStringLiteral("srv-88");
    a.createdAt = QDateTime(QDate(2024, 5, 1), QTime(8, 0), QTimeZone::utc());
    return a;
}

} // namespace

class TestAccountFormDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }
    void newAccountRecord();
    void typedBalanceToCents_data();
    void typedBalanceToCents();
    void storedBalancesSurviveAnEdit();
    void editKeepsSyncFields();
    void editShowsAStartingBalanceOnlyWhereOneIsStored();
    void tabFollowsTheFieldsOnScreen();
};

void TestAccountFormDialog::newAccountRecord()
{
    AccountFormDialog dialog;
    QCOMPARE(dialog.asOfDate(), kNow.date());
    dialog.show();
    // Pasted text keeps no control characters.
    field<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("  House\x07 Checking\n "));
    field<QComboBox>(dialog, "typeCombo")->setCurrentIndex(1);
    field<QComboBox>(dialog, "currencyCombo")->setCurrentIndex(5);
    field<QLineEdit>(dialog, "institutionEdit")->setText(QStringLiteral(" First\x1b Local\x7f "));
    field<QDateEdit>(dialog, "asOfEdit")->setDate(QDate(2026, 1, 31));
    // Four characters at most, whatever they are.
    auto* number = field<QLineEdit>(dialog, "accountNumberEdit");
    retype(number, QStringLiteral("ab-7"));
    QCOMPARE(dialog.account().accountNumberLast4, QStringLiteral("ab-7"));
    retype(number, QStringLiteral("123456"));

    const Account a = dialog.account();
    QCOMPARE(dialog.account().id, a.id); // one id for the dialog's account
    QCOMPARE(
        std::tie(a.name, a.type, a.currency, a.institution, a.accountNumberLast4, a.syncStatus),
        std::tuple(QString("House Checking"), AccountType::Savings, Currency::JPY,
            QString("First Local"), QString("1234"), SyncStatus::Pending));
    QCOMPARE(dialog.asOfDate(), QDate(2026, 1, 31));

    // An empty name is handed back as such; the caller stores nothing.
    retype(field<QLineEdit>(dialog, "nameEdit"), QStringLiteral("   "));
    QCOMPARE(dialog.account().name, QString());
}

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
    // Values whose product with 100 falls just below the whole cent.
    row("0.29", "USD", "0.29", "$ 0.29", 29);
    row("4.35", "USD", "4.35", "$ 4.35", 435);
    row("-1.15", "USD", "-1.15", "$ -1.15", -115);
    row("third decimal refused", "USD", "0.285", "$ 0.28", 28);
    row("minus one cent", "USD", "-0.01", "$ -0.01", -1);
    row("largest", "USD", "99999999.99", "$ 99999999.99", 9999999999);
    row("smallest", "USD", "-99999999.99", "$ -99999999.99", -9999999999);
    row("beyond the limit", "USD", "100000000", "$ 10000000", 1000000000);
    row("euro", "EUR", "12.35", "€ 12.35", 1235);
    // The register's reading: a decimal comma, and a full stop before three
    // digits groups thousands.
    row("euro decimal comma", "EUR", "800,50", "€ 800,50", 80050);
    row("euro thousands", "EUR", "2.000", "€ 2.000", 200000);
    row("yen", "JPY", "10000", "¥ 10000", 10000);
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

void TestAccountFormDialog::storedBalancesSurviveAnEdit()
{
    // Every cent pattern, small and large, both signs.
    QList<qint64> balances { 0, 1234567890, -9999999999, 9999999999, 4999999995 };
    for (qint64 c = 1; c <= 100; ++c)
        balances << c << -(c + 123400) << c + 9999999900 - 100;
    for (qint64 cents : balances) {
        Account a = storedAccount();
        a.startingBalance = cents;
        QCOMPARE(AccountFormDialog(a).account().startingBalance, cents);
        a.currency = Currency::JPY;
        QCOMPARE(AccountFormDialog(a).account().startingBalance, cents);
    }
}

void TestAccountFormDialog::editKeepsSyncFields()
{
    const Account stored = storedAccount();
    AccountFormDialog dialog(stored);
    dialog.show();
    retype(field<QLineEdit>(dialog, "nameEdit"), QStringLiteral("Holiday Card"));
    const Account a = dialog.account();
    QCOMPARE(a.name, QStringLiteral("Holiday Card"));
    QCOMPARE(std::tie(a.id, a.type, a.currency, a.startingBalance, a.version, a.serverId,
                 a.sortOrder, a.isShared, a.createdAt),
        std::tie(stored.id, stored.type, stored.currency, stored.startingBalance, stored.version,
            stored.serverId, stored.sortOrder, stored.isShared, stored.createdAt));
    QCOMPARE(std::tie(a.updatedAt, a.syncStatus), std::tuple(kNow, SyncStatus::Pending));
}

void TestAccountFormDialog::editShowsAStartingBalanceOnlyWhereOneIsStored()
{
    const auto rowShown = [](AccountFormDialog& dialog, const char* name) {
        return dialog.findChild<QFormLayout*>()->isRowVisible(field<QWidget>(dialog, name));
    };
    AccountFormDialog created;
    QVERIFY(rowShown(created, "startingBalanceSpin") && rowShown(created, "asOfEdit"));

    // Nothing stored on the account: its opening balance is a register row.
    Account plain = storedAccount();
    plain.startingBalance = 0;
    AccountFormDialog none(plain);
    QVERIFY(!rowShown(none, "startingBalanceSpin") && !rowShown(none, "asOfEdit"));
    QCOMPARE(none.account().startingBalance, 0);

    // A stored one is shown in the account's currency and can be changed.
    AccountFormDialog stored(storedAccount());
    stored.show();
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
}

QTEST_MAIN(TestAccountFormDialog)
#include "tst_accountformdialog.moc"
