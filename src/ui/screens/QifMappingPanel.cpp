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
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("qifMappingPanel"));
    auto* layout = new QVBoxLayout(this);
    m_note = new QLabel;
    m_note->setWordWrap(true);
    layout->addWidget(m_note);
    setForStatements(false);
    m_rowsLayout = new QFormLayout;
    m_rowsLayout->setObjectName(QStringLiteral("qifMapRowsLayout"));
    layout->addLayout(m_rowsLayout);
    layout->addStretch();
}

void QifMappingPanel::setForStatements(bool statements)
{
    setTitle(statements ? tr("Statements:") : tr("QIF source accounts:"));
    m_note->setText(statements
            ? tr("Choose the account each statement goes to. The next statement of the same bank "
                 "account goes there by itself.")
            : tr("Choose where each Quicken account should be imported. Accounts mapped across "
                 "the selected files will have their transfers linked automatically."));
}

QString QifMappingPanel::accountName(const QifAccountEntry& entry)
{
    if (!entry.newAccountName.isEmpty())
        return entry.newAccountName;
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
        if (const int preferred = combo->findData(entry.preferredAccountId);
            !entry.preferredAccountId.isEmpty() && preferred >= 0)
            initial = preferred;
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
        account.currency = row.entry.currency;
        account.createdAt = account.updatedAt = Clock::nowUtc();
        choice.newAccounts.append(account);
        choice.mapping.insert(row.entry.key, account.id);
    }
    return choice;
}
