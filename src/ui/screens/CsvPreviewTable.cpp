#include "CsvPreviewTable.h"

#include "data/DateText.h"
#include "data/Money.h"

#include <QHeaderView>

CsvPreviewTable::CsvPreviewTable(QWidget* parent)
    : QTableWidget(0, 4, parent)
{
    setObjectName(QStringLiteral("csvPreviewTable"));
    setHorizontalHeaderLabels({ tr("Date"), tr("Payee"), tr("Amount"), tr("Status") });
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
}

void CsvPreviewTable::showRows(const QList<CsvPreviewRow>& rows, Currency currency)
{
    setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const CsvPreviewRow& row = rows.at(i);
        QString status;
        switch (row.status) {
        case CsvPreviewRow::Status::Ok: status = tr("OK"); break;
        case CsvPreviewRow::Status::Duplicate: status = tr("Duplicate"); break;
        case CsvPreviewRow::Status::Invalid: status = tr("Invalid: %1").arg(row.reason); break;
        }
        auto* amount = new QTableWidgetItem(
            row.amount ? Money::formatMoney(*row.amount, currency) : QString());
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setVerticalHeaderItem(i, new QTableWidgetItem(QString::number(row.line)));
        setItem(i, 0,
            new QTableWidgetItem(row.date.isValid() ? DateText::format(row.date) : QString()));
        setItem(i, 1, new QTableWidgetItem(row.payee));
        setItem(i, 2, amount);
        auto* statusItem = new QTableWidgetItem(status);
        statusItem->setToolTip(status);
        setItem(i, 3, statusItem);
    }
    resizeColumnToContents(0);
    resizeColumnToContents(2);
}
