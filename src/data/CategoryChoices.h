#pragma once

#include "Category.h"

#include <QList>
#include <QPair>
#include <QString>

// How categories are offered in lists: a sub-category whose parent is among
// them reads "Parent > Name", every other one its own name.
namespace CategoryChoices {

// (shown text, id) for each category, in the order given.
QList<QPair<QString, QString>> entries(const QList<Category>& categories);

} // namespace CategoryChoices
