#include "ReadOnlyFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

namespace {

bool mount(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("mount"), arguments) == 0;
}

const QFile::Permissions kWrite
    = QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;

void setWritable(const QString& path, bool writable)
{
    const QDir dir(path);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = dir.filePath(name);
        const QFile::Permissions now = QFile::permissions(file);
        QFile::setPermissions(
            file, writable ? now | QFile::WriteOwner | QFile::WriteUser : now & ~kWrite);
    }
    const QFile::Permissions now = QFile::permissions(path);
    QFile::setPermissions(
        path, writable ? now | QFile::WriteOwner | QFile::WriteUser : now & ~kWrite);
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& path)
    : m_path(QFileInfo(path).absoluteFilePath())
{
    if (geteuid() == 0) {
        m_mounted = mount({ QStringLiteral("--bind"), m_path, m_path });
        m_readOnly = m_mounted
            && mount({ QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), m_path });
    } else {
        setWritable(m_path, false);
        m_readOnly = !QFileInfo(m_path).isWritable();
    }
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), { m_path });
    else if (geteuid() != 0)
        setWritable(m_path, true);
}
