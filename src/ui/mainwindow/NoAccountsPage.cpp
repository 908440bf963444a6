#include "NoAccountsPage.h"

#include "app/ThemeManager.h"
#include "ui/widgets/IconFont.h"
#include "ui/widgets/Styles.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

NoAccountsPage::NoAccountsPage(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addStretch();

    auto* icon = new QLabel;
    IconFont::setGlyph(icon, 0xE850, 96, QStringLiteral("#4DB6AC"));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    layout->addSpacing(8);

    auto* title = new QLabel(tr("Welcome to Mellowind Ledgerine"));
    ThemeManager::setFontRole(title, ThemeManager::Title);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* subtitle = new QLabel(tr("Create your first account to get started."));
    ThemeManager::setFontRole(subtitle, ThemeManager::Subheading);
    subtitle->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    subtitle->setAlignment(Qt::AlignCenter);
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto* create = new QPushButton(tr("Create Account"));
    create->setObjectName(QStringLiteral("createAccountButton"));
    create->setMinimumSize(180, 40);
    create->setCursor(Qt::PointingHandCursor);
    create->setStyleSheet(Styles::primaryButton(QStringLiteral("#00897B")));
    connect(create, &QPushButton::clicked, this, &NoAccountsPage::createAccountRequested);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(create);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);
    layout->addStretch();
}
