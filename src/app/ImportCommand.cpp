#include "ImportCommand.h"

#include "AppPaths.h"
#include "AppState.h"
#include "Application.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/StoreCheck.h"
#include "services/import/CsvProfileService.h"
#include "services/import/ImportService.h"
#include "services/import/ImportText.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace {

// Options Qt's application object takes for itself, which also start the window.
const char* const kQtOptions[] = { "platform", "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "reverse", "session", "style", "stylesheet",
    "widgetcount", "display", "geometry", "name", "title", "visual", "nograb", "dograb", "sync",
    "qmljsdebugger" };

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QString summary(const ImportResult& r)
{
    return QStringLiteral("imported %1, duplicates %2, invalid %3, unsupported %4, without account "
                          "%5, transfers linked %6, retroactive links %7, insert failures %8, "
                          "adjusted %9\n")
        .arg(r.imported)
        .arg(r.duplicates)
        .arg(r.invalid)
        .arg(r.unsupported)
        .arg(r.withoutAccount)
        .arg(r.transfersLinked)
        .arg(r.retroactiveLinks)
        .arg(r.insertFailures)
        .arg(r.adjusted);
}

// The accounts the files go to, by name without case: existing ones, or with
// --create-accounts new ones, which the next import run stores.
class Targets {
public:
    Targets(const QList<Account>& existing, bool create)
        : m_existing(existing)
        , m_create(create)
    {
    }

    QString idFor(const QString& name, AccountType type, Currency currency = Currency::USD)
    {
        if (name.isEmpty())
            return {};
        for (const QList<Account>* list : { &m_existing, &m_new }) {
            for (const Account& account : *list) {
                if (account.name.compare(name, Qt::CaseInsensitive) == 0)
                    return account.id;
            }
        }
        if (!m_create) {
            if (!m_missing.contains(name, Qt::CaseInsensitive))
                m_missing << name;
            return {};
        }
        Account account;
        account.id = Ids::newId();
        account.name = name;
        account.type = type;
        account.currency = currency;
        account.createdAt = account.updatedAt = Clock::nowUtc();
        m_new.append(account);
        return account.id;
    }

    // The accounts a run may create, each with the first row it stores there.
    const QList<Account>& newAccounts() const { return m_new; }
    // Names that were asked for and are not there.
    const QStringList& missing() const { return m_missing; }

private:
    QList<Account> m_existing;
    QList<Account> m_new;
    QStringList m_missing;
    bool m_create;
};

} // namespace

int ImportCommand::reportUnstored(const ImportResult& total, const QStringList& missingAccounts)
{
    for (const QString& problem : total.problems)
        print(stderr, problem + QLatin1Char('\n'));
    // A script must hear of rows that were meant to be stored and were not.
    bool unstored = total.insertFailures > 0;
    if (total.withoutAccount > 0) {
        unstored = true;
        print(stderr,
            tr("%n transaction(s) not imported: they belong to no account here.", nullptr,
                total.withoutAccount)
                + QLatin1Char('\n'));
        for (const QString& name : missingAccounts)
            print(stderr,
                tr("No account is named \"%1\"; --create-accounts creates it.").arg(name)
                    + QLatin1Char('\n'));
    }
    if (total.imported + total.duplicates == 0 && total.invalid > 0) {
        unstored = true;
        print(stderr, tr("Nothing was imported: no row could be read.") + QLatin1Char('\n'));
    }
    return unstored ? 1 : 0;
}

bool ImportCommand::isRequested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "-?" || argument == "-v")
            return true;
        if (!argument.startsWith("--"))
            continue;
        argument = argument.mid(2);
        argument.truncate(argument.contains('=') ? argument.indexOf('=') : argument.size());
        const bool qtOwn = std::any_of(std::begin(kQtOptions), std::end(kQtOptions),
            [&argument](const char* option) { return argument == option; });
        if (!qtOwn)
            return true;
    }
    return false;
}

bool ImportCommand::isRequested(const QStringList& arguments)
{
    return arguments.size() > 1;
}

void ImportCommand::useOffscreenPlatform()
{
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
}

