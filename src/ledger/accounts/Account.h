#pragma once

#include "common/Rate.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The flags of an account, in the order of their columns in CUENTACONTABLE.
enum class AccountFlag {
    Centrodecosto,
    AjusteInflacion,
    ManejaDoc,
    ManejaDocAnexos,
    ManejaTerc,
    ManejaReteFuente,
    ActivoFijo,
    Depreciable,
    AjustDifCambio,
    ControlPago,
    CuentaCierreTerc,
    CuentaLibroCompras,
    CuentaLibroVentas,
    ManejaRetIVA,
    Consolidacion,
    CuentaBanco,
    TransferenciaElectronica,
};
inline constexpr int AccountFlagCount = 17;

// The accounts an account points to, in the order of their columns.
enum class LinkedAccount {
    CuentaRetIVA,
    CuentaAjuste,
    CuentaCorrMonetAjust,
    CuentaGastos,
    CuentaDepAcumulada,
    CuentaDepAcumuladaAjus,
    CuentaCorrMonetAjustDep,
};
inline constexpr int LinkedAccountCount = 7;

// A cost centre and the share of the account's amounts it takes (CUENTACENTROCOSTO).
struct CostCentreShare
{
    QString code;
    QString name;
    Rate percentage;

    bool operator==(const CostCentreShare &) const = default;
};

// A retention concept the account allows (CUENTACONCEPTORET).
struct AccountConcept
{
    QString code;
    QString description;

    bool operator==(const AccountConcept &) const = default;
};

// One CUENTACONTABLE row with the rows that hang from it.
struct Account
{
    static inline const QString NoParent = QStringLiteral("0");
    static inline const QString NoBankParty = QStringLiteral("*");

    QString code;
    QString name;
    QString parentCode = NoParent;
    int level = 1;
    bool summary = false; // EsPadre: summary accounts take no movements
    bool active = true;   // Status
    std::array<bool, AccountFlagCount> flags{};
    // The sales-book code (SalesBookCode) stored in CuentaLibroVentas while that flag is set.
    int salesBook = 0;
    std::array<QString, LinkedAccountCount> linked;
    QString bankParty = NoBankParty; // TerceroBanco
    QString accountNumber;           // NumeroCuenta
    std::vector<CostCentreShare> costCentres;
    std::vector<AccountConcept> concepts;

    bool flag(AccountFlag f) const { return flags[size_t(f)]; }
    void setFlag(AccountFlag f, bool on) { flags[size_t(f)] = on; }
    const QString &account(LinkedAccount l) const { return linked[size_t(l)]; }
    void setAccount(LinkedAccount l, const QString &code) { linked[size_t(l)] = code; }
    // What CuentaLibroVentas holds: the code while the flag is set (the general rate when no
    // code was chosen), 0 otherwise.
    int salesBookColumn() const
    {
        return flag(AccountFlag::CuentaLibroVentas) ? (salesBook > 0 ? salesBook : 1) : 0;
    }
    bool hasBankParty() const { return !bankParty.isEmpty() && bankParty != NoBankParty; }
    // Sum of the cost-centre shares.
    Rate shareTotal() const;

    bool operator==(const Account &) const = default;
};

namespace AccountColumns {
// Column of each flag and each linked account, by the enums' order.
const QStringList &flags();
const QStringList &linked();
inline QString of(AccountFlag f)
{
    return flags().at(int(f));
}
inline QString of(LinkedAccount l)
{
    return linked().at(int(l));
}
} // namespace AccountColumns
