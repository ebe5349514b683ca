#pragma once

#include "common/ui/ChildWindow.h"
#include "reports/AuxiliaryBookExport.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;

// "Exportar Auxiliar Anual Detallado": a range of months of one year, account and third-party
// ranges and "Consolidado"; the approve button asks for a file and writes the book to it.
class frmExpLibroAuxiliarDetallado : public ChildWindow
{
    Q_OBJECT
public:
    explicit frmExpLibroAuxiliarDetallado(
        Session &session, const QString &node = QStringLiteral("mnu_exportarauxiliar"),
        QWidget *parent = nullptr);

    QComboBox *cmbDesde = nullptr;
    QComboBox *cmbHasta = nullptr;
    QLineEdit *txtAno = nullptr;
    QLineEdit *txtDesdeCta = nullptr;
    QLineEdit *txtHastaCta = nullptr;
    QLineEdit *txtDesdeTerc = nullptr;
    QLineEdit *txtHastaTerc = nullptr;
    QCheckBox *chkConsolidado = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

    // Where the file goes: the save dialog in the application; empty when cancelled.
    std::function<QString()> chooseFile;
    // Opens the written file: the desktop's "Open" in the application.
    AuxiliaryBookExport::Opener openFile;

    static inline const QString ThirdPartyLookupQuery =
        QStringLiteral("SELECT Codigo, Nombre FROM TERCERO WHERE Codigo <> '*' AND Codigo LIKE ? "
                       "ORDER BY Codigo");

public slots:
    // Checks the fields, asks for the file and writes it.
    void exportar();

protected:
    void onAprobar() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AuxiliaryExportOptions options() const;
    void lookUp(QLineEdit *field);
};
