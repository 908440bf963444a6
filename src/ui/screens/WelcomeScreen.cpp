#include "WelcomeScreen.h"

#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "ui/widgets/Styles.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr ThemeColors::Pair kSubtitleColor { "#8FAF9F", "#4A6358" };
constexpr ThemeColors::Pair kCardBorder { "#2A4038", "#D8E0DB" };
const char* const kAccent = "#4DB6AC";
const char* const kNoteColor = "#6E8A7E";
const char* const kPrimaryBackground = "#00897B";
constexpr int kButtonHeight = 40;

QLabel* roleLabel(const QString& text, int role, const QString& color = {})
{
    auto* label = new QLabel(text);
    ThemeManager::setFontRole(label, role);
    if (!color.isEmpty())
        label->setStyleSheet(QStringLiteral("color: %1;").arg(color));
    return label;
}

QLabel* centredLabel(const QString& text, int role, const QString& color = {})
{
    QLabel* label = roleLabel(text, role, color);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

// The filled call to action or the quiet link beside it.
void stylePrimary(QPushButton* button, bool primary)
{
    button->setFlat(!primary);
    button->setStyleSheet(primary ? Styles::primaryButton(QLatin1String(kPrimaryBackground))
                                  : Styles::linkButton(QLatin1String(kAccent)));
    button->setMinimumHeight(primary ? kButtonHeight : 0);
}

} // namespace

WelcomeScreen::WelcomeScreen(QWidget* parent)
    : QWidget(parent)
{
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(40, 40, 40, 40);
    pageLayout->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    scroll->setWidget(page);

    auto* column = new QWidget;
    // Takes the full 560 in both presentations; sized to its hint, the column
    // of the returning user would wrap its short texts.
    column->setMaximumWidth(560);
    column->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(column);

    auto* icon = new QLabel;
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/icons/app_icon.png"))
                        .scaled(80, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    layout->addSpacing(20);

    m_title = centredLabel(QString(), ThemeManager::Title);
    m_title->setObjectName(QStringLiteral("titleLabel"));
    layout->addWidget(m_title);
    layout->addSpacing(8);

    m_subtitle
        = centredLabel(QString(), ThemeManager::Subheading, ThemeColors::pickName(kSubtitleColor));
    m_subtitle->setObjectName(QStringLiteral("subtitleLabel"));
    layout->addWidget(m_subtitle);
    layout->addSpacing(16);

    m_signedOutNotice = centredLabel(tr("Your session has ended. Sign back in to keep syncing."),
        ThemeManager::BodyMedium, QLatin1String(kAccent));
    m_signedOutNotice->setObjectName(QStringLiteral("signedOutNotice"));
    layout->addWidget(m_signedOutNotice);
    layout->addSpacing(8);

    m_howItWorks = buildHowItWorksCard();
    layout->addWidget(m_howItWorks);
    layout->addSpacing(16);

    QLabel* note = centredLabel(tr("Works fully offline. Your data stays on this device."),
        ThemeManager::Small, QLatin1String(kNoteColor));
    note->setObjectName(QStringLiteral("offlineNote"));
    layout->addWidget(note);
    layout->addSpacing(24);

    m_createButton = new QPushButton;
    m_createButton->setObjectName(QStringLiteral("createButton"));
    m_createButton->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_createButton);
    layout->addSpacing(20);

    m_signInButton = new QPushButton;
    m_signInButton->setObjectName(QStringLiteral("signInButton"));
    m_signInButton->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_signInButton, 0, Qt::AlignHCenter);

    connect(m_createButton, &QPushButton::clicked, this, &WelcomeScreen::createAccountRequested);
    connect(m_signInButton, &QPushButton::clicked, this, &WelcomeScreen::signInRequested);

    // The notice would otherwise greet a first-time user until someone calls
    // setReturningUser; start from the complete first-time presentation.
    setReturningUser(false);
}

QWidget* WelcomeScreen::buildHowItWorksCard()
{
    auto* card = new QWidget;
    card->setObjectName(QStringLiteral("HowItWorksCard"));
    card->setAttribute(Qt::WA_StyledBackground);
    card->setStyleSheet(
        QStringLiteral("#HowItWorksCard { border: 1px solid %1; border-radius: 10px; }")
            .arg(ThemeColors::pickName(kCardBorder)));
    auto* layout = new QVBoxLayout(card);
    layout->addWidget(roleLabel(tr("How it works"), ThemeManager::Subheading));
    layout->addSpacing(4);

    const QString steps[] = {
        tr("Add an account (checking, savings, credit card, or any account you'd like to track)."),
        tr("Record transactions as you spend."),
        tr("Reconcile when your statement arrives."),
    };
    int number = 0;
    for (const QString& step : steps) {
        auto* row = new QHBoxLayout;
        QLabel* numberLabel = roleLabel(
            QStringLiteral("%1.").arg(++number), ThemeManager::BodyMedium, QLatin1String(kAccent));
        numberLabel->setFixedWidth(20);
        numberLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        row->addWidget(numberLabel, 0, Qt::AlignTop);
        auto* text = new QLabel(step);
        text->setWordWrap(true);
        row->addWidget(text, 1);
        layout->addLayout(row);
    }
    return card;
}

void WelcomeScreen::setReturningUser(bool returning)
{
    if (returning) {
        m_title->setText(tr("Welcome back"));
        m_subtitle->setText(tr("Sign in to keep your data synced across devices."));
        m_signInButton->setText(tr("Sign In"));
        m_createButton->setText(tr("Create a different account"));
    } else {
        m_title->setText(tr("Welcome to\nMellowind Ledgerine"));
        m_subtitle->setText(tr("A digital check register."));
        m_signInButton->setText(tr("Already have an account? Sign In"));
        m_createButton->setText(tr("Create Your First Account"));
    }
    m_signedOutNotice->setVisible(returning);
    m_howItWorks->setVisible(!returning);
    stylePrimary(m_signInButton, returning);
    stylePrimary(m_createButton, !returning);
}
