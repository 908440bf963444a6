#include "CsvMappingPanel.h"

#include "services/import/CsvReader.h"
#include "services/import/ImportFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>

namespace {

// Rows the column choices are taken from.
constexpr qsizetype kPreviewRows = 50;
// The column the user picked, kept while a reading of the file lacks it.
constexpr const char* kChosenColumn = "chosenColumn";

// The column whose header names one of `words`, or -1.
int columnNamed(const QStringList& header, std::initializer_list<const char*> words)
{
    for (int i = 0; i < header.size(); ++i) {
        for (const char* word : words) {
            if (header.at(i).contains(QLatin1String(word), Qt::CaseInsensitive))
                return i;
        }
    }
    return -1;
}

// The column headed exactly `name`, or -1.
int columnHeaded(const QStringList& header, const QString& name)
{
    for (int i = 0; i < header.size(); ++i) {
        if (header.at(i).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// The first column but `skip` whose cells in `rows` are all amounts (and
// not dates written as digits), or -1.
int amountColumn(const QList<QStringList>& rows, int columns, int skip)
{
    for (int column = 0; column < columns; ++column) {
        if (column == skip)
            continue;
        bool any = false;
        bool all = true;
        for (const QStringList& row : rows) {
            const QString cell = row.value(column).trimmed();
            if (cell.isEmpty())
                continue;
            any = true;
            all = ImportFields::isAmount(cell)
                && !ImportFields::csvDate(cell, {}, ImportFields::DateOrder::Unknown).isValid();
            if (!all)
                break;
        }
        if (any && all)
            return column;
    }
    return -1;
}

// Whether the amounts of these columns are written with a decimal comma
// ("12,50", "1.234,56") more often than with a point.
bool usesDecimalComma(const QList<QStringList>& rows, std::initializer_list<int> columns)
{
    static const QRegularExpression comma(QStringLiteral("\\d,\\d{1,2}\\)?-?$"));
    static const QRegularExpression point(QStringLiteral("\\d\\.\\d{1,2}\\)?-?$"));
    int commas = 0;
    int points = 0;
    for (const QStringList& row : rows) {
        for (const int column : columns) {
            const QString cell = row.value(column).trimmed();
            commas += comma.match(cell).hasMatch() ? 1 : 0;
            points += point.match(cell).hasMatch() ? 1 : 0;
        }
    }
    return commas > points;
}

void select(QComboBox* combo, int column)
{
    const int index = combo->findData(column);
    combo->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

CsvMappingPanel::CsvMappingPanel(QWidget* parent)
    : QGroupBox(tr("CSV Column Mapping:"), parent)
{
    setObjectName(QStringLiteral("csvMappingPanel"));
    auto* form = new QFormLayout(this);
    m_date = addColumnCombo(tr("Date column:"), "dateColumnCombo", false);
    m_payee = addColumnCombo(tr("Payee column:"), "payeeColumnCombo", false);
    m_amount = addColumnCombo(tr("Amount column:"), "amountColumnCombo", false);
    m_memo = addColumnCombo(tr("Memo column:"), "memoColumnCombo", true);
    m_category = addColumnCombo(tr("Category column:"), "categoryColumnCombo", true);

    m_amountMode = new QComboBox;
    m_amountMode->setObjectName(QStringLiteral("amountModeCombo"));
    m_amountMode->addItem(tr("One signed amount column"));
    m_amountMode->addItem(tr("Paid-out and paid-in columns"));
    m_amountMode->addItem(tr("Amount and direction column"));
    form->insertRow(2, tr("Amounts:"), m_amountMode);
    m_debit = addColumnCombo(tr("Paid-out column:"), "debitColumnCombo", true);
    m_credit = addColumnCombo(tr("Paid-in column:"), "creditColumnCombo", true);
    m_direction = addColumnCombo(tr("Direction column:"), "directionColumnCombo", true);
    m_outValue = new QLineEdit;
    m_outValue->setObjectName(QStringLiteral("outValueEdit"));
    m_outValue->setPlaceholderText(tr("such as Af or debit"));
    form->addRow(tr("Paid out when it says:"), m_outValue);
    m_inValue = new QLineEdit;
    m_inValue->setObjectName(QStringLiteral("inValueEdit"));
    m_inValue->setPlaceholderText(tr("such as Bij or credit"));
    form->addRow(tr("Paid in when it says:"), m_inValue);
    m_decimalComma = new QCheckBox(tr("Decimal comma (1.234,56)"));
    m_decimalComma->setObjectName(QStringLiteral("decimalCommaCheck"));
    m_invert = new QCheckBox(tr("Invert signs"));
    m_invert->setObjectName(QStringLiteral("invertCheck"));
    m_invert->setToolTip(tr("For card statements that list purchases as positive"));

    m_delimiter = new QComboBox;
    m_delimiter->setObjectName(QStringLiteral("delimiterCombo"));
    m_delimiter->addItem(tr("Detect"), QString());
    m_delimiter->addItem(tr("Comma"), QStringLiteral(","));
    m_delimiter->addItem(tr("Semicolon"), QStringLiteral(";"));
    m_delimiter->addItem(tr("Tab"), QStringLiteral("\t"));
    m_delimiter->addItem(QStringLiteral("|"), QStringLiteral("|"));
    m_skipLines = new QSpinBox;
    m_skipLines->setObjectName(QStringLiteral("skipLinesSpin"));
    m_skipLines->setRange(0, 100);
    auto* reading = new QHBoxLayout;
    reading->addWidget(m_delimiter);
    reading->addWidget(new QLabel(tr("Lines to skip:")));
    reading->addWidget(m_skipLines);
    reading->addStretch();
    form->addRow(tr("Delimiter:"), reading);
    connect(m_amountMode, &QComboBox::currentIndexChanged, this, &CsvMappingPanel::showAmountMode);
    connect(m_delimiter, &QComboBox::currentIndexChanged, this, &CsvMappingPanel::readingChanged);
    connect(m_skipLines, &QSpinBox::valueChanged, this, &CsvMappingPanel::readingChanged);

    m_dateFormat = new QComboBox;
    m_dateFormat->setObjectName(QStringLiteral("dateFormatCombo"));
    // Any pattern can be typed, as the command line takes one.
    m_dateFormat->setEditable(true);
    m_dateFormat->setInsertPolicy(QComboBox::NoInsert);
    m_dateFormat->setToolTip(tr("Choose a date format or type one, such as dd.MM.yyyy"));
    m_dateFormat->addItem(tr("Auto-detect"), QString());
    for (const char* format : { "MM/dd/yyyy", "M/d/yyyy", "M/dd/yyyy", "dd/MM/yyyy", "yyyy-MM-dd",
             "yyyyMMdd", "MM/dd/yy" })
        m_dateFormat->addItem(QLatin1String(format), QLatin1String(format));
    m_dateFormat->addItem(tr("Month D, YYYY (May 14, 2026)"), QStringLiteral("MMMM d, yyyy"));
    form->addRow(tr("Date format:"), m_dateFormat);

    m_hasHeader = new QCheckBox(tr("First row is header"));
    m_hasHeader->setObjectName(QStringLiteral("headerCheck"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_hasHeader);
    checks->addWidget(m_decimalComma);
    checks->addWidget(m_invert);
    checks->addStretch();
    form->addRow(QString(), checks);
    connect(m_hasHeader, &QCheckBox::toggled, this, &CsvMappingPanel::fillColumns);
    // What the user set stays when the file is read again; only the rest is guessed.
    for (QComboBox* combo :
        { m_date, m_payee, m_amount, m_memo, m_category, m_debit, m_credit, m_direction }) {
        connect(combo, &QComboBox::activated, this, [this, combo] {
            m_chosen.insert(combo);
            combo->setProperty(kChosenColumn, combo->currentData());
        });
    }
    connect(m_amountMode, &QComboBox::activated, this, [this] { m_chosen.insert(m_amountMode); });
    for (QCheckBox* check : { m_hasHeader, m_decimalComma, m_invert })
        connect(check, &QCheckBox::clicked, this, [this, check] { m_chosen.insert(check); });
    for (QComboBox* combo : findChildren<QComboBox*>())
        connect(combo, &QComboBox::currentIndexChanged, this, &CsvMappingPanel::mappingChanged);
    connect(m_dateFormat, &QComboBox::currentTextChanged, this, &CsvMappingPanel::mappingChanged);
    for (QCheckBox* check : findChildren<QCheckBox*>())
        connect(check, &QCheckBox::toggled, this, &CsvMappingPanel::mappingChanged);
    for (QLineEdit* edit : { m_outValue, m_inValue })
        connect(edit, &QLineEdit::textChanged, this, &CsvMappingPanel::mappingChanged);
    fillColumns();
    showAmountMode();
}

void CsvMappingPanel::applyMapping(const CsvMapping& m)
{
    {
        const QSignalBlocker delimiterBlocker(m_delimiter);
        const QSignalBlocker skipBlocker(m_skipLines);
        const int delimiter
            = m_delimiter->findData(m.delimiter.isNull() ? QString() : QString(m.delimiter));
        m_delimiter->setCurrentIndex(std::max(delimiter, 0));
        m_skipLines->setValue(m.skipLines);
    }
    const QList<std::pair<QComboBox*, int>> columns { { m_date, m.dateColumn },
        { m_payee, m.payeeColumn }, { m_amount, std::max(m.amountColumn, 0) },
        { m_memo, m.memoColumn }, { m_category, m.categoryColumn }, { m_debit, m.debitColumn },
        { m_credit, m.creditColumn }, { m_direction, m.directionColumn } };
    for (const auto& [combo, column] : columns) {
        combo->setProperty(kChosenColumn, column);
        select(combo, column);
        m_chosen.insert(combo);
    }
    const bool split = m.debitColumn >= 0 || m.creditColumn >= 0;
    m_amountMode->setCurrentIndex(split ? 1 : m.directionColumn >= 0 ? 2 : 0);
    m_outValue->setText(m.outValue);
    m_inValue->setText(m.inValue);
    m_hasHeader->setChecked(m.hasHeaderRow);
    m_decimalComma->setChecked(m.decimalComma);
    m_invert->setChecked(m.invert);
    const int format = m_dateFormat->findData(m.dateFormat);
    if (format >= 0)
        m_dateFormat->setCurrentIndex(format);
    else
        m_dateFormat->setEditText(m.dateFormat);
    for (QObject* control :
        std::initializer_list<QObject*> { m_amountMode, m_hasHeader, m_decimalComma, m_invert })
        m_chosen.insert(control);
}

bool CsvMappingPanel::isChosen(const QObject* control) const
{
    return m_chosen.contains(control);
}

void CsvMappingPanel::showAmountMode()
{
    auto* form = static_cast<QFormLayout*>(layout());
    const int mode = m_amountMode->currentIndex();
    form->setRowVisible(m_amount, mode != 1);
    form->setRowVisible(m_debit, mode == 1);
    form->setRowVisible(m_credit, mode == 1);
    for (QWidget* field : { static_cast<QWidget*>(m_direction), static_cast<QWidget*>(m_outValue),
             static_cast<QWidget*>(m_inValue) })
        form->setRowVisible(field, mode == 2);
}

QChar CsvMappingPanel::delimiter() const
{
    const QString chosen = m_delimiter->currentData().toString();
    return chosen.isEmpty() ? QChar() : chosen.front();
}

int CsvMappingPanel::skipLines() const
{
    return m_skipLines->value();
}

QComboBox* CsvMappingPanel::addColumnCombo(const QString& label, const char* name, bool optional)
{
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    combo->setProperty("optionalColumn", optional);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(24);
    static_cast<QFormLayout*>(layout())->addRow(label, combo);
    return combo;
}

void CsvMappingPanel::setPreview(const QList<QStringList>& rows)
{
    m_rows = rows.mid(0, kPreviewRows);
    m_columnCount = 0;
    for (const QStringList& row : std::as_const(m_rows))
        m_columnCount = std::max(m_columnCount, row.size());
    // The table starts at its first full row, after any lines about the account.
    const qsizetype start = CsvReader::tableStart(m_rows, m_columnCount);
    m_header = start < m_rows.size() ? m_rows.at(start) : QStringList();
    const bool namesColumns = !m_header.isEmpty()
        && std::none_of(m_header.cbegin(), m_header.cend(), [](const QString& cell) {
               return ImportFields::csvDate(cell, {}, ImportFields::DateOrder::Unknown).isValid();
           });
    if (!isChosen(m_hasHeader)) {
        const QSignalBlocker blocker(m_hasHeader);
        m_hasHeader->setChecked(namesColumns);
    }
    fillColumns();

    const QStringList names = m_hasHeader->isChecked() ? m_header : QStringList();
    const auto guessColumn = [this](QComboBox* combo, int column) {
        if (!isChosen(combo))
            select(combo, column);
    };
    const auto guess
        = [&](QComboBox* combo, std::initializer_list<const char*> words, int fallback) {
              const int named = columnNamed(names, words);
              guessColumn(combo, named >= 0 ? named : (fallback < m_columnCount ? fallback : -1));
          };
    guess(m_date, { "date" }, 0);
    guess(m_payee, { "payee", "description", "name", "merchant" }, 1);
    // "Amount" itself, else the column that holds nothing but amounts:
    // "Shipping and Handling Amount" is rarely the one wanted.
    const QList<QStringList> data = m_rows.mid(start + (names.isEmpty() ? 0 : 1));
    int amount = columnHeaded(names, QStringLiteral("Amount"));
    if (amount < 0)
        amount = amountColumn(data, int(m_columnCount), m_date->currentData().toInt());
    guessColumn(m_amount, amount >= 0 ? amount : (2 < m_columnCount ? 2 : -1));
    guess(m_debit, { "debit", "paid out", "withdrawal", "money out" }, -1);
    guess(m_credit, { "credit", "paid in", "deposit", "money in" }, -1);
    // A file with paid-out and paid-in columns and no amount column of its own.
    const bool split = columnNamed(names, { "debit", "paid out", "withdrawal", "money out" }) >= 0
        && columnNamed(names, { "credit", "paid in", "deposit", "money in" }) >= 0
        && columnHeaded(names, QStringLiteral("Amount")) < 0;
    if (!isChosen(m_amountMode))
        m_amountMode->setCurrentIndex(split ? 1 : 0);
    if (!isChosen(m_decimalComma))
        m_decimalComma->setChecked(usesDecimalComma(data,
            { m_amount->currentData().toInt(), m_debit->currentData().toInt(),
                m_credit->currentData().toInt() }));
    guess(m_memo, { "memo", "note" }, -1);
    guess(m_category, { "category" }, -1);
}

void CsvMappingPanel::clear()
{
    m_chosen.clear();
    for (QComboBox* combo :
        { m_date, m_payee, m_amount, m_memo, m_category, m_debit, m_credit, m_direction })
        combo->setProperty(kChosenColumn, QVariant());
    setPreview({});
}

void CsvMappingPanel::fillColumns()
{
    const bool named = m_hasHeader->isChecked();
    for (QComboBox* combo :
        { m_date, m_payee, m_amount, m_memo, m_category, m_debit, m_credit, m_direction }) {
        const QVariant picked = combo->property(kChosenColumn);
        const QVariant chosen = picked.isValid() ? picked : combo->currentData();
        combo->clear();
        if (combo->property("optionalColumn").toBool())
            combo->addItem(tr("(none)"), -1);
        for (int i = 0; i < m_columnCount; ++i) {
            const QString name = named ? m_header.value(i) : QString();
            combo->addItem(
                name.isEmpty() ? tr("Column %1").arg(i + 1) : tr("Col %1: %2").arg(i + 1).arg(name),
                i);
        }
        if (chosen.isValid())
            select(combo, chosen.toInt());
    }
}

CsvMapping CsvMappingPanel::mapping() const
{
    const auto column = [](const QComboBox* combo) {
        return combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
    };
    CsvMapping mapping;
    mapping.dateColumn = column(m_date);
    mapping.payeeColumn = column(m_payee);
    mapping.amountColumn = column(m_amount);
    mapping.memoColumn = column(m_memo);
    mapping.categoryColumn = column(m_category);
    const int mode = m_amountMode->currentIndex();
    if (mode == 1) {
        mapping.amountColumn = -1;
        mapping.debitColumn = column(m_debit);
        mapping.creditColumn = column(m_credit);
    } else if (mode == 2) {
        mapping.directionColumn = column(m_direction);
        mapping.outValue = m_outValue->text().trimmed();
        mapping.inValue = m_inValue->text().trimmed();
    }
    mapping.decimalComma = m_decimalComma->isChecked();
    mapping.invert = m_invert->isChecked();
    mapping.delimiter = delimiter();
    mapping.skipLines = skipLines();
    mapping.hasHeaderRow = m_hasHeader->isChecked();
    // A chosen entry stands for its pattern; any other text is a pattern itself.
    const int chosen = m_dateFormat->findText(m_dateFormat->currentText());
    mapping.dateFormat = chosen >= 0 ? m_dateFormat->itemData(chosen).toString()
                                     : m_dateFormat->currentText().trimmed();
    return mapping;
}
