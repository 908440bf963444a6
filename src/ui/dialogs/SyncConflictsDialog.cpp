#include "SyncConflictsDialog.h"

#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/DateText.h"
#include "data/Money.h"
#include "sync/SyncEngine.h"
#include "sync/SyncWire.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// What the user changes, in the order the forms show it; bookkeeping is left out.
struct Member {
    const char* name;
    const char* label;
};
const Member kMembers[] = {
    { "name", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Name") },
    { "account_type", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Account type") },
    { "currency", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Currency") },
    { "institution", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Institution") },
    { "account_number_last4", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Account number") },
    { "starting_balance", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Starting balance") },
    { "category_type", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Category type") },
    { "parent_id", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Parent category") },
    { "is_tax_relevant", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Tax relevant") },
    { "tax_category", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Tax category") },
    { "date", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Date") },
    { "payee", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Payee") },
    { "amount", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Amount") },
    { "category_id", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Category") },
    { "split_lines", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Splits") },
    { "check_number", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Check number") },
    { "memo", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Memo") },
    { "cleared", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Cleared") },
    { "reconciled", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Reconciled") },
    { "frequency", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Frequency") },
    { "start_date", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Start date") },
    { "end_date", QT_TRANSLATE_NOOP("SyncConflictsDialog", "End date") },
    { "next_due_date", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Next due date") },
    { "auto_post", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Post automatically") },
    { "is_active", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Active") },
    { "statement_date", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Statement date") },
    { "statement_balance", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Statement balance") },
    { "reconciled_balance", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Reconciled balance") },
    { "account_id", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Account") },
    { "transfer_dest_account_id", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Transfer account") },
    { "deleted_at", QT_TRANSLATE_NOOP("SyncConflictsDialog", "Deleted") },
};

bool isMoney(const QString& member)
{
    return member == QLatin1String("amount") || member == QLatin1String("starting_balance")
        || member == QLatin1String("statement_balance")
        || member == QLatin1String("reconciled_balance");
}

} // namespace

SyncConflictsDialog::SyncConflictsDialog(AppState* state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_list(new QListWidget)
    , m_values(new QTableWidget(0, 3))
    , m_note(new QLabel)
    , m_keepMine(new QPushButton(tr("Keep mine")))
    , m_useTheirs(new QPushButton(tr("Use the other computer's")))
{
    setWindowTitle(tr("Sync Conflicts"));
    auto* intro = new QLabel(tr("These entries were changed on this computer and on another one "
                                "before either saw the other's change. Choose which version "
                                "to keep; the other computers then follow."));
    intro->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("conflictList"));
    m_list->setMaximumHeight(140);
    m_values->setObjectName(QStringLiteral("conflictValues"));
    m_values->setHorizontalHeaderLabels({ tr("Field"), tr("This computer"), tr("Other computer") });
    m_values->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_values->verticalHeader()->hide();
    m_values->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_values->setSelectionMode(QAbstractItemView::NoSelection);
    m_note->setObjectName(QStringLiteral("conflictNote"));
    m_note->setWordWrap(true);
    m_keepMine->setObjectName(QStringLiteral("keepMineButton"));
    m_useTheirs->setObjectName(QStringLiteral("useTheirsButton"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(m_keepMine, QDialogButtonBox::ActionRole);
    buttons->addButton(m_useTheirs, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_keepMine, &QPushButton::clicked, this, [this] { settle(true); });
    connect(m_useTheirs, &QPushButton::clicked, this, [this] { settle(false); });
    connect(m_list, &QListWidget::currentRowChanged, this, &SyncConflictsDialog::showSelected);
    connect(
        state->syncEngine(), &SyncEngine::conflictCountChanged, this, &SyncConflictsDialog::reload);
    connect(state, &AppState::dataChanged, this, &SyncConflictsDialog::reload);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(m_values, 1);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    resize(640, 460);
    reload();
}

void SyncConflictsDialog::reload()
{
    const QString selected = m_list->currentRow() >= 0 && m_list->currentRow() < m_conflicts.size()
        ? m_conflicts.at(m_list->currentRow()).id
        : QString();
    m_conflicts = m_state->syncEngine()->conflicts();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const SyncConflict& conflict : std::as_const(m_conflicts))
        m_list->addItem(title(conflict));
    m_list->setCurrentRow(m_conflicts.isEmpty() ? -1 : 0);
    if (!selected.isEmpty())
        select(selected);
    showSelected();
}

void SyncConflictsDialog::select(const QString& id)
{
    for (int row = 0; row < m_conflicts.size(); ++row) {
        if (m_conflicts.at(row).id == id)
            m_list->setCurrentRow(row);
    }
}

QString SyncConflictsDialog::title(const SyncConflict& conflict) const
{
    const QJsonObject& mine = conflict.mine;
    const QString date = DateText::format(SyncWire::readDate(mine.value("date")));
    switch (conflict.entity) {
    case SyncEntity::Account: return tr("Account: %1").arg(mine.value("name").toString());
    case SyncEntity::Category: return tr("Category: %1").arg(mine.value("name").toString());
    case SyncEntity::Recurring:
        return tr("Recurring transaction: %1").arg(mine.value("payee").toString());
    case SyncEntity::Transaction:
        return tr("Transaction: %1, %2").arg(mine.value("payee").toString(), date);
    case SyncEntity::Reconciliation:
        return tr("Reconciliation of %1")
            .arg(DateText::format(SyncWire::readDate(mine.value("statement_date"))));
    case SyncEntity::CsvProfile: return tr("Import profile: %1").arg(mine.value("name").toString());
    }
    return {};
}

QString SyncConflictsDialog::shown(
    const SyncConflict& conflict, const QString& member, const QJsonObject& side) const
{
    const QJsonValue value = side.value(member);
    if (member == QLatin1String("deleted_at"))
        return value.toString().isEmpty() ? tr("No") : tr("Yes");
    if (value.isBool())
        return value.toBool() ? tr("Yes") : tr("No");
    const auto accountOf = [this](const QString& id) { return m_state->accounts()->findById(id); };
    const auto categoryName = [this](const QString& id) {
        const auto category = m_state->categories()->findById(id);
        return category ? category->name : id;
    };
    const auto account = accountOf(conflict.entity == SyncEntity::Account
            ? conflict.id
            : conflict.mine.value("account_id").toString());
    const Currency currency = conflict.entity == SyncEntity::Account
        ? currencyFromText(side.value("currency").toString())
        : (account ? account->currency : Currency::USD);
    if (isMoney(member))
        return Money::formatMoney(value.toInteger(), currency);
    if (member == QLatin1String("date") || member.endsWith(QLatin1String("_date")))
        return DateText::format(SyncWire::readDate(value));
    if (member == QLatin1String("category_id") || member == QLatin1String("parent_id"))
        return value.toString().isEmpty() ? QString() : categoryName(value.toString());
    if (member.endsWith(QLatin1String("account_id"))) {
        const auto named = accountOf(value.toString());
        return named ? named->name : value.toString();
    }
    if (member == QLatin1String("split_lines")) {
        QStringList lines;
        for (const QJsonValue& line : value.toArray()) {
            const QJsonObject split = line.toObject();
            lines << QStringLiteral("%1 %2").arg(
                categoryName(split.value("category_id").toString()),
                Money::formatMoney(split.value("amount").toInteger(), currency));
        }
        return lines.join(QStringLiteral("; "));
    }
    return value.toString();
}

void SyncConflictsDialog::showSelected()
{
    const int row = m_list->currentRow();
    const bool any = row >= 0 && row < m_conflicts.size();
    m_values->setRowCount(0);
    m_keepMine->setEnabled(any);
    m_useTheirs->setEnabled(any);
    if (!any) {
        m_note->setText(tr("No conflicts left."));
        return;
    }
    const SyncConflict& conflict = m_conflicts.at(row);
    if (!conflict.theirs) {
        m_note->setText(tr("The other computer's version has not arrived yet. Using it fetches "
                           "it from the server."));
    } else {
        m_note->clear();
    }
    const QJsonObject theirs = conflict.theirs.value_or(QJsonObject());
    for (const Member& field : kMembers) {
        const QString member = QLatin1String(field.name);
        if (!conflict.mine.contains(member) && !theirs.contains(member))
            continue;
        const QString mine = shown(conflict, member, conflict.mine);
        const QString other = conflict.theirs ? shown(conflict, member, theirs) : QString();
        // Only what differs, unless nothing does that the user would see.
        if (conflict.theirs && mine == other)
            continue;
        const int at = m_values->rowCount();
        m_values->insertRow(at);
        m_values->setItem(at, 0, new QTableWidgetItem(tr(field.label)));
        m_values->setItem(at, 1, new QTableWidgetItem(mine));
        m_values->setItem(
            at, 2, new QTableWidgetItem(conflict.theirs ? other : tr("(not received yet)")));
    }
}

void SyncConflictsDialog::settle(bool keepMine)
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_conflicts.size())
        return;
    const SyncConflict conflict = m_conflicts.at(row);
    if (keepMine)
        m_state->syncEngine()->keepMine(conflict.entity, conflict.id);
    else
        m_state->syncEngine()->useTheirs(conflict.entity, conflict.id);
    reload();
}
