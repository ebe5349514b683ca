#include "ledger/masterdata/PartyRules.h"

#include "common/Prompter.h"
#include "ledger/masterdata/MasterDataTexts.h"
#include "ledger/masterdata/MasterTables.h"
#include "ledger/masterdata/Rif.h"
#include "platform/Db.h"

namespace PartyRules {

namespace {
MaintainedField upperText(const char *column, const char *caption, int maxLength, bool required)
{
    MaintainedField f{QString::fromLatin1(column), QString::fromUtf8(caption)};
    f.maxLength = maxLength;
    f.required = required;
    f.upperOnLeave = true;
    f.upperOnSave = true;
    return f;
}

MaintainedField flag(const char *column, const char *caption)
{
    return {QString::fromLatin1(column), QString::fromUtf8(caption), MasterFieldKind::Flag};
}
} // namespace

std::optional<int> PersonTypeFor(const QString &code)
{
    const std::optional<Rif::Holder> holder = Rif::HolderOf(code);
    if (!holder)
        return std::nullopt;
    return *holder == Rif::Holder::Natural ? NaturalPerson : LegalPerson;
}

MaintainedTable Table(const QString &node)
{
    MaintainedTable t;
    t.table = QStringLiteral("TERCERO");
    t.caption = QStringLiteral("Terceros");
    t.node = node;
    MaintainedField code = upperText("Codigo", "Código", 15, true);
    code.rejectsDot = true;
    code.proposes = QStringLiteral("TipoPersona");
    code.proposal = &PersonTypeFor;
    MaintainedField person{QStringLiteral("TipoPersona"), QStringLiteral("Tipo de Persona"),
                           MasterFieldKind::Choice};
    person.choices = {{0, QStringLiteral("JURIDICO")},
                      {1, QStringLiteral("NATURAL")},
                      {2, QStringLiteral("EXTRANJERO")}};
    person.required = true;
    MaintainedField regime{QStringLiteral("TipoRegimen"), QStringLiteral("Régimen"),
                           MasterFieldKind::Choice};
    regime.choicesQuery = QStringLiteral("SELECT Codigo, Nombre FROM REGIMEN ORDER BY Codigo");
    regime.required = true;
    MaintainedField phone1 = upperText("Telefono1", "Teléfono 1", 30, false);
    MaintainedField phone2 = upperText("Telefono2", "Teléfono 2", 30, false);
    phone1.upperOnLeave = phone2.upperOnLeave = false;
    phone2.beside = true;
    t.fields = {code,
                upperText("Nombre", "Nombre", 150, true),
                upperText("Direccion", "Dirección", 200, false),
                person,
                regime,
                phone1,
                phone2,
                flag("SujetoAReteFuente", "Sujeto a Retención de ISLR"),
                flag("SujetoAReteIVA", "Sujeto a Retención de IVA"),
                flag("Tributario", "Tercero Tributario")};
    t.listing = {QStringLiteral("crpTercero.rpt"), QStringLiteral("Terceros"), {}, 0, {}};
    return t;
}

bool OtherTaxAuthorityExists(Db &db, const QString &code)
{
    return db.exists(QStringLiteral("SELECT 1 FROM TERCERO WHERE Codigo <> ? AND Tributario = 1"),
                     {code});
}

bool AcceptNewCode(Prompter &prompt, const QString &code)
{
    if (code.trimmed().size() < MinimumCodeLength) {
        prompt.warning(MasterDataTexts::PartyCodeTooShort);
        return false;
    }
    // A RIF typed without its check digit is as doubtful as one with a wrong digit.
    if ((Rif::LooksLikeRif(code) && !Rif::IsValid(code)) || Rif::LacksCheckDigit(code))
        return prompt.question(MasterDataTexts::RifCheckDigit, Prompter::DefaultTitle, false);
    return true;
}

} // namespace PartyRules
