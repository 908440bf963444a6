#include "ZipReader.h"

#include "ZipFormat.h"

#include <QIODevice>

#include <zlib.h>

using namespace ZipFormat;

namespace {

constexpr quint32 kMax32 = 0xffffffffu;
constexpr qint64 kDirectoryChunk = 1 << 20;

// Reads sizes and offset that do not fit 32 bits from the ZIP64 extra field.
bool applyZip64Extra(const char* extra, int length, ZipReader::Entry& entry)
{
    const bool needSize = entry.size == kMax32;
    const bool needCompressed = entry.compressedSize == kMax32;
    const bool needOffset = entry.localOffset == kMax32;
    int pos = 0;
    while (pos + 4 <= length) {
        const quint16 id = get16(extra + pos);
        const int size = get16(extra + pos + 2);
        const char* field = extra + pos + 4;
        if (pos + 4 + size > length)
            return false;
        if (id == kZip64Extra) {
            int at = 0;
            auto take = [&](quint64& value) {
                if (at + 8 > size)
                    return false;
                value = get64(field + at);
                at += 8;
                return true;
            };
            return (!needSize || take(entry.size))
                && (!needCompressed || take(entry.compressedSize))
                && (!needOffset || take(entry.localOffset));
        }
        pos += 4 + size;
    }
    return !needSize && !needCompressed && !needOffset;
}

} // namespace

struct ZipReader::Inflater {
    z_stream stream {};
    bool ready = false;

    Inflater() { ready = inflateInit2(&stream, -MAX_WBITS) == Z_OK; }
    ~Inflater()
    {
        if (ready)
            inflateEnd(&stream);
    }
};

ZipReader::ZipReader(QIODevice* device)
    : m_device(device)
    , m_inflater(std::make_unique<Inflater>())
{
}

ZipReader::~ZipReader() = default;

bool ZipReader::readAt(quint64 offset, qint64 length, QByteArray* out) const
{
    if (length < 0 || offset + quint64(length) > quint64(m_size)
        || !m_device->seek(qint64(offset)))
        return false;
    *out = m_device->read(length);
    return out->size() == length;
}

bool ZipReader::open()
{
    if (!m_device || !m_device->isOpen() || m_device->isSequential() || !m_inflater->ready)
        return false;
    // Asking the file for its size costs a system call; a file cut short
    // later still shows as a short read.
    m_size = m_device->size();
    const qint64 fileSize = m_size;
    if (fileSize < kEndOfDirectorySize)
        return false;
    const qint64 tailLength = qMin<qint64>(fileSize, kEndOfDirectorySize + 0xffff);
    QByteArray tail;
    if (!readAt(quint64(fileSize - tailLength), tailLength, &tail))
        return false;
    qint64 end = -1;
    for (qint64 i = tail.size() - kEndOfDirectorySize; i >= 0; --i) {
        if (get32(tail.constData() + i) == kEndOfDirectory) {
            end = i;
            break;
        }
    }
    if (end < 0)
        return false;
    const char* eocd = tail.constData() + end;
    m_entryCount = get16(eocd + 10);
    m_directorySize = get32(eocd + 12);
    m_directoryOffset = get32(eocd + 16);

    const quint64 endOffset = quint64(fileSize - tailLength + end);
    if (endOffset >= kZip64LocatorSize) {
        QByteArray locator;
        if (readAt(endOffset - kZip64LocatorSize, kZip64LocatorSize, &locator)
            && get32(locator.constData()) == kZip64Locator) {
            QByteArray record;
            if (!readAt(get64(locator.constData() + 8), kZip64EndOfDirectorySize, &record)
                || get32(record.constData()) != kZip64EndOfDirectory)
                return false;
            m_entryCount = get64(record.constData() + 32);
            m_directorySize = get64(record.constData() + 40);
            m_directoryOffset = get64(record.constData() + 48);
        }
    }
    return m_directoryOffset <= quint64(fileSize) && m_directorySize <= quint64(fileSize)
        && m_directoryOffset + m_directorySize <= endOffset;
}

