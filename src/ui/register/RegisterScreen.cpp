#include "RegisterScreen.h"

#include "RegisterColumnLayout.h"
#include "RegisterContextMenu.h"
#include "RegisterDelegate.h"
#include "RegisterKeys.h"
#include "RegisterMemorize.h"
#include "RegisterTableView.h"
#include "app/AppState.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/DateText.h"
#include "data/Money.h"
#include "data/PreferencesRepository.h"
#include "data/TransactionRepository.h"
#include "services/TransactionService.h"
#include "services/TypedTransactionWriter.h"
#include "ui/dialogs/DeleteTransactionPrompt.h"
#include "ui/dialogs/TransactionDetailsDialog.h"
#include "ui/dialogs/TransactionFormFlow.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/MessageBoxes.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

constexpr int kMessageMs = 3000;
// Ctrl+M is advertised once it memorizes something.
constexpr bool kCanMemorize = true;

QWidget* payeeMemoEditor(QWidget* editor)
{
    return editor && editor->objectName() == QLatin1String("PayeeMemoEditor") ? editor : nullptr;
}

QWidget* payeeMemoEditorOfFocus()
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String("PayeeMemoEditor"))
            return w;
    }
    return nullptr;
}

} // namespace

RegisterScreen::RegisterScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_dateFormat(DateText::displayFormat())
{
    m_model = new RegisterModel(this);
    m_delegate = new RegisterDelegate(state, this);
    buildLayout();
    setUpView();

    m_messageTimer.setSingleShot(true);
    connect(&m_messageTimer, &QTimer::timeout, m_message, &QLabel::clear);
    connect(m_reconcile, &QPushButton::clicked, this,
        [this] { Q_EMIT reconcileRequested(m_accountId); });
    connect(
        state->preferences(), &PreferencesRepository::changed, this, [this](const QString& key) {
            if (key == QLatin1String("registerNewestFirst")) {
                const bool newestFirst = m_state->preferences()->boolValue(
                    QStringLiteral("registerNewestFirst"), false);
                m_view->sortByColumn(0, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
            }
        });
}

void RegisterScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);

    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    // Names and messages hold what users typed, never markup.
    m_title = new QLabel(this);
    m_title->setTextFormat(Qt::PlainText);
    ThemeManager::setFontRole(m_title, ThemeManager::Title);
    m_balance = new QLabel(this);
    ThemeManager::setFontRole(m_balance, ThemeManager::Heading);
    m_balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_reconcile = new QPushButton(tr("Reconcile"), this);
    m_reconcile->setFocusPolicy(Qt::ClickFocus);
    // Shown once something can reconcile (see connectNotify).
    m_reconcile->hide();
    header->addWidget(m_title);
    header->addStretch();
    header->addWidget(m_balance);
    header->addWidget(m_reconcile);
    layout->addLayout(header);

    m_subtitle = new QLabel(this);
    m_subtitle->setTextFormat(Qt::PlainText);
    ThemeManager::setFontRole(m_subtitle, ThemeManager::Small);
    m_subtitle->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    m_subtitle->hide();
    layout->addWidget(m_subtitle);
    layout->addSpacing(8);

    m_view = new RegisterTableView(this);
    m_view->setScreen(this);
    layout->addWidget(m_view, 1);

    auto* footer = new QHBoxLayout;
    m_message = new QLabel(this);
    m_message->setTextFormat(Qt::PlainText);
    ThemeManager::setFontRole(m_message, ThemeManager::Body);
    m_message->setStyleSheet(QStringLiteral("color: %1; padding: 2px 4px;").arg("#6E8A7E"));
    // The keys give way before the register does in a narrow window.
    auto* hint = new ElidedLabel(RegisterKeys::hint(kCanMemorize), this);
    hint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hint->setObjectName(QStringLiteral("keyHint"));
    ThemeManager::setFontRole(hint, ThemeManager::Body);
    hint->setStyleSheet(QStringLiteral("color: %1; padding: 2px 4px;").arg("#5A7A6E"));
    footer->addWidget(m_message);
    footer->addWidget(hint, 1);
    layout->addLayout(footer);
}

