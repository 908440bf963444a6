#include "ZipWriter.h"

#include "ZipFormat.h"

#include <QIODevice>

#include <zlib.h>

using namespace ZipFormat;

namespace {

constexpr quint32 kMax32 = 0xffffffffu;
constexpr quint16 kVersionNeeded = 20;
constexpr quint16 kVersionZip64 = 45;

} // namespace

// One deflate state for the whole archive, reset between entries: a fresh one
// per entry costs more than deflating a row document. The fastest level: row
// documents are small, and the slower ones gain 2% of size for a third more time.
struct ZipWriter::Deflater {
    z_stream stream {};
    bool ready = false;
    QByteArray buffer;

    Deflater()
    {
        ready = deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY)
            == Z_OK;
    }
    ~Deflater()
    {
        if (ready)
            deflateEnd(&stream);
    }

    // Raw deflate of `data`, or nothing when it failed.
    bool deflate(const QByteArray& data)
    {
        if (!ready || deflateReset(&stream) != Z_OK)
            return false;
        buffer.resize(qsizetype(deflateBound(&stream, uLong(data.size()))));
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
        stream.avail_in = uInt(data.size());
        stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
        stream.avail_out = uInt(buffer.size());
        if (::deflate(&stream, Z_FINISH) != Z_STREAM_END)
            return false;
        buffer.resize(qsizetype(stream.total_out));
        return true;
    }
};

ZipWriter::ZipWriter(QIODevice* device, const QDateTime& stamp)
    : m_device(device)
    , m_deflater(std::make_unique<Deflater>())
{
    const QDate date = stamp.date();
    const QTime time = stamp.time();
    if (date.year() >= 1980) {
        m_dosDate = quint16(((date.year() - 1980) << 9) | (date.month() << 5) | date.day());
        m_dosTime = quint16((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
    }
    if (!m_directory.open())
        fail(QStringLiteral("cannot create a temporary file: %1").arg(m_directory.errorString()));
    else if (!m_deflater->ready)
        fail(QStringLiteral("cannot start compression"));
}

ZipWriter::~ZipWriter() = default;

void ZipWriter::fail(const QString& error)
{
    if (!m_failed)
        m_error = error;
    m_failed = true;
}

bool ZipWriter::write(QIODevice* device, const QByteArray& bytes)
{
    if (m_failed)
        return false;
    if (device->write(bytes) != bytes.size()) {
        fail(device->errorString());
        return false;
    }
    return true;
}

bool ZipWriter::addFile(const QByteArray& name, const QByteArray& data)
{
    if (m_failed || m_closed || name.size() > 0xffff)
        return false;
    const quint32 crc = quint32(crc32(
        crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
    if (!m_deflater->deflate(data)) {
        fail(QStringLiteral("compression failed"));
        return false;
    }
    // Tiny documents can grow when deflated; those are stored as they are.
    const bool stored = m_deflater->buffer.size() >= data.size();
    const QByteArray& body = stored ? data : m_deflater->buffer;
    const quint16 method = stored ? kStored : kDeflated;

    QByteArray local;
    local.reserve(kLocalHeaderSize + name.size());
    put32(local, kLocalHeader);
    put16(local, kVersionNeeded);
    put16(local, kUtf8Names);
    put16(local, method);
    put16(local, m_dosTime);
    put16(local, m_dosDate);
    put32(local, crc);
    put32(local, quint32(body.size()));
    put32(local, quint32(data.size()));
    put16(local, quint16(name.size()));
    put16(local, 0);
    local.append(name);

    const bool farOffset = m_offset >= kMax32;
    QByteArray central;
    central.reserve(kCentralHeaderSize + name.size() + 12);
    put32(central, kCentralHeader);
    put16(central, kVersionZip64);
    put16(central, farOffset ? kVersionZip64 : kVersionNeeded);
    put16(central, kUtf8Names);
    put16(central, method);
    put16(central, m_dosTime);
    put16(central, m_dosDate);
    put32(central, crc);
    put32(central, quint32(body.size()));
    put32(central, quint32(data.size()));
    put16(central, quint16(name.size()));
    put16(central, farOffset ? 12 : 0);
    put16(central, 0); // comment
    put16(central, 0); // disk
    put16(central, 0); // internal attributes
    put32(central, 0); // external attributes
    put32(central, farOffset ? kMax32 : quint32(m_offset));
    central.append(name);
    if (farOffset) {
        put16(central, kZip64Extra);
        put16(central, 8);
        put64(central, m_offset);
    }

    if (!write(m_device, local) || !write(m_device, body) || !write(&m_directory, central))
        return false;
    m_offset += quint64(local.size() + body.size());
    ++m_entries;
    return true;
}

bool ZipWriter::close()
{
    if (m_closed)
        return !m_failed;
    m_closed = true;
    if (m_failed)
        return false;
    const quint64 directoryOffset = m_offset;
    const quint64 directorySize = quint64(m_directory.size());
    if (!m_directory.seek(0)) {
        fail(m_directory.errorString());
        return false;
    }
    while (!m_directory.atEnd()) {
        const QByteArray chunk = m_directory.read(1 << 20);
        if (chunk.isEmpty()) {
            fail(m_directory.errorString());
            return false;
        }
        if (!write(m_device, chunk))
            return false;
    }

    QByteArray tail;
    const bool zip64 = m_entries >= 0xffff || directoryOffset >= kMax32 || directorySize >= kMax32;
    if (zip64) {
        const quint64 recordOffset = directoryOffset + directorySize;
        put32(tail, kZip64EndOfDirectory);
        put64(tail, kZip64EndOfDirectorySize - 12);
        put16(tail, kVersionZip64);
        put16(tail, kVersionZip64);
        put32(tail, 0);
        put32(tail, 0);
        put64(tail, m_entries);
        put64(tail, m_entries);
        put64(tail, directorySize);
        put64(tail, directoryOffset);
        put32(tail, kZip64Locator);
        put32(tail, 0);
        put64(tail, recordOffset);
        put32(tail, 1);
    }
    put32(tail, kEndOfDirectory);
    put16(tail, 0);
    put16(tail, 0);
    put16(tail, quint16(qMin<quint64>(m_entries, 0xffff)));
    put16(tail, quint16(qMin<quint64>(m_entries, 0xffff)));
    put32(tail, quint32(qMin<quint64>(directorySize, kMax32)));
    put32(tail, quint32(qMin<quint64>(directoryOffset, kMax32)));
    put16(tail, 0);
    return write(m_device, tail);
}
