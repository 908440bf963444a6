#include "CsvProfileBar.h"

#include "ui/widgets/MessageBoxes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CsvProfileBar::CsvProfileBar(CsvProfileService* profiles, QWidget* parent)
    : QWidget(parent)
    , m_profiles(profiles)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    m_combo = new QComboBox;
    m_combo->setObjectName(QStringLiteral("csvProfileCombo"));
    m_rename = new QPushButton(tr("Rename..."));
    m_rename->setObjectName(QStringLiteral("renameProfileButton"));
    m_delete = new QPushButton(tr("Delete"));
    m_delete->setObjectName(QStringLiteral("deleteProfileButton"));
    row->addWidget(new QLabel(tr("Profile:")));
    row->addWidget(m_combo, 1);
    row->addWidget(m_rename);
    row->addWidget(m_delete);
    layout->addLayout(row);
    m_applied = new QLabel;
    m_applied->setObjectName(QStringLiteral("profileLabel"));
    m_applied->setWordWrap(true);
    layout->addWidget(m_applied);

    connect(m_combo, &QComboBox::activated, this, [this] {
        const auto profile = current();
        m_applied->clear();
        if (profile)
            Q_EMIT chosen(*profile);
        m_rename->setEnabled(profile.has_value());
        m_delete->setEnabled(profile.has_value());
    });
    connect(m_rename, &QPushButton::clicked, this, &CsvProfileBar::renameCurrent);
    connect(m_delete, &QPushButton::clicked, this, &CsvProfileBar::deleteCurrent);
    reload({});
}

void CsvProfileBar::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    m_applied->clear();
    reload({});
}

void CsvProfileBar::showApplied(const CsvProfile& profile)
{
    reload(profile.id);
    m_applied->setText(tr("Profile \"%1\" applied: the file has its columns.").arg(profile.name));
}

void CsvProfileBar::showKept(const CsvProfile& profile)
{
    reload(profile.id);
    m_applied->setText(tr("The mapping is kept as profile \"%1\" for the next file of this layout.")
                           .arg(profile.name));
}

void CsvProfileBar::reload(const QString& selectId)
{
    m_list = m_accountId.isEmpty() ? QList<CsvProfile>() : m_profiles->profiles(m_accountId);
    m_combo->clear();
    m_combo->addItem(tr("(none)"), QString());
    for (const CsvProfile& profile : std::as_const(m_list))
        m_combo->addItem(profile.name, profile.id);
    m_combo->setCurrentIndex(std::max(m_combo->findData(selectId), 0));
    m_rename->setEnabled(m_combo->currentIndex() > 0);
    m_delete->setEnabled(m_combo->currentIndex() > 0);
}

std::optional<CsvProfile> CsvProfileBar::current() const
{
    const int index = m_combo->currentIndex() - 1;
    if (index < 0 || index >= m_list.size())
        return std::nullopt;
    return m_list.at(index);
}

void CsvProfileBar::renameCurrent()
{
    const auto profile = current();
    if (!profile)
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(
        this, tr("Rename Profile"), tr("Name:"), QLineEdit::Normal, profile->name, &ok);
    if (!ok || name.trimmed() == profile->name)
        return;
    if (!m_profiles->rename(profile->id, name)) {
        MessageBoxes::warning(this, tr("Rename Profile"),
            tr("The name is empty or another profile of this account has it."));
        return;
    }
    const bool applied = !m_applied->text().isEmpty();
    reload(profile->id);
    if (applied)
        m_applied->setText(
            tr("Profile \"%1\" applied: the file has its columns.").arg(name.trimmed()));
}

void CsvProfileBar::deleteCurrent()
{
    const auto profile = current();
    if (!profile
        || MessageBoxes::question(this, tr("Delete Profile"),
               tr("Delete the profile \"%1\"? Files of its layout will need mapping again.")
                   .arg(profile->name),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
        return;
    m_profiles->remove(profile->id);
    m_applied->clear();
    reload({});
}
