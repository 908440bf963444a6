#pragma once

class QPoint;
class RegisterScreen;

// The register's menu on a row (or on the empty space below the rows).
namespace RegisterContextMenu {

// Shows it at `pos` in the view's viewport and runs the chosen action.
void exec(RegisterScreen* screen, const QPoint& pos);

} // namespace RegisterContextMenu
