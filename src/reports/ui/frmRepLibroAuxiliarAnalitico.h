#pragma once

#include "reports/AuxiliaryBookReport.h"
#include "reports/ui/AuxiliaryBookWindow.h"

// "Libros Auxiliares (Anual)": the auxiliary book from a first to a last month of one year,
// inside one fiscal year; the print button runs it.
class frmRepLibroAuxiliarAnalitico : public AuxiliaryBookWindow
{
    Q_OBJECT
public:
    explicit frmRepLibroAuxiliarAnalitico(
        Session &session, const QString &node = QStringLiteral("mnu_auxiliaranalitico"),
        QWidget *parent = nullptr);

    QComboBox *cmbDesde = nullptr;
    QComboBox *cmbHasta = nullptr;
    QLineEdit *txtAno = nullptr;

public slots:
    void imprimir();

protected:
    // For the detailed book, which differs only in its layout and caption.
    frmRepLibroAuxiliarAnalitico(Session &session, const QString &node, QWidget *parent,
                                 AuxiliaryBookReport::Kind kind, const QString &caption);
    void onImprimir() override { imprimir(); }

private:
    const AuxiliaryBookReport::Kind m_kind;
};
