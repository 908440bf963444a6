#pragma once

#include <QString>

// Real damage to a real ledger file, as a failing disk leaves it.
namespace DamagedFiles {

// Overwrites a leaf page of the table or index `object` (the one a third of
// the way through it) with 0xff bytes; the file must be closed. False when
// the object has no leaf page or the file cannot be written.
bool overwriteLeafPage(const QString& path, const QString& object);

// The file's bytes, for comparing before and after.
QByteArray bytes(const QString& path);

} // namespace DamagedFiles
