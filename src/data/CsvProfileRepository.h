#pragma once

#include "Repository.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// How one bank's comma-separated files are read into one account, as stored:
// the mapping is JSON that the import service reads.
struct CsvProfileRecord {
    QString id;
    QString accountId;
    QString name;
    QString headerShape;
    QString mapping;
    QDateTime updatedAt;
};

class CsvProfileRepository : public Repository {
    Q_OBJECT

public:
    explicit CsvProfileRepository(Database* db, QObject* parent = nullptr);

    // The account's profiles by name.
    QList<CsvProfileRecord> forAccount(const QString& accountId) const;
    std::optional<CsvProfileRecord> findById(const QString& id) const;
    // Inserts, or replaces the profile of the same id.
    bool save(const CsvProfileRecord& profile);
    bool rename(const QString& id, const QString& name);
    bool remove(const QString& id);
};
