#include "CategoryFormDialog.h"

#include "DialogFrame.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/SingleLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace {

// A transfer category is not offered: editing one turns it into an expense.
const std::pair<const char*, CategoryType> kTypeItems[] = {
    { QT_TRANSLATE_NOOP("CategoryFormDialog", "Expense"), CategoryType::Expense },
    { QT_TRANSLATE_NOOP("CategoryFormDialog", "Income"), CategoryType::Income },
};

} // namespace

CategoryFormDialog::CategoryFormDialog(
    const QString& parentId, const QString& parentName, QWidget* parent)
    : QDialog(parent)
    , m_parentId(parentId)
{
    m_category.id = Ids::newId();
    buildForm(parentName);
    setWindowTitle(parentId.isEmpty() ? tr("New Category") : tr("New Subcategory"));
}

CategoryFormDialog::CategoryFormDialog(
    const Category& category, const QString& parentName, QWidget* parent)
    : QDialog(parent)
    , m_category(category)
    , m_parentId(category.parentId)
    , m_editing(true)
{
    buildForm(parentName);
    setWindowTitle(tr("Edit Category"));
    m_name->setText(category.name);
    const int type = m_type->findData(categoryTypeToText(category.type));
    if (type >= 0)
        m_type->setCurrentIndex(type);
    m_taxRelevant->setChecked(category.isTaxRelevant);
    m_taxCode->setText(category.taxCategory);
    onTaxRelevantToggled(category.isTaxRelevant);
}

void CategoryFormDialog::buildForm(const QString& parentName)
{
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setPlaceholderText(tr("Category name"));

    m_type = new QComboBox;
    m_type->setObjectName(QStringLiteral("typeCombo"));
    for (const auto& [label, type] : kTypeItems)
        m_type->addItem(tr(label), categoryTypeToText(type));

    m_taxRelevant = new QCheckBox(tr("Tax-relevant"));
    m_taxRelevant->setObjectName(QStringLiteral("taxRelevantCheck"));
    m_taxRelevant->setToolTip(tr("Mark this category for inclusion in tax-time reports."));

    m_taxCode = new QLineEdit;
    m_taxCode->setObjectName(QStringLiteral("taxCodeEdit"));
    m_taxCode->setPlaceholderText(tr("e.g. charitable_contributions, mortgage_interest"));
    m_taxCodeLabel = new QLabel(tr("Tax &Code:"));
    m_taxCodeLabel->setObjectName(QStringLiteral("taxCodeLabel"));
    m_taxCodeLabel->setBuddy(m_taxCode);
    connect(m_taxRelevant, &QCheckBox::toggled, this, &CategoryFormDialog::onTaxRelevantToggled);
    onTaxRelevantToggled(false);

    auto* form = new QFormLayout;
    if (!parentName.isEmpty()) {
        auto* parentLabel = new QLabel(parentName);
        parentLabel->setObjectName(QStringLiteral("parentLabel"));
        parentLabel->setTextFormat(Qt::PlainText);
        parentLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(tr("&Parent:"), parentLabel);
    }
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Type:"), m_type);
    form->addRow(m_taxRelevant);
    form->addRow(m_taxCodeLabel, m_taxCode);

    DialogFrame::frameForm(this, form, 420);
    m_name->setFocus();
}

void CategoryFormDialog::onTaxRelevantToggled(bool on)
{
    m_taxCodeLabel->setEnabled(on);
    m_taxCode->setEnabled(on);
    if (!on)
        m_taxCode->clear();
}

Category CategoryFormDialog::category() const
{
    Category result = m_category;
    const QDateTime now = Clock::nowUtc();
    if (!m_editing)
        result.createdAt = now;
    result.name = SingleLine::clean(m_name->text());
    const QString type = m_type->currentData().toString();
    result.type = type == QLatin1String("income") ? CategoryType::Income
        : type == QLatin1String("transfer")       ? CategoryType::Transfer
                                                  : CategoryType::Expense;
    result.parentId = m_parentId;
    result.isTaxRelevant = m_taxRelevant->isChecked();
    result.taxCategory = result.isTaxRelevant ? SingleLine::clean(m_taxCode->text()) : QString();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}
