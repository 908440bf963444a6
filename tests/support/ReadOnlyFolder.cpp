#include "ReadOnlyFolder.h"

#include <QFileInfo>
#include <QProcess>

namespace {

bool mount(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("mount"), arguments) == 0;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& path)
    : m_path(QFileInfo(path).absoluteFilePath())
{
    m_mounted = mount({ QStringLiteral("--bind"), m_path, m_path });
    m_readOnly
        = m_mounted && mount({ QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), m_path });
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), { m_path });
}
