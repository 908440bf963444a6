#include "ReconciliationScreen.h"

#include "ReconciliationModel.h"
#include "app/AppState.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/TransactionRepository.h"
#include "services/ReconciliationService.h"
#include "services/TransactionService.h"
#include "ui/dialogs/DeleteTransactionPrompt.h"
#include "ui/dialogs/TransactionFormFlow.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const kMuted = "#6E8A7E";
constexpr int kPanelWidth = 310;

QString colorStyle(const QString& color)
{
    return QStringLiteral("color: %1;").arg(color);
}

QFrame* separator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QString nativeText(const QKeySequence& keys)
{
    return keys.toString(QKeySequence::NativeText);
}

// A standard sequence and a plain key, the key left out where the standard
// one already holds it (two shortcuts on one key would cancel each other).
QList<QKeySequence> keysOf(QKeySequence::StandardKey standard, Qt::Key key)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    if (!keys.contains(QKeySequence(key)))
        keys.append(QKeySequence(key));
    return keys;
}

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_reconciliationId(Ids::newId())
{
    m_model = new ReconciliationModel(this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(buildSummaryPanel());
    splitter->addWidget(buildListPanel());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    addShortcuts();

    setTabOrder(m_statementDate, m_statementBalance);
    setTabOrder(m_statementBalance, m_table);
    setTabOrder(m_table, m_finish);
    setTabOrder(m_finish, m_cancel);
    setTabOrder(m_cancel, m_add);
    setTabOrder(m_add, m_edit);
    setTabOrder(m_edit, m_delete);

    connect(
        m_model, &ReconciliationModel::ticksChanged, this, &ReconciliationScreen::updateDifference);
    connect(m_statementBalance, &QDoubleSpinBox::valueChanged, this,
        &ReconciliationScreen::updateDifference);
    connect(m_finish, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    connect(m_cancel, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);
    connect(m_add, &QPushButton::clicked, this, &ReconciliationScreen::addTransaction);
    connect(m_edit, &QPushButton::clicked, this, &ReconciliationScreen::editSelectedTransaction);
    connect(
        m_delete, &QPushButton::clicked, this, &ReconciliationScreen::deleteSelectedTransaction);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() != ReconciliationModel::TickColumn)
            editSelectedTransaction();
    });
    // The register may change the account while the statement is being
    // ticked; the list and the sums follow it.
    connect(state->transactions(), &TransactionRepository::transactionsChanged, this,
        [this](const QString& accountId) {
            if (!m_finishing && !m_finished && !m_accountId.isEmpty()
                && (accountId == m_accountId || accountId.isEmpty())) {
                if (const auto opening = m_state->reconciliationService()->open(m_accountId))
                    m_previousBalance = opening->previousBalance;
                loadTransactions();
            }
        });
    connect(state->themeManager(), &ThemeManager::themeChanged, this,
        &ReconciliationScreen::updateDifference);
}

