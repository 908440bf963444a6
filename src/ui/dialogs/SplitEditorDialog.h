#pragma once

#include "data/Currency.h"
#include "data/SplitLine.h"

#include <QDialog>
#include <QList>
#include <QPair>

class AppState;
class CategoryComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class SmartAmountField;

// Divides one transaction's amount over several categories. Shows how much is
// still unassigned but lets the user accept an unbalanced split.
class SplitEditorDialog : public QDialog {
    Q_OBJECT

public:
    // `total` is the transaction's signed amount in minor units of `currency`
    // (negative for a payment).
    SplitEditorDialog(AppState* state, qint64 total, Currency currency,
        const QList<SplitLine>& lines, QWidget* parent = nullptr);

    // The accepted lines, in table order, with the total's sign and without a
    // transaction id. Rows left at 0.00 are not among them.
    QList<SplitLine> lines() const { return m_result; }

public Q_SLOTS:
    void addRow();
    void removeSelectedRow();
    void updateRemaining();
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CategoryComboBox* comboAt(int row) const;
    SmartAmountField* spinAt(int row) const;
    // The sum of the amounts of all rows.
    qint64 assigned() const;
    int rowOf(const QWidget* cellWidget) const;

    qint64 m_total;
    Currency m_currency;
    QList<QPair<QString, QString>> m_choices;
    QTableWidget* m_table = nullptr;
    QLabel* m_remaining = nullptr;
    QPushButton* m_add = nullptr;
    QList<SplitLine> m_result;
};
