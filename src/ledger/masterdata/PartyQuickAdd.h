#pragma once

#include "ledger/masterdata/PartyMaintenance.h"

// The third party that frmIncTercero hands back to the window that opened it.
struct NewParty
{
    QString codigo;
    QString nombre;
    QString direccion;
    QString telefono1;
    QString telefono2;
    int sujetoAReteIVA = 0;
    int sujetoAReteFuente = 0;
    int tipoPersona = 0;
    QString tipoRegimen;
};

// Adding a third party from inside movement entry (frmIncTercero): only for users whose
// group may add third parties there, always a new row, with the tax-authority and code
// rules of the third-party window.
class PartyQuickAdd : public PartyMaintenance
{
public:
    explicit PartyQuickAdd(Session &session);

    // GRUPOS.IncTerceroMov of one of the user's groups.
    bool mayAdd() const;
    // Checks and inserts; the party as stored, or nullopt after a refusal (`failedField`
    // then names the field at fault).
    std::optional<NewParty> add(MasterRecord &record, QString *failedField = nullptr);

protected:
    bool allowed(const QString &operation) const override;
};
