#pragma once

#include <QString>

// Style sheets shared by several screens.
namespace Styles {

// The filled primary button with background `color`.
QString primaryButton(const QString& color);
// A flat button that reads as a link in `color`.
QString linkButton(const QString& color);

} // namespace Styles
