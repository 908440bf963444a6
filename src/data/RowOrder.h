#pragma once

#include "SqlRow.h"

#include <QByteArray>
#include <QList>
#include <vector>

// Orders rows read without ORDER BY the way SQLite orders text columns with
// its BINARY collation (bytes, then length), ties kept in reading order.
// SQLite's sorter copies whole rows; for a large register sorting positions
// here costs a fraction of that. Keys that are not text (never written by this
// program) make the order unusable, and the caller lets SQLite sort instead.
class RowOrder {
public:
    explicit RowOrder(const QList<int>& columns);

    void add(const SqlRow& row);
    bool isUsable() const { return m_usable; }
    // The reading positions of the rows in ascending key order.
    std::vector<qsizetype> permutation() const;

private:
    QByteArrayView key(qsizetype row, qsizetype part) const;

    QList<int> m_columns;
    QByteArray m_bytes; // every key, back to back
    std::vector<qsizetype> m_offsets; // start of each key part, plus the end
    bool m_usable = true;
};
