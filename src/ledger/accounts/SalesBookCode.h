#pragma once

#include <QString>
#include <vector>

// The codes an account carries in CuentaLibroVentas: which column of the sales book its
// lines feed. 0 means the account is not read by the sales book.
struct SalesBookCode
{
    int code = 0;
    QString meaning;

    static const std::vector<SalesBookCode> &all();
    static bool isValid(int code);
    // "1 - Ventas a la alícuota general ...", as the choice lists it; empty for 0.
    static QString caption(int code);
};
