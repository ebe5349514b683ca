#include "shell/admin/CompanyUserAssignment.h"

#include "AdminFixture.h"
#include "shell/LoginService.h"

namespace {

using Result = CompanyUserAssignment::Result;

class CompanyUserAssignmentTest : public AdminFixture
{
protected:
    CompanyUserAssignmentTest()
    {
        Fixtures::addCompany(db(), "B1", "BETA C.A.");
        Fixtures::addCompany(db(), "A1", "ALFA C.A.");
        Fixtures::addCompany(db(), "A2", "ALFA CENTRO", "A1");
        Fixtures::assignCompany(db(), "LUIS", "A1", "A1");
    }
    QStringList assigned(const QString &user)
    {
        QStringList pairs;
        for (const QSqlRecord &r : db().rows("SELECT Empresa, Matriz FROM USUARIOEMPRESA "
                                             "WHERE Usuario = ? ORDER BY Empresa",
                                             {user}))
            pairs << r.value(0).toString() + "/" + r.value(1).toString();
        return pairs;
    }

    CompanyUserAssignment assignment{session};
};

TEST_F(CompanyUserAssignmentTest, TheLookupOffersActiveUsersWhoAreNoAdministrators)
{
    Fixtures::addUser(db(), "BAJA", "x", {"CONTA"}, 0);
    Fixtures::addUser(db(), "MIXTO", "x", {"CONTA", "SUPERGRUPO"});
    QStringList codes;
    for (const QSqlRecord &r : db().rows(CompanyUserAssignment::UserLookupStatement(),
                                         CompanyUserAssignment::UserLookupParameters()))
        codes << r.value(0).toString();
    EXPECT_EQ(codes, QStringList({"ANA", "LUIS", "PEDRO"}));
}

TEST_F(CompanyUserAssignmentTest, TheGridListsHeadOfficesFirstAndTicksTheUsersCompanies)
{
    QStringList rows;
    for (const auto &c : assignment.companies("LUIS"))
        rows << QString("%1 %2 %3").arg(c.codigo, c.caption(), c.assigned ? "X" : "-");
    EXPECT_EQ(rows, QStringList({"A1 ALFA C.A. X", "B1 BETA C.A. -",
                                 "A2 ALFA CENTRO (SUCURSAL ALFA C.A.) -"}));
}

TEST_F(CompanyUserAssignmentTest, SavingReplacesTheUsersCompanies)
{
    auto companies = assignment.companies("LUIS");
    for (auto &c : companies)
        c.assigned = c.codigo != "A1";
    EXPECT_EQ(assignment.save("LUIS", companies), Result::Saved);
    EXPECT_EQ(assigned("LUIS"), QStringList({"A2/A1", "B1/B1"}));
    EXPECT_TRUE(assigned("ANA").isEmpty());
}

TEST_F(CompanyUserAssignmentTest, UntickingEverythingLeavesTheUserWithoutCompanies)
{
    auto companies = assignment.companies("LUIS");
    for (auto &c : companies)
        c.assigned = false;
    EXPECT_EQ(assignment.save("LUIS", companies), Result::Saved);
    EXPECT_TRUE(assigned("LUIS").isEmpty());

    Session login;
    login.gConexion = &db();
    login.prompter = &prompter;
    LoginService service(login);
    service.setFailureDelay(0);
    EXPECT_EQ(service.VerificarClave("luis", "clave", false), LoginService::Result::NoCompanies);
    EXPECT_EQ(prompter.lastText(), "Usuario sin empresas asignadas!  ");
}

TEST_F(CompanyUserAssignmentTest, OnlyAdministratorsAssignCompanies)
{
    as("ANA"); // her group may use the window's "Guardar"
    auto companies = assignment.companies("ANA");
    for (auto &c : companies)
        c.assigned = true;
    EXPECT_EQ(assignment.save("ANA", companies), Result::NotAllowed);
    EXPECT_TRUE(assigned("ANA").isEmpty());

    as("JEFE");
    EXPECT_EQ(assignment.save("ANA", companies), Result::Saved);
    EXPECT_EQ(assigned("ANA").size(), 3);
    EXPECT_EQ(assignment.save("ADMIN", companies), Result::NotAllowed);
    EXPECT_EQ(assignment.save("NADIE", companies), Result::UnknownUser);
}

} // namespace
