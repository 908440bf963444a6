#include "QifParser.h"

#include <QSet>

namespace {

using ImportFields::DateOrder;

enum class Section { Transactions, Categories, Accounts, Unsupported };

// Calls `visit` with each line; CR LF, a lone CR and LF all end a line.
template <typename Visit> void forEachLine(const QString& text, Visit visit)
{
    const QStringView all(text);
    qsizetype start = 0;
    const qsizetype size = all.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = all.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        visit(all.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && all.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        visit(all.mid(start));
}

// A line without byte-order marks, carriage returns and surrounding space.
QStringView cleanLine(QStringView line)
{
    while (!line.isEmpty() && (line.front() == QChar(0xFEFF) || line.front() == QLatin1Char('\r')))
        line = line.mid(1);
    return line.trimmed();
}

QifAccountKind kindOf(const QString& type)
{
    if (type == QLatin1String("ccard"))
        return QifAccountKind::CreditCard;
    if (type == QLatin1String("invst"))
        return QifAccountKind::Investment;
    if (type == QLatin1String("cash"))
        return QifAccountKind::Cash;
    if (type == QLatin1String("oth a"))
        return QifAccountKind::OtherAsset;
    if (type == QLatin1String("oth l"))
        return QifAccountKind::OtherLiability;
    return QifAccountKind::Bank;
}

// "Food:Groceries/Class" is the category, "[Savings]" a transfer to that account.
void readCategoryField(const QString& value, QString& category, QString& transferAccount)
{
    const QString field = value.section(QLatin1Char('/'), 0, 0).trimmed();
    if (field.size() >= 2 && field.startsWith(QLatin1Char('['))
        && field.endsWith(QLatin1Char(']'))) {
        transferAccount = field.mid(1, field.size() - 2).trimmed();
        category.clear();
    } else {
        category = field;
        transferAccount.clear();
    }
}

class Parser {
public:
    explicit Parser(DateOrder order) { m_file.dateOrder = order; }

    void line(QStringView raw)
    {
        ++m_lineNumber;
        const QStringView line = cleanLine(raw);
        if (line.isEmpty())
            return;
        if (line.front() == QLatin1Char('!')) {
            endRecord();
            selectSection(line.toString());
            return;
        }
        if (line.front() == QLatin1Char('^')) {
            endRecord();
            return;
        }
        const QChar code = line.front();
        const QString value = line.mid(1).trimmed().toString();
        switch (m_section) {
        case Section::Accounts: accountLine(code, value); break;
        case Section::Categories: categoryLine(code, value); break;
        case Section::Unsupported: m_touched = true; break;
        case Section::Transactions: transactionLine(code, value); break;
        }
    }

    QifFile finish()
    {
        // A record the file ends in before its "^" was cut off: its last line
        // may be too ("T-57." of "T-57.25").
        if (m_touched && m_section == Section::Transactions) {
            ++m_file.invalid;
            m_touched = false;
        }
        endRecord();
        return std::move(m_file);
    }

private:
    void selectSection(const QString& line)
    {
        const QString lower = line.toLower();
        if (lower.startsWith(QLatin1String("!type:"))) {
            const QString type = lower.mid(6).trimmed();
            static const QSet<QString> unsupported { QStringLiteral("class"),
                QStringLiteral("memorized"), QStringLiteral("tag"), QStringLiteral("security"),
                QStringLiteral("prices") };
            if (type == QLatin1String("cat")) {
                m_section = Section::Categories;
            } else if (unsupported.contains(type)) {
                m_section = Section::Unsupported;
            } else {
                m_section = Section::Transactions;
                m_kind = kindOf(type);
            }
        } else if (lower.startsWith(QLatin1String("!account"))) {
            m_section = Section::Accounts;
        } else if (lower.startsWith(QLatin1String("!option"))
            || lower.startsWith(QLatin1String("!clear"))) {
            m_section = Section::Unsupported;
        } else {
            m_section = Section::Transactions;
        }
    }

    void accountLine(QChar code, const QString& value)
    {
        if (code == QLatin1Char('N')) {
            m_accountName = value;
            m_touched = true;
        }
    }

    void categoryLine(QChar code, const QString& value)
    {
        switch (code.unicode()) {
        case 'N': m_category.name = value; break;
        case 'I': m_category.income = true; break;
        case 'E': m_category.income = false; break;
        case 'D': break;
        default: return;
        }
        m_touched = true;
    }

    void transactionLine(QChar code, const QString& value)
    {
        QifTransaction& t = m_transaction;
        if (!m_touched)
            t.line = m_lineNumber;
        switch (code.unicode()) {
        case 'D':
            // Only the transaction's own date counts, not one inside a split.
            if (t.splits.isEmpty())
                t.date = ImportFields::qifDate(value, m_file.dateOrder);
            break;
        case 'T':
        case 'U': setAmount(value); break;
        case 'P': t.payee = value; break;
        case 'M': t.memo = value; break;
        case 'N': t.number = value; break;
        case 'Y': t.security = value; break;
        case 'A': break;
        case 'C': {
            const QChar mark = value.isEmpty() ? QChar() : value.front().toLower();
            if (mark == QLatin1Char('x') || mark == QLatin1Char('*') || mark == QLatin1Char('c'))
                t.cleared = true;
            else if (mark == QLatin1Char('r'))
                t.cleared = t.reconciled = true;
            break;
        }
        case 'L': readCategoryField(value, t.category, t.transferAccount); break;
        case 'S':
            t.splits.append(QifSplit());
            m_splitAmountValid.append(false);
            readCategoryField(value, t.splits.last().category, t.splits.last().transferAccount);
            break;
        case 'E':
            if (!t.splits.isEmpty())
                t.splits.last().memo = value;
            break;
        case '$':
            if (t.splits.isEmpty()) {
                setAmount(value);
            } else {
                t.splits.last().amount = value;
                m_splitAmountValid.last() = ImportFields::isAmount(value);
            }
            break;
        default: return;
        }
        m_touched = true;
    }

    void setAmount(const QString& value)
    {
        m_transaction.amount = value;
        m_hasAmount = ImportFields::isAmount(value);
    }

    void endRecord()
    {
        if (m_touched) {
            switch (m_section) {
            case Section::Accounts:
                if (!m_accountName.isEmpty())
                    m_currentAccount = m_accountName;
                break;
            case Section::Categories:
                if (!m_category.name.isEmpty())
                    m_file.categories.append(m_category);
                break;
            case Section::Unsupported: ++m_file.unsupported; break;
            case Section::Transactions: endTransaction(); break;
            }
        }
        m_touched = false;
        m_hasAmount = false;
        m_accountName.clear();
        m_category = QifCategory();
        m_transaction = QifTransaction();
        m_splitAmountValid.clear();
    }

    void endTransaction()
    {
        // A split line without a readable amount would be stored as a wrong one.
        const bool splitsValid = !m_splitAmountValid.contains(false);
        if (!m_transaction.date.isValid() || !m_hasAmount || !splitsValid) {
            ++m_file.invalid;
            return;
        }
        m_transaction.account = m_currentAccount;
        if (!m_currentAccount.isEmpty()) {
            const QString key = m_currentAccount.toLower();
            if (!m_accountKeys.contains(key)) {
                m_accountKeys.insert(key);
                m_file.accounts.append({ m_currentAccount, m_kind });
            }
        }
        m_file.transactions.append(std::move(m_transaction));
    }

    QifFile m_file;
    Section m_section = Section::Transactions;
    QifAccountKind m_kind = QifAccountKind::Bank;
    QString m_currentAccount;
    QSet<QString> m_accountKeys;

    int m_lineNumber = 0;

    // The record being read.
    bool m_touched = false;
    bool m_hasAmount = false;
    QString m_accountName;
    QifCategory m_category;
    QifTransaction m_transaction;
    QList<bool> m_splitAmountValid;
};

} // namespace

namespace QifParser {

DateOrder detectDateOrder(const QString& text)
{
    DateOrder order = DateOrder::MonthFirst;
    forEachLine(text, [&order](QStringView raw) {
        if (order == DateOrder::DayFirst)
            return;
        const QStringView line = cleanLine(raw);
        if (line.startsWith(QLatin1Char('D'))
            && ImportFields::qifDateOrderHint(line.mid(1).toString()) == DateOrder::DayFirst)
            order = DateOrder::DayFirst;
    });
    return order;
}

QifFile parse(const QString& text)
{
    Parser parser(detectDateOrder(text));
    forEachLine(text, [&parser](QStringView line) { parser.line(line); });
    return parser.finish();
}

} // namespace QifParser
