#include "FileTokenStore.h"

#include "AccountLogging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <cstdio>

namespace MellAccount {

FileTokenStore::FileTokenStore(const QString& path)
    : m_path(path)
{
}

bool FileTokenStore::exists() const
{
    return QFileInfo::exists(m_path);
}

QJsonObject FileTokenStore::load() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool FileTokenStore::save(const QJsonObject& values) const
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder)
        || !QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)) {
        qCWarning(lcAccount).noquote() << "Cannot prepare the token folder" << folder;
        return false;
    }
    if (values.isEmpty())
        return !exists() || QFile::remove(m_path);

    // Written beside the old file and renamed over it, so that a crash leaves
    // either the old tokens or the new ones; created owner-only from the start.
    const QString temporary = m_path + QLatin1String(".new");
    QFile::remove(temporary);
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        qCWarning(lcAccount).noquote() << "Cannot write the token file" << temporary;
        return false;
    }
    const QByteArray bytes = QJsonDocument(values).toJson(QJsonDocument::Compact);
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written
        || std::rename(
               QFile::encodeName(temporary).constData(), QFile::encodeName(m_path).constData())
            != 0) {
        QFile::remove(temporary);
        qCWarning(lcAccount).noquote() << "Cannot write the token file" << m_path;
        return false;
    }
    return true;
}

std::optional<QString> FileTokenStore::read(const QString& key)
{
    const QJsonValue value = load().value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

bool FileTokenStore::write(const QString& key, const QString& value)
{
    QJsonObject values = load();
    values.insert(key, value);
    return save(values);
}

bool FileTokenStore::removeKey(const QString& key)
{
    QJsonObject values = load();
    if (!values.contains(key))
        return true;
    values.remove(key);
    return save(values);
}

} // namespace MellAccount
