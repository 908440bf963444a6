#pragma once

#include <QString>

namespace Environment {

// The variable's value decoded as UTF-8; a variable set to "" counts as unset.
QString value(const char* name);
bool isSet(const char* name);

} // namespace Environment
