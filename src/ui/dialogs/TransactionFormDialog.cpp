#include "TransactionFormDialog.h"

#include "CategoryComboBox.h"
#include "DialogFrame.h"
#include "SplitEditorDialog.h"
#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/RecordRules.h"
#include "data/SingleLine.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/CategoryService.h"
#include "services/TransactionService.h"
#include "ui/widgets/CategoryChoices.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QCheckBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QDate& lastDate()
{
    static QDate date;
    return date;
}

qint64 magnitude(qint64 cents)
{
    return cents < 0 ? -cents : cents;
}

} // namespace

QDate TransactionFormDialog::lastUsedDate()
{
    return lastDate();
}

void TransactionFormDialog::setLastUsedDate(const QDate& date)
{
    lastDate() = date;
}

TransactionFormDialog::TransactionFormDialog(
    AppState* state, const QString& accountId, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_accountId(accountId)
{
    m_transaction.id = Ids::newId();
    m_transaction.accountId = accountId;
    m_currency = accountCurrency();
    buildForm();
    setWindowTitle(tr("New Transaction"));
    m_date->setDate(lastDate().isValid() ? lastDate() : Clock::today());
    refreshSplitState();
}

TransactionFormDialog::TransactionFormDialog(
    AppState* state, const Transaction& transaction, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_accountId(transaction.accountId)
    , m_transaction(transaction)
    , m_editing(true)
{
    m_currency = accountCurrency();
    buildForm();
    setWindowTitle(tr("Edit Transaction"));
    fill(transaction);
    refreshSplitState();
}

Currency TransactionFormDialog::accountCurrency() const
{
    const auto account = m_state->accounts()->findById(m_accountId);
    return account ? account->currency : Currency::USD;
}

void TransactionFormDialog::buildForm()
{
    const DialogFrame::AmountType type
        = DialogFrame::amountType(this, tr("Payment"), tr("Deposit"));
    m_payment = type.payment;
    m_deposit = type.deposit;

    m_date = new DateField;
    m_date->setObjectName(QStringLiteral("dateField"));

    m_payee = new QLineEdit;
    m_payee->setObjectName(QStringLiteral("payeeEdit"));
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    // Transfers to the other accounts are offered first, as in the register.
    const QStringList transfers = m_state->transactionService()->transferPayees(m_accountId);
    QStringList payeeList = transfers;
    for (const QString& payee : m_state->transactions()->distinctPayees()) {
        if (!transfers.contains(payee))
            payeeList << payee;
    }
    QCompleter* payees = DialogFrame::completePayees(m_payee, payeeList);
    connect(payees, qOverload<const QString&>(&QCompleter::activated), this,
        &TransactionFormDialog::onPayeeSelected);

    m_amount = new SmartAmountField;
    m_amount->setObjectName(QStringLiteral("amountField"));
    m_amount->setCurrency(m_currency);

    m_category = new CategoryComboBox(CategoryChoices::entries(m_state->categories()->findAll()));
    m_category->setObjectName(QStringLiteral("categoryCombo"));
    m_split = new QPushButton;
    m_split->setObjectName(QStringLiteral("splitButton"));
    m_split->setToolTip(
        tr("Split this transaction across multiple categories with their own amounts and memos."));
    connect(m_split, &QPushButton::clicked, this, &TransactionFormDialog::onOpenSplitEditor);
    m_clearSplit = new QPushButton(tr("Clear split"));
    m_clearSplit->setObjectName(QStringLiteral("clearSplitButton"));
    m_clearSplit->setToolTip(tr("Drop the split and return to a single-category transaction."));
    connect(m_clearSplit, &QPushButton::clicked, this, &TransactionFormDialog::onClearSplit);
    // Neither button should take Return away from the dialog's OK.
    m_split->setAutoDefault(false);
    m_clearSplit->setAutoDefault(false);
    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(m_category, 1);
    categoryRow->addWidget(m_split);
    categoryRow->addWidget(m_clearSplit);

    m_memo = new QLineEdit;
    m_memo->setObjectName(QStringLiteral("memoEdit"));
    m_memo->setPlaceholderText(tr("Optional"));
    m_checkNumber = new QLineEdit;
    m_checkNumber->setObjectName(QStringLiteral("checkNumberEdit"));
    m_checkNumber->setPlaceholderText(tr("Optional"));
    m_cleared = new QCheckBox(tr("Cleared"));
    m_cleared->setObjectName(QStringLiteral("clearedCheck"));

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(tr("Type:"), type.row);
    form->addRow(tr("Date:"), m_date);
    form->addRow(tr("Payee:"), m_payee);
    form->addRow(tr("Amount:"), m_amount);
    form->addRow(tr("Category:"), categoryRow);
    form->addRow(tr("Memo:"), m_memo);
    form->addRow(tr("Check #:"), m_checkNumber);
    form->addRow(m_cleared);

    DialogFrame::frameForm(this, form, 480);
    m_payee->setFocus();
}

void TransactionFormDialog::fill(const Transaction& t)
{
    m_date->setDate(t.date);
    m_payee->setText(t.payee);
    m_amount->setAmount(magnitude(t.amount));
    m_memo->setText(t.memo);
    m_checkNumber->setText(t.checkNumber);
    m_cleared->setChecked(t.cleared);
    // Long texts are read from their start.
    for (QLineEdit* edit : { m_payee, m_memo, m_checkNumber })
        edit->setCursorPosition(0);
    (t.amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_category->selectStoredId(t.categoryId, *m_state->categories());
    if (t.isSplit) {
        m_splitLines = m_state->splitLines()->findByTransaction(t.id);
        m_linesForPayment = t.amount < 0;
    }
}

void TransactionFormDialog::refreshSplitState()
{
    const bool split = !m_splitLines.isEmpty();
    m_category->setEnabled(!split);
    m_category->setEditText(
        split ? tr("—Split—") : m_category->itemText(m_category->currentIndex()));
    m_split->setText(split ? tr("Edit splits...") : tr("Split..."));
    m_clearSplit->setVisible(split);
}

void TransactionFormDialog::onPayeeSelected(const QString& payee)
{
    const auto last = m_state->transactions()->findLastForPayee(payee, m_accountId);
    if (!last)
        return;
    m_amount->setAmount(magnitude(last->amount));
    (last->amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_memo->setText(last->memo);
    if (!last->categoryId.isEmpty())
        m_category->selectId(last->categoryId);
    // Choosing the category item rewrites the combo's text; a split keeps showing as one.
    refreshSplitState();
}

void TransactionFormDialog::onOpenSplitEditor()
{
    m_amount->interpretText();
    const qint64 cents = m_amount->amount();
    if (cents == 0 && m_splitLines.isEmpty()) {
        m_amount->setFocus(Qt::OtherFocusReason);
        m_amount->selectAll();
        return;
    }
    // An old split of more lines than a transaction may now hold cannot be
    // edited line by line without losing the rest.
    if (QString problem = RecordRules::splitLineCountProblem(m_splitLines.size());
        !problem.isEmpty()) {
        MessageBoxes::warning(this, windowTitle(), problem);
        return;
    }
    const bool payment = m_payment->isChecked();
    SplitEditorDialog editor(m_state, payment ? -cents : cents, m_currency, splitLines(), this);
    if (editor.exec() != QDialog::Accepted)
        return;
    m_splitLines = editor.lines();
    // A total of 0.00 carries no sign; the lines take the type the form shows.
    for (SplitLine& line : m_splitLines)
        line.amount = payment ? -magnitude(line.amount) : magnitude(line.amount);
    m_linesForPayment = payment;
    refreshSplitState();
}

void TransactionFormDialog::onClearSplit()
{
    m_splitLines.clear();
    refreshSplitState();
}

void TransactionFormDialog::accept()
{
    if (!SmartAmountField::confirmAll(this))
        return;
    m_amount->interpretText();
    // The register refuses a transaction without a payee; so does the form.
    if (SingleLine::clean(m_payee->text()).isEmpty()) {
        refuse(tr("Payee is required"));
        return;
    }
    if (!balanceSplit() || !resolveTransfer())
        return;
    if (const QString problem = TransactionService::refusal(transaction(), m_splitLines);
        !problem.isEmpty()) {
        refuse(problem);
        return;
    }
    lastDate() = m_date->date();
    QDialog::accept();
}

bool TransactionFormDialog::balanceSplit()
{
    if (m_splitLines.isEmpty())
        return true;
    qint64 assigned = 0;
    for (const SplitLine& line : splitLines())
        assigned += line.amount;
    const qint64 cents = m_amount->amount();
    const qint64 total = m_payment->isChecked() ? -cents : cents;
    const qint64 difference = total - assigned;
    if (difference == 0)
        return true;
    const auto money
        = [this](qint64 amount) { return Money::formatMoney(magnitude(amount), m_currency); };
    const QString summary
        = tr("The split lines add up to %1, not to the amount of %2: a difference of %3.")
              .arg(money(assigned), money(total), money(difference));
    // Only a shortfall can go on a line of its own: the lines carry the
    // amount's sign.
    const bool shortfall = total != 0 && (difference < 0) == (total < 0);
    if (!shortfall) {
        refuse(summary);
        return false;
    }
    if (MessageBoxes::question(this, windowTitle(),
            summary + QStringLiteral("\n\n")
                + tr("Put the difference on an \"Uncategorized\" line?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        != QMessageBox::Yes) {
        m_amount->setFocus(Qt::OtherFocusReason);
        return false;
    }
    SplitLine line;
    line.id = Ids::newId();
    line.categoryId = m_state->categoryService()->uncategorizedId();
    if (line.categoryId.isEmpty()) {
        refuse(summary);
        return false;
    }
    // Kept in the sign the other lines are held in.
    line.amount = m_payment->isChecked() == m_linesForPayment ? difference : -difference;
    line.createdAt = line.updatedAt = Clock::nowUtc();
    m_splitLines.append(line);
    refreshSplitState();
    return true;
}

bool TransactionFormDialog::resolveTransfer()
{
    Transaction resolved = transaction();
    switch (m_state->transactionService()->resolveTransferPayee(resolved)) {
    case TransactionService::Result::TransferAccountNotFound:
        refuse(tr("Transfer account not found"));
        return false;
    case TransactionService::Result::CurrencyMismatch:
        refuse(tr("Transfers require both accounts to use the same currency"));
        return false;
    default: break;
    }
    // A new transfer gets its second leg when it is saved; one that is already
    // a transfer keeps its legs and only takes the payee text.
    if (m_transaction.transferLinkId.isEmpty())
        m_transaction.transferDestAccountId = resolved.transferDestAccountId;
    m_payee->setText(resolved.payee);
    return true;
}

void TransactionFormDialog::refuse(const QString& reason)
{
    MessageBoxes::warning(this, windowTitle(), reason);
    m_payee->setFocus();
}

Transaction TransactionFormDialog::transaction() const
{
    Transaction t = m_transaction;
    const QDateTime now = Clock::nowUtc();
    if (!m_editing) {
        t.accountId = m_accountId;
        t.createdAt = now;
    }
    t.date = m_date->date();
    t.payee = SingleLine::clean(m_payee->text());
    const qint64 cents = m_amount->amount();
    t.amount = m_payment->isChecked() ? -cents : cents;
    t.isSplit = !m_splitLines.isEmpty();
    // A split's categories are its lines; one hidden behind "—Split—" would
    // put the whole amount under a category the user no longer sees.
    t.categoryId = t.isSplit ? QString() : m_category->chosenId();
    t.memo = SingleLine::clean(m_memo->text());
    t.checkNumber = SingleLine::clean(m_checkNumber->text());
    t.cleared = m_cleared->isChecked();
    t.updatedAt = now;
    t.syncStatus = SyncStatus::Pending;
    return t;
}

QList<SplitLine> TransactionFormDialog::splitLines() const
{
    QList<SplitLine> lines = m_splitLines;
    const bool flip = m_payment->isChecked() != m_linesForPayment;
    for (SplitLine& line : lines) {
        line.transactionId.clear();
        if (flip)
            line.amount = -line.amount;
    }
    return lines;
}
