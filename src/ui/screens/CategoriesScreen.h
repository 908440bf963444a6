#pragma once

#include <QWidget>

class AppState;
class CategoryFormDialog;
class CategoryTreeModel;
class QLineEdit;
class QSortFilterProxyModel;
class QTreeView;
struct Category;

// The category tree with a search line: new categories and sub-categories,
// changes and deletion, through the category form.
class CategoriesScreen : public QWidget {
    Q_OBJECT

public:
    explicit CategoriesScreen(AppState* state, QWidget* parent = nullptr);

    // Rebuilds the tree from the store; rows open before stay open.
    void reload();

    QTreeView* view() const { return m_view; }
    CategoryTreeModel* model() const { return m_model; }
    QSortFilterProxyModel* proxy() const { return m_proxy; }
    QLineEdit* searchLine() const { return m_search; }

public Q_SLOTS:
    void onCreateCategory();
    void onCreateSubcategory();
    void onEditCategory();
    void onDeleteCategory();
    void onContextMenu(const QPoint& pos);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void onSearchChanged(const QString& text);
    void create(const QString& parentId);
    // Stores what an accepted form holds and shows the tree again; false when
    // the form was cancelled or left without a name.
    bool runForm(CategoryFormDialog& dialog, bool isNew);
    const Category* currentCategory() const;
    QString parentName(const QString& parentId) const;
    void expandCategory(const QString& id);

    AppState* m_state;
    CategoryTreeModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    QTreeView* m_view = nullptr;
    QLineEdit* m_search = nullptr;
};
