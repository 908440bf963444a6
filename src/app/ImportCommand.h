#pragma once

#include <QCoreApplication>
#include <QStringList>

class AppState;
class QCommandLineParser;
struct CsvMapping;
struct ImportResult;

// `ledgerine --import FILE ...`: the import service run from a script,
// without a window. Prints one summary line; exits 0 when the import ran, 1
// when it was abandoned, a file could not be read, or rows it was given were
// not stored (no such account, nothing readable), 2 for bad arguments.
class ImportCommand {
    Q_DECLARE_TR_FUNCTIONS(ImportCommand)

public:
    // Before the application object exists: whether an option of the command
    // (any "--" option that is not Qt's own) is there, so the program can
    // start without a display.
    static bool isRequested(int argc, char** argv);
    // Any argument left after Qt took its own means the command line.
    static bool isRequested(const QStringList& arguments);
    // The window system plugin that needs no display, unless one is chosen.
    static void useOffscreenPlatform();

    // Parses `arguments` (program name first), imports and returns the exit code.
    static int run(const QStringList& arguments);

    // "date,payee,amount" style column names into a mapping; false when the
    // list names an unknown column, one twice, or lacks date, payee or an
    // amount (amount, or debit and credit).
    static bool parseColumns(const QString& list, CsvMapping& mapping);
    // "comma", "semicolon", "tab", "|" (or the character itself).
    static bool parseDelimiter(const QString& text, QChar& delimiter);

private:
    // The CSV options beyond the columns; false for a value that makes no sense.
    static bool applyCsvOptions(const QCommandLineParser& parser, CsvMapping& mapping);
    // Says on standard error what was not stored and why; the exit code.
    static int reportUnstored(const ImportResult& total, const QStringList& missingAccounts);
};
