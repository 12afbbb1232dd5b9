#include "querytext.h"

#include <QRegularExpression>

namespace querytext {

namespace {

// The query without its quoted texts and names, so that keywords inside
// values ('GROUP BY' as a classification name) are not taken for syntax.
QString withoutQuotedParts(const QString &sql)
{
    static const QRegularExpression quoted(
        QStringLiteral(R"('(?:[^']|'')*'|"(?:[^"]|"")*"|\[[^\]]*\]|`[^`]*`)"));
    QString text = sql;
    return text.replace(quoted, QStringLiteral(" "));
}

bool combinesRows(const QString &sql)
{
    static const QRegularExpression keywords(
        QStringLiteral(R"(\b(?:DISTINCT|GROUP\s+BY|UNION|INTERSECT|EXCEPT)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    return withoutQuotedParts(sql).contains(keywords);
}

} // namespace

QString withRowId(const QString &sql)
{
    static const QRegularExpression leadingSelect(QStringLiteral(R"(^\s*SELECT\b)"),
                                                  QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = leadingSelect.match(sql);
    if (!match.hasMatch() || combinesRows(sql))
        return QString();
    return QStringLiteral("SELECT %1, ").arg(QLatin1String(RowIdColumn))
        + sql.mid(match.capturedEnd());
}

QString countQuery(const QString &sql)
{
    QString body = sql;
    while (!body.isEmpty() && (body.back().isSpace() || body.back() == QLatin1Char(';')))
        body.chop(1);
    // The line break ends a comment at the end of the query.
    return QStringLiteral("SELECT count(*) FROM (") + body + QStringLiteral("\n)");
}

QString quoteIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace querytext
