#pragma once

#include "common/ui/ChildWindow.h"

class QLabel;
class QLineEdit;
class QProgressBar;

// "Foliado de Libros": the book's name and its first and last page; the print button lays
// out one numbered page per number, the bar following the pages as they are made.
class frmFoliadoDeLibro : public ChildWindow
{
    Q_OBJECT
public:
    explicit frmFoliadoDeLibro(Session &session,
                               const QString &node = QStringLiteral("mnu_foliado"),
                               QWidget *parent = nullptr);

    QLineEdit *TxtLibro = nullptr;
    QLineEdit *TxtInicial = nullptr;
    QLineEdit *TxtFinal = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *lblFoliando = nullptr;

public slots:
    // Checks the numbers and runs the report; what the print button does.
    void imprimir();

protected:
    void onImprimir() override;
};
