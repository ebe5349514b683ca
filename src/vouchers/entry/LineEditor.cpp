#include "vouchers/entry/LineEditor.h"

#include "calendar/FiscalYear.h"
#include "calendar/PeriodService.h"
#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "ledger/masterdata/PartyQuickAdd.h"
#include "platform/Db.h"
#include "common/grid/CatalogService.h"
#include "vouchers/VoucherPosting.h"
#include "vouchers/VoucherRetrieval.h"
#include "vouchers/entry/AssetRegister.h"
#include "vouchers/entry/EntryOpening.h"
#include "vouchers/entry/EntryTexts.h"
#include "vouchers/entry/VoucherDiscard.h"

LineEditor::LineEditor(Session &session, WorkArea area, QString node)
    : m_session(session)
    , m_area(std::move(area))
    , m_node(std::move(node))
    , m_year(session.gAno)
    , m_month(session.gMes)
{
}

bool LineEditor::open()
{
    Db &db = m_session.db();
    m_mode = Mode::Browse;
    m_tax = EntryLookups::taxInForce(db, QDate(m_year, m_month, 1));
    m_lists = EntryLookups::valueLists(db);
    if (const auto refusal = EntryOpening::refusal(db, m_area, m_year, m_month)) {
        m_session.prompt().warning(*refusal);
        return false;
    }
    reload();
    if (consolidating() && m_rows.empty()) {
        // Generated lines take the voucher type marked for consolidation.
        m_type = EntryLookups::voucherType(db, EntryLookups::consolidationVoucherType(db));
        m_header.type = m_type.code;
        if (!m_type.isSet())
            m_session.prompt().warning(EntryTexts::NoConsolidationTypeMarked);
    }
    return true;
}

QString LineEditor::receivingCompanyOf(int group) const
{
    for (const WorkAreaRow &r : m_rows)
        if (r.grupoLinea == group) {
            const auto owner =
                EntryLookups::receivableOwner(m_session.db(), r.cuenta, m_area.company());
            return owner ? owner->first : QString();
        }
    return {};
}

bool LineEditor::consolidating() const
{
    return m_area.table() == WorkArea::Table::Consolidacion;
}

void LineEditor::reload()
{
    m_rows = m_area.rows(m_session.db());
    m_totals = EntryTotals::of(m_rows);
    if (!m_rows.empty()) {
        // The first row restores the header of a voucher left in the work area.
        const WorkAreaRow &first = m_rows.front();
        if (m_type.code != first.tipoComprobante)
            m_type = EntryLookups::voucherType(m_session.db(), first.tipoComprobante);
        m_header.type = first.tipoComprobante;
        m_header.number = first.numeroComprobante;
        m_header.creator = first.usuarioCreador;
        m_day = QString::number(first.fecha.day());
    } else {
        m_header.number.clear();
        m_header.creator.clear();
    }
}

bool LineEditor::listsShown() const
{
    return m_lists && EntryLookups::listsApply(m_type.code, m_line.account.code);
}

bool LineEditor::allowed(const QString &operation) const
{
    if (OptionRights::MayUse(m_session.db(), m_area.user(), m_node, operation))
        return true;
    m_session.prompt().warning(OptionRights::NotAllowedText);
    return false;
}

bool LineEditor::setVoucherType(const QString &code)
{
    if ((headerLocked() || consolidating()) && code.trimmed() != m_type.code) {
        m_session.prompt().warning(EntryTexts::TypeLocked);
        return false;
    }
    const LineVoucherType found = EntryLookups::voucherType(m_session.db(), code);
    if (found.isSet() && !found.active) {
        m_session.prompt().warning(EntryTexts::VoucherTypeInactive);
        return false;
    }
    m_type = found;
    m_header.type = found.code;
    return found.isSet();
}

void LineEditor::setDay(const QString &day)
{
    if (!headerLocked())
        m_day = day.trimmed();
}

LineEditor::AccountCheck LineEditor::setAccount(const QString &code)
{
    LineAccount found = EntryLookups::account(m_session.db(), code);
    // Inter-company accounts are offered only as the receivable of an active company.
    if (found.isSet() && found.consolidacion &&
        !EntryLookups::receivableOwner(m_session.db(), found.code, QString()))
        found = {};
    if (found.isSet() && !found.active) {
        m_session.prompt().warning(EntryTexts::AccountInactive);
        found = {};
    } else if (found.isSet() && found.summary) {
        m_session.prompt().warning(EntryTexts::SummaryAccount);
        found = {};
    }
    const bool changed = found.code != m_line.account.code;
    m_line.account = found;
    if (changed)
        m_line.asset = {};
    m_line.applyAccountFlags();
    return found.isSet() ? AccountCheck::Accepted : AccountCheck::Refused;
}

