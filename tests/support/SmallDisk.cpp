#include "SmallDisk.h"

#include "data/Database.h"

#include <QByteArray>
#include <QFile>
#include <QSqlQuery>

#include <sqlite3.h>
#include <sys/mount.h>

namespace {

SmallDisk* g_releaseWhenFull = nullptr;
QtMessageHandler g_previousHandler = nullptr;

void watchForFullDisk(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_releaseWhenFull && message.contains(QLatin1String("database or disk is full")))
        g_releaseWhenFull->release();
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

void countInsert(sqlite3_context* context, int, sqlite3_value**)
{
    auto* disk = static_cast<SmallDisk*>(sqlite3_user_data(context));
    disk->onInsert(sqlite3_context_db_handle(context));
    sqlite3_result_null(context);
}

} // namespace

SmallDisk::SmallDisk(qint64 bytes)
{
    const QByteArray options = "size=" + QByteArray::number(bytes);
    m_mounted = m_dir.isValid()
        && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
               options.constData())
            == 0;
}

SmallDisk::~SmallDisk()
{
    if (g_releaseWhenFull == this) {
        g_releaseWhenFull = nullptr;
        qInstallMessageHandler(g_previousHandler);
    }
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool SmallDisk::fill()
{
    QFile filler(m_dir.filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) { }
    // Single bytes take what whole blocks could not.
    while (filler.write("x", 1) == 1) { }
    return true;
}

void SmallDisk::release()
{
    QFile::remove(m_dir.filePath(QStringLiteral("filler")));
}

void SmallDisk::onInsert(void* connection)
{
    if (m_insertsLeft < 0 || --m_insertsLeft != 0)
        return;
    fill();
    sqlite3_exec(
        static_cast<sqlite3*>(connection), "PRAGMA cache_size = 4", nullptr, nullptr, nullptr);
}

bool SmallDisk::fillAtInsert(Database* db, const QString& table, int n)
{
    sqlite3* handle = db->handle();
    m_insertsLeft = n;
    return handle
        && sqlite3_create_function_v2(handle, "small_disk_count", 0, SQLITE_UTF8, this, countInsert,
               nullptr, nullptr, nullptr)
        == SQLITE_OK
        && QSqlQuery(db->database())
               .exec(QStringLiteral("CREATE TEMP TRIGGER small_disk_count AFTER INSERT ON "
                                    "main.%1 BEGIN SELECT small_disk_count(); END")
                         .arg(table));
}

void SmallDisk::releaseWhenFull()
{
    g_releaseWhenFull = this;
    g_previousHandler = qInstallMessageHandler(watchForFullDisk);
}
