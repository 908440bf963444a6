#include "CategoriesScreen.h"

#include "CategoryTreeModel.h"
#include "app/AppState.h"
#include "app/ThemeManager.h"
#include "data/CategoryRepository.h"
#include "data/RecordRules.h"
#include "services/CategoryService.h"
#include "ui/dialogs/CategoryFormDialog.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/PlainText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <functional>

CategoriesScreen::CategoriesScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    m_model = new CategoryTreeModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(CategoryTreeModel::NameColumn);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setRecursiveFilteringEnabled(true);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSortLocaleAware(true);
    m_proxy->setDynamicSortFilter(true);
    buildLayout();
}

void CategoriesScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* title = new QLabel(tr("Categories"));
    title->setProperty("mellFontWeight", 700);
    ThemeManager::setFontRole(title, ThemeManager::Heading);
    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("categorySearch"));
    m_search->setPlaceholderText(tr("Search categories..."));
    m_search->setClearButtonEnabled(true);
    m_search->setMaximumWidth(280);
    connect(m_search, &QLineEdit::textChanged, this, &CategoriesScreen::onSearchChanged);
    auto* add = new QPushButton(tr("+ New Category"));
    add->setObjectName(QStringLiteral("newCategoryButton"));
    connect(add, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);

    auto* header = new QHBoxLayout;
    header->addWidget(title);
    header->addWidget(m_search);
    header->addStretch();
    header->addWidget(add);
    layout->addLayout(header);

    m_view = new QTreeView;
    m_view->setModel(m_proxy);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(CategoryTreeModel::NameColumn, Qt::AscendingOrder);
    m_view->header()->setStretchLastSection(false);
    m_view->header()->setSectionResizeMode(CategoryTreeModel::NameColumn, QHeaderView::Stretch);
    connect(m_view, &QWidget::customContextMenuRequested, this, &CategoriesScreen::onContextMenu);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &CategoriesScreen::onEditCategory);
    layout->addWidget(m_view, 1);
}

void CategoriesScreen::reload()
{
    QSet<QString> expanded;
    const std::function<void(const QModelIndex&)> collect = [&](const QModelIndex& parent) {
        for (int row = 0; row < m_proxy->rowCount(parent); ++row) {
            const QModelIndex index = m_proxy->index(row, 0, parent);
            if (m_view->isExpanded(index)) {
                if (const Category* c = m_model->categoryAt(m_proxy->mapToSource(index)))
                    expanded.insert(c->id);
            }
            collect(index);
        }
    };
    collect({});
    m_model->setCategories(m_state->categories()->findAll());
    for (const QString& id : std::as_const(expanded))
        expandCategory(id);
}

void CategoriesScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Opened again, the window starts with the whole tree, not the last search.
    if (!event->spontaneous())
        m_search->clear();
}

void CategoriesScreen::expandCategory(const QString& id)
{
    const QModelIndex index = m_proxy->mapFromSource(m_model->indexOf(id));
    if (index.isValid())
        m_view->expand(index);
}

void CategoriesScreen::onSearchChanged(const QString& text)
{
    m_proxy->setFilterFixedString(text);
    if (text.isEmpty())
        m_view->collapseAll();
    else
        m_view->expandAll();
}

const Category* CategoriesScreen::currentCategory() const
{
    return m_model->categoryAt(m_proxy->mapToSource(m_view->currentIndex()));
}

QString CategoriesScreen::parentName(const QString& parentId) const
{
    if (parentId.isEmpty())
        return {};
    const auto parent = m_state->categories()->findById(parentId);
    return parent ? parent->name : QString();
}

void CategoriesScreen::onCreateCategory()
{
    create(QString());
}

void CategoriesScreen::onCreateSubcategory()
{
    const Category* current = currentCategory();
    if (current && current->parentId.isEmpty())
        create(current->id);
}

void CategoriesScreen::create(const QString& parentId)
{
    CategoryFormDialog dialog(parentId, parentName(parentId), this);
    if (runForm(dialog, true) && !parentId.isEmpty())
        expandCategory(parentId);
}

void CategoriesScreen::onEditCategory()
{
    const Category* current = currentCategory();
    if (!current)
        return;
    CategoryFormDialog dialog(*current, parentName(current->parentId), this);
    runForm(dialog, false);
}

bool CategoriesScreen::runForm(CategoryFormDialog& dialog, bool isNew)
{
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const Category category = dialog.category();
    if (category.name.isEmpty())
        return false;
    if (!m_state->categoryService()->save(category, isNew)) {
        const QString problem = RecordRules::categoryNameProblem(category.name);
        MessageBoxes::warning(this, dialog.windowTitle(),
            problem.isEmpty() ? tr("The category could not be saved.") : problem);
    }
    reload();
    return true;
}

void CategoriesScreen::onDeleteCategory()
{
    const Category* current = currentCategory();
    if (!current)
        return;
    const Category category = *current;
    const int children = int(m_state->categoryService()->subcategories(category.id).size());
    const QString question = children > 0
        ? tr("Delete \"%1\" and its %n sub-categories? Transactions using them will become "
             "uncategorized.",
            nullptr, children)
              .arg(category.name)
        : tr("Delete \"%1\"? Transactions using this category will become uncategorized.")
              .arg(category.name);
    if (MessageBoxes::question(this, tr("Delete Category"), PlainText::forAutoText(question),
            QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (!m_state->categoryService()->remove(category.id).removed)
        MessageBoxes::warning(
            this, tr("Delete Category"), tr("The category could not be deleted."));
    reload();
}

void CategoriesScreen::onContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    if (index.isValid())
        m_view->setCurrentIndex(index);
    const Category* category = index.isValid() ? currentCategory() : nullptr;

    QMenu menu(this);
    menu.addAction(tr("&New Category"), this, &CategoriesScreen::onCreateCategory);
    if (category) {
        if (category->parentId.isEmpty())
            menu.addAction(tr("Add &Subcategory"), this, &CategoriesScreen::onCreateSubcategory);
        menu.addSeparator();
        menu.addAction(tr("&Edit"), this, &CategoriesScreen::onEditCategory);
        menu.addAction(tr("&Delete"), this, &CategoriesScreen::onDeleteCategory);
    }
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}
