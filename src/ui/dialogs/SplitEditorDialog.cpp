#include "SplitEditorDialog.h"

#include "CategoryComboBox.h"
#include "DialogFrame.h"
#include "app/AppState.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/RecordRules.h"
#include "data/SingleLine.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { CategoryColumn = 0, AmountColumn = 1, MemoColumn = 2 };

qint64 magnitude(qint64 cents)
{
    return cents < 0 ? -cents : cents;
}

} // namespace

SplitEditorDialog::SplitEditorDialog(AppState* state, qint64 total, Currency currency,
    const QList<SplitLine>& lines, QWidget* parent)
    : QDialog(parent)
    , m_total(total)
    , m_currency(currency)
{
    setWindowTitle(tr("Split Transaction"));
    setMinimumSize(550, 350);

    for (const Category& c : state->categories()->findAll())
        m_choices.append({ c.name, c.id });

    auto* totalLabel
        = new QLabel(tr("Total: %1").arg(Money::formatMoney(magnitude(total), currency)));
    totalLabel->setObjectName(QStringLiteral("totalLabel"));
    m_remaining = new QLabel;
    m_remaining->setObjectName(QStringLiteral("remainingLabel"));
    m_remaining->setProperty("mellFontRole", int(ThemeManager::Body));
    m_remaining->setProperty("mellFontWeight", 700);
    ThemeManager::applyFontRole(m_remaining);

    auto* header = new QHBoxLayout;
    header->addWidget(totalLabel);
    header->addStretch();
    header->addWidget(m_remaining);

    m_table = new QTableWidget(0, 3);
    m_table->setObjectName(QStringLiteral("splitTable"));
    m_table->setHorizontalHeaderLabels({ tr("Category"), tr("Amount"), tr("Memo") });
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView* columns = m_table->horizontalHeader();
    columns->setSectionResizeMode(CategoryColumn, QHeaderView::Stretch);
    columns->setSectionResizeMode(AmountColumn, QHeaderView::Fixed);
    columns->resizeSection(AmountColumn, 120);
    columns->setSectionResizeMode(MemoColumn, QHeaderView::Stretch);

    auto* add = new QPushButton(tr("+ Add Line"));
    m_add = add;
    add->setObjectName(QStringLiteral("addLineButton"));
    connect(add, &QPushButton::clicked, this, &SplitEditorDialog::addRow);
    auto* remove = new QPushButton(tr("- Remove"));
    remove->setObjectName(QStringLiteral("removeLineButton"));
    connect(remove, &QPushButton::clicked, this, &SplitEditorDialog::removeSelectedRow);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_table, 1);
    layout->addLayout(rowButtons);
    layout->addWidget(DialogFrame::okCancel(this));

    // The form opens no split of more lines than a transaction may hold.
    for (const SplitLine& line :
        lines.first(std::min(lines.size(), qsizetype(RecordRules::kMaxSplitLines)))) {
        addRow();
        const int row = m_table->rowCount() - 1;
        comboAt(row)->selectStoredId(line.categoryId, *state->categories());
        spinAt(row)->setAmount(magnitude(line.amount));
        m_table->item(row, MemoColumn)->setText(line.memo);
    }
    if (lines.isEmpty()) {
        addRow();
        addRow();
    }
    updateRemaining();
}

CategoryComboBox* SplitEditorDialog::comboAt(int row) const
{
    return static_cast<CategoryComboBox*>(m_table->cellWidget(row, CategoryColumn));
}

SmartAmountField* SplitEditorDialog::spinAt(int row) const
{
    return static_cast<SmartAmountField*>(m_table->cellWidget(row, AmountColumn));
}

qint64 SplitEditorDialog::assigned() const
{
    qint64 sum = 0;
    for (int row = 0; row < m_table->rowCount(); ++row)
        sum += spinAt(row)->amount();
    return sum;
}

int SplitEditorDialog::rowOf(const QWidget* cellWidget) const
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column : { CategoryColumn, AmountColumn }) {
            const QWidget* cell = m_table->cellWidget(row, column);
            if (cell && (cell == cellWidget || cell->isAncestorOf(cellWidget)))
                return row;
        }
    }
    return -1;
}

