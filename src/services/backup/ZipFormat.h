#pragma once

#include <QByteArray>
#include <QtGlobal>

// Little-endian fields of the ZIP records, shared by the reader and the writer.
namespace ZipFormat {

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint32 kZip64EndOfDirectory = 0x06064b50;
constexpr quint32 kZip64Locator = 0x07064b50;
constexpr quint16 kZip64Extra = 0x0001;
constexpr quint16 kUtf8Names = 0x0800;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
constexpr int kLocalHeaderSize = 30;
constexpr int kCentralHeaderSize = 46;
constexpr int kEndOfDirectorySize = 22;
constexpr int kZip64EndOfDirectorySize = 56;
constexpr int kZip64LocatorSize = 20;

inline void put16(QByteArray& out, quint16 value)
{
    out.append(char(value & 0xff)).append(char(value >> 8));
}

inline void put32(QByteArray& out, quint32 value)
{
    put16(out, quint16(value & 0xffff));
    put16(out, quint16(value >> 16));
}

inline void put64(QByteArray& out, quint64 value)
{
    put32(out, quint32(value & 0xffffffffu));
    put32(out, quint32(value >> 32));
}

inline quint16 get16(const char* p)
{
    const auto* u = reinterpret_cast<const uchar*>(p);
    return quint16(u[0] | (u[1] << 8));
}

inline quint32 get32(const char* p)
{
    return quint32(get16(p)) | (quint32(get16(p + 2)) << 16);
}

inline quint64 get64(const char* p)
{
    return quint64(get32(p)) | (quint64(get32(p + 4)) << 32);
}

} // namespace ZipFormat
