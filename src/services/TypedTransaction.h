#pragma once

#include <QString>

// A transaction as typed into the register's fields, before anything is read
// from the texts.
struct TypedTransaction {
    QString date;
    QString checkNumber;
    QString payee;
    QString category;
    QString memo;
    QString payment;
    QString deposit;
    QString cleared;
    QString categoryId;

    bool operator==(const TypedTransaction&) const = default;
    // Nothing typed but (perhaps) the date.
    bool isBlank() const;
};
