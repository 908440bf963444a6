#pragma once

#include "ImportTypes.h"

#include <QObject>
#include <optional>

class CsvProfileRepository;

// A mapping of one bank's comma-separated files, kept for an account.
struct CsvProfile {
    QString id;
    QString accountId;
    QString name;
    // What the files it was made for look like at the top of their table.
    QString headerShape;
    CsvMapping mapping;
};

// Keeps the mappings of comma-separated files per account and finds the one
// that fits the next file of the same bank.
class CsvProfileService : public QObject {
    Q_OBJECT

public:
    CsvProfileService(CsvProfileRepository* repository, QObject* parent = nullptr);

    QList<CsvProfile> profiles(const QString& accountId) const;
    // The account's profile of this name (without case).
    std::optional<CsvProfile> named(const QString& accountId, const QString& name) const;
    // The account's profile whose files have the header shape of `text`.
    std::optional<CsvProfile> matching(const QString& accountId, const QString& text) const;
    // Keeps `mapping` as the account's profile for files shaped like `text`:
    // a profile of that shape takes it and keeps its name, else a new one
    // is named `name` (made unique within the account).
    std::optional<CsvProfile> remember(const QString& accountId, const QString& text,
        const CsvMapping& mapping, const QString& name);
    // False for an empty name or one another profile of the account has.
    bool rename(const QString& id, const QString& name);
    bool remove(const QString& id);
    // Where they are stored, for the sync engine.
    CsvProfileRepository* repository() const { return m_repository; }

Q_SIGNALS:
    void profilesChanged(const QString& accountId);

private:
    CsvProfileRepository* m_repository;
};
