#pragma once

#include "RegisterModel.h"
#include "data/SplitLine.h"
#include "data/Transaction.h"

#include <QString>

class AppState;

// Turns the register's entry buffer into stored transactions, both legs of
// a transfer included, and deletes or clears them, each change as one unit
// of work so a transfer is never left with one leg.
class RegisterEntryWriter {
public:
    enum class Status {
        Saved,
        PayeeRequired,
        AmountRequired,
        TransferAccountNotFound,
        CurrencyMismatch,
        StoreFailed
    };

    explicit RegisterEntryWriter(AppState* state);

    // `existing` is the stored transaction being edited, or null for a new one.
    Status commit(const QString& accountId, const RegisterModel::EntryBuffer& buffer,
        const Transaction* existing);
    // Stores a transaction from the transaction form with its split lines
    // (replacing the stored ones) as one unit; a transfer's other leg follows.
    bool save(const Transaction& transaction, const QList<SplitLine>& lines, bool isNew);
    // Deletes the transaction and, for a transfer, its other leg first.
    bool remove(const Transaction& transaction);
    bool toggleCleared(const Transaction& transaction);

private:
    struct Parsed {
        QString payee;
        qint64 amount = 0;
        QDate date;
        QString categoryId;
        bool cleared = false;
        bool reconciled = false;
        QString transferTargetId;
        QString transferTargetName;
    };

    Status parse(
        const QString& accountId, const RegisterModel::EntryBuffer& buffer, Parsed& out) const;
    QString resolveCategory(const RegisterModel::EntryBuffer& buffer) const;
    static Transaction otherLeg(const Transaction& first, const QString& accountName);
    bool followOtherLeg(const Transaction& changed);

    AppState* m_state;
};
