#pragma once

#include "data/Account.h"
#include "data/RecurringTransaction.h"

#include <QAbstractTableModel>
#include <QHash>
#include <optional>

class AccountRepository;

// The schedules as the recurring screen lists them, with the names and
// currencies of their accounts looked up once per account.
class RecurringModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        AccountColumn,
        PayeeColumn,
        AmountColumn,
        FrequencyColumn,
        NextDueColumn,
        AutoColumn,
        StatusColumn,
        ColumnCount
    };

    explicit RecurringModel(AccountRepository* accounts, QObject* parent = nullptr);

    void setSchedules(const QList<RecurringTransaction>& schedules);
    const RecurringTransaction* scheduleAt(int row) const;
    int rowOf(const QString& scheduleId) const;
    // Active and due today or earlier.
    static bool isDue(const RecurringTransaction& schedule);
    // In the order the schedule form offers them.
    static constexpr Frequency kFrequencies[] = { Frequency::Daily, Frequency::Weekly,
        Frequency::Biweekly, Frequency::Monthly, Frequency::Quarterly, Frequency::SemiAnnual,
        Frequency::Annual };
    static QString frequencyLabel(Frequency frequency);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const std::optional<Account>& account(const QString& id) const;
    QString displayText(const RecurringTransaction& s, int column) const;
    QVariant foreground(const RecurringTransaction& s, int column) const;

    AccountRepository* m_accounts;
    QList<RecurringTransaction> m_schedules;
    mutable QHash<QString, std::optional<Account>> m_accountCache;
};
