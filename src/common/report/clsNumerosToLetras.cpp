#include "common/report/clsNumerosToLetras.h"

namespace {

const char *const Units[] = {
    "",        "UN",     "DOS",       "TRES",       "CUATRO",    "CINCO",      "SEIS",
    "SIETE",   "OCHO",   "NUEVE",     "DIEZ",       "ONCE",      "DOCE",       "TRECE",
    "CATORCE", "QUINCE", "DIECISEIS", "DIECISIETE", "DIECIOCHO", "DIECINUEVE", "VEINTE"};
const char *const Tens[] = {"",        "",        "VEINTI",  "TREINTA", "CUARENTA", "CINCUENTA",
                            "SESENTA", "SETENTA", "OCHENTA", "NOVENTA", "CIEN"};
const char *const Hundreds[] = {
    "",           "CIENTO",      "DOSCIENTOS",  "TRESCIENTOS", "CUATROCIENTOS",
    "QUINIENTOS", "SEISCIENTOS", "SETECIENTOS", "OCHOCIENTOS", "NOVECIENTOS"};

} // namespace

QString clsNumerosToLetras::wholeWords(qint64 amount, bool masculine)
{
    QString text;
    const qint64 millions = amount / 1000000;
    amount %= 1000000;
    const qint64 thousands = amount / 1000;
    amount %= 1000;
    const qint64 hundreds = amount / 100;
    const qint64 rest = amount % 100;
    qint64 tens = 0;
    qint64 units = rest;
    if (rest <= 10 || rest > 20) {
        tens = rest / 10;
        units = rest % 10;
    }

    if (millions > 0)
        text += wholeWords(millions, false) + QStringLiteral(" MILLON") +
                (millions > 1 ? QStringLiteral("ES ") : QStringLiteral(" "));
    if (thousands > 0)
        text += wholeWords(thousands, false) + QStringLiteral(" MIL ");
    if (hundreds > 0) {
        if (hundreds == 1 && tens == 0 && units == 0)
            text += QStringLiteral("CIEN");
        else
            text += QLatin1String(Hundreds[hundreds]) + QLatin1Char(' ');
    }
    const QString finalO = masculine && units == 1 ? QStringLiteral("O") : QString();
    if (tens == 0)
        return text + QLatin1String(Units[units]) + finalO;
    text += tens == 1 ? QLatin1String(Units[10]) : QLatin1String(Tens[tens]);
    if (tens > 2 && units > 0)
        text += QStringLiteral(" Y ");
    if (units > 0)
        text += QLatin1String(Units[units]) + finalO;
    return text;
}

QString clsNumerosToLetras::ToWords(Money amount, bool masculine)
{
    const qint64 thousandths = amount.thousandths();
    const bool negative = thousandths < 0;
    const qint64 magnitude = negative ? -thousandths : thousandths;
    const qint64 whole = magnitude / 1000;
    const qint64 fraction = magnitude % 1000;

    QString text = whole == 0 ? QStringLiteral("CERO") : QString();
    text += wholeWords(whole, masculine);
    if (fraction > 0) {
        // Hundredths of the fraction, the half going to the even neighbour: .125 gives 12,
        // .135 gives 14, .995 gives 100.
        qint64 cents = fraction / 10;
        const qint64 rest = fraction % 10;
        if (rest > 5 || (rest == 5 && cents % 2 == 1))
            ++cents;
        text += QStringLiteral(" CON ") + QStringLiteral("%1").arg(cents, 2, 10, QLatin1Char('0')) +
                QStringLiteral("/100");
    }
    return negative ? QLatin1Char('(') + text + QLatin1Char(')') : text;
}
