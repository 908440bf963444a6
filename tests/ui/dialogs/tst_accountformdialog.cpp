#include "DialogTestHelpers.h"
#include "data/Clock.h"
#include "ui/dialogs/AccountFormDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
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
};

void TestAccountFormDialog::newAccountRecord()
{
    AccountFormDialog dialog;
    QCOMPARE(dialog.asOfDate(), kNow.date());
    dialog.show();
    retype(field<QLineEdit>(dialog, "nameEdit"), QStringLiteral("  House Checking  "));
    field<QComboBox>(dialog, "typeCombo")->setCurrentIndex(1);
    field<QComboBox>(dialog, "currencyCombo")->setCurrentIndex(5);
    retype(field<QLineEdit>(dialog, "institutionEdit"), QStringLiteral(" First Local "));
    field<QDateEdit>(dialog, "asOfEdit")->setDate(QDate(2026, 1, 31));
    // Four characters at most, whatever they are.
    auto* number = field<QLineEdit>(dialog, "accountNumberEdit");
    retype(number, QStringLiteral("ab-7"));
    QCOMPARE(dialog.account().accountNumberLast4, QStringLiteral("ab-7"));
    retype(number, QStringLiteral("123456"));

    const Account a = dialog.account();
    QCOMPARE(dialog.account().id, a.id); // one id for the dialog's account
    QCOMPARE(a.name, QStringLiteral("House Checking"));
    QCOMPARE(a.type, AccountType::Savings);
    QCOMPARE(a.currency, Currency::JPY);
    QCOMPARE(a.institution, QStringLiteral("First Local"));
    QCOMPARE(a.accountNumberLast4, QStringLiteral("1234"));
    QCOMPARE(a.syncStatus, SyncStatus::Pending);
    QCOMPARE(dialog.asOfDate(), QDate(2026, 1, 31));

    // An empty name is handed back as such; the caller stores nothing.
    retype(field<QLineEdit>(dialog, "nameEdit"), QStringLiteral("   "));
    QCOMPARE(dialog.account().name, QString());
}

void TestAccountFormDialog::typedBalanceToCents_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint64>("cents");

    // Values whose product with 100 falls just below the whole cent.
    QTest::newRow("0.29") << "0.29"
                          << "$ 0.29" << qint64(29);
    QTest::newRow("4.35") << "4.35"
                          << "$ 4.35" << qint64(435);
    QTest::newRow("-1.15") << "-1.15"
                           << "$ -1.15" << qint64(-115);
    QTest::newRow("third decimal refused") << "0.285"
                                           << "$ 0.28" << qint64(28);
    QTest::newRow("minus one cent") << "-0.01"
                                    << "$ -0.01" << qint64(-1);
    QTest::newRow("largest") << "99999999.99"
                             << "$ 99999999.99" << qint64(9999999999);
    QTest::newRow("smallest") << "-99999999.99"
                              << "$ -99999999.99" << qint64(-9999999999);
}

void TestAccountFormDialog::typedBalanceToCents()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(qint64, cents);

    AccountFormDialog dialog;
    dialog.show();
    auto* balance = field<QDoubleSpinBox>(dialog, "startingBalanceSpin");
    retype(balance, typed);
    // What is stored is what the field shows.
    QCOMPARE(balance->text(), shown);
    QCOMPARE(dialog.account().startingBalance, cents);
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
    }
}

void TestAccountFormDialog::editKeepsSyncFields()
{
    const Account stored = storedAccount();
    AccountFormDialog dialog(stored);
    dialog.show();
    retype(field<QLineEdit>(dialog, "nameEdit"), QStringLiteral("Holiday Card"));
    const Account a = dialog.account();
    QCOMPARE(a.id, stored.id);
    QCOMPARE(a.name, QStringLiteral("Holiday Card"));
    QCOMPARE(a.type, stored.type);
    QCOMPARE(a.currency, stored.currency);
    QCOMPARE(a.startingBalance, stored.startingBalance);
    QCOMPARE(a.version, 7);
    QCOMPARE(a.serverId, stored.serverId);
    QCOMPARE(a.sortOrder, 4);
    QVERIFY(a.isShared);
    QCOMPARE(a.createdAt, stored.createdAt);
    QCOMPARE(a.updatedAt, kNow);
    QCOMPARE(a.syncStatus, SyncStatus::Pending);
}

QTEST_MAIN(TestAccountFormDialog)
#include "tst_accountformdialog.moc"
