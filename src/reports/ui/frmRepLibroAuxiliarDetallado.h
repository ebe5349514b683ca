#pragma once

#include "reports/ui/frmRepLibroAuxiliarAnalitico.h"

// "Libros Auxiliares (Anual Detallado)": the annual book with every column of the line.
class frmRepLibroAuxiliarDetallado : public frmRepLibroAuxiliarAnalitico
{
    Q_OBJECT
public:
    explicit frmRepLibroAuxiliarDetallado(
        Session &session, const QString &node = QStringLiteral("mnu_auxiliardetallado"),
        QWidget *parent = nullptr);
};
