#pragma once

#include <QString>

// Style sheets shared by several screens.
namespace Styles {

// The filled primary button with background `color`.
QString primaryButton(const QString& color);
// A flat button that reads as a link in `color`.
QString linkButton(const QString& color);

// The colours of the page lists beside the preferences and account pages.
struct NavigationColors {
    const char* panel;
    const char* text;
    const char* hover;
    const char* selection;
    const char* selectedText;
};
NavigationColors navigationColors(bool dark);

} // namespace Styles
