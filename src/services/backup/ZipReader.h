#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QIODevice;

// Reads a ZIP archive (ZIP64 included) from a seekable device without holding
// its directory in memory: the directory is walked record by record and each
// entry is read on request with a ceiling on its unpacked size. Qt's reader
// looks every entry up by a linear search and stops counting at 65,535.
class ZipReader {
public:
    struct Entry {
        QByteArray name;
        quint64 compressedSize = 0;
        quint64 size = 0;
        quint64 localOffset = 0;
        quint32 crc = 0;
        quint16 method = 0;
    };

    enum class Read { Ok, Damaged, TooLarge };

    explicit ZipReader(QIODevice* device);
    ~ZipReader();

    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // Finds the central directory; false when the device holds no ZIP archive.
    bool open();
    // The size of the archive itself.
    qint64 archiveSize() const;
    // The number of entries the archive declares.
    quint64 entryCount() const { return m_entryCount; }
    // Calls `visit` for every entry in directory order until it returns false.
    // False when the directory is damaged.
    bool forEach(const std::function<bool(const Entry&)>& visit) const;
    // The unpacked bytes of `entry`; TooLarge when it would exceed `maxSize`.
    Read read(const Entry& entry, qint64 maxSize, QByteArray* out) const;

private:
    bool readAt(quint64 offset, qint64 length, QByteArray* out) const;

    struct Inflater;
    QIODevice* m_device;
    std::unique_ptr<Inflater> m_inflater;
    qint64 m_size = 0;
    quint64 m_entryCount = 0;
    quint64 m_directoryOffset = 0;
    quint64 m_directorySize = 0;
};
