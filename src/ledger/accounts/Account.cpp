#include "ledger/accounts/Account.h"

Rate Account::shareTotal() const
{
    qint64 total = 0;
    for (const CostCentreShare &s : costCentres)
        total += s.percentage.millionths();
    return Rate::fromMillionths(total);
}

namespace AccountColumns {

const QStringList &flags()
{
    static const QStringList names{"Centrodecosto",
                                   "AjusteInflacion",
                                   "ManejaDoc",
                                   "ManejaDocAnexos",
                                   "ManejaTerc",
                                   "ManejaReteFuente",
                                   "ActivoFijo",
                                   "Depreciable",
                                   "AjustDifCambio",
                                   "ControlPago",
                                   "CuentaCierreTerc",
                                   "CuentaLibroCompras",
                                   "CuentaLibroVentas",
                                   "ManejaRetIVA",
                                   "Consolidacion",
                                   "CuentaBanco",
                                   "TransferenciaElectronica"};
    Q_ASSERT(names.size() == AccountFlagCount);
    return names;
}

const QStringList &linked()
{
    static const QStringList names{
        "CuentaRetIVA",       "CuentaAjuste",           "CuentaCorrMonetAjust",   "CuentaGastos",
        "CuentaDepAcumulada", "CuentaDepAcumuladaAjus", "CuentaCorrMonetAjustDep"};
    Q_ASSERT(names.size() == LinkedAccountCount);
    return names;
}

} // namespace AccountColumns
