#pragma once

#include "data/Currency.h"
#include "services/import/ImportTypes.h"

#include <QTableWidget>

// The first rows of a comma-separated file as the import would store them.
class CsvPreviewTable : public QTableWidget {
    Q_OBJECT

public:
    explicit CsvPreviewTable(QWidget* parent = nullptr);

    void showRows(const QList<CsvPreviewRow>& rows, Currency currency);
};
