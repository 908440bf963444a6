#include "AccountPageParts.h"

#include "app/ThemeColors.h"
#include "app/ThemeManager.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace AccountPageParts {

QVBoxLayout* scrollingColumn(QWidget* page)
{
    auto* scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(24, 20, 24, 20);
    column->setSpacing(8);
    column->setAlignment(Qt::AlignTop);
    scroll->setWidget(content);
    return column;
}

QLabel* heading(const QString& text)
{
    auto* label = new QLabel(text);
    ThemeManager::setFontRole(label, ThemeManager::Heading);
    return label;
}

QLabel* sectionTitle(const QString& text)
{
    auto* label = new QLabel(text);
    ThemeManager::setFontRole(label, ThemeManager::Subheading);
    return label;
}

QLabel* note(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setStyleSheet(
        QStringLiteral("color: %1;").arg(ThemeColors::pickName(ThemeColors::kSecondary)));
    return label;
}

QLabel* statusLine()
{
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->hide();
    return label;
}

void showStatus(QLabel* line, const QString& text, bool success)
{
    line->setStyleSheet(success ? QStringLiteral("color: #2E7D32; padding: 4px;")
                                : QStringLiteral("color: #C62828; padding: 4px;"));
    line->setText(text);
    line->show();
}

} // namespace AccountPageParts
