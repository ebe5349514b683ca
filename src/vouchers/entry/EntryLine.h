#pragma once

#include "common/Money.h"
#include "common/Rate.h"

#include <QDate>
#include <QString>

// A voucher type as voucher entry reads it.
struct LineVoucherType
{
    QString code;
    QString name;
    bool activoFijo = false;
    bool retencionIVA = false;
    bool consolidacion = false;
    bool active = true;

    bool isSet() const { return !code.isEmpty(); }
};

// An account with the flags that shape the line editor.
struct LineAccount
{
    QString code;
    QString name;
    bool summary = false; // EsPadre
    bool active = true;
    bool centrodecosto = false;
    bool manejaTerc = false;
    bool manejaDoc = false;
    bool manejaDocAnexos = false;
    bool manejaReteFuente = false;
    bool manejaRetIVA = false;
    bool activoFijo = false;
    bool ajustDifCambio = false;
    bool controlPago = false;
    bool consolidacion = false;
    QString cuentaRetIVA;

    bool isSet() const { return !code.isEmpty(); }
};

// A third party with its tax flags.
struct LineParty
{
    QString code;
    QString name;
    bool sujetoAReteIVA = false;
    bool sujetoAReteFuente = false;
    int tipoPersona = 0; // 0 legal entity
    QString tipoRegimen;

    bool isSet() const { return !code.isEmpty(); }
};

// The kind of asset movement a line records (TipoMovActivo); 4 is left to depreciation runs.
enum class AssetMovement { None = 0, Purchase = 1, Variation = 2, Retirement = 3 };

// What the asset dialog collects for a line on a fixed-asset account.
struct AssetData
{
    QString serial;
    QString descripcion;
    QString marca;
    QString modelo;
    int mesesDepreciacion = 0;
    QDate fechaAdq;
    QDate fechaDep;
    int categoria = -1; // CATEGORIAACTIVO.Codigo; -1 none chosen
    AssetMovement movement = AssetMovement::None;
    bool existing = false; // the serial was found in ACTIVOFIJO

    bool complete() const
    {
        return !serial.trimmed().isEmpty() && serial.trimmed() != QLatin1String("*") &&
               !descripcion.trimmed().isEmpty() && fechaAdq.isValid() && fechaDep.isValid() &&
               categoria >= 0 && mesesDepreciacion >= 0 && movement != AssetMovement::None;
    }
};

// The line in the editor: what the user typed and the flags read with its codes.
struct EntryLine
{
    int linea = 0;      // proposed or modified line number
    int grupoLinea = 0; // the group being modified; 0 for a new line
    QString dayText;    // as typed
    LineAccount account;
    LineParty party;
    QString documentType;
    QString documentTypeName;
    QString document;
    QString documento2;
    QString documento3;
    QDate fechaDoc;
    QString retentionConcept;
    QString conceptName;
    QString descripcion;
    Money debit;
    Money credit;
    AssetData asset;
    Rate trm;         // exchange-rate lines only
    Money foreign;    // amount in foreign currency, on the side of the line
    QString outflowType; // chosen from the "TIPO" list
    QString destination; // chosen from the "DESTINO" list

    // Which fields the account and third party open in the editor.
    bool partyEnabled() const { return account.manejaTerc; }
    bool documentEnabled() const { return account.manejaDoc; }
    bool annexEnabled() const { return account.manejaDocAnexos; }
    bool conceptEnabled() const { return account.manejaReteFuente && party.sujetoAReteFuente; }
    // Clears the fields the account does not open.
    void applyAccountFlags();
};