bool LineEditor::needsAsset() const
{
    return m_type.activoFijo && m_line.account.activoFijo;
}

Rate LineEditor::proposedRate() const
{
    return EntryLookups::exchangeRate(m_session.db(), m_year, m_month);
}

LineEditor::PartyCheck LineEditor::setParty(const QString &code)
{
    if (code.trimmed().isEmpty()) {
        m_line.party = {};
        m_line.applyAccountFlags();
        return PartyCheck::Refused;
    }
    const LineParty found = EntryLookups::party(m_session.db(), code);
    m_line.party = found;
    m_line.applyAccountFlags();
    if (found.isSet())
        return PartyCheck::Accepted;
    if (!PartyQuickAdd(m_session).mayAdd()) {
        m_session.prompt().warning(EntryTexts::PartyMissing);
        return PartyCheck::Refused;
    }
    return m_session.prompt().question(EntryTexts::PartyCreate) ? PartyCheck::Create
                                                                 : PartyCheck::Refused;
}

bool LineEditor::setDocumentType(const QString &code)
{
    const auto found = EntryLookups::documentType(m_session.db(), code);
    if (found && !found->second) {
        m_session.prompt().warning(EntryTexts::DocumentTypeInactive);
    } else if (found) {
        m_line.documentType = code.trimmed();
        m_line.documentTypeName = found->first;
        return true;
    }
    m_line.documentType.clear();
    m_line.documentTypeName.clear();
    return false;
}

bool LineEditor::checkDocument()
{
    if (m_line.document.trimmed().isEmpty())
        return false;
    const auto posted = EntryLookups::duplicateDocument(
        m_session.db(), m_area.company(), m_area.headOffice(), m_line.party.code,
        m_line.documentType, m_line.document);
    if (!posted)
        return false;
    m_session.prompt().info(posted->message());
    return true;
}

bool LineEditor::setConcept(const QString &code)
{
    const auto found = m_line.conceptEnabled()
                           ? EntryLookups::accountConcept(m_session.db(), m_line.account.code, code)
                           : std::nullopt;
    m_line.retentionConcept = found ? code.trimmed() : QString();
    m_line.conceptName = found.value_or(QString());
    return found.has_value();
}

QVariantList LineEditor::openDocumentParameters() const
{
    const auto day = LineValidation::day(m_day, m_year, m_month);
    const QDate upTo(m_year, m_month, day.value_or(daysInMonth()));
    const int closingMonth =
        PeriodService(m_session.db()).closingMonth(m_area.company(), m_area.headOffice());
    const QDate after = FiscalYear::previousEnd(upTo, closingMonth);
    return {m_area.company(), m_area.headOffice(), m_line.account.code, m_line.party.code, after,
            upTo};
}

std::optional<AssetData> LineEditor::findAsset(const QString &serial) const
{
    bool active = true;
    auto found = AssetRegister(m_session.db(), m_area.company(), m_area.headOffice())
                     .find(serial, &active);
    if (found && !active && m_header.number.isEmpty())
        m_session.prompt().warning(EntryTexts::AssetRetired);
    return found;
}

bool LineEditor::startNew()
{
    if (m_mode != Mode::Browse || !allowed(QStringLiteral("Nuevo")))
        return false;
    m_line = {};
    m_line.linea = m_area.nextLine(m_session.db());
    m_line.dayText = m_day;
    m_line.debit = m_totals.missingDebit();
    m_line.credit = m_totals.missingCredit();
    m_mode = Mode::New;
    return true;
}

