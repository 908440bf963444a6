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

const SecretSchema* schema()
{
    static const SecretSchema tokens = { "com.mellowindvantor.ledgerine.Token", SECRET_SCHEMA_NONE,
        {
            { "service", SECRET_SCHEMA_ATTRIBUTE_STRING },
            { "key", SECRET_SCHEMA_ATTRIBUTE_STRING },
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

SecretServiceTokenStore::SecretServiceTokenStore(const QString& serviceName)
    : m_serviceName(serviceName)
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
        m_serviceName.toUtf8().constData(), "key", key.toUtf8().constData(), nullptr);
    if (failed(error, "lookup") || !secret)
        return std::nullopt;
    const QString value = QString::fromUtf8(secret);
    secret_password_free(secret);
    return value;
}

bool SecretServiceTokenStore::write(const QString& key, const QString& value)
{
    GError* error = nullptr;
    const QByteArray label = QStringLiteral("Mellowind Ledgerine (%1)").arg(key).toUtf8();
    secret_password_store_sync(schema(), SECRET_COLLECTION_DEFAULT, label.constData(),
        value.toUtf8().constData(), nullptr, &error, "service", m_serviceName.toUtf8().constData(),
        "key", key.toUtf8().constData(), nullptr);
    return !failed(error, "store");
}

bool SecretServiceTokenStore::removeKey(const QString& key)
{
    GError* error = nullptr;
    secret_password_clear_sync(schema(), nullptr, &error, "service",
        m_serviceName.toUtf8().constData(), "key", key.toUtf8().constData(), nullptr);
    return !failed(error, "clear");
}

} // namespace MellAccount

#endif
