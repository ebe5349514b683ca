#include "app/StandardWindows.h"

#include "app/WindowRegistry.h"
#include "common/Session.h"
#include "shell/Connector.h"
#include "common/ui/frmCalculadora.h"
#include "periods/ui/frmBloquearPeriodos.h"
#include "periods/ui/frmCambiarPeriodo.h"
#include "periods/ui/frmGenerarPeriodo.h"
#include "shell/ui/FrmEstructura.h"
#include "shell/ui/FrmSistema.h"
#include "shell/ui/frmCambiarClave.h"
#include "shell/ui/frmCerrarSesiones.h"
#include "shell/ui/frmSeleccionarEmpresa.h"
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
    registry.add(QStringLiteral("frmSeleccionarEmpresa"), [s](const QString &) -> QWidget * {
        return new frmSeleccionarEmpresa(*s);
    });
    registry.add(QStringLiteral("frmGenerarPeriodo"), [s](const QString &node) -> QWidget * {
        return new frmGenerarPeriodo(*s, node);
    });
    registry.add(QStringLiteral("frmBloquearPeriodos"), [s](const QString &node) -> QWidget * {
        return new frmBloquearPeriodos(*s, node);
    });
    registry.add(QStringLiteral("frmCambiarPeriodo"),
                 [s](const QString &) -> QWidget * { return new frmCambiarPeriodo(*s); });
    registry.add(QStringLiteral("frmCerrarSesiones"),
                 [s](const QString &) -> QWidget * { return new frmCerrarSesiones(*s); });
    registry.add(QStringLiteral("frmCambiarClave"),
                 [s](const QString &) -> QWidget * { return new frmCambiarClave(*s); });
}