void RegisterScreen::setUpView()
{
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setTabKeyNavigation(false);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setShowGrid(false);
    m_view->setTwoLineRows(false);
    m_view->verticalHeader()->hide();
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);

    QHeaderView* header = m_view->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(24);
    header->setSortIndicatorShown(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    // Sorting is enabled before the layout object listens, so the header's
    // initial sort does not overwrite the stored one.
    m_view->setSortingEnabled(true);
    m_layout = new RegisterColumnLayout(m_view, m_model, m_state->preferences(), this);
    connect(m_view, &RegisterTableView::viewportWidthChanged, m_layout,
        &RegisterColumnLayout::fitToWidth);

    connect(m_view, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    connect(
        header, &QWidget::customContextMenuRequested, this, &RegisterScreen::showHeaderContextMenu);
    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (m_readOnly)
            return;
        startEditingRow(index.row());
        if (index.column() != RegisterModel::BalanceColumn && !isSplitAmountCell(index))
            m_view->edit(index);
    });
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const TransactionRow* t = m_model->transactionAt(index.row());
        if (t && t->isSplit)
            editTransactionInDialog(index.row());
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current, const QModelIndex& previous) {
            if (current.isValid() && (!previous.isValid() || current.row() != previous.row()))
                startEditingRow(current.row());
        });
    connect(m_delegate, &RegisterDelegate::copyFromAboveRequested, this,
        &RegisterScreen::copyFromAbove);
    auto* keys = new RegisterKeys(this);
    m_view->installEventFilter(keys);
    m_view->viewport()->installEventFilter(keys);

    restoreColumnLayout();
}

void RegisterScreen::restoreColumnLayout()
{
    m_layout->restore();
}

void RegisterScreen::resetColumnLayout()
{
    m_layout->reset();
}

void RegisterScreen::showHeaderContextMenu(const QPoint& pos)
{
    m_layout->showHeaderMenu(pos);
}

void RegisterScreen::setAccount(const QString& id)
{
    // What was typed belongs to the account being left; the window asks
    // about it first (settleUnsavedEntry).
    discardPendingEntry();
    m_accountId = id;
    m_delegate->setAccountId(id);
    reload();
    const int entry = m_model->newEntryRow();
    setCurrentCell(entry, RegisterModel::DateColumn);
    if (entry == 0)
        m_view->scrollToTop();
    else
        m_view->scrollToBottom();
}

void RegisterScreen::setReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    m_view->closeCurrentEditor();
    m_model->setEditingRow(-1);
    m_readOnly = readOnly;
    m_model->setEntryRowShown(!readOnly);
    m_reconcile->setEnabled(!readOnly);
    // Its keys all edit.
    findChild<QLabel*>(QStringLiteral("keyHint"))->setVisible(!readOnly);
    reload();
}

void RegisterScreen::applyTwoLine(bool twoLine)
{
    m_delegate->setTwoLine(twoLine);
    m_layout->applyMemoVisibility(twoLine);
    m_model->setTwoLine(twoLine);
    Q_EMIT m_model->headerDataChanged(
        Qt::Horizontal, RegisterModel::PayeeColumn, RegisterModel::PayeeColumn);
    m_view->setTwoLineRows(twoLine);
    m_view->viewport()->update();
}

