#include "RecurringAutoPoster.h"

#include "StatusBar.h"
#include "app/AppState.h"
#include "data/Database.h"
#include "data/RecurringRepository.h"
#include "services/RecurringService.h"

#include <QTimer>

namespace {

constexpr int kIntervalMs = 3600000;
constexpr int kMessageMs = 5000;

} // namespace

RecurringAutoPoster::RecurringAutoPoster(AppState* state, StatusBar* statusBar, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_statusBar(statusBar)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &RecurringAutoPoster::postDueAndAnnounce);
}

void RecurringAutoPoster::start()
{
    RecurringService* recurring = m_state->recurringService();
    showDue();
    connect(recurring, &RecurringService::pendingCountChanged, m_statusBar,
        &StatusBar::setRecurringDue);
    connect(m_state->recurring(), &RecurringRepository::recurringChanged, this,
        &RecurringAutoPoster::showDue);

    // The message waits until the window is on screen: a status line that is
    // not shown yet cannot make room for it beside its labels.
    if (const int posted = postDue(); posted > 0 || !recurring->lastRunProblem().isEmpty())
        QTimer::singleShot(0, this, [this, posted] { announce(posted); });
    m_timer->start();
}

void RecurringAutoPoster::stop()
{
    m_timer->stop();
}

void RecurringAutoPoster::showDue()
{
    m_statusBar->setRecurringDue(m_state->recurringService()->pendingCount());
}

void RecurringAutoPoster::postDueAndAnnounce()
{
    announce(postDue());
}

int RecurringAutoPoster::postDue()
{
    if (!m_state->database()->isWritable())
        return 0;
    const int posted = m_state->recurringService()->autoPostDue();
    // A new day can make schedules due without anything being posted.
    showDue();
    if (posted > 0)
        Q_EMIT this->posted();
    return posted;
}

void RecurringAutoPoster::announce(int posted)
{
    if (const QString problem = m_state->recurringService()->lastRunProblem(); !problem.isEmpty())
        m_statusBar->showTransientMessage(problem, kMessageMs);
    else if (posted > 0)
        m_statusBar->showTransientMessage(
            tr("Auto-posted %n recurring transaction(s)", nullptr, posted), kMessageMs);
}
