#pragma once

#include <QString>

class Store;

// The schema scripts of the store's dialect (":/server/migrations/<dialect>/"),
// applied in name order, each once, recorded in schema_migrations.
namespace Migrations {

bool apply(Store& store, QString* error);

} // namespace Migrations
