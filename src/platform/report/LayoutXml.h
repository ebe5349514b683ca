#pragma once

#include <QSet>
#include <QString>
#include <QXmlStreamReader>
#include <initializer_list>
#include <optional>

// The XML stream of a layout file with typed, checked access to the current element's
// attributes. Every fault is thrown as LayoutXml::Malformed, which the reader turns into the
// user's message with the file name and the line.
class LayoutXml : public QXmlStreamReader
{
public:
    struct Malformed
    {
        QString reason;
        qint64 line = 0; // 0 = where the reader stands
    };

    explicit LayoutXml(const QByteArray &xml)
        : QXmlStreamReader(xml)
    {
    }

    [[noreturn]] static void fail(const QString &reason, qint64 line = 0)
    {
        throw Malformed{reason, line};
    }

    // Refuses any attribute of the current element that is neither in `names` nor in `sets`:
    // a misspelt attribute would otherwise be dropped without a word.
    void allow(std::initializer_list<const char *> names,
               std::initializer_list<const QSet<QString> *> sets = {});

    QString attr(const char *name) const;
    bool has(const char *name) const;
    // A decimal number; `fallback` when the attribute is absent, a fault when it is required.
    qreal number(const char *name, std::optional<qreal> fallback = std::nullopt);
    bool flag(const char *name, bool fallback = false);
    QString tag() const { return name().toString(); }
};
