#include "demo/DemoBooks.h"

#include "demo/DemoJournal.h"
#include "demo/DemoMasterData.h"
#include "demo/DemoMonth.h"
#include "demo/DemoRandom.h"
#include "periods/PeriodGeneration.h"
#include "periods/YearEndClosing.h"
#include "platform/Db.h"
#include "platform/Transaction.h"

namespace DemoBooks {

namespace {

const QString Opening = QStringLiteral("999");
const QString Payment = QStringLiteral("002");
const QString InterCompany = QStringLiteral("015");
const QString RetainedEarnings = QStringLiteral("370505001");
const QString Workstation = QStringLiteral("DEMOSTRACION");

QString text(const char *s)
{
    return QString::fromUtf8(s);
}

Profile headOffice()
{
    const QString code = text(DemoMasterData::HeadOffice().code);
    Profile p;
    p.office = {code,
                code,
                QStringLiteral("CARACAS"),
                QStringLiteral("111005001"),
                QStringLiteral("110505001"),
                QStringLiteral("143505001"),
                QStringLiteral("613505001"),
                100,
                4501};
    p.services = {
        {"512010001", "J-31122334-7", 95000, 2, 1, true},   // office rent
        {"513505001", "J-40567123-8", 38000, 5, 1, true},   // security
        {"513505002", "J-30256871-4", 16000, 6, 1, true},   // cleaning
        {"511030001", "V-12345678-1", 28000, 7, 1, false},  // accountant, a formal taxpayer
        {"514530001", "J-40112233-7", 22000, 12, 1, true},  // computer maintenance
        {"513530001", "G-20010014-1", 9000, 16, 1, true},   // electricity
        {"513535001", "J-00124134-5", 7500, 17, 1, true},   // telephone and internet
        {"523550001", "J-29875432-0", 45000, 19, 1, true},  // distribution freight
        {"519520001", "J-31457890-1", 12000, 21, 1, true},  // stationery
        {"523560001", "J-30998877-8", 60000, 23, 2, true},  // advertising, every other month
        {"513005001", "J-41234560-5", 75000, 10, 3, false}, // health insurance, quarterly
    };
    p.customers = {QStringLiteral("J-40765432-2"), QStringLiteral("J-29759907-0"),
                   QStringLiteral("J-30011223-3"), QStringLiteral("E-81234567-5")};
    p.suppliers = {QStringLiteral("J-31876543-9"), QStringLiteral("J-30256871-4")};
    p.salesUnits = 2200000;
    p.invoices = 7;
    p.adminPayroll = 190000;
    p.salesPayroll = 90000;
    p.employees = 11;
    return p;
}

Profile branch()
{
    Profile p;
    p.office = {text(DemoMasterData::Branch().code),
                text(DemoMasterData::HeadOffice().code),
                QStringLiteral("VALENCIA"),
                QStringLiteral("111005002"),
                QStringLiteral("110505002"),
                QStringLiteral("143505002"),
                QStringLiteral("613505002"),
                30,
                1201};
    p.services = {
        {"512010002", "V-10987654-9", 40000, 2, 1, false}, // warehouse rent, a formal taxpayer
        {"513505001", "J-40567123-8", 18000, 5, 1, true},  // security
        {"513530001", "G-20010014-1", 4000, 16, 1, true},  // electricity
        {"513535001", "J-00124134-5", 3000, 17, 1, true},  // telephone and internet
    };
    p.customers = {QStringLiteral("V-15678901-8"), QStringLiteral("V-11470283-4"),
                   QStringLiteral("J-29759907-0")};
    p.suppliers = {QStringLiteral("J-31876543-9")};
    p.salesUnits = 650000;
    p.invoices = 4;
    p.adminPayroll = 45000;
    p.salesPayroll = 55000;
    p.employees = 5;
    return p;
}

// The balances the books start from, on the first day of the previous year; retained
// earnings take what the rest leaves.
struct OpeningLine
{
    const char *account;
    qint64 units;
    const char *party = "*";
    const char *documentType = "*";
    const char *document = "";
};

const std::vector<OpeningLine> headOfficeOpening = {
    {"110505001", 18500},
    {"110510001", 4000},
    {"111005001", 1350000},
    {"111005004", 420000},
    {"130505", 185600, "J-40765432-2", "FV", "00004498"},
    {"130505", 96280, "J-29759907-0", "FV", "00004499"},
    {"130505", 54520, "J-30011223-3", "FV", "00004500"},
    {"143505001", 1650000},
    {"150405001", 800000},
    {"151605001", 3600000},
    {"159205001", -630000},
    {"152405001", 240000},
    {"159215001", -96000},
    {"152805001", 360000},
    {"159220001", -90000},
    {"154005001", 900000},
    {"159235001", -285000},
    {"220501", -212400, "J-31876543-9", "FC", "00018842"},
    {"220501", -88150, "J-30256871-4", "FC", "00075510"},
    {"310505001", -3000000, "V-14258369-7"},
    {"310505001", -2000000, "V-16741852-6"},
    {"330505001", -500000},
};

const std::vector<OpeningLine> branchOpening = {
    {"110505002", 6000},
    {"111005002", 380000},
    {"130505", 24360, "V-15678901-8", "FV", "00001200"},
    {"143505002", 480000},
    {"152405001", 85000},
    {"159215001", -25500},
    {"152805001", 72000},
    {"159220001", -18000},
    {"310505001", -500000, "J-40123456-9"},
};

void queueOpening(DemoJournal &journal, const Office &office, const std::vector<OpeningLine> &lines,
                  QDate date)
{
    Draft d;
    d.office = &office;
    d.type = Opening;
    d.date = date;
    d.description = QStringLiteral("SALDOS INICIALES AL %1").arg(date.toString("dd/MM/yyyy"));
    for (const OpeningLine &l : lines)
        d.add(text(l.account), Money::fromUnits(l.units), text(l.party), text(l.documentType),
              text(l.document));
    d.add(RetainedEarnings, -d.difference());
    journal.queue(d);
}

QString receivableFor(Db &db, const Office &office)
{
    return db
        .scalar(QStringLiteral("SELECT CuentaPorCobrar FROM EMPRESA WHERE Codigo = ? AND "
                               "CodigoMatriz = ?"),
                {office.company, office.headOffice})
        .toString()
        .trimmed();
}

// The month's transfer between the offices: the branch sends the head office what its bank
// holds beyond what it needs, or receives what it lacks. The sender books it on its
// receivable from the other, the receiver on the sender's receivable account, as the
// inter-company lines of a voucher do.
void queueTransfer(Db &db, DemoJournal &journal, MonthBooks &month, const Office &head,
                   const Office &branch)
{
    const QDate date = month.day(27);
    const qint64 surplus =
        (journal.lowestFrom(branch.company, branch.bank, date) - month.price(250000))
            .roundedToUnits()
            .thousandths() /
        1000;
    qint64 thousands = surplus / 1000;
    if (thousands == 0)
        thousands = 10;
    const bool fromBranch = thousands > 0;
    const Office &sender = fromBranch ? branch : head;
    const Office &receiver = fromBranch ? head : branch;
    const Money amount = Money::fromUnits((thousands < 0 ? -thousands : thousands) * 1000);
    const QString reference = month.transferNumber();

    Draft out;
    out.office = &sender;
    out.type = Payment;
    out.date = date;
    out.description = QStringLiteral("REMESA DE FONDOS A %1")
                          .arg(fromBranch ? QStringLiteral("CASA MATRIZ")
                                          : QStringLiteral("SUCURSAL ") + branch.city);
    out.add(receivableFor(db, receiver), amount, receiver.company);
    out.add(sender.bank, -amount, QStringLiteral("*"), QStringLiteral("TE"), reference);
    journal.queue(out);

    Draft in;
    in.office = &receiver;
    in.type = InterCompany;
    in.date = date;
    in.description = QStringLiteral("REMESA DE FONDOS DE %1")
                         .arg(fromBranch ? QStringLiteral("SUCURSAL ") + branch.city
                                         : QStringLiteral("CASA MATRIZ"));
    in.add(receiver.bank, amount, QStringLiteral("*"), QStringLiteral("TE"), reference);
    in.add(receivableFor(db, sender), -amount, sender.company);
    journal.queue(in);
}

void close(Db &db, const Office &office, int year, const QString &user)
{
    const int control =
        YearEndClosing::CierreDelEjercicio(db, QDate(year, 1, 1), QDate(year, 12, 31),
                                           office.company, office.headOffice, user, Workstation);
    if (control != YearEndClosing::Closed)
        throw DbError(YearEndClosing::message(control));
}

} // namespace

Summary Post(Db &db, QDate today, const QString &user)
{
    Summary summary;
    const int first = today.year() - 1;
    const Profile profiles[] = {headOffice(), branch()};
    Counters counters[2];
    for (int i = 0; i < 2; ++i) {
        counters[i].invoice = profiles[i].office.firstInvoice;
        counters[i].transfer = 100000 * (i + 1) + 3481;
    }
    DemoJournal journal(db, user);
    DemoRandom random(20250101);

    queueOpening(journal, profiles[0].office, headOfficeOpening, QDate(first, 1, 1));
    queueOpening(journal, profiles[1].office, branchOpening, QDate(first, 1, 1));

    for (QDate month(first, 1, 1); month <= today; month = month.addMonths(1)) {
        Transaction tx(db);
        const int index = (month.year() - first) * 12 + month.month() - 1;
        const qint64 level = PriceLevel(index);
        MonthBooks head(journal, random, profiles[0], counters[0], month.year(), month.month(),
                        level);
        MonthBooks branch(journal, random, profiles[1], counters[1], month.year(), month.month(),
                          level);
        head.write();
        branch.write();
        queueTransfer(db, journal, head, profiles[0].office, profiles[1].office);
        summary.vouchers += journal.post(std::min(today, month.addMonths(1).addDays(-1)));
        tx.commit();

        if (month.year() == first && month.month() == 12) {
            // As the closing window does: the next year prepared, then the closing.
            Transaction closing(db);
            PeriodGeneration::PrepareYear(db, first + 1);
            for (const Profile &p : profiles)
                close(db, p.office, first, user);
            closing.commit();
            summary.closedYear = first;
        }
    }
    return summary;
}

} // namespace DemoBooks
