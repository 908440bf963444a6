#include "Manifest.h"

#include "net/NetworkPolicy.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <cmath>

namespace MellUpdate {

namespace {

constexpr int kSchema = 1;
constexpr qsizetype kSha256Length = 64;

// Null when absent or not a string; `error` says which field.
std::optional<QString> requiredString(const QJsonObject& object, const char* key, QString* error)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString()) {
        *error = QStringLiteral("missing or non-string field: %1").arg(QLatin1String(key));
        return std::nullopt;
    }
    return value.toString();
}

std::optional<Artifact> parseArtifact(const QString& key, const QJsonValue& value, QString* error)
{
    if (!value.isObject()) {
        *error = QStringLiteral("artifact %1 is not an object").arg(key);
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    const auto version = requiredString(object, "version", error);
    const auto releasedAt = version ? requiredString(object, "released_at", error) : std::nullopt;
    const auto url = releasedAt ? requiredString(object, "url", error) : std::nullopt;
    const auto sha256 = url ? requiredString(object, "sha256", error) : std::nullopt;
    if (!sha256)
        return std::nullopt;

    Artifact artifact;
    artifact.version = *version;
    artifact.releasedAt = QDateTime::fromString(*releasedAt, Qt::ISODate);
    artifact.url = QUrl(*url, QUrl::StrictMode);
    artifact.size = object.value(QLatin1String("size")).toInteger(-1);
    artifact.sha256 = *sha256;
    artifact.mandatory = object.value(QLatin1String("mandatory")).toBool(false);
    artifact.minUpgradableFrom = object.value(QLatin1String("min_upgradable_from")).toString();
    const QString notes = object.value(QLatin1String("release_notes_url")).toString();
    if (!notes.isEmpty())
        artifact.releaseNotesUrl = QUrl(notes, QUrl::StrictMode);

    // The download address is opened in the browser: only web addresses pass,
    // never file: or other schemes a feed could slip in.
    if (artifact.version.isEmpty() || !NetworkPolicy::isAllowedTarget(artifact.url)
        || artifact.sha256.size() != kSha256Length) {
        *error = QStringLiteral("artifact %1 failed validation").arg(key);
        return std::nullopt;
    }
    return artifact;
}

} // namespace

std::optional<Manifest> Manifest::parse(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("JSON parse error: %1").arg(parseError.errorString());
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("manifest root is not a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    const QJsonValue schema = root.value(QLatin1String("schema"));
    const double schemaNumber = schema.toDouble();
    if (!schema.isDouble() || std::trunc(schemaNumber) != schemaNumber) {
        *error = QStringLiteral("missing or non-integer field: schema");
        return std::nullopt;
    }
    if (schemaNumber != kSchema) {
        *error = QStringLiteral("unsupported manifest schema: %1 (expected %2)")
                     .arg(QString::number(schemaNumber))
                     .arg(kSchema);
        return std::nullopt;
    }
    Manifest manifest;
    const auto app = requiredString(root, "app", error);
    const auto channel = app ? requiredString(root, "channel", error) : std::nullopt;
    if (!channel)
        return std::nullopt;
    manifest.app = *app;
    manifest.channel = *channel;

    const QJsonValue artifacts = root.value(QLatin1String("artifacts"));
    if (!artifacts.isObject()) {
        *error = QStringLiteral("missing or non-object field: artifacts");
        return std::nullopt;
    }
    const QJsonObject byPlatform = artifacts.toObject();
    for (auto it = byPlatform.begin(); it != byPlatform.end(); ++it) {
        const auto artifact = parseArtifact(it.key(), it.value(), error);
        if (!artifact)
            return std::nullopt;
        manifest.artifacts.insert(it.key(), *artifact);
    }
    if (manifest.app.isEmpty() || manifest.channel.isEmpty()) {
        *error = QStringLiteral("manifest failed validation");
        return std::nullopt;
    }
    return manifest;
}

QString Manifest::platformKey()
{
    return platformKey(QSysInfo::kernelType(), QSysInfo::currentCpuArchitecture());
}

QString Manifest::platformKey(const QString& kernelType, const QString& cpuArchitecture)
{
    // A Linux user must never be offered a Windows installer: the system
    // counts as much as the processor.
    const QString kernel = kernelType.toLower();
    QString system;
    if (kernel == QLatin1String("winnt"))
        system = QStringLiteral("windows");
    else if (kernel == QLatin1String("linux"))
        system = QStringLiteral("linux");
    else if (kernel == QLatin1String("darwin"))
        system = QStringLiteral("macos");

    QString processor;
    if (cpuArchitecture == QLatin1String("x86_64"))
        processor = QStringLiteral("x64");
    else if (cpuArchitecture == QLatin1String("arm64"))
        processor = QStringLiteral("arm64");

    if (system.isEmpty() || processor.isEmpty())
        return {};
    return system + QLatin1Char('-') + processor;
}

} // namespace MellUpdate
