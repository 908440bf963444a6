#include "RegisterDelegate.h"

#include "RegisterComboBox.h"
#include "RegisterLineEdit.h"
#include "RegisterModel.h"
#include "RegisterTableView.h"
#include "TabCompleter.h"
#include "app/AppState.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Money.h"
#include "data/TransactionRepository.h"
#include "ui/widgets/CategoryChoices.h"
#include "ui/widgets/DateEntry.h"
#include "ui/widgets/SmartDateEdit.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

#include <functional>

namespace {

// The first line of a two-line row, as the register's table sizes it.
int topLineHeight(const QWidget* widget)
{
    const auto* view = qobject_cast<const RegisterTableView*>(widget);
    return view ? view->lineHeight() : 36;
}
constexpr int kTextInset = 4;
const char* const kPayeeMemoEditor = "PayeeMemoEditor";

bool isPayeeMemoEditor(const QWidget* editor)
{
    return editor && editor->objectName() == QLatin1String(kPayeeMemoEditor);
}

Qt::Alignment cellAlignment(int column)
{
    switch (column) {
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn:
    case RegisterModel::BalanceColumn: return Qt::AlignRight | Qt::AlignVCenter;
    case RegisterModel::ClearedColumn: return Qt::AlignCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// The apostrophe copies the field above where typing it would leave nothing
// else of the field: in an empty one, or over all of its text, which is how a
// field opens after Enter or Tab.
class CopyKey : public QObject {
public:
    CopyKey(QLineEdit* edit, std::function<void()> copy)
        : QObject(edit)
        , m_copy(std::move(copy))
    {
        edit->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* edit = static_cast<QLineEdit*>(watched);
        if (key->text() != QLatin1String("'") || key->modifiers().testFlag(Qt::ControlModifier)
            || (!edit->text().isEmpty() && edit->selectedText() != edit->text()))
            return false;
        m_copy();
        return true;
    }

private:
    std::function<void()> m_copy;
};

TabCompleter* makeCompleter(QAbstractItemModel* model, QObject* parent)
{
    auto* completer = new TabCompleter(model, parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    return completer;
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState* state, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_state(state)
{
    // Completion lists are read once and kept until the data behind them changes.
    connect(state->transactions(), &TransactionRepository::transactionsChanged, this,
        &RegisterDelegate::invalidateLists);
    connect(state->accounts(), &AccountRepository::accountsChanged, this,
        &RegisterDelegate::invalidateLists);
    connect(state->categories(), &CategoryRepository::categoriesChanged, this,
        &RegisterDelegate::invalidateLists);
}

void RegisterDelegate::invalidateLists()
{
    m_payees.reset();
    m_categories.reset();
}

void RegisterDelegate::setAccountId(const QString& accountId)
{
    if (accountId != m_accountId)
        m_payees.reset();
    m_accountId = accountId;
}

void RegisterDelegate::setTwoLine(bool twoLine)
{
    m_twoLine = twoLine;
}

QStringList RegisterDelegate::payeeList() const
{
    if (!m_payees) {
        QStringList payees = m_state->transactions()->distinctPayees();
        for (const Account& account : m_state->accounts()->findAll()) {
            if (account.id == m_accountId)
                continue;
            const QString entry = QStringLiteral("[Transfer] %1").arg(account.name);
            if (!payees.contains(entry))
                payees.prepend(entry);
        }
        m_payees = payees;
    }
    return *m_payees;
}

QList<QPair<QString, QString>> RegisterDelegate::categoryItems() const
{
    if (!m_categories) {
        QList<QPair<QString, QString>> items { { QString(), QString() } };
        items += CategoryChoices::entries(m_state->categories()->findAll());
        m_categories = items;
    }
    return *m_categories;
}

QString RegisterDelegate::categoryText(const QString& id, const QString& fallback) const
{
    if (id.isEmpty())
        return fallback;
    for (const auto& [shown, itemId] : categoryItems()) {
        if (itemId == id)
            return shown;
    }
    return fallback;
}

QString RegisterDelegate::categoryIdOf(const QComboBox* combo)
{
    const int item = combo->findText(combo->currentText(), Qt::MatchExactly);
    return item >= 0 ? combo->itemData(item).toString() : QString();
}

QWidget* RegisterDelegate::createPayeeEditor(QWidget* parent, const QModelIndex& index) const
{
    auto* payee = new RegisterLineEdit(parent);
    auto* completer = makeCompleter(new QStringListModel(payeeList(), payee), payee);
    payee->setCompleter(completer);
    QWidget* editor = payee;
    if (m_twoLine) {
        editor = new QWidget(parent);
        editor->setObjectName(QLatin1String(kPayeeMemoEditor));
        auto* layout = new QVBoxLayout(editor);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        payee->setParent(editor);
        payee->setObjectName(QStringLiteral("payeeEdit"));
        auto* memo = new RegisterLineEdit(editor);
        memo->setObjectName(QStringLiteral("memoEdit"));
        memo->setProperty("mellFontItalic", true);
        ThemeManager::setFontRole(memo, ThemeManager::Small);
        memo->setPlaceholderText(tr("Memo"));
        layout->addWidget(payee);
        layout->addWidget(memo);
        editor->setFocusProxy(payee);
    }
    auto* model = qobject_cast<RegisterModel*>(const_cast<QAbstractItemModel*>(index.model()));
    const QPersistentModelIndex persistent(index);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), editor,
        [this, model, persistent, editor](const QString& text) {
            if (model && persistent.isValid())
                autoFillFromPayee(
                    model, persistent.row(), text, isPayeeMemoEditor(editor) ? editor : nullptr);
        });
    return editor;
}

QWidget* RegisterDelegate::createCategoryEditor(QWidget* parent) const
{
    auto* combo = new RegisterComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& [text, id] : categoryItems())
        combo->addItem(text, id);
    auto* completer = makeCompleter(combo->model(), combo);
    completer->setTakesBestMatch(true);
    combo->setCompleter(completer);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), combo,
        [combo](const QString& text) {
            const int item = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (item >= 0)
                combo->setCurrentIndex(item);
        });
    return combo;
}

