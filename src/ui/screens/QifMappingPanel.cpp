#include "QifMappingPanel.h"

#include "data/Clock.h"
#include "data/Ids.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString kCreate = QStringLiteral("__create__");
const QString kSkip = QStringLiteral("__skip__");

} // namespace

QifMappingPanel::QifMappingPanel(QWidget* parent)
    : QGroupBox(tr("QIF source accounts:"), parent)
{
    setObjectName(QStringLiteral("qifMappingPanel"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Choose where each Quicken account should be imported. Accounts "
                               "mapped across the selected files will have their transfers linked "
                               "automatically."));
    note->setWordWrap(true);
    layout->addWidget(note);
    m_rowsLayout = new QFormLayout;
    m_rowsLayout->setObjectName(QStringLiteral("qifMapRowsLayout"));
    layout->addLayout(m_rowsLayout);
    layout->addStretch();
}

QString QifMappingPanel::accountName(const QifAccountEntry& entry)
{
    return entry.withoutHeader ? QFileInfo(entry.key).fileName().section(QLatin1Char('.'), 0, 0)
                               : entry.key;
}

void QifMappingPanel::setEntries(
    const QList<QifAccountEntry>& entries, const QList<Account>& accounts)
{
    while (m_rowsLayout->rowCount() > 0)
        m_rowsLayout->removeRow(0);
    m_rows.clear();
    for (const QifAccountEntry& entry : entries) {
        const QString name = accountName(entry);
        auto* combo = new QComboBox;
        combo->setObjectName(QStringLiteral("qifMapCombo"));
        combo->addItem(tr("— Create new account \"%1\" —").arg(name), kCreate);
        combo->addItem(tr("— Skip these transactions —"), kSkip);
        int initial = 0;
        for (const Account& account : accounts) {
            combo->addItem(account.name, account.id);
            if (initial == 0 && account.name.compare(name, Qt::CaseInsensitive) == 0)
                initial = combo->count() - 1;
        }
        combo->setCurrentIndex(initial);
        auto* label = new QLabel(entry.displayName);
        label->setToolTip(entry.key);
        m_rowsLayout->addRow(label, combo);
        m_rows.append({ entry, combo });
    }
}

QifMappingPanel::Choice QifMappingPanel::choice() const
{
    Choice choice;
    for (const Row& row : m_rows) {
        const QString chosen = row.combo->currentData().toString();
        if (chosen == kSkip)
            continue;
        if (chosen != kCreate) {
            choice.mapping.insert(row.entry.key, chosen);
            continue;
        }
        Account account;
        account.id = Ids::newId();
        account.name = accountName(row.entry);
        account.type = row.entry.suggestedType;
        account.createdAt = account.updatedAt = Clock::nowUtc();
        choice.newAccounts.append(account);
        choice.mapping.insert(row.entry.key, account.id);
    }
    return choice;
}
