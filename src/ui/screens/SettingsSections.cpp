#include "SettingsSections.h"

#include "app/ThemeManager.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>

namespace SettingsSections {

void addHeader(QBoxLayout* page, const QString& title, const QString& subtitle)
{
    auto* titleLabel = new QLabel(title);
    ThemeManager::setFontRole(titleLabel, ThemeManager::Subheading);
    auto* subtitleLabel = new QLabel(subtitle);
    subtitleLabel->setWordWrap(true);
    ThemeManager::setFontRole(subtitleLabel, ThemeManager::Small);
    subtitleLabel->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    page->addWidget(titleLabel);
    page->addWidget(subtitleLabel);
}

void addSeparator(QBoxLayout* page)
{
    page->addSpacing(16);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: rgba(128, 128, 128, 60);"));
    page->addWidget(line);
    page->addSpacing(12);
}

QFormLayout* addForm(QBoxLayout* page)
{
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(12);
    page->addLayout(form);
    return form;
}

void addHint(QBoxLayout* page, const QString& text)
{
    auto* hint = new QLabel(text);
    hint->setWordWrap(true);
    ThemeManager::setFontRole(hint, ThemeManager::Small);
    hint->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    page->addWidget(hint);
}

void alignFormLabels(QBoxLayout* page)
{
    QList<QWidget*> labels;
    for (int i = 0; i < page->count(); ++i) {
        auto* form = qobject_cast<QFormLayout*>(page->itemAt(i)->layout());
        for (int row = 0; form && row < form->rowCount(); ++row) {
            if (QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole); item && item->widget())
                labels.append(item->widget());
        }
    }
    int width = 0;
    for (QWidget* label : labels)
        width = qMax(width, label->sizeHint().width());
    for (QWidget* label : labels)
        label->setMinimumWidth(width);
}

} // namespace SettingsSections