QWidget* ReconciliationScreen::buildSummaryPanel()
{
    auto* panel = new QWidget;
    panel->setFixedWidth(kPanelWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* heading = new QLabel(tr("Reconcile Account"));
    heading->setProperty("mellFontWeight", 700);
    ThemeManager::setFontRole(heading, ThemeManager::Subheading);
    layout->addWidget(heading);
    layout->addSpacing(16);

    m_statementDate = new DateField;
    m_statementDate->setObjectName(QStringLiteral("statementDateField"));
    auto* dateCaption = new QLabel(tr("Statement Date:"));
    dateCaption->setBuddy(m_statementDate);
    layout->addWidget(dateCaption);
    layout->addWidget(m_statementDate);
    layout->addSpacing(8);

    m_statementBalance = new SmartAmountField;
    m_statementBalance->setObjectName(QStringLiteral("statementBalanceField"));
    m_statementBalance->setCurrency(m_currency, true);
    auto* balanceCaption = new QLabel(tr("Statement Balance:"));
    balanceCaption->setBuddy(m_statementBalance);
    layout->addWidget(balanceCaption);
    layout->addWidget(m_statementBalance);
    layout->addSpacing(16);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    int row = 0;
    const auto addRow = [&](const QString& caption, const char* name, bool muted, bool strong) {
        auto* captionLabel = new QLabel(caption);
        auto* value = new QLabel;
        value->setObjectName(QLatin1String(name));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (strong) {
            captionLabel->setProperty("mellFontWeight", 700);
            value->setProperty("mellFontWeight", 700);
        }
        ThemeManager::setFontRole(captionLabel, ThemeManager::Body);
        ThemeManager::setFontRole(value, ThemeManager::Mono);
        if (muted) {
            captionLabel->setStyleSheet(colorStyle(QLatin1String(kMuted)));
            value->setStyleSheet(colorStyle(QLatin1String(kMuted)));
        }
        grid->addWidget(captionLabel, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
        return value;
    };
    m_previousValue = addRow(tr("Previous Balance"), "previousBalanceValue", true, false);
    m_depositsValue = addRow(tr("Cleared Deposits"), "clearedDepositsValue", false, false);
    m_withdrawalsValue = addRow(tr("Cleared Withdrawals"), "clearedWithdrawalsValue", false, false);
    grid->addWidget(separator(), row++, 0, 1, 2);
    m_clearedValue = addRow(tr("Cleared Balance"), "clearedBalanceValue", false, false);
    m_statementValue = addRow(tr("Statement Balance"), "statementBalanceValue", true, false);
    grid->addWidget(separator(), row++, 0, 1, 2);
    m_differenceValue = addRow(tr("Difference"), "differenceValue", false, true);
    layout->addLayout(grid);
    layout->addStretch();

    m_finish = new QPushButton(tr("Finish Reconciliation"));
    m_finish->setObjectName(QStringLiteral("finishButton"));
    m_finish->setEnabled(false);
    // Return on the focused button finishes, as in a dialog.
    m_finish->setAutoDefault(true);
    m_cancel = new QPushButton(tr("Cancel"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setAutoDefault(true);
    layout->addWidget(m_finish);
    layout->addWidget(m_cancel);
    return panel;
}

QWidget* ReconciliationScreen::buildListPanel()
{
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 8, 8, 4);
    buttons->setSpacing(8);
    m_add = new QPushButton(tr("Add Transaction"));
    m_add->setObjectName(QStringLiteral("addButton"));
    m_add->setToolTip(tr("Add a transaction (%1)").arg(nativeText(QKeySequence::New)));
    m_edit = new QPushButton(tr("Edit"));
    m_edit->setObjectName(QStringLiteral("editButton"));
    m_edit->setToolTip(tr("Edit selected transaction (F2)"));
    m_delete = new QPushButton(tr("Delete"));
    m_delete->setObjectName(QStringLiteral("deleteButton"));
    m_delete->setToolTip(tr("Delete selected transaction (Del)"));
    for (QPushButton* button : { m_add, m_edit, m_delete })
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons);

    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("reconciliationTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    // Every row the same height: a long statement needs no measuring.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(ReconciliationModel::TickColumn, QHeaderView::Fixed);
    header->resizeSection(ReconciliationModel::TickColumn, 30);
    header->setSectionResizeMode(ReconciliationModel::PayeeColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReconciliationModel::AmountColumn, QHeaderView::Fixed);
    // Wide enough for amounts in the millions at any font size.
    const int amountWidth
        = m_table->fontMetrics().horizontalAdvance(Money::formatMoney(-999'999'999, Currency::USD));
    header->resizeSection(ReconciliationModel::AmountColumn, std::max(100, amountWidth + 16));
    header->setStretchLastSection(false);
    m_table->installEventFilter(this);
    layout->addWidget(m_table, 1);
    return panel;
}

void ReconciliationScreen::addShortcuts()
{
    const auto bind
        = [this](const QList<QKeySequence>& keys, void (ReconciliationScreen::*slot)()) {
              auto* shortcut = new QShortcut(this);
              shortcut->setKeys(keys);
              shortcut->setContext(Qt::WidgetWithChildrenShortcut);
              connect(shortcut, &QShortcut::activated, this, slot);
          };
    bind(keysOf(QKeySequence::New, Qt::Key_Insert), &ReconciliationScreen::addTransaction);
    bind({ QKeySequence(Qt::Key_F2) }, &ReconciliationScreen::editSelectedTransaction);
    bind(keysOf(QKeySequence::Delete, Qt::Key_Delete),
        &ReconciliationScreen::deleteSelectedTransaction);
}

void ReconciliationScreen::setStatement(const QDate& date, qint64 balance)
{
    m_statementDate->setDate(date);
    m_statementBalance->setAmount(balance);
    updateDifference();
}

void ReconciliationScreen::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    const auto account = m_state->accounts()->findById(accountId);
    const auto opening = m_state->reconciliationService()->open(accountId);
    if (!account || !opening) {
        m_accountId.clear();
        return;
    }
    m_currency = account->currency;
    m_model->setCurrency(m_currency);
    m_statementBalance->setCurrency(m_currency, true);
    m_previousBalance = opening->previousBalance;
    if (opening->statementDate)
        m_statementDate->setDate(*opening->statementDate);
    loadTransactions();
}

void ReconciliationScreen::loadTransactions()
{
    if (m_accountId.isEmpty())
        return;
    // The user stays on the row they were on, and the list where it was.
    const QModelIndex current = m_table->currentIndex();
    const QString currentId
        = current.isValid() ? m_model->transactions().at(current.row()).id : QString();
    const int scrolled = m_table->verticalScrollBar()->value();
    m_model->setTransactions(m_state->transactions()->findUnreconciled(m_accountId));
    m_table->verticalScrollBar()->setValue(scrolled);
    if (!current.isValid() || m_model->rowCount() == 0)
        return;
    const int found = m_model->rowOf(currentId);
    const int row = found >= 0 ? found : std::min(current.row(), m_model->rowCount() - 1);
    m_table->setCurrentIndex(m_model->index(row, current.column()));
}

void ReconciliationScreen::onTransactionToggled(int row)
{
    m_model->setTicked(row, !m_model->isTicked(row));
}

qint64 ReconciliationScreen::statementBalance() const
{
    return m_statementBalance->amount();
}

void ReconciliationScreen::updateDifference()
{
    const qint64 cleared
        = m_previousBalance + m_model->clearedDeposits() + m_model->clearedWithdrawals();
    const qint64 statement = statementBalance();
    const qint64 difference = statement - cleared;
    const auto money = [this](qint64 amount) { return Money::formatMoney(amount, m_currency); };
    m_previousValue->setText(money(m_previousBalance));
    m_depositsValue->setText(money(m_model->clearedDeposits()));
    m_withdrawalsValue->setText(money(m_model->clearedWithdrawals()));
    m_clearedValue->setText(money(cleared));
    m_statementValue->setText(money(statement));
    m_differenceValue->setText(money(difference));
    const bool balanced = difference == 0;
    m_differenceValue->setStyleSheet(
        colorStyle(ThemeColors::pickName(balanced ? ThemeColors::kGreen : ThemeColors::kRed)));
    m_finish->setEnabled(balanced && !m_accountId.isEmpty() && !m_finishing && !m_finished);
}

void ReconciliationScreen::finish()
{
    // A second click or a held Return arrives while the first one is still
    // storing or showing its box: only the first one counts.
    if (!m_finish->isEnabled() || m_finishing || m_finished)
        return;
    if (!SmartAmountField::confirmAll(this))
        return;
    m_finishing = true;
    m_finish->setEnabled(false);

    Reconciliation reconciliation;
    reconciliation.id = m_reconciliationId;
    reconciliation.accountId = m_accountId;
    reconciliation.statementDate = m_statementDate->date();
    reconciliation.statementBalance = statementBalance();
    const auto result
        = m_state->reconciliationService()->finish(reconciliation, m_model->tickedIds());
    m_finishing = false;
    if (result == ReconciliationService::Result::Finished
        || result == ReconciliationService::Result::AlreadyFinished) {
        m_finished = true;
        if (result == ReconciliationService::Result::Finished)
            MessageBoxes::information(
                this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
        Q_EMIT reconciliationCompleted();
        return;
    }
    reportFailure(tr("The reconciliation could not be saved."));
    updateDifference();
}

const Transaction* ReconciliationScreen::currentTransaction() const
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || current.row() >= m_model->rowCount())
        return nullptr;
    return &m_model->transactions().at(current.row());
}

void ReconciliationScreen::addTransaction()
{
    if (m_accountId.isEmpty())
        return;
    // The list follows the store's change signal.
    reportOutcome(TransactionFormFlow::addNew(this, m_state, m_accountId));
}

void ReconciliationScreen::editSelectedTransaction()
{
    const Transaction* current = currentTransaction();
    if (!current)
        return;
    const Transaction transaction = *current;
    reportOutcome(TransactionFormFlow::edit(this, m_state, transaction));
}

void ReconciliationScreen::reportOutcome(TransactionFormFlow::Outcome outcome)
{
    if (outcome == TransactionFormFlow::Outcome::Saved)
        Q_EMIT transactionsChanged();
    else if (outcome == TransactionFormFlow::Outcome::Failed)
        reportFailure(TransactionFormFlow::failureText());
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    const Transaction* current = currentTransaction();
    if (!current)
        return;
    const Transaction transaction = *current;
    // A transfer takes its other leg with it: the question says so.
    const bool transfer = m_state->transactionService()->hasVisibleOtherLeg(transaction);
    const QString question = !transfer
        ? tr("Delete the transaction for %1?").arg(transaction.payee)
        : DeleteTransactionPrompt::question(transaction, m_currency, transfer);
    if (!DeleteTransactionPrompt::ask(this, question))
        return;
    if (m_state->transactionService()->remove(transaction))
        Q_EMIT transactionsChanged();
    else
        reportFailure(tr("The transaction could not be deleted."));
}

void ReconciliationScreen::reportFailure(const QString& text)
{
    MessageBoxes::warning(this, tr("Reconcile Account"), text);
}

bool ReconciliationScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        const bool toggleKey
            = key->key() == Qt::Key_Space || key->key() == Qt::Key_C || key->key() == Qt::Key_R;
        if (toggleKey && (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) {
            if (m_table->currentIndex().isValid())
                onTransactionToggled(m_table->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
