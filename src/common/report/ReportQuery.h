#pragma once

#include <QString>
#include <QVariantList>

// The statement that yields a report's rows and the values bound to its "?" markers.
struct ReportQuery
{
    ReportQuery(const QString &statement)
        : text(statement)
    {
    }
    ReportQuery(const char *statement)
        : text(QString::fromUtf8(statement))
    {
    }
    ReportQuery(QString statement, QVariantList boundValues)
        : text(std::move(statement))
        , values(std::move(boundValues))
    {
    }

    QString text;
    QVariantList values;
};
