#pragma once

#include "common/ui/ChildWindow.h"

class CodeLookupEdit;
class QLineEdit;

// "Corregir Movimiento": moves every movement of a third party to another code.
class frmCorregirMovimiento : public ChildWindow
{
    Q_OBJECT
public:
    explicit frmCorregirMovimiento(Session &session,
                                   const QString &nodeCode = QStringLiteral("mnu_corregirmovimiento"),
                                   QWidget *parent = nullptr);

    CodeLookupEdit *txtTercero = nullptr;
    QLineEdit *txtNuevoCodigo = nullptr;

protected:
    void onAprobar() override;

private:
    void enableApproval();
};
