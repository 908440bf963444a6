#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QTemporaryFile>
#include <memory>

class QIODevice;

// Writes a ZIP archive entry by entry straight to a device, deflating each
// entry on its own. Qt's own writer keeps every entry header in memory and
// cannot count past 65,535 entries; a large ledger has a million rows, so the
// central directory is spooled to a temporary file and the ZIP64 records are
// written when the counts or offsets need them.
class ZipWriter {
public:
    explicit ZipWriter(QIODevice* device, const QDateTime& stamp = QDateTime::currentDateTime());
    ~ZipWriter();

    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    bool addFile(const QByteArray& name, const QByteArray& data);
    // Writes the central directory; false when any write failed.
    bool close();
    bool hasFailed() const { return m_failed; }
    QString errorString() const { return m_error; }

private:
    bool write(QIODevice* device, const QByteArray& bytes);
    void fail(const QString& error);

    struct Deflater;
    QIODevice* m_device;
    QTemporaryFile m_directory;
    std::unique_ptr<Deflater> m_deflater;
    quint16 m_dosTime = 0;
    quint16 m_dosDate = 0;
    quint64 m_offset = 0;
    quint64 m_entries = 0;
    bool m_failed = false;
    bool m_closed = false;
    QString m_error;
};
