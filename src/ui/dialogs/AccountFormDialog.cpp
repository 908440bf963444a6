#include "AccountFormDialog.h"

#include "DialogFrame.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/SingleLine.h"
#include "ui/widgets/FormDateEdit.h"
#include "ui/widgets/SmartAmountField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include <utility>

namespace {

// The labels are translated where the combos are filled.
const std::pair<const char*, AccountType> kTypeItems[] = {
    { QT_TRANSLATE_NOOP("AccountFormDialog", "Checking"), AccountType::Checking },
    { QT_TRANSLATE_NOOP("AccountFormDialog", "Savings"), AccountType::Savings },
    { QT_TRANSLATE_NOOP("AccountFormDialog", "Credit Card"), AccountType::CreditCard },
    { QT_TRANSLATE_NOOP("AccountFormDialog", "Cash"), AccountType::Cash },
    { QT_TRANSLATE_NOOP("AccountFormDialog", "Investment"), AccountType::Investment },
    { QT_TRANSLATE_NOOP("AccountFormDialog", "Other"), AccountType::Other },
};

const std::pair<const char*, Currency> kCurrencyItems[] = {
    { QT_TRANSLATE_NOOP("AccountFormDialog", "USD ($)"), Currency::USD },
    { QT_TRANSLATE_NOOP("AccountFormDialog", "EUR (€)"), Currency::EUR },
    { QT_TRANSLATE_NOOP("AccountFormDialog", "GBP (£)"), Currency::GBP },
    { QT_TRANSLATE_NOOP("AccountFormDialog", "CAD ($)"), Currency::CAD },
    { QT_TRANSLATE_NOOP("AccountFormDialog", "AUD ($)"), Currency::AUD },
    { QT_TRANSLATE_NOOP("AccountFormDialog", "JPY (¥)"), Currency::JPY },
};

void selectData(QComboBox* combo, const QString& data)
{
    const int index = combo->findData(data);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace

AccountFormDialog::AccountFormDialog(QWidget* parent)
    : QDialog(parent)
{
    m_account.id = Ids::newId();
    buildForm();
    setWindowTitle(tr("New Account"));
}

AccountFormDialog::AccountFormDialog(const Account& account, QWidget* parent)
    : QDialog(parent)
    , m_account(account)
    , m_editing(true)
{
    buildForm();
    setWindowTitle(tr("Edit Account"));
    fill(account);
}

void AccountFormDialog::buildForm()
{
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setPlaceholderText(tr("Account name"));

    m_type = new QComboBox;
    m_type->setObjectName(QStringLiteral("typeCombo"));
    for (const auto& [label, type] : kTypeItems)
        m_type->addItem(tr(label), accountTypeToText(type));

    m_currency = new QComboBox;
    m_currency->setObjectName(QStringLiteral("currencyCombo"));
    for (const auto& [label, currency] : kCurrencyItems)
        m_currency->addItem(tr(label), currencyToText(currency));

    m_startingBalance = new SmartAmountField;
    m_startingBalance->setObjectName(QStringLiteral("startingBalanceSpin"));
    m_startingBalance->setCurrency(Currency::USD, true);
    // The amount is typed in the currency chosen above it.
    connect(m_currency, &QComboBox::currentIndexChanged, this,
        [this] { m_startingBalance->setCurrency(selectedCurrency(), true); });

    m_asOf = new FormDateEdit(Clock::today());
    m_asOf->setObjectName(QStringLiteral("asOfEdit"));

    m_institution = new QLineEdit;
    m_institution->setObjectName(QStringLiteral("institutionEdit"));
    m_institution->setPlaceholderText(tr("Bank name (optional)"));

    m_accountNumber = new QLineEdit;
    m_accountNumber->setObjectName(QStringLiteral("accountNumberEdit"));
    m_accountNumber->setMaxLength(4);
    m_accountNumber->setPlaceholderText(tr("Last 4 digits (optional)"));

    m_form = new QFormLayout;
    m_form->addRow(tr("&Name:"), m_name);
    m_form->addRow(tr("&Type:"), m_type);
    m_form->addRow(tr("&Currency:"), m_currency);
    m_form->addRow(tr("Starting &Balance:"), m_startingBalance);
    m_form->addRow(tr("&As of:"), m_asOf);
    m_form->addRow(tr("&Institution:"), m_institution);
    m_form->addRow(tr("Account &Number:"), m_accountNumber);

    DialogFrame::frameForm(this, m_form, 400);
    m_name->setFocus();
}

void AccountFormDialog::fill(const Account& account)
{
    m_name->setText(account.name);
    selectData(m_type, accountTypeToText(account.type));
    selectData(m_currency, currencyToText(account.currency));
    m_startingBalance->setCurrency(account.currency, true);
    m_startingBalance->setAmount(account.startingBalance);
    // The opening balance of an account is its "Opening Balance" transaction,
    // changed in the register; only older or imported data keeps one on the
    // account itself, and that one stays editable here.
    m_form->setRowVisible(m_startingBalance, account.startingBalance != 0);
    m_form->setRowVisible(m_asOf, false);
    m_institution->setText(account.institution);
    m_accountNumber->setText(account.accountNumberLast4);
}

Account AccountFormDialog::account() const
{
    Account result = m_account;
    const QDateTime now = Clock::nowUtc();
    if (!m_editing)
        result.createdAt = now;
    result.name = SingleLine::clean(m_name->text());
    result.type = accountTypeFromText(m_type->currentData().toString());
    result.currency = selectedCurrency();
    result.startingBalance = m_startingBalance->amount();
    result.institution = SingleLine::clean(m_institution->text());
    result.accountNumberLast4 = SingleLine::clean(m_accountNumber->text());
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}

void AccountFormDialog::accept()
{
    if (SmartAmountField::confirmAll(this))
        QDialog::accept();
}

QDate AccountFormDialog::asOfDate() const
{
    return m_asOf->date();
}

Currency AccountFormDialog::selectedCurrency() const
{
    return currencyFromText(m_currency->currentData().toString());
}

void AccountFormDialog::lockCurrency()
{
    m_currency->setEnabled(false);
    m_currency->setToolTip(tr("The currency cannot change once the account holds amounts in it."));
}