QWidget* RegisterDelegate::createEditor(
    QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    QWidget* editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn: editor = new SmartDateEdit(parent); break;
    case RegisterModel::PayeeColumn: editor = createPayeeEditor(parent, index); break;
    case RegisterModel::CategoryColumn: editor = createCategoryEditor(parent); break;
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn: {
        auto* edit = new RegisterLineEdit(parent);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        editor = edit;
        break;
    }
    case RegisterModel::ClearedColumn: {
        auto* edit = new RegisterLineEdit(parent);
        edit->setMaxLength(1);
        edit->setAlignment(Qt::AlignCenter);
        editor = edit;
        break;
    }
    default: editor = new RegisterLineEdit(parent); break;
    }
    if (!isPayeeMemoEditor(editor))
        editor->setFocusPolicy(Qt::ClickFocus);
    QList<QLineEdit*> fields = editor->findChildren<QLineEdit*>();
    if (auto* field = qobject_cast<QLineEdit*>(editor))
        fields << field;
    for (QLineEdit* field : fields)
        new CopyKey(field, [this] { Q_EMIT copyFromAboveRequested(); });
    return editor;
}

void RegisterDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString value = index.data(Qt::EditRole).toString();
    if (auto* date = qobject_cast<SmartDateEdit*>(editor)) {
        const QDate parsed = DateEntry::parse(value);
        if (parsed.isValid()) {
            date->setDate(parsed);
        } else {
            // A date that was refused comes back as typed, to be corrected.
            date->setText(value);
            date->selectAll();
        }
    } else if (isPayeeMemoEditor(editor)) {
        editor->findChild<QLineEdit*>(QStringLiteral("payeeEdit"))->setText(value);
        editor->findChild<QLineEdit*>(QStringLiteral("memoEdit"))
            ->setText(
                index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::EditRole).toString());
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int item = combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0)
            combo->setCurrentIndex(item);
        else
            combo->setEditText(value);
        // Typing into a category the payee filled in replaces it, as in the
        // other fields.
        if (QLineEdit* line = combo->lineEdit())
            line->selectAll();
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(value);
    }
}

void RegisterDelegate::setModelData(
    QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* registerModel = qobject_cast<RegisterModel*>(model);
    const bool newEntry = registerModel && registerModel->isNewEntryRow(index.row());
    if (auto* date = qobject_cast<SmartDateEdit*>(editor)) {
        // Text that reads as no date stays as typed, so the commit can refuse
        // it instead of quietly taking the date held before.
        const QDate typed = DateEntry::parse(date->text());
        model->setData(
            index, typed.isValid() ? RegisterModel::dateText(typed) : date->text(), Qt::EditRole);
    } else if (isPayeeMemoEditor(editor)) {
        if (!registerModel)
            return;
        const QString payee = editor->findChild<QLineEdit*>(QStringLiteral("payeeEdit"))->text();
        registerModel->setBufferText(RegisterModel::MemoColumn,
            editor->findChild<QLineEdit*>(QStringLiteral("memoEdit"))->text());
        registerModel->setBufferText(RegisterModel::PayeeColumn, payee);
        if (newEntry)
            autoFillFromPayee(registerModel, index.row(), payee, editor);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // A category the list does not offer (deleted, or another person's in
        // a shared account) keeps its id for as long as its text stands.
        const bool unchanged = combo->currentText() == index.data(Qt::EditRole).toString();
        const QString keptId = registerModel ? registerModel->buffer().categoryId : QString();
        model->setData(index, combo->currentText(), Qt::EditRole);
        if (registerModel) {
            const QString chosen = categoryIdOf(combo);
            registerModel->setBufferCategoryId(chosen.isEmpty() && unchanged ? keptId : chosen);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, edit->text(), Qt::EditRole);
        if (newEntry && index.column() == RegisterModel::PayeeColumn)
            autoFillFromPayee(registerModel, index.row(), edit->text(), nullptr);
    }
}