bool LineEditor::startModify(int group)
{
    if (m_mode != Mode::Browse || !allowed(QStringLiteral("Modificar")))
        return false;
    const WorkAreaRow *base = nullptr;
    for (const WorkAreaRow &r : m_rows)
        if (r.grupoLinea == group && !base)
            base = &r;
    if (!base) {
        m_session.prompt().warning(EntryTexts::NoLineSelected);
        return false;
    }
    Db &db = m_session.db();
    EntryLine l;
    l.linea = l.grupoLinea = group;
    l.dayText = QString::number(base->fecha.day());
    l.account = EntryLookups::account(db, base->cuenta);
    l.party = EntryLookups::party(db, base->tercero);
    if (base->tipoDocumento != QLatin1String("*")) {
        l.documentType = base->tipoDocumento;
        l.documentTypeName = base->tipoDocumentoNombre;
    }
    l.document = base->documento;
    if (listsShown()) {
        l.outflowType = base->documento2;
        l.destination = base->documento3;
    } else {
        l.documento2 = base->documento2;
        l.documento3 = base->documento3;
    }
    l.fechaDoc = base->fechaDoc;
    l.retentionConcept = base->conceptoRetencion;
    l.conceptName = base->conceptoNombre;
    l.descripcion = base->descripcion;
    // The line's amount is what its cost-centre rows add up to; its retention row, on
    // another account, is not part of it.
    for (const WorkAreaRow &r : m_rows)
        if (r.grupoLinea == group && r.cuenta == base->cuenta) {
            l.debit += r.valorDebito;
            l.credit += r.valorCredito;
            l.foreign += r.debitoUS + r.creditoUS;
        }
    l.trm = base->trm;
    if (base->serial != QLatin1String("*") && base->tipoMovActivo != 0) {
        if (auto asset = AssetRegister(db, m_area.company(), m_area.headOffice()).find(base->serial))
            l.asset = *asset;
        l.asset.serial = base->serial;
        l.asset.movement = AssetMovement(base->tipoMovActivo);
    }
    m_line = l;
    m_mode = Mode::Modify;
    return true;
}

void LineEditor::cancel()
{
    m_mode = Mode::Browse;
    m_line = {};
}

LineWriter LineEditor::writer() const
{
    return LineWriter(m_session.db(), m_area, m_year, m_month, m_tax);
}

LineEditor::SaveOutcome LineEditor::save()
{
    SaveOutcome outcome;
    if (m_mode == Mode::Browse || !allowed(QStringLiteral("Guardar")))
        return outcome;
    m_line.dayText = m_mode == Mode::Modify ? m_line.dayText : m_day;
    if (consolidating() && !m_type.isSet()) {
        m_session.prompt().warning(EntryTexts::NoConsolidationType);
        outcome.error = FieldError{EntryField::VoucherType, EntryTexts::NoConsolidationType};
        return outcome;
    }
    if (auto error = LineValidation::check(m_line, m_type, m_year, m_month, listsShown())) {
        m_session.prompt().warning(error->message);
        outcome.error = error;
        return outcome;
    }
    VoucherHeader header = m_header;
    header.type = m_type.code;
    if (header.creator.isEmpty())
        header.creator = m_area.user();
    try {
        const auto result = m_mode == Mode::New ? writer().add(m_line, header)
                                                : writer().modify(m_line, header);
        if (result == LineWriter::Result::CostCentresChanged) {
            m_session.prompt().warning(EntryTexts::CostCentresChanged);
            reload();
            cancel();
            return outcome;
        }
        if (result == LineWriter::Result::PurchaseHasLaterLines) {
            m_session.prompt().warning(EntryTexts::PurchaseHasLaterLines);
            outcome.error = FieldError{EntryField::Asset, EntryTexts::PurchaseHasLaterLines};
            return outcome;
        }
    } catch (const DbError &e) {
        // Nothing was written; what the user typed stays in the editor.
        m_session.prompt().error(e.userText());
        outcome.error = FieldError{EntryField::Account, e.userText()};
        return outcome;
    }
    outcome.written = true;
    const EntryLine previous = m_line;
    reload();
    if (m_mode == Mode::New)
        prepareNext(previous);
    else
        cancel();
    return outcome;
}

void LineEditor::prepareNext(const EntryLine &previous)
{
    m_line = {};
    m_line.linea = m_area.nextLine(m_session.db());
    m_line.dayText = m_day;
    m_line.descripcion = previous.descripcion;
    m_line.documento2 = previous.documento2;
    m_line.documento3 = previous.documento3;
    m_line.outflowType = previous.outflowType;
    m_line.destination = previous.destination;
    m_line.debit = m_totals.missingDebit();
    m_line.credit = m_totals.missingCredit();
}

bool LineEditor::removeLine(int group)
{
    if (m_mode != Mode::Browse || !allowed(QStringLiteral("Eliminar")))
        return false;
    if (!m_session.prompt().question(EntryTexts::DeleteLine))
        return false;
    try {
        if (writer().remove(group) == LineWriter::Result::PurchaseHasLaterLines) {
            m_session.prompt().warning(EntryTexts::PurchaseHasLaterLines);
            return false;
        }
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
        return false;
    }
    reload();
    return true;
}

