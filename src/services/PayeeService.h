#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <optional>

class Database;
class TransactionRepository;

// Tidies the payee list: renames payees and merges several into one, each
// as one unit of work over the live transactions that use them.
class PayeeService : public QObject {
    Q_OBJECT

public:
    PayeeService(Database* db, TransactionRepository* transactions, QObject* parent = nullptr);

    // Gives every live transaction paid to one of `payees` (exact text) the
    // payee `newName`; the count changed, nothing when the write failed (and
    // then nothing changed). An empty name changes nothing.
    std::optional<int> rename(const QStringList& payees, const QString& newName);

    // The payees that look alike to a reader: the same text once case and
    // surrounding spaces are set aside. Each maps to the others like it.
    static QHash<QString, QStringList> lookalikes(const QStringList& payees);

private:
    Database* m_db;
    TransactionRepository* m_transactions;
};
