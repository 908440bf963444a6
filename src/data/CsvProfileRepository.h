#pragma once

#include "Repository.h"
#include "SyncFields.h"

#include <QList>
#include <QString>
#include <optional>

// How one bank's comma-separated files are read into one account, as stored:
// the mapping is JSON that the import service reads.
struct CsvProfileRecord : SyncFields {
    QString id;
    QString accountId;
    QString name;
    QString headerShape;
    QString mapping;
};

// The profiles are synchronised like the ledger's rows: every change marks the
// row pending, and a deletion stays as a tombstone so that it reaches the
// other computers.
class CsvProfileRepository : public Repository {
    Q_OBJECT

public:
    explicit CsvProfileRepository(Database* db, QObject* parent = nullptr);

    // The account's live profiles by name.
    QList<CsvProfileRecord> forAccount(const QString& accountId) const;
    // Deleted ones included.
    std::optional<CsvProfileRecord> findById(const QString& id) const;
    QList<CsvProfileRecord> findPending() const;
    // Inserts, or replaces what the profile of the same id reads and says.
    bool save(const CsvProfileRecord& profile);
    bool rename(const QString& id, const QString& name);
    bool remove(const QString& id);
    // A row as the sync server sent it, deleted_at included; no signal.
    bool storeReceived(const CsvProfileRecord& profile);
    int markAllPendingForResync();

Q_SIGNALS:
    void csvProfilesChanged();
};
