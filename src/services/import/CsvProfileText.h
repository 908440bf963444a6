#pragma once

#include "ImportTypes.h"

#include <optional>

// A CSV mapping as a profile keeps it, and what identifies a file's layout.
namespace CsvProfileText {

// The delimiter and the header row's cells, or the number of cells of a file
// without one: what files of one layout share. Empty when the table is not found.
QString headerShape(const QString& text, const CsvMapping& mapping);
QString toJson(const CsvMapping& mapping);
// Nothing for text that is no mapping or one that names impossible columns.
std::optional<CsvMapping> fromJson(const QString& json);

} // namespace CsvProfileText
