#pragma once

#include <QList>
#include <QString>
#include <functional>

class QHBoxLayout;
class QLabel;
class QLayout;
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
// What a failed action says: the server's reason, else `fallback`.
QString failureText(const QString& reason, const QString& fallback);
// Styled widgets under `root` take the colours of the current palette and
// the font they inherit now.
void followTheme(QWidget* root);
// A small white-on-colour label ("Current", "Owner").
QLabel* badge(const QString& text, const char* colour);
QWidget* separator();
// A list of rows named `objectName` at the end of `column`; rows go into the returned layout.
QVBoxLayout* rowList(QVBoxLayout* column, const char* objectName);
// Deletes every row of a list that is about to be filled again.
void clearRows(QLayout* rows);
// The list holds `widgets` instead of what it held, or `emptyText` when there are none.
void showRows(QVBoxLayout* rows, const QList<QWidget*>& widgets, const QString& emptyText);
// In place of what a page could not load: why, and a Retry button that runs
// `retry`. A failed read must not look like an empty answer.
QWidget* loadFailure(const QString& text, const std::function<void()>& retry);
// `rows` holds only that failure.
void showFailure(QVBoxLayout* rows, const QString& text, const std::function<void()>& retry);
// A row of a list: its texts on the left, then whatever the caller adds
// (badge, button) to the returned layout.
QHBoxLayout* listRow(QWidget* row, const QString& title, const QString& detail,
    const char* objectName, bool boldTitle = false);

} // namespace AccountPageParts
