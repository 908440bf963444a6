#include "Styles.h"

namespace Styles {

QString primaryButton(const QString& color)
{
    return QStringLiteral("QPushButton {  background-color: %1;  color: white;  border: none;  "
                          "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: "
                          "80px;}QPushButton:hover {  background-color: #00796B;}"
                          "QPushButton:pressed {  background-color: #004D40;}")
        .arg(color);
}

NavigationColors navigationColors(bool dark)
{
    if (dark)
        return { "#152420", "#D8E8DF", "#1E3530", "#26574A", "#FFFFFF" };
    return { "#F0F4F2", "#1B2D26", "#E0EBE5", "#00897B", "#FFFFFF" };
}

QString linkButton(const QString& color)
{
    return QStringLiteral("color: %1;").arg(color);
}

} // namespace Styles
