#include "shell/ui/frmCerrarSesiones.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "platform/Db.h"
#include "platform/Workstation.h"
#include "shell/SessionAdmin.h"

frmCerrarSesiones::frmCerrarSesiones(Session &session, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmCerrarSesiones"));
    setWindowTitle(QStringLiteral("Cerrar Sesiones"));
}

int frmCerrarSesiones::exec()
{
    CatalogWindowPicker picker(m_session.prompt(), parentWidget(),
                               QStringLiteral("Sesiones abiertas"));
    bool closed = false;
    try {
        closed = SessionAdmin::CloseSession(m_session, picker, Workstation::LocalHostName());
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
    }
    const int result = closed ? Accepted : Rejected;
    setResult(result);
    if (testAttribute(Qt::WA_DeleteOnClose))
        deleteLater();
    return result;
}
