#include "RecurringModel.h"

#include "app/ThemeColors.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/DateText.h"
#include "data/Money.h"

#include <QColor>
#include <QCoreApplication>

RecurringModel::RecurringModel(AccountRepository* accounts, QObject* parent)
    : QAbstractTableModel(parent)
    , m_accounts(accounts)
{
}

void RecurringModel::setSchedules(const QList<RecurringTransaction>& schedules)
{
    beginResetModel();
    m_schedules = schedules;
    m_accountCache.clear();
    endResetModel();
}

const RecurringTransaction* RecurringModel::scheduleAt(int row) const
{
    return row >= 0 && row < m_schedules.size() ? &m_schedules.at(row) : nullptr;
}

int RecurringModel::rowOf(const QString& scheduleId) const
{
    for (int row = 0; row < m_schedules.size(); ++row) {
        if (m_schedules.at(row).id == scheduleId)
            return row;
    }
    return -1;
}

bool RecurringModel::isDue(const RecurringTransaction& s)
{
    return s.isActive && s.nextDueDate.isValid() && s.nextDueDate <= Clock::today();
}

int RecurringModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_schedules.size());
}

int RecurringModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const std::optional<Account>& RecurringModel::account(const QString& id) const
{
    auto cached = m_accountCache.find(id);
    if (cached == m_accountCache.end())
        cached = m_accountCache.insert(id, m_accounts->findById(id));
    return *cached;
}

QString RecurringModel::displayText(const RecurringTransaction& s, int column) const
{
    switch (column) {
    case AccountColumn: return account(s.accountId) ? account(s.accountId)->name : QString();
    case PayeeColumn: return s.payee;
    case AmountColumn:
        return Money::formatMoney(
            s.amount, account(s.accountId) ? account(s.accountId)->currency : Currency::USD);
    case FrequencyColumn: return frequencyLabel(s.frequency);
    case NextDueColumn: return DateText::format(s.nextDueDate);
    case AutoColumn: return s.autoPost ? tr("Yes") : tr("No");
    case StatusColumn: return s.isActive ? tr("Active") : tr("Inactive");
    }
    return {};
}

QString RecurringModel::frequencyLabel(Frequency frequency)
{
    // The schedule form's labels, so the list and the form read alike.
    switch (frequency) {
    case Frequency::Daily: return QCoreApplication::translate("RecurringFormDialog", "Daily");
    case Frequency::Weekly: return QCoreApplication::translate("RecurringFormDialog", "Weekly");
    case Frequency::Biweekly:
        return QCoreApplication::translate("RecurringFormDialog", "Bi-weekly");
    case Frequency::Monthly: return QCoreApplication::translate("RecurringFormDialog", "Monthly");
    case Frequency::Quarterly:
        return QCoreApplication::translate("RecurringFormDialog", "Quarterly");
    case Frequency::SemiAnnual:
        return QCoreApplication::translate("RecurringFormDialog", "Semi-annual");
    case Frequency::Annual: return QCoreApplication::translate("RecurringFormDialog", "Annual");
    }
    return {};
}

QVariant RecurringModel::foreground(const RecurringTransaction& s, int column) const
{
    if (column == AmountColumn && s.amount < 0)
        return ThemeColors::pick(ThemeColors::kRed);
    if (column == NextDueColumn && isDue(s))
        return QColor(0, 136, 0);
    if (column == StatusColumn && !s.isActive)
        return QColor(Qt::gray);
    return {};
}

QVariant RecurringModel::data(const QModelIndex& index, int role) const
{
    const RecurringTransaction* s = index.isValid() ? scheduleAt(index.row()) : nullptr;
    if (!s)
        return {};
    switch (role) {
    case Qt::DisplayRole: return displayText(*s, index.column());
    case Qt::ForegroundRole: return foreground(*s, index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default: return {};
    }
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case AccountColumn: return tr("Account");
    case PayeeColumn: return tr("Payee");
    case AmountColumn: return tr("Amount");
    case FrequencyColumn: return tr("Frequency");
    case NextDueColumn: return tr("Next Due");
    case AutoColumn: return tr("Auto");
    case StatusColumn: return tr("Status");
    }
    return {};
}
