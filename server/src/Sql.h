#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace Sql {

// Prepares `statement`, binds `values` in order and runs it; a failure is
// logged with the statement and the driver's text. Values are never spliced
// into statement text.
bool exec(QSqlQuery& query, const QString& statement, const QVariantList& values = {});
// For a statement run many times in a row: prepared once (on PostgreSQL a
// round trip of its own), then run with each set of values.
bool prepare(QSqlQuery& query, const QString& statement);
bool run(QSqlQuery& query, const QVariantList& values);

} // namespace Sql
