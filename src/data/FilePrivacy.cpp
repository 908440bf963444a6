#include "FilePrivacy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr QFile::Permissions kOwnerFile
    = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;

} // namespace

void FilePrivacy::restrictToOwner(const QString& path)
{
    QFile::setPermissions(path, QFile::permissions(path) & kOwnerFile);
}

void FilePrivacy::restrictToOwner(QFileDevice& file)
{
    file.setPermissions(file.permissions() & kOwnerFile);
}

bool FilePrivacy::makePrivateDirectory(const QString& path)
{
    const QFileInfo info(QDir::cleanPath(path));
    if (info.exists())
        return info.isDir();
    return QDir().mkpath(info.absolutePath())
        && (QDir().mkdir(
                info.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
            || QFileInfo(info.absoluteFilePath()).isDir());
}