void RegisterScreen::reload()
{
    if (m_accountId.isEmpty() || m_view->isEditing())
        return;
    const auto account = m_state->accounts()->findById(m_accountId);
    m_title->setText(account ? account->name : QString());
    QString subtitle = account ? account->institution : QString();
    if (account && !account->accountNumberLast4.isEmpty())
        subtitle += QStringLiteral("  ·  *%1").arg(account->accountNumberLast4);
    m_subtitle->setText(subtitle);
    m_subtitle->setVisible(!subtitle.isEmpty());

    followDateFormat();
    const QModelIndex current = m_view->currentIndex();
    const TransactionRow* edited = m_model->transactionAt(m_model->editingRow());
    const TransactionRow* currentRow
        = edited ? edited : (current.isValid() ? m_model->transactionAt(current.row()) : nullptr);
    const QString currentId = currentRow ? currentRow->id : QString();
    // Changes typed into the row being edited outlast the reload; an untouched
    // row shows what was stored meanwhile.
    const std::optional<RegisterModel::EntryBuffer> typedEdit
        = editedRowChanged() ? std::optional(m_model->buffer()) : std::nullopt;
    const QString editedId = edited ? edited->id : QString();
    const int currentRowNumber = current.isValid() ? current.row() : -1;
    // Rows a sync or another window added would otherwise push the entry row
    // away from under the cursor, and the next keys would go to a stored row.
    const bool onNewEntry = current.isValid() && !edited && m_model->isNewEntryRow(current.row());
    const int currentColumn = current.isValid() ? current.column() : 0;
    const int topRowNumber = m_view->rowAt(0);
    const TransactionRow* topRow = m_model->transactionAt(topRowNumber);
    const QString topId = topRow ? topRow->id : QString();
    // The reload drops the row being edited; the new entry typed before it
    // was opened comes back.
    const std::optional<RegisterModel::EntryBuffer> draft
        = m_model->editingRow() < 0 ? std::optional(m_model->buffer()) : m_newEntryDraft;
    m_newEntryDraft.reset();

    auto pages = std::make_unique<RegisterPages>(m_state->transactions(), m_accountId);
    const bool readOk = pages->open();
    if (!readOk) {
        // Kept in the footer too: the empty register needs its reason for longer.
        const QString text = tr("The database could not be read; the register is left empty.");
        showTransientMessage(text, 60'000);
        Q_EMIT errorMessage(text);
    }
    const qint64 balance
        = readOk ? pages->finalBalance() : (account ? account->startingBalance : 0);
    applyTwoLine(m_state->preferences()->boolValue(QStringLiteral("registerTwoLine"), false));
    m_model->setCurrency(account ? account->currency : Currency::USD);
    {
        // Restoring the current cell below must not start editing on the way.
        QSignalBlocker block(m_view->selectionModel());
        if (readOk)
            m_model->setPages(std::move(pages));
        else
            m_model->setRows({});
    }
    if (draft)
        m_model->setBuffer(*draft);

    m_balance->setText(Money::formatMoney(balance, account ? account->currency : Currency::USD));
    m_balance->setStyleSheet(
        QStringLiteral("color: %1;")
            .arg(ThemeColors::pickName(balance < 0 ? ThemeColors::kRed : ThemeColors::kGreen)));

    const int lastRow = m_model->rowCount() - 1;
    int row = m_model->rowOfTransaction(currentId);
    if (row < 0)
        row = currentRowNumber < 0 || onNewEntry ? m_model->newEntryRow()
                                                 : std::min(currentRowNumber, lastRow);
    int top = m_model->rowOfTransaction(topId);
    if (top < 0)
        top = std::clamp(topRowNumber, 0, lastRow);
    m_view->setCurrentIndex(QModelIndex());
    setCurrentCell(row, currentColumn);
    const TransactionRow* stillEdited = m_model->transactionAt(m_model->editingRow());
    if (typedEdit && stillEdited && stillEdited->id == editedId) {
        m_model->setBuffer(*typedEdit);
        Q_EMIT m_model->dataChanged(
            m_model->index(row, 0), m_model->index(row, RegisterModel::ColumnCount - 1));
    }
    m_view->scrollTo(m_model->index(top, 0), QAbstractItemView::PositionAtTop);
    m_view->scrollTo(m_model->index(row, currentColumn));
    m_layout->fitToWidth();
}

void RegisterScreen::followDateFormat()
{
    const QString format = DateText::displayFormat();
    if (format == m_dateFormat)
        return;
    // Dates typed before the format changed are written the new way.
    const auto rewrite = [this](RegisterModel::EntryBuffer& buffer) {
        const QDate date = DateText::parse(buffer.date, m_dateFormat);
        if (date.isValid())
            buffer.date = DateText::format(date);
    };
    RegisterModel::EntryBuffer buffer = m_model->buffer();
    rewrite(buffer);
    m_model->setBuffer(buffer);
    if (m_newEntryDraft)
        rewrite(*m_newEntryDraft);
    m_dateFormat = format;
}

void RegisterScreen::setCurrentCell(int row, int column)
{
    m_view->setCurrentIndex(m_model->index(row, column));
}

bool RegisterScreen::isSplitAmountCell(const QModelIndex& index) const
{
    if (!index.isValid())
        return false;
    const TransactionRow* t = m_model->transactionAt(index.row());
    const int c = index.column();
    return t && t->isSplit
        && (c == RegisterModel::CategoryColumn || c == RegisterModel::PaymentColumn
            || c == RegisterModel::DepositColumn);
}

void RegisterScreen::startEditingRow(int row)
{
    if (m_readOnly)
        return;
    const int editing = m_model->editingRow();
    if (m_model->isNewEntryRow(row)) {
        if (editing >= 0)
            endRowEdit();
        return;
    }
    if (row == editing || m_model->isOpeningRow(row))
        return;
    const TransactionRow* t = m_model->transactionAt(row);
    if (!t)
        return;
    if (editing < 0)
        m_newEntryDraft = m_model->buffer();
    loadBufferFrom(*t);
    m_model->setEditingRow(row);
}

void RegisterScreen::endRowEdit()
{
    // The new entry typed before the row edit began comes back.
    m_model->setEditingRow(-1);
    if (m_newEntryDraft)
        m_model->setBuffer(*m_newEntryDraft);
    else
        m_model->resetBuffer();
    m_newEntryDraft.reset();
    const int entry = m_model->newEntryRow();
    Q_EMIT m_model->dataChanged(
        m_model->index(entry, 0), m_model->index(entry, RegisterModel::ColumnCount - 1));
}

void RegisterScreen::loadBufferFrom(const TransactionRow& t)
{
    // The category as the category list shows it, so its editor finds the entry.
    m_model->loadBuffer(t, m_delegate->categoryText(t.categoryId, t.categoryName));
}

bool RegisterScreen::editedRowChanged() const
{
    const TransactionRow* t = m_model->transactionAt(m_model->editingRow());
    return t
        && m_model->buffer()
        != m_model->bufferFor(*t, m_delegate->categoryText(t->categoryId, t->categoryName));
}

void RegisterScreen::writeEditorToBuffer()
{
    const QModelIndex current = m_view->currentIndex();
    QWidget* editor = m_view->currentEditor();
    if (!current.isValid() || !editor)
        return;
    m_delegate->setModelData(editor, m_model, current);
}

int RegisterScreen::neighbourField(int column, bool forward) const
{
    for (int c = forward ? column + 1 : column - 1; c >= 0 && c <= RegisterModel::ClearedColumn;
         c += forward ? 1 : -1) {
        if (!m_view->isColumnHidden(c))
            return c;
    }
    return -1;
}

void RegisterScreen::moveToField(int row, int column, bool quietly, bool backward)
{
    // Closing an editor delivers its pending events, which can ask to move
    // again before this move is done.
    if (m_moving)
        return;
    QScopedValueRollback<bool> moving(m_moving, true);
    const QModelIndex target = m_model->index(row, column);
    if (quietly) {
        m_view->closeCurrentEditor();
        QSignalBlocker block(m_view->selectionModel());
        m_view->selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
        m_view->viewport()->update();
    } else {
        m_view->setCurrentIndex(target);
    }
    m_view->scrollTo(target);
    if (!m_model->flags(target).testFlag(Qt::ItemIsEditable)) {
        m_view->setFocus();
        return;
    }
    m_view->edit(target);
    // Going back onto a two-line payee lands in its memo line.
    if (QWidget* container = payeeMemoEditor(m_view->indexWidget(target)); container && backward) {
        if (auto* memo = container->findChild<QLineEdit*>(QStringLiteral("memoEdit")))
            memo->setFocus(Qt::BacktabFocusReason);
    }
}

void RegisterScreen::tabToNextField()
{
    tabToField(true);
}

void RegisterScreen::tabToPreviousField()
{
    tabToField(false);
}

void RegisterScreen::tabToField(bool forward)
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    writeEditorToBuffer();
    const int column = neighbourField(current.column(), forward);
    if (column < 0) {
        m_view->closeCurrentEditor();
        return;
    }
    moveToField(current.row(), column, true, !forward);
}

