#include "AccountRowWidget.h"

#include "app/ThemeManager.h"
#include "data/Money.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/IconFont.h"
#include "ui/widgets/PlainText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const char* const kGlyphColor = "#4DB6AC";
const char* const kNameColor = "#FFFFFF";
const char* const kPositiveColor = "#66BB6A";
const char* const kNegativeColor = "#FF8A80";
const char* const kDetailColor = "#8FAF9F";
constexpr char32_t kErrorGlyph = 0xE000;
constexpr char32_t kSharedGlyph = 0xE7FB;

void setColor(QWidget* widget, const char* color)
{
    widget->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(color)));
}

} // namespace

AccountRowWidget::AccountRowWidget(
    const Account& account, std::optional<qint64> balance, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 8, 8, 8);
    layout->setSpacing(8);

    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("glyphLabel"));
    icon->setFixedSize(24, 24);
    icon->setAlignment(Qt::AlignCenter);
    IconFont::setGlyph(icon, glyph(account.type), 22, QLatin1String(kGlyphColor));
    layout->addWidget(icon);

    auto* text = new QVBoxLayout;
    text->setSpacing(3);
    layout->addLayout(text, 1);

    auto* upper = new QHBoxLayout;
    upper->setSpacing(8);
    auto* name = new ElidedLabel(account.name);
    name->setObjectName(QStringLiteral("nameLabel"));
    ThemeManager::setFontRole(name, ThemeManager::BodyMedium);
    setColor(name, kNameColor);
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setToolTip(PlainText::forAutoText(account.name));
    upper->addWidget(name, 1);

    if (account.sharedBy) {
        auto* shared = new QLabel;
        shared->setObjectName(QStringLiteral("sharedMarker"));
        IconFont::setGlyph(shared, kSharedGlyph, 16, QLatin1String(kDetailColor));
        shared->setToolTip(PlainText::forAutoText(account.sharedBy->isEmpty()
                ? tr("Shared with you")
                : tr("Shared with you by %1").arg(*account.sharedBy)));
        shared->setAccessibleName(shared->toolTip());
        upper->addWidget(shared);
    }

    auto* amount = new QLabel;
    amount->setObjectName(QStringLiteral("balanceLabel"));
    amount->setTextFormat(Qt::PlainText);
    ThemeManager::setFontRole(amount, ThemeManager::Mono);
    amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amount->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    if (balance) {
        amount->setText(Money::formatMoney(*balance, account.currency));
        setColor(amount, *balance < 0 ? kNegativeColor : kPositiveColor);
        amount->setMinimumWidth(amount->fontMetrics().horizontalAdvance(amount->text()) + 4);
    } else {
        // A wrong figure would pass for a real one; a marker cannot.
        amount->setPixmap(IconFont::pixmap(kErrorGlyph, 18, QColor(QLatin1String(kNegativeColor))));
        amount->setToolTip(tr("The balance cannot be computed from the stored transactions."));
        amount->setAccessibleName(amount->toolTip());
    }
    upper->addWidget(amount);
    text->addLayout(upper);

    auto* detail = new ElidedLabel(detailLine(account));
    detail->setObjectName(QStringLiteral("detailLabel"));
    ThemeManager::setFontRole(detail, ThemeManager::Small);
    setColor(detail, kDetailColor);
    text->addWidget(detail);
}

char32_t AccountRowWidget::glyph(AccountType type)
{
    switch (type) {
    case AccountType::Checking: return 0xE84F;
    case AccountType::Savings: return 0xE2EB;
    case AccountType::CreditCard: return 0xE870;
    case AccountType::Cash: return 0xE57D;
    case AccountType::Investment: return 0xE8E5;
    case AccountType::Other: break;
    }
    return 0xE850;
}

QString AccountRowWidget::typeName(AccountType type)
{
    switch (type) {
    case AccountType::Checking: return tr("Checking");
    case AccountType::Savings: return tr("Savings");
    case AccountType::CreditCard: return tr("Credit Card");
    case AccountType::Cash: return tr("Cash");
    case AccountType::Investment: return tr("Investment");
    case AccountType::Other: break;
    }
    return tr("Other");
}

QString AccountRowWidget::detailLine(const Account& account)
{
    QString line = account.institution.isEmpty() ? typeName(account.type) : account.institution;
    if (!account.accountNumberLast4.isEmpty())
        line += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    return line;
}
