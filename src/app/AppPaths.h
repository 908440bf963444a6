#pragma once

#include <QString>

namespace AppPaths {

// LEDGERINE_DATA_DIR when set, else <generic data location>/Mellowind/Ledgerine.
QString dataDirectory();
QString databasePath();

} // namespace AppPaths