bool LineEditor::discard()
{
    if (m_mode != Mode::Browse || !allowed(QStringLiteral("Eliminar")))
        return false;
    if (!m_session.prompt().question(EntryTexts::Discard, Prompter::DefaultTitle, false))
        return false;
    try {
        VoucherDiscard::discard(m_session.db(), m_node, m_area.user(), m_area.company(),
                                m_area.headOffice());
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
        return false;
    }
    m_type = {};
    m_header = {};
    m_day.clear();
    reload();
    return true;
}

ApprovalOutcome LineEditor::approve()
{
    ApprovalOutcome outcome;
    if (m_mode != Mode::Browse || m_rows.empty() || !allowed(QStringLiteral("Aprobar")))
        return outcome;
    outcome = VoucherPosting(m_session.db())
                  .approve({m_area.company(), m_area.headOffice(), m_area.user(), m_year, m_month},
                           m_session.prompt());
    if (outcome.approved()) {
        m_type = {};
        m_header = {};
        m_day.clear();
        m_line = {};
    }
    reload();
    return outcome;
}

bool LineEditor::retrieve(Retrieval how, CatalogPicker &picker, const CopyRequest &copy)
{
    Db &db = m_session.db();
    Prompter &prompt = m_session.prompt();
    const QString user = m_area.user();
    if (m_mode != Mode::Browse || !allowed(QStringLiteral("Buscar")))
        return false;
    if (how == Retrieval::Modify && !VoucherRetrieval::mayModify(db, user)) {
        prompt.warning(OptionRights::NotAllowedText);
        return false;
    }
    if (!m_rows.empty()) {
        prompt.warning(EntryTexts::AreaInUse);
        return false;
    }
    const bool copying = how == Retrieval::Copy;
    if (copying) {
        if (copy.month < 1 || copy.month > 12 || copy.type.trimmed().isEmpty() ||
            copy.day.trimmed().isEmpty()) {
            prompt.warning(EntryTexts::EmptyChoice);
            return false;
        }
        const LineVoucherType type = EntryLookups::voucherType(db, copy.type);
        if (!type.isSet()) {
            prompt.warning(EntryTexts::CopyTypeInvalid);
            return false;
        }
        const auto day = LineValidation::day(copy.day, m_year, m_month);
        if (!day) {
            prompt.warning(EntryTexts::CopyDayRange + QString::number(daysInMonth()) +
                           QStringLiteral(" !"));
            return false;
        }
        if (!prompt.question(EntryTexts::CopyAsk +
                             QDate(m_year, m_month, *day).toString(QStringLiteral("dd/MM/yyyy")) +
                             QStringLiteral(" ? ")))
            return false;
    }
    const bool ownOnly = VoucherRetrieval::ownVouchersOnly(db, user);
    const QDate first(m_year, copying && copy.month >= 1 && copy.month <= 12 ? copy.month : m_month,
                      1);
    QVariantList parameters{m_area.company(), m_area.headOffice(), first, first.addMonths(1)};
    if (ownOnly)
        parameters << user;
    try {
        const CatalogResult picked = ShowCatalog(db, prompt, picker, parameters,
                                                 VoucherRetrieval::listStatement(ownOnly),
                                                 {QStringLiteral("Debito"), QStringLiteral("Credito")});
        if (!picked.picked())
            return false;
        const VoucherRetrieval::Voucher voucher{m_area.company(), m_area.headOffice(), m_year,
                                                first.month(), picked.element(1),
                                                picked.element(2)};
        if (picked.element(6) == QLatin1String("1")) {
            if (how == Retrieval::Modify)
                prompt.warning(VoucherRetrieval::GeneratedNotModifiable);
            else
                prompt.warning(VoucherRetrieval::GeneratedNotCopiable +
                               QStringLiteral("\nDATOS DE EMPRESA CONSOLIDADORA:\nEMPRESA : %1\n"
                                              "TIPO COMPROBANTE : %2\nNUMERO COMPROBANTE: %3")
                                   .arg(picked.element(7), picked.element(8), picked.element(9)));
            return false;
        }
        if (how == Retrieval::Modify) {
            if (!prompt.question(VoucherRetrieval::AskModify))
                return false;
            if (VoucherRetrieval::takeOut(db, voucher, user) != VoucherRetrieval::TakeOut::Taken) {
                prompt.warning(VoucherRetrieval::TakeOutRefused);
                return false;
            }
        } else {
            const QDate date(m_year, m_month, *LineValidation::day(copy.day, m_year, m_month));
            VoucherRetrieval::copy(db, voucher, user, {copy.type.trimmed(), date});
        }
    } catch (const DbError &e) {
        prompt.error(e.userText());
        return false;
    }
    m_type = {};
    reload();
    return true;
}
