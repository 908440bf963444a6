#pragma once

#include "services/import/ImportTypes.h"

#include <QGroupBox>
#include <QList>
#include <QSet>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// Which column of a comma-separated file holds what, chosen from the file's
// first rows; fills the mapping of a CSV import.
class CsvMappingPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit CsvMappingPanel(QWidget* parent = nullptr);

    // Offers the columns of these rows (the start of the file) and guesses
    // the header and the columns from it.
    void setPreview(const QList<QStringList>& rows);
    void clear();
    CsvMapping mapping() const;
    // Sets every choice from a kept mapping, as if the user had made them;
    // the file must then be read again.
    void applyMapping(const CsvMapping& mapping);

    // How the file is to be split: the chosen delimiter (none: detect) and the
    // lines before the table.
    QChar delimiter() const;
    int skipLines() const;

Q_SIGNALS:
    // The delimiter or the lines to skip changed: the rows must be read again.
    void readingChanged();
    // Any choice changed: what the rows turn into may differ.
    void mappingChanged();

private:
    void fillColumns();
    // Whether the user set this control, so that no guess replaces it.
    bool isChosen(const QObject* control) const;
    void showAmountMode();
    QComboBox* addColumnCombo(const QString& label, const char* name, bool optional);

    QSet<const QObject*> m_chosen;
    QList<QStringList> m_rows;
    QStringList m_header; // cells of the row that names the columns, if any
    qsizetype m_columnCount = 0;
    QComboBox* m_date = nullptr;
    QComboBox* m_payee = nullptr;
    QComboBox* m_amount = nullptr;
    QComboBox* m_memo = nullptr;
    QComboBox* m_category = nullptr;
    QComboBox* m_amountMode = nullptr;
    QComboBox* m_debit = nullptr;
    QComboBox* m_credit = nullptr;
    QComboBox* m_direction = nullptr;
    QLineEdit* m_outValue = nullptr;
    QLineEdit* m_inValue = nullptr;
    QCheckBox* m_decimalComma = nullptr;
    QCheckBox* m_invert = nullptr;
    QComboBox* m_delimiter = nullptr;
    QSpinBox* m_skipLines = nullptr;
    QComboBox* m_dateFormat = nullptr;
    QCheckBox* m_hasHeader = nullptr;
};
