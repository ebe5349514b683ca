#include "platform/report/LayoutXml.h"

#include <algorithm>

void LayoutXml::allow(std::initializer_list<const char *> names,
                      std::initializer_list<const QSet<QString> *> sets)
{
    for (const QXmlStreamAttribute &a : attributes()) {
        const QString n = a.name().toString();
        bool known = std::any_of(names.begin(), names.end(),
                                 [&](const char *k) { return n == QLatin1String(k); });
        for (const QSet<QString> *set : sets)
            known = known || set->contains(n);
        if (!known)
            fail(QStringLiteral("atributo \"%1\" desconocido en <%2>").arg(n, tag()));
    }
}

QString LayoutXml::attr(const char *name) const
{
    return attributes().value(QLatin1String(name)).toString();
}

bool LayoutXml::has(const char *name) const
{
    return attributes().hasAttribute(QLatin1String(name));
}

qreal LayoutXml::number(const char *name, std::optional<qreal> fallback)
{
    if (!has(name)) {
        if (fallback)
            return *fallback;
        fail(QStringLiteral("falta el atributo \"%1\" en <%2>").arg(QLatin1String(name), tag()));
    }
    bool ok = false;
    const qreal v = attr(name).trimmed().toDouble(&ok);
    if (!ok || v < -1000 || v > 1000)
        fail(QStringLiteral("el atributo \"%1\" de <%2> debe ser un número (milímetros o puntos)")
                 .arg(QLatin1String(name), tag()));
    return v;
}

bool LayoutXml::flag(const char *name, bool fallback)
{
    if (!has(name))
        return fallback;
    const QString v = attr(name).trimmed().toLower();
    if (v == QLatin1String("true") || v == QLatin1String("1"))
        return true;
    if (v == QLatin1String("false") || v == QLatin1String("0"))
        return false;
    fail(QStringLiteral("el atributo \"%1\" debe ser true o false").arg(QLatin1String(name)));
}
