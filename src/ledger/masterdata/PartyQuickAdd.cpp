#include "ledger/masterdata/PartyQuickAdd.h"

#include "common/Session.h"
#include "shell/UserRights.h"

PartyQuickAdd::PartyQuickAdd(Session &session)
    : PartyMaintenance(session, QString())
{
}

bool PartyQuickAdd::mayAdd() const
{
    return UserRights::MayAddThirdParties(db(), session().gUsuario);
}

bool PartyQuickAdd::allowed(const QString &operation) const
{
    return operation != QLatin1String("Eliminar") && mayAdd();
}

std::optional<NewParty> PartyQuickAdd::add(MasterRecord &record, QString *failedField)
{
    const Outcome outcome = save(record, Mode::New);
    if (!outcome.saved) {
        if (failedField)
            *failedField = outcome.field;
        return std::nullopt;
    }
    NewParty p;
    p.codigo = record.text(QStringLiteral("Codigo"));
    p.nombre = record.text(QStringLiteral("Nombre"));
    p.direccion = record.text(QStringLiteral("Direccion"));
    p.telefono1 = record.text(QStringLiteral("Telefono1"));
    p.telefono2 = record.text(QStringLiteral("Telefono2"));
    p.sujetoAReteIVA = record.number(QStringLiteral("SujetoAReteIVA"));
    p.sujetoAReteFuente = record.number(QStringLiteral("SujetoAReteFuente"));
    p.tipoPersona = record.number(QStringLiteral("TipoPersona"));
    p.tipoRegimen = record.text(QStringLiteral("TipoRegimen"));
    return p;
}