bool ImportCommand::parseColumns(const QString& list, CsvMapping& mapping)
{
    mapping.dateColumn = mapping.payeeColumn = mapping.amountColumn = -1;
    mapping.memoColumn = mapping.categoryColumn = -1;
    mapping.debitColumn = mapping.creditColumn = -1;
    const QStringList names = list.split(QLatin1Char(','));
    for (int column = 0; column < names.size(); ++column) {
        const QString name = names.at(column).trimmed().toLower();
        int* slot = nullptr;
        if (name == QLatin1String("date"))
            slot = &mapping.dateColumn;
        else if (name == QLatin1String("payee"))
            slot = &mapping.payeeColumn;
        else if (name == QLatin1String("amount"))
            slot = &mapping.amountColumn;
        else if (name == QLatin1String("memo"))
            slot = &mapping.memoColumn;
        else if (name == QLatin1String("category"))
            slot = &mapping.categoryColumn;
        else if (name == QLatin1String("debit"))
            slot = &mapping.debitColumn;
        else if (name == QLatin1String("credit"))
            slot = &mapping.creditColumn;
        else if (name != QLatin1String("-"))
            return false;
        if (slot && *slot >= 0)
            return false;
        if (slot)
            *slot = column;
    }
    return mapping.dateColumn >= 0 && mapping.payeeColumn >= 0
        && (mapping.amountColumn >= 0 || mapping.debitColumn >= 0 || mapping.creditColumn >= 0);
}

bool ImportCommand::parseDelimiter(const QString& text, QChar& delimiter)
{
    const QString name = text.toLower();
    if (name == QLatin1String("comma") || name == QLatin1String(","))
        delimiter = u',';
    else if (name == QLatin1String("semicolon") || name == QLatin1String(";"))
        delimiter = u';';
    else if (name == QLatin1String("tab") || name == QLatin1String("\t"))
        delimiter = u'\t';
    else if (name == QLatin1String("|") || name == QLatin1String("pipe"))
        delimiter = u'|';
    else
        return false;
    return true;
}

bool ImportCommand::applyCsvOptions(const QCommandLineParser& parser, CsvMapping& mapping)
{
    const auto column = [&parser](const QString& option, int& slot) {
        if (!parser.isSet(option))
            return true;
        bool ok = false;
        slot = parser.value(option).toInt(&ok) - 1;
        return ok && slot >= 0;
    };
    bool ok = column(QStringLiteral("debit-column"), mapping.debitColumn)
        && column(QStringLiteral("credit-column"), mapping.creditColumn)
        && column(QStringLiteral("direction-column"), mapping.directionColumn);
    if (mapping.debitColumn >= 0 || mapping.creditColumn >= 0) {
        // Paid-out and paid-in columns take the place of the amount column.
        if (!parser.isSet(QStringLiteral("csv-columns")))
            mapping.amountColumn = -1;
    }
    mapping.outValue = parser.value(QStringLiteral("out-value"));
    mapping.inValue = parser.value(QStringLiteral("in-value"));
    if (mapping.directionColumn >= 0 && (mapping.outValue.isEmpty() || mapping.inValue.isEmpty()))
        ok = false;
    if (parser.isSet(QStringLiteral("delimiter")))
        ok = ok && parseDelimiter(parser.value(QStringLiteral("delimiter")), mapping.delimiter);
    if (parser.isSet(QStringLiteral("skip-lines"))) {
        bool number = false;
        mapping.skipLines = parser.value(QStringLiteral("skip-lines")).toInt(&number);
        ok = ok && number && mapping.skipLines >= 0;
    }
    mapping.decimalComma = parser.isSet(QStringLiteral("decimal-comma"));
    mapping.invert = parser.isSet(QStringLiteral("invert"));
    return ok;
}

