#pragma once

#include "TokenStore.h"

#include <QJsonObject>

namespace MellAccount {

// Tokens in one JSON file that only the owner may read (0600, in a 0700
// folder): the place of last resort when the system offers no secret store.
class FileTokenStore : public TokenStore {
public:
    explicit FileTokenStore(const QString& path);

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool removeKey(const QString& key) override;

    QString path() const { return m_path; }
    bool exists() const;

private:
    QJsonObject load() const;
    bool save(const QJsonObject& values) const;

    QString m_path;
};

} // namespace MellAccount
