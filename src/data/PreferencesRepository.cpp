#include "PreferencesRepository.h"

#include "SqlValue.h"

PreferencesRepository::PreferencesRepository(Database* db, QObject* parent)
    : Repository(db, "PreferencesRepository", parent)
{
}

std::optional<QString> PreferencesRepository::get(const QString& key) const
{
    return selectOne<QString>(QStringLiteral("SELECT value FROM preferences WHERE key = ?"),
        { key }, [](const SqlRow& row) {
            const QString text = row.text(0);
            return text.isNull() ? QString(QLatin1String("")) : text;
        });
}

QString PreferencesRepository::value(const QString& key, const QString& defaultValue) const
{
    return get(key).value_or(defaultValue);
}

bool PreferencesRepository::boolValue(const QString& key, bool defaultValue) const
{
    const auto stored = get(key);
    if (!stored)
        return defaultValue;
    return *stored == QLatin1String("1") || *stored == QLatin1String("true");
}

bool PreferencesRepository::set(const QString& key, const QString& value)
{
    QSqlQuery& query = prepared(QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) "
                                               "ON CONFLICT(key) DO UPDATE SET value = "
                                               "excluded.value"),
        { key, SqlValue::text(value) });
    if (!query.exec())
        return false;
    deferred(key, [this, key] { Q_EMIT changed(key); })();
    return true;
}

void PreferencesRepository::setBool(const QString& key, bool value)
{
    set(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void PreferencesRepository::setInt(const QString& key, int value)
{
    set(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString& key)
{
    QSqlQuery& query = prepared(QStringLiteral("DELETE FROM preferences WHERE key = ?"), { key });
    return query.exec();
}
