#pragma once

#include <QString>

class QLabel;
class QVBoxLayout;
class QWidget;

// Pieces every page of the account screen is built from.
namespace AccountPageParts {

// A page with a scrolling column; widgets go into the returned layout.
QVBoxLayout* scrollingColumn(QWidget* page);
QLabel* heading(const QString& text);
QLabel* sectionTitle(const QString& text);
QLabel* note(const QString& text);
// The line under an action that says how it went; hidden until then.
QLabel* statusLine();
void showStatus(QLabel* line, const QString& text, bool success);

} // namespace AccountPageParts
