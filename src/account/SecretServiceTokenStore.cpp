#include "SecretServiceTokenStore.h"

#ifdef LEDGERINE_HAVE_LIBSECRET

#include "AccountLogging.h"

// GLib's headers use "signals" as a plain name, which Qt defines as a macro.
#pragma push_macro("signals")
#undef signals
#include <libsecret/secret.h>
#pragma pop_macro("signals")

namespace MellAccount {

namespace {

constexpr const char* kDirectoryAttribute = "data_dir";

const SecretSchema* schema()
{
    // Items are found by their attributes alone, whoever stored them.
    static const SecretSchema tokens
        = { "com.mellowindvantor.ledgerine.Token", SECRET_SCHEMA_DONT_MATCH_NAME,
              {
                  { "service", SECRET_SCHEMA_ATTRIBUTE_STRING },
                  { "key", SECRET_SCHEMA_ATTRIBUTE_STRING },
                  { kDirectoryAttribute, SECRET_SCHEMA_ATTRIBUTE_STRING },
                  { nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING },
              },
              0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr };
    return &tokens;
}

// Logs and releases `error`; true when there was one.
bool failed(GError* error, const char* operation)
{
    if (!error)
        return false;
    qCWarning(lcAccount).noquote() << "Secret Service" << operation << "failed:" << error->message;
    g_error_free(error);
    return true;
}

} // namespace

SecretServiceTokenStore::SecretServiceTokenStore(
    const QString& serviceName, const QString& directoryKey)
    : m_serviceName(serviceName)
    , m_directoryKey(directoryKey)
{
}

bool SecretServiceTokenStore::isAvailable(QString* why)
{
    // A lookup that matches nothing: it needs the service to answer, but never
    // asks the user to unlock a keyring.
    GError* error = nullptr;
    gchar* found = secret_password_lookup_sync(schema(), nullptr, &error, "service",
        "com.mellowindvantor.ledgerine.probe", "key", "probe", nullptr);
    secret_password_free(found);
    if (!error)
        return true;
    if (why)
        *why = QString::fromUtf8(error->message);
    g_error_free(error);
    return false;
}

std::optional<QString> SecretServiceTokenStore::read(const QString& key)
{
    GError* error = nullptr;
    gchar* secret = secret_password_lookup_sync(schema(), nullptr, &error, "service",
        m_serviceName.toUtf8().constData(), "key", key.toUtf8().constData(), kDirectoryAttribute,
        m_directoryKey.toUtf8().constData(), nullptr);
    if (failed(error, "lookup"))
        return std::nullopt;
    if (!secret) {
        // Kept before each directory had its own: this directory takes it.
        const auto unkeyed = takeUnkeyed(key);
        if (unkeyed && !write(key, *unkeyed))
            return std::nullopt;
        return unkeyed;
    }
    const QString value = QString::fromUtf8(secret);
    secret_password_free(secret);
    return value;
}

std::optional<QString> SecretServiceTokenStore::takeUnkeyed(const QString& key)
{
    GError* error = nullptr;
    GHashTable* attributes = secret_attributes_build(schema(), "service",
        m_serviceName.toUtf8().constData(), "key", key.toUtf8().constData(), nullptr);
    GList* items = secret_service_search_sync(nullptr, schema(), attributes,
        SecretSearchFlags(SECRET_SEARCH_ALL | SECRET_SEARCH_UNLOCK | SECRET_SEARCH_LOAD_SECRETS),
        nullptr, &error);
    g_hash_table_unref(attributes);
    if (failed(error, "search"))
        return std::nullopt;
    std::optional<QString> found;
    for (GList* at = items; at && !found; at = at->next) {
        auto* item = static_cast<SecretItem*>(at->data);
        GHashTable* own = secret_item_get_attributes(item);
        const bool keyed = g_hash_table_contains(own, kDirectoryAttribute);
        g_hash_table_unref(own);
        SecretValue* value = keyed ? nullptr : secret_item_get_secret(item);
        if (!value)
            continue;
        found = QString::fromUtf8(secret_value_get_text(value));
        secret_value_unref(value);
        GError* deleteError = nullptr;
        secret_item_delete_sync(item, nullptr, &deleteError);
        failed(deleteError, "delete");
        qCInfo(lcAccount) << "A keyring item of no data directory now belongs to this one:" << key;
    }
    g_list_free_full(items, g_object_unref);
    return found;
}

bool SecretServiceTokenStore::write(const QString& key, const QString& value)
{
    GError* error = nullptr;
    const QByteArray label = QStringLiteral("Mellowind Ledgerine (%1)").arg(key).toUtf8();
    secret_password_store_sync(schema(), SECRET_COLLECTION_DEFAULT, label.constData(),
        value.toUtf8().constData(), nullptr, &error, "service", m_serviceName.toUtf8().constData(),
        "key", key.toUtf8().constData(), kDirectoryAttribute, m_directoryKey.toUtf8().constData(),
        nullptr);
    return !failed(error, "store");
}

bool SecretServiceTokenStore::removeKey(const QString& key)
{
    GError* error = nullptr;
    secret_password_clear_sync(schema(), nullptr, &error, "service",
        m_serviceName.toUtf8().constData(), "key", key.toUtf8().constData(), kDirectoryAttribute,
        m_directoryKey.toUtf8().constData(), nullptr);
    return !failed(error, "clear");
}

} // namespace MellAccount

#endif
