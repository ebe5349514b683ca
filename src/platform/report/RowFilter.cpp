#include "platform/report/RowFilter.h"

#include "platform/report/FieldFormatter.h"
#include "platform/report/ReportData.h"
#include "platform/report/ReportError.h"

#include <QDate>
#include <QRegularExpression>
#include <memory>

namespace {

__extension__ typedef __int128 Wide;

// Exact decimal in millionths, wide enough for amounts kept in thousandths.
std::optional<Wide> decimalOf(const QString &input)
{
    const QString text = input.trimmed();
    static const QRegularExpression pattern(
        QStringLiteral("^([+-]?)(\\d*)(?:\\.(\\d{0,6})\\d*)?$"));
    const auto m = pattern.match(text);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()) || text.size() > 30)
        return std::nullopt;
    Wide value = 0;
    for (QChar c : m.captured(2))
        value = value * 10 + c.digitValue();
    const QString fraction = m.captured(3).leftJustified(6, QLatin1Char('0'));
    for (QChar c : fraction)
        value = value * 10 + c.digitValue();
    return m.captured(1) == QLatin1String("-") ? -value : value;
}

std::optional<Wide> decimalOf(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return Wide(v.toLongLong()) * 1000000;
    case QMetaType::Double:
        return decimalOf(QString::number(v.toDouble(), 'f', 6));
    default:
        return decimalOf(v.toString());
    }
}

enum class Op { Eq, Ne, Lt, Gt, Le, Ge, Like };

struct Node
{
    virtual ~Node() = default;
    virtual bool test(const QVariantList &row) const = 0;
};

struct Junction : Node
{
    bool any = false; // OR when true, AND otherwise
    std::vector<std::unique_ptr<Node>> parts;

    bool test(const QVariantList &row) const override
    {
        for (const auto &p : parts) {
            if (p->test(row) == any)
                return any;
        }
        return !any;
    }
};

struct Clause : Node
{
    int column = -1;
    Op op = Op::Eq;
    enum class Kind { Text, Number, Date, Null } kind = Kind::Text;
    QString text;
    Wide number = 0;
    QDate date;
    QRegularExpression like;

    template <typename T> bool compare(const T &a, const T &b) const
    {
        switch (op) {
        case Op::Eq:
            return a == b;
        case Op::Ne:
            return a != b;
        case Op::Lt:
            return a < b;
        case Op::Gt:
            return b < a;
        case Op::Le:
            return !(b < a);
        case Op::Ge:
            return !(a < b);
        case Op::Like:
            return false;
        }
        return false;
    }

    bool test(const QVariantList &row) const override
    {
        const QVariant &v = row[column];
        if (kind == Kind::Null)
            return (op == Op::Eq) == v.isNull();
        if (v.isNull())
            return false;
        if (op == Op::Like)
            return like.match(v.toString()).hasMatch();
        if (kind == Kind::Number) {
            const auto n = decimalOf(v);
            return n && compare(*n, number);
        }
        if (kind == Kind::Date) {
            const QDate d = FieldFormatter::toDate(v);
            return d.isValid() && compare(d, date);
        }
        // A text literal against a number column still compares as numbers: '5' < '10'.
        const auto a = decimalOf(v);
        const auto b = decimalOf(text);
        if (a && b && v.typeId() != QMetaType::QString)
            return compare(*a, *b);
        return compare(v.toString().trimmed().compare(text.trimmed(), Qt::CaseInsensitive), 0);
    }
};

class Parser
{
public:
    Parser(const QString &text, const ReportData &data)
        : m_text(text)
        , m_data(data)
    {
    }