void RegisterScreen::advanceToNextField()
{
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid() && m_model->isOpeningRow(current.row()))
        return;
    writeEditorToBuffer();
    const int editing = m_model->editingRow();
    const int row
        = current.isValid() ? current.row() : (editing >= 0 ? editing : m_model->newEntryRow());
    const bool fromStart = !current.isValid() || current.column() == RegisterModel::BalanceColumn;
    const int next = neighbourField(fromStart ? -1 : current.column(), true);
    if (next < 0) {
        commitCurrentRow();
        return;
    }
    moveToField(row, next, false, false);
}

void RegisterScreen::advanceToPreviousField()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    writeEditorToBuffer();
    const int previous = neighbourField(current.column(), false);
    if (previous >= 0)
        moveToField(current.row(), previous, false, true);
}

bool RegisterScreen::focusNextPrevChild(bool next)
{
    QWidget* container = payeeMemoEditorOfFocus();
    if (!container)
        return QWidget::focusNextPrevChild(next);
    auto* payee = container->findChild<QLineEdit*>(QStringLiteral("payeeEdit"));
    auto* memo = container->findChild<QLineEdit*>(QStringLiteral("memoEdit"));
    const bool inMemo = QApplication::focusWidget() == memo;
    if (next && !inMemo)
        memo->setFocus(Qt::TabFocusReason);
    else if (!next && inMemo)
        payee->setFocus(Qt::BacktabFocusReason);
    else if (next)
        tabToNextField();
    else
        tabToPreviousField();
    return true;
}

