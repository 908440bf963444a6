#include "StatusBar.h"

#include "app/ThemeColors.h"
#include "app/ThemeManager.h"

#include <QLabel>
#include <QProgressBar>

namespace {

constexpr ThemeColors::Pair kLabelColor { "#8FAF9F", "#2A3D33" };

QLabel* bodyLabel(const QString& text = {})
{
    auto* label = new QLabel(text);
    ThemeManager::setFontRole(label, ThemeManager::Body);
    return label;
}

} // namespace

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_accountCount(bodyLabel())
    , m_recurringDue(bodyLabel())
    , m_busyText(bodyLabel())
    , m_busyIndicator(new QProgressBar)
    , m_syncLabel(bodyLabel(tr("Offline")))
    , m_conflicts(bodyLabel())
{
    setStyleSheet(
        QStringLiteral("QStatusBar {  padding: 2px 4px;}QStatusBar::item { border: none; }"));

    m_accountCount->setObjectName(QStringLiteral("accountCountLabel"));
    m_recurringDue->setObjectName(QStringLiteral("recurringDueLabel"));
    m_busyText->setObjectName(QStringLiteral("busyTextLabel"));
    m_busyIndicator->setObjectName(QStringLiteral("busyIndicator"));
    m_syncLabel->setObjectName(QStringLiteral("syncLabel"));
    m_conflicts->setObjectName(QStringLiteral("syncConflictLabel"));
    m_conflicts->setToolTip(tr("Entries changed on this computer and on another one. Click to "
                               "choose which version to keep."));
    m_conflicts->setTextFormat(Qt::RichText);
    connect(m_conflicts, &QLabel::linkActivated, this, &StatusBar::conflictsRequested);

    m_busyIndicator->setRange(0, 0);
    m_busyIndicator->setTextVisible(false);
    m_busyIndicator->setMaximumSize(100, 14);

    addWidget(m_accountCount);
    addWidget(m_recurringDue);
    addPermanentWidget(m_busyText);
    addPermanentWidget(m_busyIndicator);
    addPermanentWidget(m_conflicts);
    addPermanentWidget(m_syncLabel);
    m_conflicts->hide();
    m_busyText->hide();
    m_busyIndicator->hide();
    applyStyle();
}

void StatusBar::setAccountCount(int count)
{
    m_accountCount->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDue(int count)
{
    if (count <= 0) {
        m_recurringDue->hide();
        return;
    }
    m_recurringDue->setText(tr("  •  %n recurring due", nullptr, count));
    m_recurringDue->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;")
                                      .arg(ThemeColors::pickName(ThemeColors::kOrange)));
    // Over a message it would be drawn across it; the line shows it again
    // once the message is gone.
    if (currentMessage().isEmpty())
        m_recurringDue->show();
    else
        m_recurringDue->setAttribute(Qt::WA_WState_ExplicitShowHide, false);
}

void StatusBar::setSyncText(const QString& text)
{
    m_syncLabel->setText(text);
}

void StatusBar::setConflictCount(int count)
{
    m_conflicts->setText(
        QStringLiteral("<a href=\"#conflicts\" style=\"color: %1; font-weight: bold;\">%2</a>")
            .arg(ThemeColors::pickName(ThemeColors::kOrange),
                tr("%n sync conflict(s)", nullptr, count).toHtmlEscaped()));
    m_conflicts->setVisible(count > 0);
}

void StatusBar::startBusy(const QString& text)
{
    m_busyText->setText(text);
    m_busyText->show();
    m_busyIndicator->show();
}

void StatusBar::stopBusy()
{
    m_busyText->hide();
    m_busyIndicator->hide();
}

void StatusBar::showTransientMessage(const QString& text, int timeoutMs)
{
    stopBusy();
    showMessage(text, timeoutMs);
}

void StatusBar::applyStyle()
{
    const QString style = QStringLiteral("color: %1;").arg(ThemeColors::pickName(kLabelColor));
    m_accountCount->setStyleSheet(style);
    m_syncLabel->setStyleSheet(style);
}