    std::unique_ptr<Node> parse()
    {
        auto node = orExpression();
        skipSpace();
        if (m_pos < m_text.size())
            fail(QStringLiteral("sobra \"%1\"").arg(m_text.mid(m_pos)));
        return node;
    }

private:
    [[noreturn]] void fail(const QString &reason) const
    {
        throw ReportError(QStringLiteral("El filtro \"%1\" no es válido: %2.").arg(m_text, reason));
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    bool keyword(const char *word)
    {
        skipSpace();
        const QLatin1String w(word);
        if (m_text.mid(m_pos, w.size()).compare(w, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype end = m_pos + w.size();
        if (end < m_text.size() &&
            (m_text[end].isLetterOrNumber() || m_text[end] == QLatin1Char('_')))
            return false;
        m_pos = end;
        return true;
    }

    std::unique_ptr<Node> orExpression()
    {
        auto j = std::make_unique<Junction>();
        j->any = true;
        j->parts.push_back(andExpression());
        while (keyword("OR"))
            j->parts.push_back(andExpression());
        return j;
    }

    std::unique_ptr<Node> andExpression()
    {
        auto j = std::make_unique<Junction>();
        j->parts.push_back(factor());
        while (keyword("AND"))
            j->parts.push_back(factor());
        return j;
    }

    std::unique_ptr<Node> factor()
    {
        skipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('(')) {
            ++m_pos;
            auto inner = orExpression();
            skipSpace();
            if (m_pos >= m_text.size() || m_text[m_pos] != QLatin1Char(')'))
                fail(QStringLiteral("falta un paréntesis de cierre"));
            ++m_pos;
            return inner;
        }
        return clause();
    }

    QString name()
    {
        skipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('[')) {
            const qsizetype end = m_text.indexOf(QLatin1Char(']'), m_pos);
            if (end < 0)
                fail(QStringLiteral("falta \"]\""));
            const QString n = m_text.mid(m_pos + 1, end - m_pos - 1);
            m_pos = end + 1;
            return n;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() &&
               (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == QLatin1Char('_')))
            ++m_pos;
        if (start == m_pos)
            fail(QStringLiteral("se esperaba el nombre de una columna"));
        return m_text.mid(start, m_pos - start);
    }

    Op op()
    {
        skipSpace();
        static const std::pair<const char *, Op> symbols[] = {{"<>", Op::Ne}, {"<=", Op::Le},
                                                              {">=", Op::Ge}, {"=", Op::Eq},
                                                              {"<", Op::Lt},  {">", Op::Gt}};
        for (const auto &[symbol, value] : symbols) {
            const QLatin1String s(symbol);
            if (m_text.mid(m_pos, s.size()) == s) {
                m_pos += s.size();
                return value;
            }
        }
        if (keyword("LIKE"))
            return Op::Like;
        fail(QStringLiteral("se esperaba un operador (=, <>, <, >, <=, >=, LIKE)"));
    }

    std::unique_ptr<Node> clause()
    {
        auto c = std::make_unique<Clause>();
        const QString column = name();
        c->column = m_data.columnIndex(column);
        if (c->column < 0)
            fail(QStringLiteral("la columna \"%1\" no está en el resultado").arg(column));
        c->op = op();
        skipSpace();
        if (m_pos >= m_text.size())
            fail(QStringLiteral("falta el valor de \"%1\"").arg(column));
        const QChar first = m_text[m_pos];
        if (first == QLatin1Char('\'')) {
            c->kind = Clause::Kind::Text;
            c->text = quoted();
        } else if (first == QLatin1Char('#')) {
            c->kind = Clause::Kind::Date;
            const qsizetype end = m_text.indexOf(QLatin1Char('#'), m_pos + 1);
            if (end < 0)
                fail(QStringLiteral("falta el \"#\" que cierra la fecha"));
            const QString d = m_text.mid(m_pos + 1, end - m_pos - 1).trimmed();
            m_pos = end + 1;
            c->date = QDate::fromString(d, Qt::ISODate);
            if (!c->date.isValid())
                c->date = QDate::fromString(d, QStringLiteral("M/d/yyyy"));
            if (!c->date.isValid())
                fail(QStringLiteral("\"%1\" no es una fecha").arg(d));
        } else if (keyword("NULL")) {
            c->kind = Clause::Kind::Null;
            if (c->op != Op::Eq && c->op != Op::Ne)
                fail(QStringLiteral("NULL solo se compara con = o <>"));
        } else {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() &&
                   (m_text[m_pos].isDigit() || QStringLiteral("+-.").contains(m_text[m_pos])))
                ++m_pos;
            const auto n = decimalOf(m_text.mid(start, m_pos - start));
            if (!n)
                fail(QStringLiteral("valor no reconocido para \"%1\"").arg(column));
            c->kind = Clause::Kind::Number;
            c->number = *n;
        }
        if (c->op == Op::Like) {
            if (c->kind != Clause::Kind::Text)
                fail(QStringLiteral("LIKE necesita un texto entre comillas"));
            QString pattern;
            for (QChar ch : c->text) {
                if (ch == QLatin1Char('*') || ch == QLatin1Char('%'))
                    pattern += QStringLiteral(".*");
                else
                    pattern += QRegularExpression::escape(QString(ch));
            }
            c->like = QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
        }
        return c;
    }

    QString quoted()
    {
        QString out;
        ++m_pos; // opening quote
        while (m_pos < m_text.size()) {
            const QChar ch = m_text[m_pos++];
            if (ch != QLatin1Char('\'')) {
                out += ch;
                continue;
            }
            if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\'')) {
                out += ch;
                ++m_pos;
                continue;
            }
            return out;
        }
        fail(QStringLiteral("falta la comilla que cierra un texto"));
    }

    const QString &m_text;
    const ReportData &m_data;
    qsizetype m_pos = 0;
};

} // namespace

void RowFilter::apply(ReportData &data, const QString &criteria)
{
    if (criteria.trimmed().isEmpty())
        return;
    const std::unique_ptr<Node> filter = Parser(criteria, data).parse();
    data.keepRows([&](const QVariantList &row) { return filter->test(row); });
}
