#include "vouchers/import/VoucherImport.h"

#include "calendar/PeriodService.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "vouchers/VoucherPosting.h"

#include <QHash>

namespace {

// The catalogue checks of the codes on a line, each code looked up once per import.
class Catalogues
{
public:
    explicit Catalogues(Db &db)
        : m_db(db)
    {
    }

    // Why the voucher type cannot be posted to; empty when it can.
    QString voucherType(const QString &code)
    {
        return cached(m_types, code, [&] {
            const auto rows = m_db.rows(QStringLiteral("SELECT Status FROM COMPROBANTE "
                                                       "WHERE Codigo = ? AND Codigo <> '*'"),
                                        {code});
            if (rows.empty())
                return QStringLiteral("el tipo de comprobante %1 no existe").arg(code);
            if (rows.front().value(0).toInt() != 1)
                return QStringLiteral("el tipo de comprobante %1 está inactivo").arg(code);
            return QString();
        });
    }

    QString account(const QString &code)
    {
        return cached(m_accounts, code, [&] {
            const auto rows = m_db.rows(
                QStringLiteral("SELECT EsPadre, Status FROM CUENTACONTABLE WHERE Codigo = ?"),
                {code});
            if (rows.empty())
                return QStringLiteral("la cuenta %1 no existe").arg(code);
            if (rows.front().value(0).toInt() == 1)
                return QStringLiteral("la cuenta %1 no es de detalle").arg(code);
            if (rows.front().value(1).toInt() != 1)
                return QStringLiteral("la cuenta %1 está inactiva").arg(code);
            return QString();
        });
    }

    // Third parties, document types and cost centres: the code must be in its table; "*"
    // (no code) always is.
    QString code(const QString &table, const QString &what, const QString &code)
    {
        if (code == QLatin1String("*"))
            return {};
        return cached(m_codes[table], code, [&] {
            const bool found =
                m_db.exists(QStringLiteral("SELECT 1 FROM %1 WHERE Codigo = ?").arg(table), {code});
            return found ? QString() : QStringLiteral("%1 %2 no existe").arg(what, code);
        });
    }

private:
    template <typename Lookup>
    QString cached(QHash<QString, QString> &cache, const QString &code, Lookup lookup)
    {
        auto it = cache.constFind(code);
        if (it == cache.constEnd())
            it = cache.insert(code, lookup());
        return *it;
    }

    Db &m_db;
    QHash<QString, QString> m_types, m_accounts;
    QHash<QString, QHash<QString, QString>> m_codes;
};

// The first code of a voucher that cannot be posted, at its row.
std::optional<ImportProblem> codeProblem(Catalogues &catalogues, const ImportedVoucher &voucher)
{
    if (const QString reason = catalogues.voucherType(voucher.type); !reason.isEmpty())
        return ImportProblem{voucher.firstRow(), reason};
    for (size_t i = 0; i < voucher.lines.size(); ++i) {
        const PostingLine &l = voucher.lines[i];
        for (const QString &reason :
             {catalogues.account(l.cuenta),
              catalogues.code(QStringLiteral("TERCERO"), QStringLiteral("el tercero"), l.tercero),
              catalogues.code(QStringLiteral("DOCUMENTO"), QStringLiteral("el tipo de documento"),
                              l.tipoDocumento),
              catalogues.code(QStringLiteral("CENTROCOSTO"), QStringLiteral("el centro de costo"),
                              l.centroCosto)}) {
            if (!reason.isEmpty())
                return ImportProblem{voucher.rows[i], reason};
        }
    }
    return std::nullopt;
}

QString periodReason(PeriodService::Status status, QDate date, const QString &company)
{
    switch (status) {
    case PeriodService::Status::Blocked:
        return QStringLiteral("el mes %1 está bloqueado (%2)")
            .arg(date.toString(QStringLiteral("yyyy-MM")), VoucherPosting::PeriodText);
    case PeriodService::Status::YearClosed:
        return QStringLiteral("la fecha %1 cae en un año fiscal cerrado")
            .arg(date.toString(Qt::ISODate));
    case PeriodService::Status::NoPeriod:
        return QStringLiteral("la empresa %1 no tiene periodo para el año %2")
            .arg(company)
            .arg(date.year());
    case PeriodService::Status::CompanyInactive:
        return QStringLiteral("la empresa %1 está inactiva").arg(company);
    case PeriodService::Status::Open:
        break;
    }
    return VoucherPosting::PeriodText;
}

} // namespace

VoucherImport::VoucherImport(Db &db)
    : m_db(db)
{
}

VoucherImport::Outcome VoucherImport::run(const QString &company, const QString &user,
                                          const std::vector<ImportedVoucher> &vouchers)
{
    Outcome outcome;
    auto refuse = [&](ImportProblem problem) {
        outcome.posted.clear();
        outcome.problem = std::move(problem);
        return outcome;
    };

    Transaction tx(m_db);
    const auto companies = m_db.rows(
        QStringLiteral("SELECT CodigoMatriz, Status FROM EMPRESA WHERE Codigo = ?"), {company});
    if (companies.empty())
        return refuse({0, QStringLiteral("No existe la empresa %1.").arg(company)});
    if (companies.front().value(1).toInt() != 1)
        return refuse({0, QStringLiteral("La empresa %1 está inactiva.").arg(company)});
    const QString headOffice = companies.front().value(0).toString().trimmed();
    const auto users =
        m_db.rows(QStringLiteral("SELECT Status FROM USUARIOS WHERE CodUsuario = ?"), {user});
    if (users.empty())
        return refuse({0, QStringLiteral("No existe el usuario %1.").arg(user)});
    if (users.front().value(0).toInt() != 1)
        return refuse({0, QStringLiteral("El usuario %1 está inactivo.").arg(user)});

    Catalogues catalogues(m_db);
    for (const ImportedVoucher &voucher : vouchers)
        if (auto problem = codeProblem(catalogues, voucher))
            return refuse(*problem);

    VoucherPosting posting(m_db);
    for (const ImportedVoucher &voucher : vouchers) {
        const auto posted =
            posting.post(VoucherToPost{company, headOffice, voucher.type, user, voucher.lines});
        if (!posted.posted()) {
            const QString reason =
                posted.status == VoucherPosting::Status::PeriodRefused
                    ? periodReason(posted.period, voucher.lines.front().fecha, company)
                    : posted.message();
            return refuse({voucher.firstRow(), reason});
        }
        outcome.posted.push_back(
            {voucher.reference, voucher.type, posted.number, int(voucher.lines.size())});
    }
    tx.commit();
    return outcome;
}
