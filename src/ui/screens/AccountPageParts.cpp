#include "AccountPageParts.h"

#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "ui/widgets/ElidedLabel.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace AccountPageParts {

namespace {

// Marks the labels whose colour depends on the palette, so that a change of
// theme can colour them again.
const char* const kNoteProperty = "accountPageNote";
const char* const kStatusProperty = "accountPageStatusSuccess";

void colourNote(QLabel* label)
{
    label->setStyleSheet(
        QStringLiteral("color: %1;").arg(ThemeColors::pickName(ThemeColors::kSecondary)));
}

void colourStatus(QLabel* line, bool success)
{
    // The light colours are the usual ones; on a dark window they would be too dim.
    line->setStyleSheet(
        QStringLiteral("color: %1; padding: 4px;")
            .arg(ThemeColors::pickName(success ? ThemeColors::kGreen : ThemeColors::kRed)));
}

} // namespace

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
    label->setProperty(kNoteProperty, true);
    colourNote(label);
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

QString failureText(const QString& reason, const QString& fallback)
{
    return reason.isEmpty() ? fallback : reason;
}

void showStatus(QLabel* line, const QString& text, bool success)
{
    line->setProperty(kStatusProperty, success);
    colourStatus(line, success);
    line->setText(text);
    line->show();
}

void followTheme(QWidget* root)
{
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        auto* label = qobject_cast<QLabel*>(widget);
        const QVariant success = widget->property(kStatusProperty);
        if (label && widget->property(kNoteProperty).toBool())
            colourNote(label);
        else if (label && success.isValid())
            colourStatus(label, success.toBool());
        else if (!widget->styleSheet().isEmpty())
            // Styled again, it takes the font it now inherits.
            widget->setStyleSheet(widget->styleSheet());
    }
}

QLabel* badge(const QString& text, const char* colour)
{
    auto* label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("color: white; background: %1; border-radius: 4px; "
                                        "padding: 2px 8px; font-weight: 600;")
                             .arg(QLatin1String(colour)));
    // As tall as its text, not as the row.
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return label;
}

QWidget* separator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: rgba(128,128,128,0.25);"));
    return line;
}

QVBoxLayout* rowList(QVBoxLayout* column, const char* objectName)
{
    auto* list = new QWidget;
    list->setObjectName(QLatin1String(objectName));
    auto* rows = new QVBoxLayout(list);
    rows->setContentsMargins(0, 4, 0, 4);
    rows->setSpacing(6);
    column->addWidget(list);
    return rows;
}

void showRows(QVBoxLayout* rows, const QList<QWidget*>& widgets, const QString& emptyText)
{
    clearRows(rows);
    if (widgets.isEmpty())
        rows->addWidget(note(emptyText));
    for (QWidget* widget : widgets)
        rows->addWidget(widget);
}

QWidget* loadFailure(const QString& text, const std::function<void()>& retry)
{
    auto* failure = new QWidget;
    failure->setObjectName(QStringLiteral("loadFailure"));
    auto* layout = new QHBoxLayout(failure);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* why = statusLine();
    why->setObjectName(QStringLiteral("loadFailureText"));
    showStatus(why, text, false);
    layout->addWidget(why, 1);
    auto* again = new QPushButton(QCoreApplication::translate("AccountPageParts", "Retry"));
    again->setObjectName(QStringLiteral("retryButton"));
    QObject::connect(again, &QPushButton::clicked, failure, [retry] { retry(); });
    layout->addWidget(again);
    return failure;
}

void showFailure(QVBoxLayout* rows, const QString& text, const std::function<void()>& retry)
{
    clearRows(rows);
    rows->addWidget(loadFailure(text, retry));
}

void clearRows(QLayout* rows)
{
    while (QLayoutItem* item = rows->takeAt(0)) {
        // The widgets of a nested row belong to the page, not to its layout.
        if (QLayout* inner = item->layout())
            clearRows(inner);
        delete item->widget();
        delete item;
    }
}

QHBoxLayout* listRow(QWidget* row, const QString& title, const QString& detail,
    const char* objectName, bool boldTitle)
{
    row->setObjectName(QLatin1String(objectName));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    // What the service holds is shown as it is, never read as markup.
    auto* heading = new ElidedLabel(title);
    heading->setTextFormat(Qt::PlainText);
    heading->setToolTip(title.toHtmlEscaped());
    ThemeManager::setFontRole(heading, ThemeManager::BodyMedium);
    if (boldTitle)
        heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    texts->addWidget(heading);
    if (!detail.isEmpty()) {
        QLabel* line = note(detail);
        line->setTextFormat(Qt::PlainText);
        texts->addWidget(line);
    }
    layout->addLayout(texts, 1);
    return layout;
}

} // namespace AccountPageParts
