#pragma once

#include <QString>

class QBoxLayout;
class QFormLayout;

// The pieces every preferences page is built from: a section opens with a
// title and a subtitle and closes with a thin separator.
namespace SettingsSections {

void addHeader(QBoxLayout* page, const QString& title, const QString& subtitle);
void addSeparator(QBoxLayout* page);
// A form layout with the spacing the pages share, added to `page`.
QFormLayout* addForm(QBoxLayout* page);
// A hint line under a control, in the secondary text colour.
void addHint(QBoxLayout* page, const QString& text);
// Gives the labels of every form on `page` one width, so the fields of several
// sections line up (label lengths differ by language).
void alignFormLabels(QBoxLayout* page);

} // namespace SettingsSections