int ImportCommand::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Mellowind Ledgerine, a check register for household finances. With --import it "
           "imports transactions from CSV and QIF files and ends without opening a window."));
    const QCommandLineOption importFile(QStringLiteral("import"),
        tr("Import FILE: an OFX or QFX statement, a QIF file (.qif) or a comma-separated file. "
           "Repeat for several files; QIF files are imported together, so transfers between "
           "them are linked."),
        tr("FILE"));
    const QCommandLineOption account(QStringLiteral("account"),
        tr("The account for CSV files and for QIF files without account blocks. QIF accounts go "
           "to the account of the same name (without case)."),
        tr("NAME"));
    const QCommandLineOption createAccounts(QStringLiteral("create-accounts"),
        tr("Create missing accounts (in US dollars) instead of skipping their transactions."));
    const QCommandLineOption columns(QStringLiteral("csv-columns"),
        tr("The CSV columns in order: date, payee, amount, memo, category, or - to skip one "
           "(default: date,payee,amount)."),
        tr("LIST"));
    const QCommandLineOption header(
        QStringLiteral("csv-header"), tr("The CSV files start with a row of column names."));
    const QCommandLineOption dateFormat(QStringLiteral("date-format"),
        tr("The pattern of CSV dates, such as dd/MM/yyyy (default: recognised by itself)."),
        tr("FORMAT"));
    const QCommandLineOption delimiter(QStringLiteral("delimiter"),
        tr("The CSV delimiter: comma, semicolon, tab or | (default: recognised from the first "
           "lines)."),
        tr("DELIMITER"));
    const QCommandLineOption decimalComma(
        QStringLiteral("decimal-comma"), tr("CSV amounts are written 1.234,56."));
    const QCommandLineOption debitColumn(QStringLiteral("debit-column"),
        tr("The column of amounts paid out, counted from 1 (with --credit-column instead of an "
           "amount column)."),
        tr("N"));
    const QCommandLineOption creditColumn(QStringLiteral("credit-column"),
        tr("The column of amounts paid in, counted from 1."), tr("N"));
    const QCommandLineOption directionColumn(QStringLiteral("direction-column"),
        tr("The column that says whether the amount is paid out or in, counted from 1 (with "
           "--out-value and --in-value)."),
        tr("N"));
    const QCommandLineOption outValue(QStringLiteral("out-value"),
        tr("The direction column's value for money paid out, such as Af or debit."), tr("TEXT"));
    const QCommandLineOption inValue(QStringLiteral("in-value"),
        tr("The direction column's value for money paid in, such as Bij or credit."), tr("TEXT"));
    const QCommandLineOption invert(QStringLiteral("invert"),
        tr("Turn the signs of CSV amounts round (card statements that list purchases as "
           "positive)."));
    const QCommandLineOption skipLines(QStringLiteral("skip-lines"),
        tr("Lines to skip at the start of CSV files, before the table."), tr("N"));
    const QCommandLineOption profile(QStringLiteral("profile"),
        tr("Read CSV files by the account's profile of this name, as kept by the import window. "
           "Without it and without CSV options, the profile that fits the file is used."),
        tr("NAME"));
    const QList<QCommandLineOption> csvOptions { columns, header, dateFormat, delimiter,
        decimalComma, debitColumn, creditColumn, directionColumn, outValue, inValue, invert,
        skipLines };
    parser.addOptions({ importFile, account, createAccounts, profile });
    parser.addOptions(csvOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    const auto usageError = [&parser](const QString& message) {
        print(stderr, message + QStringLiteral("\n\n") + parser.helpText());
        return 2;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout,
            QStringLiteral("%1 %2\n").arg(
                QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(tr("Unexpected argument: %1").arg(parser.positionalArguments().first()));
    const QStringList files = parser.values(importFile);
    if (files.isEmpty())
        return usageError(tr("Nothing to import: give --import FILE."));
    CsvMapping mapping;
    mapping.hasHeaderRow = parser.isSet(header);
    mapping.dateFormat = parser.value(dateFormat);
    if (!parseColumns(
            parser.isSet(columns) ? parser.value(columns) : QStringLiteral("date,payee,amount"),
            mapping))
        return usageError(tr("--csv-columns names date, payee, amount, memo, category or - in "
                             "order, each once; date, payee and amount are needed."));
    // Every file is readable text before anything is stored.
    if (!applyCsvOptions(parser, mapping))
        return usageError(tr("Columns are counted from 1; --direction-column needs --out-value "
                             "and --in-value; --delimiter is comma, semicolon, tab or |."));
    QStringList csvFiles;
    QStringList qifFiles;
    QStringList ofxFiles;
    for (const QString& file : files) {
        const ImportText::FileText text = ImportText::readFile(file);
        if (!text.error.isEmpty()) {
            print(stderr, text.error + QLatin1Char('\n'));
            return 1;
        }
        const bool qif
            = QFileInfo(file).suffix().compare(QLatin1String("qif"), Qt::CaseInsensitive) == 0;
        (ImportService::isOfx(text.text) ? ofxFiles : qif ? qifFiles : csvFiles).append(file);
    }
    const QString accountName = parser.value(account);
    if (!csvFiles.isEmpty() && accountName.isEmpty())
        return usageError(tr("CSV files need --account NAME."));

    AppState state;
    if (!state.initialize()) {
        if (state.failure().kind == StoreFailure::Kind::Damaged)
            print(
                stderr, Application::damagedLedgerText(state.failure().detail) + QLatin1Char('\n'));
        else
            print(stderr,
                tr("The database in %1 could not be opened.\n").arg(AppPaths::dataDirectory()));
        return 1;
    }
    if (!state.database()->isWritable()) {
        print(stderr,
            tr("The ledger in %1 is read-only: nothing was imported.\n")
                .arg(AppPaths::dataDirectory()));
        return 1;
    }
    // Damage on a page the start did not read would take the import's rows.
    if (const QString problem = StoreCheck::run(AppPaths::databasePath()).problem;
        !problem.isEmpty()) {
        print(stderr, Application::damagedLedgerText(problem) + QLatin1Char('\n'));
        return 1;
    }
    ImportService* service = state.importService();
    Targets targets(state.accounts()->findAll(), parser.isSet(createAccounts));
    // A cut-off statement stops the run before any file is stored.
    QList<OfxScan> ofxScans;
    for (const QString& file : std::as_const(ofxFiles)) {
        ofxScans.append(service->scanOfx(file));
        if (!ofxScans.last().error.isEmpty()) {
            print(stderr, ofxScans.last().error + QLatin1Char('\n'));
            return 1;
        }
    }
    ImportResult total;
    const auto finished = [&total](const ImportResult& result) {
        total += result;
        if (!result.aborted)
            return true;
        print(stdout, summary(total));
        print(stderr, result.failure + QLatin1Char('\n'));
        return false;
    };

    const QString csvAccount
        = csvFiles.isEmpty() ? QString() : targets.idFor(accountName, AccountType::Checking);
    const bool mappingGiven = std::any_of(csvOptions.cbegin(), csvOptions.cend(),
        [&parser](const QCommandLineOption& option) { return parser.isSet(option); });
    if (parser.isSet(profile) && !csvFiles.isEmpty()) {
        const auto named = service->profiles()->named(csvAccount, parser.value(profile));
        if (!named) {
            print(stderr,
                tr("The account \"%1\" has no CSV profile named \"%2\".")
                        .arg(accountName, parser.value(profile))
                    + QLatin1Char('\n'));
            return 2;
        }
        mapping = named->mapping;
    }
    for (const QString& file : std::as_const(csvFiles)) {
        CsvMapping fileMapping = mapping;
        // The next file of a bank reads as the window read the last one.
        if (!mappingGiven && !parser.isSet(profile)) {
            if (const auto fits
                = service->profiles()->matching(csvAccount, ImportText::readFile(file).text))
                fileMapping = fits->mapping;
        }
        if (!finished(service->importCsv(file, csvAccount, fileMapping, targets.newAccounts())))
            return 1;
    }
    if (!qifFiles.isEmpty()) {
        QHash<QString, QString> qifMapping;
        for (const QifAccountEntry& entry : service->scanQifAccounts(qifFiles).accounts) {
            const QString name = entry.withoutHeader ? accountName : entry.key;
            const QString id = targets.idFor(name, entry.suggestedType);
            if (!id.isEmpty())
                qifMapping.insert(entry.key, id);
        }
        if (!finished(service->importQif(qifFiles, qifMapping, targets.newAccounts())))
            return 1;
    }
    for (qsizetype i = 0; i < ofxFiles.size(); ++i) {
        const QString& file = ofxFiles.at(i);
        const OfxScan& scan = ofxScans.at(i);
        // A bank account goes where it went before, else to the account named after it.
        QHash<QString, QString> ofxMapping;
        for (const QifAccountEntry& entry : scan.statements) {
            const QString id = entry.preferredAccountId.isEmpty()
                ? targets.idFor(entry.newAccountName, entry.suggestedType, entry.currency)
                : entry.preferredAccountId;
            if (!id.isEmpty())
                ofxMapping.insert(entry.key, id);
        }
        if (!finished(service->importOfx(file, ofxMapping, targets.newAccounts())))
            return 1;
    }
    print(stdout, summary(total));
    if (state.database()->isDamaged()) {
        print(stderr,
            Application::damagedLedgerText(state.database()->damageReason()) + QLatin1Char('\n'));
        return 1;
    }
    return reportUnstored(total, targets.missing());
}