void RegisterScreen::commitCurrentRow()
{
    commitEntry();
}

bool RegisterScreen::commitEntry()
{
    const QModelIndex current = m_view->currentIndex();
    writeEditorToBuffer();
    const int editing = m_model->editingRow();
    const TransactionRow* row = m_model->transactionAt(editing);
    const std::optional<Transaction> existing
        = row ? std::optional<Transaction>(*row) : std::nullopt;
    if (existing && editedRowChanged()
        && !TransactionFormFlow::confirmReconciledChange(this, *existing)) {
        // Left as it was stored.
        m_view->closeCurrentEditor();
        loadBufferFrom(*row);
        Q_EMIT m_model->dataChanged(
            m_model->index(editing, 0), m_model->index(editing, RegisterModel::ColumnCount - 1));
        return false;
    }
    m_view->setCurrentIndex(QModelIndex());

    const RegisterModel::EntryBuffer buffer = m_model->buffer();
    TypedTransactionWriter writer(
        m_state->accounts(), m_state->categories(), m_state->transactionService());
    const auto status = writer.commit(m_accountId, buffer, existing ? &*existing : nullptr);
    if (status != TypedTransactionWriter::Status::Saved) {
        if (status == TypedTransactionWriter::Status::CurrencyMismatch)
            Q_EMIT errorMessage(writer.failureMessage(status));
        else
            showTransientMessage(writer.failureMessage(status),
                status == TypedTransactionWriter::Status::StoreFailed ? 5000 : kMessageMs);
        // The entry stays as typed, on the cell the user was in.
        QSignalBlocker block(m_view->selectionModel());
        m_view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
        return false;
    }
    m_messageTimer.stop();
    m_message->clear();

    if (existing) {
        endRowEdit();
        reload();
        // On to the row after the edited transaction, wherever it now sorts.
        const int edited = m_model->rowOfTransaction(existing->id);
        const int next = (edited >= 0 ? edited : editing) + 1;
        if (next < m_model->rowCount())
            setCurrentCell(next, RegisterModel::DateColumn);
        return true;
    }
    m_model->setStickyDate(buffer.date);
    m_newEntryDraft.reset();
    m_model->resetBuffer();
    reload();
    const QModelIndex entry = m_model->index(m_model->newEntryRow(), RegisterModel::DateColumn);
    m_view->setCurrentIndex(entry);
    m_view->scrollTo(entry);
    return true;
}

