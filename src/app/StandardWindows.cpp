#include "app/StandardWindows.h"

#include "app/WindowRegistry.h"
#include "common/Session.h"
#include "shell/Connector.h"
#include "common/ui/frmCalculadora.h"
#include "shell/ui/FrmEstructura.h"
#include "shell/ui/FrmSistema.h"
#include "shell/ui/frmCambiarClave.h"
#include "shell/ui/frmConfRutaReporte.h"
#include "shell/ui/frmConfServidor.h"

#include <QWidget>

void RegisterStandardWindows(WindowRegistry &registry, Session &session, Connector &connector)
{
    Session *s = &session;
    Connector *c = &connector;
    registry.add(QStringLiteral("frmConfServidor"), [s, c](const QString &) -> QWidget * {
        return new frmConfServidor(*s, *c, s->prompt());
    });
    registry.add(QStringLiteral("frmConfRutaReporte"), [s, c](const QString &) -> QWidget * {
        return new frmConfRutaReporte(*s, c->dataFolder(), s->prompt());
    });
    registry.add(QStringLiteral("frmCalculadora"),
                 [](const QString &) -> QWidget * { return new frmCalculadora; });
    registry.add(QStringLiteral("FrmEstructura"), [s](const QString &node) -> QWidget * {
        return new FrmEstructura(*s, node);
    });
    registry.add(QStringLiteral("FrmSistema"),
                 [s](const QString &node) -> QWidget * { return new FrmSistema(*s, node); });
    registry.add(QStringLiteral("frmCambiarClave"),
                 [s](const QString &) -> QWidget * { return new frmCambiarClave(*s); });
}
