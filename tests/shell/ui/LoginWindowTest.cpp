#include "common/Session.h"
#include "platform/Db.h"
#include "shell/DatabaseSetup.h"
#include "shell/ui/VerificarClave.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// After a wrong password the window holds "Aceptar" for the failure delay, but keeps
// running: it repaints, takes typing, and lets the user in once the delay is over.
TEST(LoginWindow, AWrongPasswordHoldsTheNextAttemptWithoutFreezingTheWindow)
{
    TestDatabase data;
    DatabaseSetup(data.db()).createAdministrator("clave");
    ScriptedPrompter prompter;
    Session session;
    session.gConexion = &data.db();
    session.prompter = &prompter;

    VerificarClave login(session);
    login.service().setFailureDelay(600);
    login.show();
    QPushButton *accept = login.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    login.txtUsuario->setText("admin");
    login.txtClave->setText("mala");

    QElapsedTimer answered;
    answered.start();
    login.aceptar();
    EXPECT_LT(answered.elapsed(), 400);
    EXPECT_EQ(prompter.lastText(), "Usuario ó clave inválida");
    EXPECT_FALSE(accept->isEnabled());

    // Held: Enter in the password box does not try again.
    login.txtClave->setText("clave");
    login.aceptar();
    EXPECT_EQ(login.loginResult(), LoginService::Result::Invalid);

    for (int i = 0; i < 40 && !accept->isEnabled(); ++i)
        QTest::qWait(50);
    ASSERT_TRUE(accept->isEnabled());
    login.aceptar();
    EXPECT_EQ(login.loginResult(), LoginService::Result::Administrator);
}

} // namespace
