#pragma once

#include "common/ui/ChildWindow.h"

class QLineEdit;

// The system's name, description and version.
class FrmSistema : public ChildWindow
{
    Q_OBJECT
public:
    FrmSistema(Session &session, const QString &nodeCode, QWidget *parent = nullptr);

    QLineEdit *txtNombre = nullptr;
    QLineEdit *txtDescripcion = nullptr;
    QLineEdit *txtVersion = nullptr;

protected:
    void onNuevo() override;
    void onModificar() override;
    bool onEliminar() override;
    void onCancelar() override;
    bool onGuardar() override;
    bool isRecordList() const override { return true; }
    bool hasRecords() const override;
    void RefreshRecord() override;

private:
    void setEditing(bool editing);
};