bool RegisterScreen::hasUnsavedEntry()
{
    if (m_accountId.isEmpty())
        return false;
    writeEditorToBuffer();
    if (m_model->editingRow() < 0)
        return !m_model->buffer().isBlank();
    return editedRowChanged() || (m_newEntryDraft && !m_newEntryDraft->isBlank());
}

bool RegisterScreen::commitPendingEntry()
{
    writeEditorToBuffer();
    m_view->closeCurrentEditor();
    if (editedRowChanged() && !commitEntry())
        return false;
    if (m_model->editingRow() >= 0) {
        if (!m_newEntryDraft || m_newEntryDraft->isBlank())
            return true;
        // Going to the new-entry row brings its draft back into the buffer.
        setCurrentCell(m_model->newEntryRow(), RegisterModel::DateColumn);
    }
    return m_model->buffer().isBlank() || commitEntry();
}

bool RegisterScreen::settleUnsavedEntry()
{
    if (!hasUnsavedEntry())
        return true;
    const auto answer = MessageBoxes::question(this, tr("Unsaved Transaction"),
        tr("Save the transaction you are entering?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Discard) {
        discardPendingEntry();
        return true;
    }
    // A save that fails keeps the entry, with the reason in the footer.
    return answer == QMessageBox::Save && commitPendingEntry();
}

void RegisterScreen::discardPendingEntry()
{
    m_view->closeCurrentEditor();
    m_newEntryDraft.reset();
    m_model->setEditingRow(-1);
    m_model->resetBuffer();
    if (const int entry = m_model->newEntryRow(); entry >= 0)
        Q_EMIT m_model->dataChanged(
            m_model->index(entry, 0), m_model->index(entry, RegisterModel::ColumnCount - 1));
}

void RegisterScreen::deleteCurrentRow()
{
    if (m_readOnly)
        return;
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    m_view->closeCurrentEditor();
    const int row = current.row();
    if (m_model->isNewEntryRow(row)) {
        m_model->resetBuffer();
        m_newEntryDraft.reset();
        Q_EMIT m_model->dataChanged(
            m_model->index(row, 0), m_model->index(row, RegisterModel::ColumnCount - 1));
        const QModelIndex date = m_model->index(row, RegisterModel::DateColumn);
        m_view->setCurrentIndex(date);
        m_view->edit(date);
        showTransientMessage(tr("Fields cleared"), 3000);
        return;
    }
    const TransactionRow* t = m_model->transactionAt(row);
    if (!t || m_model->isOpeningRow(row))
        return;
    const Transaction target = *t;
    if (DeleteTransactionPrompt::askAndDelete(this, m_state, target))
        reload();
}

void RegisterScreen::copyFromAbove()
{
    if (m_readOnly)
        return;
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || current.row() == 0)
        return;
    const QModelIndex above = current.siblingAtRow(current.row() - 1);
    // The new-entry row above shows placeholders, not values.
    const QString text
        = above.data(m_model->isNewEntryRow(above.row()) ? Qt::EditRole : Qt::DisplayRole)
              .toString();
    m_model->setData(current, text, Qt::EditRole);
    if (QWidget* editor = m_view->currentEditor())
        m_delegate->setEditorData(editor, current);
}

