#include "StoreBanner.h"

#include "app/ThemeColors.h"

#include <QBoxLayout>
#include <QDir>
#include <QLabel>
#include <QPushButton>

StoreBanner::StoreBanner(QWidget* parent)
    : QFrame(parent)
    , m_label(new QLabel)
    , m_restore(new QPushButton(tr("Import Backup...")))
{
    setObjectName(QStringLiteral("storeBanner"));
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_layout = new QBoxLayout(QBoxLayout::LeftToRight, this);
    m_layout->setContentsMargins(16, 10, 16, 10);
    m_layout->setSpacing(16);
    m_layout->addWidget(m_label, 1);
    m_layout->addWidget(m_restore);
    connect(m_restore, &QPushButton::clicked, this, &StoreBanner::restoreRequested);
    hide();
}

void StoreBanner::showReadOnly(const QString& path)
{
    showText(tr("This ledger file is read-only: you can look at it, but not change it. To make "
                "changes, allow writing to %1 and start Mellowind Ledgerine again.")
                 .arg(QDir::toNativeSeparators(path)),
        false);
}

void StoreBanner::showDamaged(const QString& text)
{
    showText(text, true);
}

void StoreBanner::showText(const QString& text, bool damaged)
{
    const bool dark = ThemeColors::isDark();
    const ThemeColors::Pair colour = damaged ? ThemeColors::kRed : ThemeColors::kOrange;
    const char* background
        = damaged ? (dark ? "#3A1F1F" : "#FFEBEE") : (dark ? "#3A2E17" : "#FFF3E0");
    setStyleSheet(QStringLiteral("QFrame#storeBanner { background: %1; border-bottom: 1px solid "
                                 "%2; } QFrame#storeBanner QLabel { color: %3; }")
                      .arg(QLatin1String(background), ThemeColors::pickName(colour),
                          QLatin1String(dark ? "#F5E9E6" : "#3E2723")));
    m_label->setText(text);
    m_restore->setVisible(damaged);
    // Read-only, a strip above the ledger; damaged, the whole window, with
    // the way out under the message.
    m_layout->setDirection(damaged ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    m_layout->setAlignment(damaged ? Qt::AlignCenter : Qt::Alignment());
    m_layout->setAlignment(m_restore, damaged ? Qt::AlignHCenter : Qt::Alignment());
    m_layout->setStretchFactor(m_label, damaged ? 0 : 1);
    m_label->setAlignment(damaged ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (damaged)
        m_label->setFixedWidth(560);
    else
        m_label->setMinimumWidth(0), m_label->setMaximumWidth(QWIDGETSIZE_MAX);
    setSizePolicy(QSizePolicy::Preferred, damaged ? QSizePolicy::Expanding : QSizePolicy::Maximum);
    show();
}
