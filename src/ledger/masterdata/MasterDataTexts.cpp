#include "ledger/masterdata/MasterDataTexts.h"

namespace MasterDataTexts {

namespace {
// Captions such as "Base Persona Juridica   >=" read badly inside a sentence.
QString plainCaption(QString caption)
{
    caption = caption.trimmed();
    for (const char *tail : {">=", ":"})
        if (caption.endsWith(QLatin1String(tail)))
            caption.chop(qsizetype(qstrlen(tail)));
    return caption.simplified();
}
} // namespace

QString Required(const QString &caption)
{
    return QStringLiteral("¡El campo %1 no debe estar vacio!").arg(plainCaption(caption));
}

QString NotNumeric(const QString &caption)
{
    return QStringLiteral("¡El campo %1 debe ser tipo numerico!").arg(plainCaption(caption));
}

} // namespace MasterDataTexts
