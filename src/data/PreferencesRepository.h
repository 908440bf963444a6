#pragma once

#include "Repository.h"

#include <QString>
#include <optional>

// Text key/value settings that travel with the data (theme, font scale, ...).
class PreferencesRepository : public Repository {
    Q_OBJECT

public:
    PreferencesRepository(Database* db, QObject* parent = nullptr);

    std::optional<QString> get(const QString& key) const;
    QString value(const QString& key, const QString& defaultValue = QString()) const;
    bool boolValue(const QString& key, bool defaultValue) const;

    bool set(const QString& key, const QString& value);
    void setBool(const QString& key, bool value);
    void setInt(const QString& key, int value);
    bool remove(const QString& key);

Q_SIGNALS:
    void changed(const QString& key);
};
