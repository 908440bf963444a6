#include "RecurringFormDialog.h"

#include "RecurringModel.h"

#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/TransactionRepository.h"
#include "services/RecurringLogging.h"
#include "services/RecurringService.h"
#include "ui/dialogs/CategoryComboBox.h"
#include "ui/dialogs/DialogFrame.h"
#include "ui/widgets/CategoryChoices.h"
#include "ui/widgets/FormDateEdit.h"
#include "ui/widgets/SmartAmountField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QDate kEarliestDate(2000, 1, 1);

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState* state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    m_original.frequency = Frequency::Monthly;
    m_original.isActive = true;
    m_original.version = 1;
    buildForm();
    setWindowTitle(tr("New Recurring Transaction"));
}

RecurringFormDialog::RecurringFormDialog(
    AppState* state, const RecurringTransaction& schedule, Mode mode, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_original(schedule)
    , m_editMode(mode == Mode::Edit)
    , m_fromSeed(mode == Mode::Memorize)
{
    buildForm();
    setWindowTitle(m_editMode ? tr("Edit Recurring Transaction") : tr("Memorize Transaction"));
    fill(schedule);
}

void RecurringFormDialog::buildForm()
{
    m_account = new QComboBox;
    m_account->setObjectName(QStringLiteral("accountCombo"));
    for (const Account& a : m_state->accounts()->findAll())
        m_account->addItem(a.name, a.id);

    const DialogFrame::AmountType type
        = DialogFrame::amountType(this, tr("Payment"), tr("Deposit"));
    m_payment = type.payment;
    m_deposit = type.deposit;

    m_payee = new QLineEdit;
    m_payee->setObjectName(QStringLiteral("payeeEdit"));
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    DialogFrame::completePayees(m_payee, m_state->transactions()->distinctPayees());

    m_amount = new SmartAmountField;
    m_amount->setObjectName(QStringLiteral("amountField"));
    m_amount->setCurrency(selectedCurrency());
    // The amount is typed in the currency of the account chosen above it.
    connect(m_account, &QComboBox::currentIndexChanged, this,
        [this] { m_amount->setCurrency(selectedCurrency()); });

    m_category = new CategoryComboBox(CategoryChoices::entries(m_state->categories()->findAll()));
    m_category->setObjectName(QStringLiteral("categoryCombo"));

    m_memo = new QLineEdit;
    m_memo->setObjectName(QStringLiteral("memoEdit"));
    m_memo->setPlaceholderText(tr("Optional"));

    m_frequency = new QComboBox;
    m_frequency->setObjectName(QStringLiteral("frequencyCombo"));
    for (const Frequency frequency : RecurringModel::kFrequencies)
        m_frequency->addItem(RecurringModel::frequencyLabel(frequency), frequencyToText(frequency));
    m_frequency->setCurrentIndex(m_frequency->findData(frequencyToText(Frequency::Monthly)));

    m_startDate = new FormDateEdit(Clock::today());
    m_startDate->setObjectName(QStringLiteral("startDateEdit"));
    m_hasEndDate = new QCheckBox(tr("Has end date"));
    m_hasEndDate->setObjectName(QStringLiteral("hasEndDateCheck"));
    m_endDate = new FormDateEdit(Clock::today());
    m_endDate->setObjectName(QStringLiteral("endDateEdit"));
    m_endDate->setEnabled(false);
    connect(m_hasEndDate, &QCheckBox::toggled, m_endDate, &QWidget::setEnabled);
    // Dates before 2000 are refused by posting, so they cannot be picked here.
    for (FormDateEdit* edit : { m_startDate, m_endDate })
        edit->setMinimumDate(kEarliestDate);
    auto* endRow = new QHBoxLayout;
    endRow->addWidget(m_hasEndDate);
    endRow->addWidget(m_endDate);
    endRow->addStretch();

    m_autoPost = new QCheckBox(tr("Auto-post when due"));
    m_autoPost->setObjectName(QStringLiteral("autoPostCheck"));
    m_active = new QCheckBox(tr("Active"));
    m_active->setObjectName(QStringLiteral("activeCheck"));
    m_active->setChecked(true);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(tr("Account:"), m_account);
    form->addRow(tr("Type:"), type.row);
    form->addRow(tr("Payee:"), m_payee);
    form->addRow(tr("Amount:"), m_amount);
    form->addRow(tr("Category:"), m_category);
    form->addRow(tr("Memo:"), m_memo);
    form->addRow(tr("Frequency:"), m_frequency);
    form->addRow(tr("Start Date:"), m_startDate);
    form->addRow(tr("End Date:"), endRow);
    form->addRow(m_autoPost);
    form->addRow(m_active);

    DialogFrame::frameForm(this, form, 480);
    m_payee->setFocus();
}

void RecurringFormDialog::fill(const RecurringTransaction& s)
{
    const int account = m_account->findData(s.accountId);
    if (account >= 0)
        m_account->setCurrentIndex(account);
    // A stored schedule stays in its account; only new ones choose.
    m_account->setEnabled(!m_editMode);
    (s.amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_payee->setText(s.payee);
    m_payee->setCursorPosition(0);
    m_amount->setAmount(s.amount < 0 ? -s.amount : s.amount);
    m_memo->setText(s.memo);
    m_category->selectStoredId(s.categoryId, *m_state->categories());
    m_frequency->setCurrentIndex(m_frequency->findData(frequencyToText(s.frequency)));
    m_startDate->setDate(s.startDate);
    m_hasEndDate->setChecked(s.endDate.has_value());
    if (s.endDate)
        m_endDate->setDate(*s.endDate);
    m_autoPost->setChecked(s.autoPost);
    m_active->setChecked(s.isActive);
}

void RecurringFormDialog::accept()
{
    if (SmartAmountField::confirmAll(this))
        QDialog::accept();
}

Currency RecurringFormDialog::selectedCurrency() const
{
    const auto account = m_state->accounts()->findById(m_account->currentData().toString());
    return account ? account->currency : Currency::USD;
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction r = m_original;
    const QDateTime now = Clock::nowUtc();
    if (!m_editMode) {
        r.id = Ids::newId();
        r.createdAt = now;
        r.accountId = m_account->currentData().toString();
    }
    r.payee = m_payee->text().trimmed();
    r.memo = m_memo->text().trimmed();
    r.categoryId = m_category->chosenId();
    r.frequency = frequencyFromText(m_frequency->currentData().toString());
    r.amount = m_payment->isChecked() ? -m_amount->amount() : m_amount->amount();
    r.endDate = m_hasEndDate->isChecked() ? std::optional(m_endDate->date()) : std::nullopt;

    // Changing other fields of a schedule that is behind must not move it.
    const QDate date = m_startDate->date();
    if (!m_editMode || date != m_original.startDate) {
        r.startDate = date;
        r.nextDueDate = date;
    }
    // A memorized transaction is already the occurrence of its own date; the
    // schedule goes on from the next one instead of posting it twice.
    if (m_fromSeed && date == m_original.startDate && date.isValid())
        r.nextDueDate = RecurringService::nextDate(date, r.frequency);
    if (RecurringService::isBrokenDate(r.startDate)) {
        qCWarning(lcRecurring).noquote()
            << "RecurringFormDialog: rejecting invalid startDate"
            << r.startDate.toString(Qt::ISODate) << "— falling back to today";
        r.startDate = Clock::today();
    }
    if (RecurringService::isBrokenDate(r.nextDueDate)) {
        qCWarning(lcRecurring).noquote()
            << "RecurringFormDialog: rejecting invalid nextDueDate"
            << r.nextDueDate.toString(Qt::ISODate) << "— falling back to startDate"
            << r.startDate.toString(Qt::ISODate);
        r.nextDueDate = r.startDate;
    }

    r.autoPost = m_autoPost->isChecked();
    r.isActive = m_active->isChecked();
    r.syncStatus = SyncStatus::Pending;
    r.updatedAt = now;
    if (m_editMode)
        r.version = m_original.version + 1;
    qCInfo(lcRecurring).noquote() << "RecurringFormDialog::recurring() — m_editMode=" << m_editMode
                                  << "isCreateFromSeed=" << m_fromSeed
                                  << "widget.date=" << date.toString(Qt::ISODate)
                                  << "m_original.startDate="
                                  << m_original.startDate.toString(Qt::ISODate)
                                  << "m_original.nextDueDate="
                                  << m_original.nextDueDate.toString(Qt::ISODate);
    return r;
}