void SplitEditorDialog::addRow()
{
    const int row = m_table->rowCount();
    // A transaction holds at most this many lines, and each row is three widgets.
    if (row >= RecordRules::kMaxSplitLines)
        return;
    m_add->setEnabled(row + 1 < RecordRules::kMaxSplitLines);
    m_table->insertRow(row);

    auto* combo = new CategoryComboBox(m_choices);
    auto* spin = new SmartAmountField;
    spin->setCurrency(m_currency);
    connect(spin, &QDoubleSpinBox::valueChanged, this, &SplitEditorDialog::updateRemaining);

    // The row a user is typing in is the row "- Remove" takes away, even though
    // the editors sit on top of the cells and keep the clicks to themselves.
    const QList<QWidget*> editors { combo, combo->lineEdit(), spin };
    for (QWidget* w : editors)
        w->installEventFilter(this);

    m_table->setCellWidget(row, CategoryColumn, combo);
    m_table->setCellWidget(row, AmountColumn, spin);
    m_table->setItem(row, MemoColumn, new QTableWidgetItem);
}

bool SplitEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const int row = rowOf(qobject_cast<QWidget*>(watched));
        if (row >= 0 && row != m_table->currentRow())
            m_table->setCurrentCell(
                row, m_table->currentColumn() < 0 ? 0 : m_table->currentColumn());
        // The table hands focus on from cell to cell without saying it was
        // Tab, so the amount would keep its text and the digits typed would
        // land in front of it.
        auto* spin = qobject_cast<SmartAmountField*>(watched);
        if (spin && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
            spin->selectAll();
    }
    return QDialog::eventFilter(watched, event);
}

void SplitEditorDialog::removeSelectedRow()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_table->removeRow(row);
    m_add->setEnabled(true);
    updateRemaining();
}

void SplitEditorDialog::updateRemaining()
{
    const qint64 remaining = magnitude(m_total) - assigned();
    m_remaining->setText(tr("Remaining: %1").arg(Money::formatMoney(remaining, m_currency)));
    if (remaining == 0)
        m_remaining->setStyleSheet(
            QStringLiteral("color: %1;").arg(ThemeColors::pickName(ThemeColors::kGreen)));
    else if (remaining < 0)
        m_remaining->setStyleSheet(
            QStringLiteral("color: %1;").arg(ThemeColors::pickName(ThemeColors::kRed)));
    else
        m_remaining->setStyleSheet(QString());
}

void SplitEditorDialog::accept()
{
    if (!SmartAmountField::confirmAll(this))
        return;
    for (int row = 0; row < m_table->rowCount(); ++row)
        spinAt(row)->interpretText();

    // split_lines requires a category: a line without one could never be stored
    // and would vanish on saving, so the user picks one first.
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (spinAt(row)->amount() != 0 && comboAt(row)->chosenId().isEmpty()) {
            MessageBoxes::warning(this, tr("Split Transaction"),
                tr("Line %1 has an amount but no category.\n\n"
                   "Choose a category from the list for every line with an amount.")
                    .arg(row + 1));
            m_table->setCurrentCell(row, CategoryColumn);
            comboAt(row)->setFocus();
            comboAt(row)->lineEdit()->selectAll();
            return;
        }
    }

    // Each line is within the limit, but together they could pass it.
    if (!Money::isWithinLimit(assigned())) {
        MessageBoxes::warning(this, tr("Split Transaction"), Money::limitMessage(m_currency));
        return;
    }

    const QDateTime now = Clock::nowUtc();
    m_result.clear();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const qint64 cents = spinAt(row)->amount();
        if (cents == 0)
            continue;
        SplitLine line;
        line.id = Ids::newId();
        line.categoryId = comboAt(row)->chosenId();
        line.amount = m_total < 0 ? -cents : cents;
        line.memo = SingleLine::clean(m_table->item(row, MemoColumn)->text());
        line.createdAt = now;
        line.updatedAt = now;
        m_result.append(line);
    }
    QDialog::accept();
}
