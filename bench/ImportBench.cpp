#include "BenchHarness.h"
#include "SyntheticLedger.h"

#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/CategoryService.h"
#include "services/TransactionService.h"
#include "services/import/ImportService.h"
#include "services/import/CsvReader.h"
#include "services/import/ImportText.h"
#include "services/import/OfxParser.h"
#include "services/import/QifParser.h"

#include <QElapsedTimer>
#include <QFile>

#include <ctime>

namespace {

const QStringList kAccounts { QStringLiteral("Checking"), QStringLiteral("Savings"),
    QStringLiteral("Credit Card"), QStringLiteral("Cash") };
const char* const kCategories[] = { "Groceries", "Dining & Restaurants", "Gas/Fuel", "Electric",
    "Internet", "Clothing", "Pets", "Auto:Fuel", "Auto:Service", "Household:Repairs",
    "Medical:Dentist", "Hobbies", "Books", "Travel:Hotels", "Travel:Flights", "Salary / Wages" };
const char* const kPayees[] = { "Harbor Grocers", "Maple Coffee", "Summit Fuel", "Cedar Pharmacy",
    "Riverside Books", "Golden Bistro", "Northgate Hardware", "Willow Dental", "Lakeside Cinema",
    "Pioneer Pet Supply", "Granite Fitness", "Meadow Bakery", "Sterling Insurance",
    "Orchard Market", "Bluebird Pizza", "Redwood Outfitters" };

struct Generated {
    QByteArray qif;
    QByteArray csv;
    QByteArray ofx;
    QByteArray bankCsv;
    int pairs = 0;
    int splits = 0;
};

QString qifAmount(qint64 cents)
{
    return Money::formatAmount(cents);
}

// `count` records over four accounts: every 20th split in three, every 100th
// place a transfer with both of its sides, a payee of 16 and memos on half.
Generated generate(int count)
{
    Generated out;
    QList<QString> sections(kAccounts.size());
    const QDate first(2015, 1, 1);
    int written = 0;
    for (int n = 0; written < count; ++n) {
        const QDate date = first.addDays(qint64(n) * 3650 / count);
        const QString day = QStringLiteral("%1/%2'%3")
                                .arg(date.month())
                                .arg(date.day())
                                .arg(date.year() % 100, 2, 10, QLatin1Char('0'));
        if (n % 100 == 0 && written + 2 <= count) {
            const int from = out.pairs % kAccounts.size();
            const int to = (from + 1) % kAccounts.size();
            const qint64 amount = 10'000 + n % 50'000;
            sections[from] += QStringLiteral("D%1\nT-%2\nPTransfer\nL[%3]\n^\n")
                                  .arg(day, qifAmount(amount), kAccounts.at(to));
            sections[to] += QStringLiteral("D%1\nT%2\nPTransfer\nL[%3]\n^\n")
                                .arg(day, qifAmount(amount), kAccounts.at(from));
            ++out.pairs;
            written += 2;
            continue;
        }
        const qint64 amount = -(100 + (n * 7919) % 250'000);
        QString record = QStringLiteral("D%1\nT%2\nP%3\n")
                             .arg(day, qifAmount(amount), QLatin1String(kPayees[n % 16]));
        if (n % 2)
            record += QStringLiteral("Mnote %1\n").arg(n);
        if (n % 20 == 1) {
            const qint64 a = amount / 3;
            const qint64 b = amount / 3;
            record += QStringLiteral("L%1\nS%1\n$%2\nS%3\n$%4\nEpart\nS%5\n$%6\n")
                          .arg(QLatin1String(kCategories[n % 16]), qifAmount(a),
                              QLatin1String(kCategories[(n + 1) % 16]), qifAmount(b),
                              QLatin1String(kCategories[(n + 2) % 16]), qifAmount(amount - a - b));
            ++out.splits;
        } else {
            record += QStringLiteral("L%1\n").arg(QLatin1String(kCategories[n % 16]));
        }
        if (n % 3 == 0)
            record += QStringLiteral("CX\n");
        sections[n % kAccounts.size()] += record + QStringLiteral("^\n");
        ++written;
    }
    QString qif;
    for (int i = 0; i < kAccounts.size(); ++i) {
        qif += QStringLiteral("!Account\nN%1\nTBank\n^\n!Type:Bank\n").arg(kAccounts.at(i));
        qif += sections.at(i);
    }
    out.qif = qif.toUtf8();

    QString csv = QStringLiteral("Date,Description,Amount,Memo,Category\n");
    for (int n = 0; n < count; ++n) {
        csv += QStringLiteral("%1,%2,%3,%4,%5\n")
                   .arg(first.addDays(qint64(n) * 3650 / count)
                            .toString(QStringLiteral("MM/dd/yyyy")),
                       QLatin1String(kPayees[n % 16]),
                       QStringLiteral("\"%1\"").arg(qifAmount(-(100 + (n * 7919) % 250'000))),
                       n % 2 ? QStringLiteral("note %1").arg(n) : QString(),
                       QLatin1String(kCategories[n % 16]));
    }
    out.csv = csv.toUtf8();

    // A bank's download: OFX 1.x without closing tags, one statement.
    QString ofx = QStringLiteral("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nENCODING:USASCII\n"
                                 "CHARSET:1252\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>"
                                 "<CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>000123456789"
                                 "<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST>\n");
    // Semicolons, decimal commas, paid-out and paid-in columns, a balance to ignore.
    QString bank = QStringLiteral("Datum;Omschrijving;Af;Bij;Saldo\n");
    for (int n = 0; n < count; ++n) {
        const QDate date = first.addDays(qint64(n) * 3650 / count);
        const qint64 cents = 100 + (n * 7919) % 250'000;
        const bool in = n % 10 == 0;
        const QString amount = Money::formatAmount(cents);
        ofx += QStringLiteral("<STMTTRN><TRNTYPE>%1<DTPOSTED>%2[-5:EST]<TRNAMT>%3%4"
                              "<FITID>F%5<NAME>%6%7\n</STMTTRN>\n")
                   .arg(in ? QStringLiteral("CREDIT") : QStringLiteral("DEBIT"),
                       date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("120000"),
                       in ? QString() : QStringLiteral("-"),
                       QString::number(double(cents) / 100, 'f', 2))
                   .arg(n)
                   .arg(QLatin1String(kPayees[n % 16]),
                       n % 2 ? QStringLiteral("<MEMO>note %1").arg(n) : QString());
        // "1,234.56" written the continental way: "1.234,56".
        QString comma = amount;
        for (QChar& c : comma) {
            if (c == QLatin1Char('.'))
                c = QLatin1Char(',');
            else if (c == QLatin1Char(','))
                c = QLatin1Char('.');
        }
        bank += QStringLiteral("%1;%2;%3;%4;%5\n")
                    .arg(date.toString(QStringLiteral("dd.MM.yyyy")),
                        QLatin1String(kPayees[n % 16]), in ? QString() : comma,
                        in ? comma : QString(), QStringLiteral("1.234,56"));
    }
    ofx += QStringLiteral("</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n");
    out.ofx = ofx.toUtf8();
    out.bankCsv = bank.toUtf8();
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("import bench: cannot write %s", qPrintable(path));
}

// A fresh store with the default categories and the four accounts.
struct Store {
    Database db;
    AccountRepository accounts { &db };
    TransactionRepository transactions { &db };
    CategoryRepository categories { &db };
    SplitLineRepository splitLines { &db };
    RecurringRepository recurring { &db };
    ReconciliationRepository reconciliations { &db };
    TransactionService writer { &db, &accounts, &transactions, &splitLines };
    AccountService accountService { &db, &accounts, &transactions, &recurring, &reconciliations,
        &writer };
    ImportService service { &db, &accounts, &accountService, &transactions, &categories, &writer };
    QHash<QString, QString> mapping;

    explicit Store(const QString& path)
    {
        QFile::remove(path);
        if (!db.open(path) || !db.runMigrations())
            qFatal("import bench: cannot open %s", qPrintable(path));
        CategoryService(&db, &categories).ensureDefaults();
        for (int i = 0; i < kAccounts.size(); ++i) {
            Account a;
            a.id = Ids::newId();
            a.name = kAccounts.at(i);
            a.sortOrder = i;
            a.createdAt = a.updatedAt = Clock::nowUtc();
            accounts.insert(a);
            mapping.insert(a.name, a.id);
        }
    }
};

void removeDatabase(const QString& path)
{
    for (const char* suffix : { "", "-wal", "-shm" })
        QFile::remove(path + QLatin1String(suffix));
}

// Processor time, which a busy machine stretches much less than wall-clock time.
double cpuMsSince(std::clock_t start)
{
    return double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC;
}

// The floor: the same number of rows through one prepared C API statement,
// indexed for search by one statement at the end, as the import does.
double rawBulkInsertMs(const QString& path, int count)
{
    Database db;
    const SyntheticLedger::Summary ledger = SyntheticLedger::prepare(db, path);
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpu = std::clock();
    SyntheticLedger::insertRaw(db, ledger, count, true);
    Bench::note(QStringLiteral("baseline CPU time %1 ms").arg(cpuMsSince(cpu), 0, 'f', 0));
    return timer.nsecsElapsed() / 1e6;
}

QString counts(const ImportResult& r)
{
    return QStringLiteral("imported %1, duplicates %2, invalid %3, transfers linked %4")
        .arg(r.imported)
        .arg(r.duplicates)
        .arg(r.invalid)
        .arg(r.transfersLinked);
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("import"));
    const int count = qMax(1000, int(100'000 * context.scale));
    Bench::note(QStringLiteral("load average before measuring: %1").arg(Bench::loadAverage()));
    const Generated files = generate(count);
    const QString qifPath = context.workDir + QStringLiteral("/import.qif");
    const QString csvPath = context.workDir + QStringLiteral("/import.csv");
    writeFile(qifPath, files.qif);
    writeFile(csvPath, files.csv);
    Bench::note(QStringLiteral("QIF: %1 transactions in 4 accounts, %2 split, %3 transfers with "
                               "both sides, %4 MB; CSV: %5 rows, %6 MB")
                    .arg(count)
                    .arg(files.splits)
                    .arg(files.pairs)
                    .arg(files.qif.size() / 1e6, 0, 'f', 1)
                    .arg(count)
                    .arg(files.csv.size() / 1e6, 0, 'f', 1));

    const double parseMs
        = Bench::medianMs(3, [&] { QifParser::parse(ImportText::readFile(qifPath).text); });
    Bench::report(QStringLiteral("read and parse the QIF file"), parseMs);

    const QString ofxPath = context.workDir + QStringLiteral("/import.ofx");
    const QString bankPath = context.workDir + QStringLiteral("/bank.csv");
    writeFile(ofxPath, files.ofx);
    writeFile(bankPath, files.bankCsv);
    Bench::report(QStringLiteral("read and parse the OFX file (%1 MB)")
                      .arg(files.ofx.size() / 1e6, 0, 'f', 1),
        Bench::medianMs(3, [&] { OfxParser::parse(ImportText::readFile(ofxPath).text); }), std::nullopt,
        QStringLiteral("< 500 ms"));
    Bench::report(QStringLiteral("read and split the semicolon CSV file (%1 MB)")
                      .arg(files.bankCsv.size() / 1e6, 0, 'f', 1),
        Bench::medianMs(3, [&] { CsvReader::read(ImportText::readFile(bankPath).text, u';'); }),
        std::nullopt, QStringLiteral("< 500 ms"));

    const QString dbPath = context.workDir + QStringLiteral("/import.db");
    const double floorMs = rawBulkInsertMs(dbPath, count);
    removeDatabase(dbPath);

    CsvMapping csvMapping;
    csvMapping.memoColumn = 3;
    csvMapping.categoryColumn = 4;
    csvMapping.hasHeaderRow = true;
    CsvMapping bankMapping;
    bankMapping.dateColumn = 0;
    bankMapping.payeeColumn = 1;
    bankMapping.amountColumn = -1;
    bankMapping.debitColumn = 2;
    bankMapping.creditColumn = 3;
    bankMapping.hasHeaderRow = true;
    bankMapping.delimiter = u';';
    bankMapping.decimalComma = true;
    enum class Kind { Qif, Csv, Ofx, BankCsv };
    const QString names[] = { QStringLiteral("QIF transactions"), QStringLiteral("CSV rows"),
        QStringLiteral("OFX transactions"), QStringLiteral("semicolon debit/credit CSV rows") };
    for (const Kind kind : { Kind::Qif, Kind::Csv, Kind::Ofx, Kind::BankCsv }) {
        Store store(dbPath);
        Bench::resetPeakMemory();
        ImportResult result;
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpu = std::clock();
        const QString checking = store.mapping.value(kAccounts.first());
        switch (kind) {
        case Kind::Qif: result = store.service.importQif({ qifPath }, store.mapping); break;
        case Kind::Csv:
            result = store.service.importCsv(csvPath, checking, csvMapping);
            break;
        case Kind::Ofx:
            result = store.service.importOfx(
                ofxPath, { { QStringLiteral("000123456789"), checking } });
            break;
        case Kind::BankCsv: result = store.service.importCsv(bankPath, checking, bankMapping); break;
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        Bench::report(QStringLiteral("import %1 %2 into an empty database")
                          .arg(count)
                          .arg(names[int(kind)]),
            ms, floorMs, kind >= Kind::Ofx ? QStringLiteral("within 1.3x") : QStringLiteral("< 5 s"));
        Bench::note(QStringLiteral("%1; CPU time %2 ms; peak memory %3 MB")
                        .arg(counts(result))
                        .arg(cpuMsSince(cpu), 0, 'f', 0)
                        .arg(Bench::peakMemoryMb(), 0, 'f', 0));
        removeDatabase(dbPath);
    }
    Bench::note(QStringLiteral("baseline: %1 rows through one prepared C API statement without "
                               "the per-row full-text trigger, indexed by one statement at the end")
                    .arg(count));
    Bench::note(QStringLiteral("load average after: %1").arg(Bench::loadAverage()));
}

const Bench::Registration registration(50, "import", run);

} // namespace
