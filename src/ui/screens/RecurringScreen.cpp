#include "RecurringScreen.h"

#include "RecurringFormDialog.h"
#include "RecurringModel.h"
#include "app/AppState.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/Money.h"
#include "data/RecordRules.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/PlainText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

RecurringScreen::RecurringScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    m_model = new RecurringModel(state->accounts(), this);
    buildLayout();
}

void RecurringScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* title = new QLabel(tr("Recurring Transactions"));
    title->setProperty("mellFontWeight", 700);
    ThemeManager::setFontRole(title, ThemeManager::Heading);
    m_dueCount = new QLabel;
    m_dueCount->setObjectName(QStringLiteral("dueCountLabel"));
    m_dueCount->setProperty("mellFontWeight", 700);
    ThemeManager::setFontRole(m_dueCount, ThemeManager::Body);
    auto* confirmAll = new QPushButton(tr("Confirm All Due"));
    confirmAll->setObjectName(QStringLiteral("confirmAllButton"));
    connect(confirmAll, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    auto* add = new QPushButton(tr("New Recurring"));
    add->setObjectName(QStringLiteral("newRecurringButton"));
    connect(add, &QPushButton::clicked, this, &RecurringScreen::showNewForm);

    auto* header = new QHBoxLayout;
    header->addWidget(title);
    header->addWidget(m_dueCount);
    header->addStretch();
    header->addWidget(confirmAll);
    header->addWidget(add);
    layout->addLayout(header);

    m_view = new QTableView;
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    // The payee takes what the other columns leave.
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setSectionResizeMode(
        RecurringModel::PayeeColumn, QHeaderView::Stretch);
    connect(m_view, &QWidget::customContextMenuRequested, this, &RecurringScreen::onContextMenu);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            showEditForm(index.row());
    });
    layout->addWidget(m_view, 1);
}

void RecurringScreen::refresh()
{
    const RecurringTransaction* selected = currentSchedule();
    const QString selectedId = selected ? selected->id : QString();
    m_model->setSchedules(m_state->recurringService()->allSchedules());
    if (const int row = m_model->rowOf(selectedId); row >= 0)
        m_view->selectRow(row);

    const int due = m_state->recurringService()->pendingCount();
    m_dueCount->setText(due > 0 ? tr("(%1 due)").arg(due) : QString());
    m_dueCount->setStyleSheet(QStringLiteral("color: #008800;"));
}

const RecurringTransaction* RecurringScreen::currentSchedule() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_model->scheduleAt(current.row()) : nullptr;
}

void RecurringScreen::showNewForm()
{
    RecurringFormDialog dialog(m_state, this);
    runForm(dialog, true);
}

void RecurringScreen::showEditForm(int row)
{
    if (const RecurringTransaction* s = m_model->scheduleAt(row)) {
        RecurringFormDialog dialog(m_state, *s, RecurringFormDialog::Mode::Edit, this);
        runForm(dialog, false);
    }
}

void RecurringScreen::runForm(RecurringFormDialog& dialog, bool isNew)
{
    if (dialog.exec() != QDialog::Accepted)
        return;
    RecurringService* service = m_state->recurringService();
    const RecurringTransaction r = dialog.recurring();
    if (!(isNew ? service->addSchedule(r) : service->updateSchedule(r))) {
        const QString problem = RecordRules::scheduleProblem(r);
        MessageBoxes::warning(this, dialog.windowTitle(),
            problem.isEmpty() ? tr("The recurring transaction could not be saved.") : problem);
    }
    refresh();
}

void RecurringScreen::confirmSelected()
{
    const RecurringTransaction* current = currentSchedule();
    if (!current)
        return;
    const RecurringTransaction s = *current;
    const auto result = m_state->recurringService()->confirmWithResult(s);
    if (result == RecurringService::ConfirmResult::Confirmed)
        Q_EMIT transactionsChanged();
    refresh();
    explainRefusal(result, s);
}

void RecurringScreen::explainRefusal(
    RecurringService::ConfirmResult result, const RecurringTransaction& s)
{
    using Result = RecurringService::ConfirmResult;
    QString reason;
    switch (result) {
    case Result::Confirmed:
    case Result::NotFound: return;
    case Result::BrokenDate:
        reason = tr("Its next due date is not a valid date, so it has been made inactive. Edit "
                    "its start date to use it again.");
        break;
    case Result::AlreadyPosted:
        reason = tr("The transaction for this date is already in the register. Skip it to move "
                    "on to the next date.");
        break;
    case Result::CurrencyMismatch:
        reason = tr("Transfers require both accounts to use the same currency.");
        break;
    case Result::TransferAccountMissing:
        reason = tr("The account it transfers to no longer exists.");
        break;
    case Result::AmountTooLarge: {
        const auto account = m_state->accounts()->findById(s.accountId);
        reason = Money::limitMessage(account ? account->currency : Currency::USD);
        break;
    }
    case Result::StoreFailed: reason = tr("The transaction could not be saved."); break;
    }
    MessageBoxes::warning(this, tr("Not Posted"),
        PlainText::forAutoText(tr("\"%1\" was not posted.\n\n%2").arg(s.payee, reason)));
}

void RecurringScreen::skipSelected()
{
    if (const RecurringTransaction* s = currentSchedule())
        m_state->recurringService()->skip(s->id);
    refresh();
}

void RecurringScreen::deleteSelected()
{
    const RecurringTransaction* s = currentSchedule();
    if (!s)
        return;
    const QString id = s->id;
    if (MessageBoxes::question(this, tr("Delete"),
            PlainText::forAutoText(tr("Delete recurring \"%1\"?").arg(s->payee)))
        != QMessageBox::Yes)
        return;
    m_state->recurringService()->removeSchedule(id);
    refresh();
}

void RecurringScreen::confirmAllDue()
{
    if (m_state->recurringService()->confirmAll() <= 0)
        return;
    Q_EMIT transactionsChanged();
    refresh();
}

void RecurringScreen::onContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    const RecurringTransaction* s = index.isValid() ? m_model->scheduleAt(index.row()) : nullptr;
    if (!s)
        return;
    m_view->selectRow(index.row());
    const bool due = RecurringModel::isDue(*s);
    const int row = index.row();
    QMenu menu(this);
    menu.addAction(tr("&Edit"), this, [this, row] { showEditForm(row); });
    menu.addAction(tr("&Confirm"), this, &RecurringScreen::confirmSelected)->setEnabled(due);
    menu.addAction(tr("&Skip"), this, &RecurringScreen::skipSelected)->setEnabled(due);
    menu.addSeparator();
    menu.addAction(tr("&Delete"), this, &RecurringScreen::deleteSelected);
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}
