#include "reports/ui/frmRepLibroAuxiliarDetallado.h"

frmRepLibroAuxiliarDetallado::frmRepLibroAuxiliarDetallado(Session &session, const QString &node,
                                                           QWidget *parent)
    : frmRepLibroAuxiliarAnalitico(session, node, parent, AuxiliaryBookReport::Kind::AnnualDetailed,
                                   QStringLiteral("Libros Auxiliares (Anual Detallado)"))
{
    setObjectName(QStringLiteral("frmRepLibroAuxiliarDetallado"));
}
