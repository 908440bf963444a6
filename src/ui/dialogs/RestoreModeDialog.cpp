#include "RestoreModeDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using Policy = BackupService::RestorePolicy;

RestoreModeDialog::RestoreModeDialog(QWidget* parent)
    : QDialog(parent)
    , m_choices(new QButtonGroup(this))
{
    setWindowTitle(tr("Import Mode"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("How should existing data be handled?")));

    const struct {
        Policy policy;
        QString title;
        QString effect;
    } choices[] = {
        { Policy::Replace, tr("Replace all with backup data"),
            tr("Every item in the backup overwrites the same item here, and items deleted since "
               "the backup come back. Items that are not in the backup are kept.") },
        { Policy::KeepNewer, tr("Keep newer (compare timestamps)"),
            tr("An item in the backup overwrites the same item here only when it was changed "
               "later. Items deleted here stay deleted.") },
        { Policy::SkipExisting, tr("Skip existing items"),
            tr("Only items that are not here at all are added; nothing here changes, and items "
               "deleted here stay deleted.") },
    };
    for (const auto& choice : choices) {
        auto* button = new QRadioButton(choice.title);
        m_choices->addButton(button, int(choice.policy));
        auto* effect = new QLabel(choice.effect);
        effect->setWordWrap(true);
        effect->setIndent(24);
        effect->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
        layout->addSpacing(6);
        layout->addWidget(button);
        layout->addWidget(effect);
    }
    setPolicy(Policy::Replace);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

Policy RestoreModeDialog::policy() const
{
    return Policy(m_choices->checkedId());
}

void RestoreModeDialog::setPolicy(Policy policy)
{
    if (QAbstractButton* button = m_choices->button(int(policy)))
        button->setChecked(true);
}

std::optional<Policy> RestoreModeDialog::ask(QWidget* parent)
{
    RestoreModeDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.policy();
}