void RegisterScreen::goToNewEntry()
{
    if (m_readOnly || !settleUnsavedEntry())
        return;
    discardPendingEntry();
    const QModelIndex entry = m_model->index(m_model->newEntryRow(), RegisterModel::DateColumn);
    m_view->scrollTo(entry);
    m_view->setCurrentIndex(entry);
    m_view->edit(entry);
}

void RegisterScreen::toggleCleared(int row)
{
    if (m_readOnly)
        return;
    const TransactionRow* t = m_model->transactionAt(row);
    if (!t)
        return;
    m_state->transactionService()->toggleCleared(*t);
    reload();
}

void RegisterScreen::onContextMenu(const QPoint& pos)
{
    if (!m_readOnly)
        RegisterContextMenu::exec(this, pos);
}

void RegisterScreen::memorizeAsRecurring()
{
    if (m_readOnly)
        return;
    const int row = m_view->currentIndex().row();
    if (const TransactionRow* t
        = m_model->isOpeningRow(row) ? nullptr : m_model->transactionAt(row))
        RegisterMemorize::run(this, m_state, Transaction(*t));
}

void RegisterScreen::showDetails(int row)
{
    const TransactionRow* t = m_model->transactionAt(row);
    if (!t || m_model->isOpeningRow(row))
        return;
    const Transaction transaction = *t;
    m_view->closeCurrentEditor();
    TransactionDetailsDialog dialog(m_state, transaction, this);
    dialog.exec();
    reload();
    if (dialog.editRequested()) {
        const int edited = m_model->rowOfTransaction(transaction.id);
        if (edited >= 0)
            editTransactionInDialog(edited);
    }
}

void RegisterScreen::editTransactionInDialog(int row)
{
    if (m_readOnly)
        return;
    const TransactionRow* t = m_model->transactionAt(row);
    if (!t || m_model->isOpeningRow(row))
        return;
    m_view->closeCurrentEditor();
    const auto outcome = TransactionFormFlow::edit(this, m_state, *t);
    if (outcome == TransactionFormFlow::Outcome::Cancelled)
        return;
    if (outcome == TransactionFormFlow::Outcome::Failed)
        showTransientMessage(TransactionFormFlow::failureText(), 5000);
    reload();
}

void RegisterScreen::newTransactionDialog()
{
    if (m_readOnly)
        return;
    if (m_accountId.isEmpty())
        return;
    m_view->closeCurrentEditor();
    const auto outcome = TransactionFormFlow::addNew(this, m_state, m_accountId);
    if (outcome == TransactionFormFlow::Outcome::Cancelled)
        return;
    if (outcome == TransactionFormFlow::Outcome::Failed)
        showTransientMessage(TransactionFormFlow::failureText(), 5000);
    reload();
    const QModelIndex entry = m_model->index(m_model->newEntryRow(), RegisterModel::DateColumn);
    m_view->setCurrentIndex(entry);
    m_view->scrollTo(entry);
}

Currency RegisterScreen::currency() const
{
    const auto account = m_state->accounts()->findById(m_accountId);
    return account ? account->currency : Currency::USD;
}

void RegisterScreen::showTransientMessage(const QString& text, int ms)
{
    m_message->setText(text);
    m_messageTimer.start(ms);
}

void RegisterScreen::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&RegisterScreen::reconcileRequested))
        m_reconcile->show();
}
