#pragma once

#include <QString>
#include <functional>
#include <optional>

// Tiny timing harness: median of repeated runs, printed as one table row with
// the ratio against a plain baseline doing the same SQL work.
namespace Bench {

struct Context {
    QString workDir; // a fresh temporary directory for this run
    double scale = 1; // multiplies the data sizes (--scale)
    bool keep = false; // leave the databases in workDir (--keep)
};

using Suite = std::function<void(Context&)>;

// Suites run in order of `order`, then name.
struct Registration {
    Registration(int order, const char* name, Suite suite);
};

double medianMs(int runs, const std::function<void()>& body);
void printHeader(const QString& suite);
void report(const QString& operation, double ms, std::optional<double> baselineMs = std::nullopt,
    const QString& target = QString());
void note(const QString& text);
// The machine is shared: a busy one stretches every wall-clock figure.
QString loadAverage();
// The databases can be large: each goes as soon as its measurements are done,
// unless they are to be kept.
void removeDatabase(const Context& context, const QString& path);

// The machine is shared: a busy one stretches every wall-clock figure.
QString loadAverage();
// The process's peak resident memory in MB since the last reset (Linux; -1 elsewhere).
void resetPeakMemory();
double peakMemoryMb();

} // namespace Bench
