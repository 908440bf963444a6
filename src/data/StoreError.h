#pragma once

#include <QString>

// What a failed SQLite statement means for a run of many writes, and how a
// user is told.
namespace StoreError {

// Whether a failure concerns only the row being written (a constraint, a
// value SQLite will not take); anything else (a full disk, a locked, read-only
// or damaged file) means the store cannot take the run at all.
bool isRowFailure(int code);
// Why nothing could be stored, to finish a sentence such as "Nothing was
// imported: %1.": "the disk is full". `code` is SQLite's result code.
QString reason(int code);

} // namespace StoreError