void RegisterDelegate::autoFillFromPayee(
    RegisterModel* model, int row, const QString& payee, QWidget* twoLineEditor) const
{
    if (!model->isNewEntryRow(row) || model->editingRow() >= 0)
        return;
    const auto last = m_state->transactions()->findLastForPayee(payee.trimmed(), m_accountId);
    if (!last)
        return;
    const bool payment = last->amount < 0;
    const QString amount
        = Money::formatAmount(payment ? -last->amount : last->amount, model->currency());
    model->setBufferText(RegisterModel::PaymentColumn, payment ? amount : QString());
    model->setBufferText(RegisterModel::DepositColumn, payment ? QString() : amount);
    if (!last->categoryId.isEmpty()) {
        if (const auto category = m_state->categories()->findById(last->categoryId)) {
            // Use the text the category list shows, so the editor finds the very
            // same entry even when two categories share a name.
            model->setBufferText(
                RegisterModel::CategoryColumn, categoryText(category->id, category->shownName()));
            model->setBufferCategoryId(category->id);
        }
    }
    if (!last->memo.isEmpty()) {
        model->setBufferText(RegisterModel::MemoColumn, last->memo);
        if (twoLineEditor)
            twoLineEditor->findChild<QLineEdit*>(QStringLiteral("memoEdit"))->setText(last->memo);
    }
    Q_EMIT model->dataChanged(
        model->index(row, 0), model->index(row, RegisterModel::ColumnCount - 1));
}

bool RegisterDelegate::eventFilter(QObject* watched, QEvent* event)
{
    // Enter belongs to the register screen, which writes the editor and moves
    // on itself; the stock handling would commit the editor a second time later.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return false;
    }
    // Losing the window's activation (switching applications, or a completion
    // popup closing on some platforms) must not throw away the field being typed.
    if (event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason)
        return false;
    return QStyledItemDelegate::eventFilter(watched, event);
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (const auto* view = qobject_cast<const QTableView*>(option.widget); view && m_twoLine)
        size.setHeight(view->verticalHeader()->defaultSectionSize());
    return size;
}

void RegisterDelegate::updateEditorGeometry(
    QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!m_twoLine) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    QRect rect = option.rect;
    if (index.column() != RegisterModel::PayeeColumn)
        rect.setHeight(std::min(topLineHeight(option.widget), rect.height()));
    editor->setGeometry(rect);
}

void RegisterDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (m_twoLine)
        paintTwoLine(painter, option, index);
    else
        QStyledItemDelegate::paint(painter, option, index);
}

void RegisterDelegate::paintTwoLine(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const bool selected = opt.state.testFlag(QStyle::State_Selected);
    const int column = index.column();
    const QColor rowBackground
        = opt.palette.color(index.row() % 2 == 0 ? QPalette::Base : QPalette::AlternateBase);

    const QRect cell = option.rect;
    const int topLine = topLineHeight(widget);
    const QRect top(cell.left(), cell.top(), cell.width(), std::min(topLine, cell.height()));
    painter->save();
    painter->fillRect(cell, rowBackground);
    QStyleOptionViewItem panel = opt;
    panel.rect = column == RegisterModel::PayeeColumn ? cell : top;
    panel.text.clear();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);

    QColor textColor = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (!selected && foreground.isValid())
        textColor = foreground.value<QColor>();
    const auto* regModel = qobject_cast<const RegisterModel*>(index.model());
    const TransactionRow* t = regModel ? regModel->transactionAt(index.row()) : nullptr;
    if (column == RegisterModel::BalanceColumn && t && t->runningBalance < 0)
        textColor = ThemeColors::pick(ThemeColors::kRed);
    painter->setPen(textColor);
    painter->setFont(opt.font);
    painter->drawText(top.adjusted(kTextInset, 0, -kTextInset, 0), int(cellAlignment(column)),
        opt.fontMetrics.elidedText(opt.text, opt.textElideMode, top.width() - 2 * kTextInset));

    // The memo line runs under Payee and Category; it is drawn with the
    // rightmost visible of the two so the cell painted later does not cover it.
    const auto* table = qobject_cast<const QTableView*>(widget);
    const bool categoryShown = table && !table->isColumnHidden(RegisterModel::CategoryColumn);
    const bool memoHere = column == RegisterModel::CategoryColumn
        || (column == RegisterModel::PayeeColumn && !categoryShown);
    const QString memo = index.siblingAtColumn(RegisterModel::MemoColumn).data().toString();
    if (memoHere && !memo.isEmpty() && table) {
        const int left = table->columnViewportPosition(RegisterModel::PayeeColumn) + kTextInset;
        const QRect memoRect(
            left, cell.top() + topLine, cell.right() - kTextInset - left, cell.height() - topLine);
        QFont memoFont = opt.font;
        memoFont.setItalic(true);
        memoFont.setPointSize(std::max(memoFont.pointSize() - 1, 7));
        painter->setFont(memoFont);
        painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText)
                                 : QColor(QStringLiteral("#6E8A7E")));
        painter->setClipping(false);
        painter->drawText(memoRect, int(Qt::AlignLeft | Qt::AlignVCenter),
            QFontMetrics(memoFont).elidedText(memo, Qt::ElideRight, memoRect.width()));
    }
    painter->restore();
}
