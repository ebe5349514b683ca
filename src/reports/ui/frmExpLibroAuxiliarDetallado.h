#pragma once

#include "reports/AuxiliaryBookExport.h"
#include "reports/ui/AuxiliaryBookWindow.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QProgressBar;

// "Exportar Auxiliar Anual Detallado": a range of months of one year, account and third-party
// ranges and "Consolidado"; the approve button asks for a file and writes the book to it.
class frmExpLibroAuxiliarDetallado : public AuxiliaryBookWindow
{
    Q_OBJECT
public:
    explicit frmExpLibroAuxiliarDetallado(
        Session &session, const QString &node = QStringLiteral("mnu_exportarauxiliar"),
        QWidget *parent = nullptr);

    QComboBox *cmbDesde = nullptr;
    QComboBox *cmbHasta = nullptr;
    QLineEdit *txtAno = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

    // Where the file goes: the save dialog in the application; empty when cancelled.
    std::function<QString()> chooseFile;
    // Opens the written file: the desktop's "Open" in the application.
    AuxiliaryBookExport::Opener openFile;


public slots:
    // Checks the fields, asks for the file and writes it.
    void exportar();

protected:
    void onAprobar() override;

private:
    AuxiliaryExportOptions options() const;
};
