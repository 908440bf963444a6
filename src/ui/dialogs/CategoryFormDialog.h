#pragma once

#include "data/Category.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// Asks for a new category or sub-category, or changes to an existing one, and
// hands back the complete record; the caller stores it (and nothing when the
// name is empty).
class CategoryFormDialog : public QDialog {
    Q_OBJECT

public:
    // A new category under `parentId` (top level when empty).
    CategoryFormDialog(
        const QString& parentId, const QString& parentName, QWidget* parent = nullptr);
    // Changes to `category`; its sync fields, icon, colour and creation time are kept.
    CategoryFormDialog(
        const Category& category, const QString& parentName, QWidget* parent = nullptr);

    Category category() const;

private:
    void buildForm(const QString& parentName);
    void onTaxRelevantToggled(bool on);

    Category m_category;
    QString m_parentId;
    bool m_editing = false;
    QLineEdit* m_name = nullptr;
    QComboBox* m_type = nullptr;
    QCheckBox* m_taxRelevant = nullptr;
    QLabel* m_taxCodeLabel = nullptr;
    QLineEdit* m_taxCode = nullptr;
};
