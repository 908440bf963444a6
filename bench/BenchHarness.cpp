#include "BenchHarness.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

struct Entry {
    std::string name;
    Bench::Suite suite;
};

std::map<int, std::vector<Entry>>& registry()
{
    static std::map<int, std::vector<Entry>> suites;
    return suites;
}

void print(const QString& line)
{
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

} // namespace

namespace Bench {

Registration::Registration(int order, const char* name, Suite suite)
{
    registry()[order].push_back({ name, std::move(suite) });
}

double medianMs(int runs, const std::function<void()>& body)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void printHeader(const QString& suite)
{
    print(QString());
    print(QStringLiteral("## %1").arg(suite));
    print(QStringLiteral("| operation | median ms | baseline ms | ratio | target |"));
    print(QStringLiteral("|---|---:|---:|---:|---|"));
}

void report(
    const QString& operation, double ms, std::optional<double> baselineMs, const QString& target)
{
    const QString base = baselineMs ? QString::number(*baselineMs, 'f', 2) : QStringLiteral("-");
    const QString ratio = baselineMs && *baselineMs > 0
        ? QString::number(ms / *baselineMs, 'f', 2) + QStringLiteral("x")
        : QStringLiteral("-");
    print(QStringLiteral("| %1 | %2 | %3 | %4 | %5 |")
              .arg(operation, QString::number(ms, 'f', 2), base, ratio, target));
}

void note(const QString& text)
{
    print(QStringLiteral("  %1").arg(text));
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readLine()).section(QLatin1Char(' '), 0, 2);
}

void removeDatabase(const Context& context, const QString& path)
{
    if (context.keep)
        return;
    for (const char* suffix : { "", "-wal", "-shm" })
        QFile::remove(path + QLatin1String(suffix));
}

void resetPeakMemory()
{
    // Writing 5 resets the kernel's high-water mark of the resident set.
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
}

double peakMemoryMb()
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

} // namespace Bench

// Usage: ledgerine_bench [--scale F] [--only NAME] [--keep]
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("Mellowind"));
    app.setApplicationName(QStringLiteral("LedgerineBench"));

    Bench::Context context;
    QString only;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--scale") && i + 1 < args.size())
            context.scale = args[++i].toDouble();
        else if (args[i] == QLatin1String("--only") && i + 1 < args.size())
            only = args[++i];
        else if (args[i] == QLatin1String("--keep"))
            context.keep = true;
    }

    QTemporaryDir dir;
    context.workDir = dir.path();
    if (context.keep) {
        // Leaves the generated databases behind for a look with other tools.
        dir.setAutoRemove(false);
        print(QStringLiteral("databases kept in %1").arg(dir.path()));
    }
    for (auto& [order, entries] : registry()) {
        for (auto& entry : entries) {
            if (!only.isEmpty() && only != QString::fromStdString(entry.name))
                continue;
            entry.suite(context);
        }
    }
    return 0;
}