bool ZipReader::forEach(const std::function<bool(const Entry&)>& visit) const
{
    QByteArray buffer;
    qint64 pos = 0; // within buffer
    quint64 consumed = 0; // directory bytes before buffer[0]
    auto ensure = [&](qint64 needed) {
        if (buffer.size() - pos >= needed)
            return true;
        const quint64 next = consumed + quint64(pos);
        const qint64 left = qint64(m_directorySize - next);
        if (left < needed)
            return false;
        consumed = next;
        pos = 0;
        return readAt(m_directoryOffset + next, qMin(left, qMax(needed, kDirectoryChunk)), &buffer);
    };

    for (quint64 i = 0; i < m_entryCount; ++i) {
        if (!ensure(kCentralHeaderSize))
            return false;
        const char* header = buffer.constData() + pos;
        if (get32(header) != kCentralHeader)
            return false;
        Entry entry;
        entry.method = get16(header + 10);
        entry.crc = get32(header + 16);
        entry.compressedSize = get32(header + 20);
        entry.size = get32(header + 24);
        const int nameLength = get16(header + 28);
        const int extraLength = get16(header + 30);
        const int commentLength = get16(header + 32);
        entry.localOffset = get32(header + 42);
        const qint64 recordLength = kCentralHeaderSize + nameLength + extraLength + commentLength;
        if (!ensure(recordLength))
            return false;
        header = buffer.constData() + pos;
        entry.name = QByteArray(header + kCentralHeaderSize, nameLength);
        if (!applyZip64Extra(header + kCentralHeaderSize + nameLength, extraLength, entry))
            return false;
        pos += recordLength;
        if (!visit(entry))
            return true;
    }
    return true;
}

qint64 ZipReader::archiveSize() const
{
    return m_size;
}

ZipReader::Read ZipReader::read(const Entry& entry, qint64 maxSize, QByteArray* out) const
{
    out->clear();
    if (entry.size > quint64(maxSize))
        return Read::TooLarge;
    // Deflate shrinks at most about a thousandfold, and never grows much.
    if (entry.compressedSize > entry.size + 1024 + entry.size / 8)
        return Read::Damaged;
    // The local header, its name and the data in one read: the local extra
    // field is most often empty or short, and is read again when it is not.
    constexpr qint64 kExtraRoom = 64;
    const qint64 guess = qMin(qint64(kLocalHeaderSize + entry.name.size() + kExtraRoom)
            + qint64(entry.compressedSize),
        m_size - qint64(qMin(entry.localOffset, quint64(m_size))));
    QByteArray packed;
    if (guess < kLocalHeaderSize || !readAt(entry.localOffset, guess, &packed)
        || get32(packed.constData()) != kLocalHeader)
        return Read::Damaged;
    const quint64 dataStart
        = kLocalHeaderSize + get16(packed.constData() + 26) + get16(packed.constData() + 28);
    qsizetype at = qsizetype(dataStart);
    if (dataStart + entry.compressedSize > quint64(packed.size())) {
        if (!readAt(entry.localOffset + dataStart, qint64(entry.compressedSize), &packed))
            return Read::Damaged;
        at = 0;
    }

    if (entry.method == kStored) {
        if (entry.compressedSize != entry.size)
            return Read::Damaged;
        *out = packed.sliced(at, qsizetype(entry.compressedSize));
    } else if (entry.method == kDeflated) {
        z_stream& stream = m_inflater->stream;
        if (inflateReset(&stream) != Z_OK)
            return Read::Damaged;
        // One byte of room beyond the declared size tells a lying header.
        out->resize(qsizetype(entry.size) + 1);
        stream.next_in = reinterpret_cast<Bytef*>(packed.data() + at);
        stream.avail_in = uInt(entry.compressedSize);
        stream.next_out = reinterpret_cast<Bytef*>(out->data());
        stream.avail_out = uInt(out->size());
        const int rc = inflate(&stream, Z_FINISH);
        if (rc != Z_STREAM_END || stream.total_out != entry.size) {
            out->clear();
            return Read::Damaged;
        }
        out->resize(qsizetype(entry.size));
    } else {
        return Read::Damaged;
    }
    const quint32 crc = quint32(crc32(
        crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(out->constData()), uInt(out->size())));
    if (crc != entry.crc) {
        out->clear();
        return Read::Damaged;
    }
    return Read::Ok;
}
