#include "PayeeScreen.h"

#include "app/AppState.h"
#include "app/ThemeManager.h"
#include "data/SingleLine.h"
#include "data/TransactionRepository.h"
#include "services/PayeeService.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/PlainText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

PayeeScreen::PayeeScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    buildLayout();
}

void PayeeScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    auto* title = new QLabel(tr("Payee Management"));
    title->setProperty("mellFontWeight", 700);
    ThemeManager::setFontRole(title, ThemeManager::Heading);
    layout->addWidget(title);
    layout->addSpacing(8);

    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("payeeList"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({ tr("Payee"), tr("Transactions"), QString() });
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(PayeeColumn, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(CountColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(SimilarColumn, QHeaderView::ResizeToContents);
    layout->addWidget(m_list, 1);

    m_renameTo = new QLineEdit;
    m_renameTo->setObjectName(QStringLiteral("renameEdit"));
    auto* rename = new QPushButton(tr("Rename Selected"));
    rename->setObjectName(QStringLiteral("renameButton"));
    connect(rename, &QPushButton::clicked, this, &PayeeScreen::onRename);
    auto* merge = new QPushButton(tr("Merge Selected"));
    merge->setObjectName(QStringLiteral("mergeButton"));
    connect(merge, &QPushButton::clicked, this, &PayeeScreen::onMerge);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(tr("Rename to:")));
    bottom->addWidget(m_renameTo, 1);
    bottom->addWidget(rename);
    bottom->addWidget(merge);
    layout->addLayout(bottom);
}

void PayeeScreen::reload()
{
    const QList<TransactionRepository::PayeeCount> payees = m_state->transactions()->payeeCounts();
    QStringList names;
    names.reserve(payees.size());
    for (const auto& p : payees)
        names << p.payee;
    const QHash<QString, QStringList> alike = PayeeService::lookalikes(names);

    QList<QTreeWidgetItem*> items;
    items.reserve(payees.size());
    for (const auto& p : payees) {
        auto* item = new QTreeWidgetItem;
        item->setText(PayeeColumn, p.payee);
        item->setData(PayeeColumn, Qt::UserRole, p.payee);
        item->setText(CountColumn, QString::number(p.count));
        item->setTextAlignment(CountColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (const auto found = alike.constFind(p.payee); found != alike.constEnd()) {
            item->setText(SimilarColumn, tr("Similar"));
            item->setToolTip(SimilarColumn,
                tr("Differs only in case or spaces from: %1")
                    .arg(found->join(QStringLiteral(", "))));
        }
        items << item;
    }
    m_list->clear();
    m_list->addTopLevelItems(items);
}

QStringList PayeeScreen::selectedPayees() const
{
    QStringList payees;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (item->isSelected())
            payees << item->data(PayeeColumn, Qt::UserRole).toString();
    }
    return payees;
}

void PayeeScreen::onRename()
{
    const QString name = m_renameTo->text().trimmed();
    const QStringList selected = selectedPayees();
    if (name.isEmpty() || selected.isEmpty())
        return;
    apply(selected, name, false);
}

void PayeeScreen::apply(const QStringList& payees, const QString& name, bool merging)
{
    const std::optional<int> changed = m_state->payeeService()->rename(payees, name);
    if (!changed) {
        if (merging)
            MessageBoxes::warning(this, tr("Merge Failed"),
                tr("The payees could not be merged; nothing was changed."));
        else
            MessageBoxes::warning(this, tr("Rename Failed"),
                tr("The payees could not be renamed; nothing was changed."));
        return;
    }
    if (merging)
        MessageBoxes::information(
            this, tr("Merge Complete"), tr("Merged %n transaction(s).", nullptr, *changed));
    else
        MessageBoxes::information(
            this, tr("Rename Complete"), tr("Renamed %n transaction(s).", nullptr, *changed));
    reload();
    Q_EMIT payeesChanged();
}

void PayeeScreen::onMerge()
{
    const QStringList selected = selectedPayees();
    if (selected.size() < 2) {
        MessageBoxes::information(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    QString target = SingleLine::clean(m_renameTo->text());
    if (target.isEmpty())
        target = SingleLine::clean(selected.first());
    const QString question = tr("Merge %1 payees into \"%2\"?").arg(selected.size()).arg(target);
    if (MessageBoxes::question(this, tr("Merge Payees"), PlainText::forAutoText(question),
            QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    apply(selected, target, true);
}
