#include "app/StandardWindows.h"

#include "app/WindowRegistry.h"
#include "banking/ui/frmChequesBancos.h"
#include "banking/ui/frmFormatosCheques.h"
#include "banking/ui/frmImprimirComprobanteEgreso.h"
#include "common/Session.h"
#include "common/ui/frmCalculadora.h"
#include "ledger/accounts/ui/frmCuentaContable.h"
#include "ledger/accounts/ui/frmCuentaContableLinea.h"
#include "ledger/accounts/ui/frmParametros.h"
#include "ledger/masterdata/ui/frmCentroCosto.h"
#include "ledger/masterdata/ui/frmConcepto.h"
#include "ledger/masterdata/ui/frmContribuyente.h"
#include "ledger/masterdata/ui/frmCorregirTercero.h"
#include "ledger/masterdata/ui/frmDocumento.h"
#include "ledger/masterdata/ui/frmTercero.h"
#include "periods/ui/frmBloquearPeriodos.h"
#include "periods/ui/frmCambiarPeriodo.h"
#include "periods/ui/frmCierre.h"
#include "periods/ui/frmGenerarPeriodo.h"
#include "reports/ui/frmRepBalanceGeneral.h"
#include "reports/ui/frmExpLibroAuxiliarDetallado.h"
#include "reports/ui/frmFoliadoDeLibro.h"
#include "reports/ui/frmRepBalancedePrueba.h"
#include "reports/ui/frmRepLibroAuxiliar.h"
#include "reports/ui/frmRepLibroAuxiliarDetallado.h"
#include "reports/ui/frmRepLibroAuxiliarIva.h"
#include "reports/ui/frmRepLibroDiario.h"
#include "reports/ui/frmRepMayorAnalitico.h"
#include "reports/ui/frmRepPerdidasyGanancias.h"
#include "shell/Connector.h"
#include "shell/admin/ui/FrmGrupoUsuario.h"
#include "shell/admin/ui/FrmUsuario.h"
#include "shell/admin/ui/frmCrearEmpresa.h"
#include "shell/admin/ui/frmEmpresaUsuario.h"
#include "shell/ui/FrmEstructura.h"
#include "shell/ui/FrmSistema.h"
#include "shell/ui/frmCambiarClave.h"
#include "shell/ui/frmCerrarSesiones.h"
#include "shell/ui/frmConfRutaReporte.h"
#include "shell/ui/frmConfServidor.h"
#include "shell/ui/frmSeleccionarEmpresa.h"
#include "vouchers/ui/frmComprobante.h"
#include "vouchers/ui/frmComprobantesPendientes.h"
#include "vouchers/ui/frmAnularComprobante.h"
#include "vouchers/ui/frmCorregirMovimiento.h"
#include "vouchers/ui/frmRegistro.h"
#include "vouchers/ui/frmCorrelativoComprobante.h"
#include "vouchers/print/VoucherPrint.h"

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
    registry.add(QStringLiteral("FrmEstructura"),
                 [s](const QString &node) -> QWidget * { return new FrmEstructura(*s, node); });
    registry.add(QStringLiteral("FrmSistema"),
                 [s](const QString &node) -> QWidget * { return new FrmSistema(*s, node); });
    registry.add(QStringLiteral("frmSeleccionarEmpresa"),
                 [s](const QString &) -> QWidget * { return new frmSeleccionarEmpresa(*s); });
    registry.add(QStringLiteral("frmCierre"),
                 [s](const QString &node) -> QWidget * { return new frmCierre(*s, node); });
    registry.add(QStringLiteral("frmGenerarPeriodo"),
                 [s](const QString &node) -> QWidget * { return new frmGenerarPeriodo(*s, node); });
    registry.add(QStringLiteral("frmBloquearPeriodos"), [s](const QString &node) -> QWidget * {
        return new frmBloquearPeriodos(*s, node);
    });
    registry.add(QStringLiteral("frmCambiarPeriodo"),
                 [s](const QString &) -> QWidget * { return new frmCambiarPeriodo(*s); });
    registry.add(QStringLiteral("frmCerrarSesiones"),
                 [s](const QString &) -> QWidget * { return new frmCerrarSesiones(*s); });
    // Users, groups and companies
    registry.add(QStringLiteral("FrmUsuario"),
                 [s](const QString &node) -> QWidget * { return new FrmUsuario(*s, node); });
    registry.add(QStringLiteral("FrmGrupoUsuario"),
                 [s](const QString &node) -> QWidget * { return new FrmGrupoUsuario(*s, node); });
    registry.add(QStringLiteral("frmEmpresaUsuario"),
                 [s](const QString &node) -> QWidget * { return new frmEmpresaUsuario(*s, node); });
    registry.add(QStringLiteral("frmCrearEmpresa"),
                 [s](const QString &node) -> QWidget * { return new frmCrearEmpresa(*s, node); });
    // Parameters and chart of accounts
    registry.add(QStringLiteral("frmParametros"),
                 [s](const QString &node) -> QWidget * { return new frmParametros(*s, node); });
    registry.add(QStringLiteral("frmCuentaContable"),
                 [s](const QString &node) -> QWidget * { return new frmCuentaContable(*s, node); });
    registry.add(QStringLiteral("frmCuentaContableLinea"), [s](const QString &node) -> QWidget * {
        return new frmCuentaContableLinea(*s, node);
    });
    // Third parties and the small master tables
    registry.add(QStringLiteral("frmTercero"),
                 [s](const QString &node) -> QWidget * { return new frmTercero(*s, node); });
    registry.add(QStringLiteral("frmContribuyente"),
                 [s](const QString &node) -> QWidget * { return new frmContribuyente(*s, node); });
    registry.add(QStringLiteral("frmCentroCosto"),
                 [s](const QString &node) -> QWidget * { return new frmCentroCosto(*s, node); });
    registry.add(QStringLiteral("frmDocumento"),
                 [s](const QString &node) -> QWidget * { return new frmDocumento(*s, node); });
    registry.add(QStringLiteral("frmConcepto"),
                 [s](const QString &node) -> QWidget * { return new frmConcepto(*s, node); });
    registry.add(QStringLiteral("frmCorregirTercero"), [s](const QString &node) -> QWidget * {
        return new frmCorregirTercero(*s, node);
    });
    registry.add(QStringLiteral("frmComprobante"),
                 [s](const QString &node) -> QWidget * { return new frmComprobante(*s, node); });
    registry.add(
        QStringLiteral("frmCorrelativoComprobante"),
        [s](const QString &node) -> QWidget * { return new frmCorrelativoComprobante(*s, node); });
    registry.add(QStringLiteral("frmAnularComprobante"), [s](const QString &node) -> QWidget * {
        return new frmAnularComprobante(*s, node);
    });
    registry.add(QStringLiteral("frmCorregirMovimiento"), [s](const QString &node) -> QWidget * {
        return new frmCorregirMovimiento(*s, node);
    });
    registry.add(QStringLiteral("frmRegistro"),
                 [s](const QString &node) -> QWidget * { return new frmRegistro(*s, node); });
    registry.add(QStringLiteral("frmComprobantesPendientes"),
                 [s](const QString &) -> QWidget * { return new frmComprobantesPendientes(*s); });
    // Financial reports
    registry.add(QStringLiteral("frmRepBalancedePrueba"), [s](const QString &node) -> QWidget * {
        return new frmRepBalancedePrueba(*s, node);
    });
    // One window for the balance sheet and the comparative one, told apart by the option mode.
    registry.add(QStringLiteral("frmRepBalanceGeneral"), [s](const QString &node) -> QWidget * {
        return new frmRepBalanceGeneral(*s, node);
    });
    registry.add(QStringLiteral("frmRepPerdidasyGanancias"), [s](const QString &node) -> QWidget * {
        return new frmRepPerdidasyGanancias(*s, node);
    });
    // One window for the auxiliary book and the balances by third party, told apart by the
    // option mode.
    registry.add(QStringLiteral("frmRepLibroAuxiliar"), [s](const QString &node) -> QWidget * {
        return new frmRepLibroAuxiliar(*s, node);
    });
    registry.add(QStringLiteral("frmRepLibroAuxiliarAnalitico"),
                 [s](const QString &node) -> QWidget * {
                     return new frmRepLibroAuxiliarAnalitico(*s, node);
                 });
    registry.add(QStringLiteral("frmRepLibroAuxiliarDetallado"),
                 [s](const QString &node) -> QWidget * {
                     return new frmRepLibroAuxiliarDetallado(*s, node);
                 });
    registry.add(QStringLiteral("frmRepLibroAuxiliarIva"), [s](const QString &node) -> QWidget * {
        return new frmRepLibroAuxiliarIva(*s, node);
    });
    // Banking
    registry.add(QStringLiteral("frmFormatosCheques"), [s](const QString &node) -> QWidget * {
        return new frmFormatosCheques(*s, node);
    });
    registry.add(QStringLiteral("frmChequesBancos"),
                 [s](const QString &node) -> QWidget * { return new frmChequesBancos(*s, node); });
    // Journal, general ledger, page numbering and the exported auxiliary book
    registry.add(QStringLiteral("frmRepLibroDiario"), [s](const QString &node) -> QWidget * {
        return new frmRepLibroDiario(*s, node);
    });
    registry.add(QStringLiteral("frmRepMayorAnalitico"), [s](const QString &node) -> QWidget * {
        return new frmRepMayorAnalitico(*s, node);
    });
    registry.add(QStringLiteral("frmFoliadoDeLibro"), [s](const QString &node) -> QWidget * {
        return new frmFoliadoDeLibro(*s, node);
    });
    registry.add(QStringLiteral("frmExpLibroAuxiliarDetallado"),
                 [s](const QString &node) -> QWidget * {
                     return new frmExpLibroAuxiliarDetallado(*s, node);
                 });
    registry.add(QStringLiteral("frmCambiarClave"),
                 [s](const QString &) -> QWidget * { return new frmCambiarClave(*s); });
}

void InstallDisbursementWindow(QWidget *parent)
{
    if (!parent) {
        ApprovedVoucherPrint::setDisbursementWindow({});
        return;
    }
    ApprovedVoucherPrint::setDisbursementWindow(
        [parent](Session &session, const VoucherToPrint &voucher) {
            // Not modal: the previews it opens must take the user's clicks while it stays open.
            auto *window = new frmImprimirComprobanteEgreso(session, voucher, session.reports,
                                                            parent);
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->show();
        });
}
