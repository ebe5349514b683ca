#pragma once

#include <QDialog>

class CodeLookupEdit;
class QLineEdit;
class QPushButton;
struct Session;

// Adds a product line with its sales account in one step, from wherever a line is missing.
class frmIncCuentaContableLinea : public QDialog
{
    Q_OBJECT
public:
    explicit frmIncCuentaContableLinea(Session &session, const QString &lineCode = {},
                                       QWidget *parent = nullptr);

    QLineEdit *txtCodigoLinea = nullptr;
    QLineEdit *txtNombre = nullptr;
    CodeLookupEdit *txtCuenta = nullptr;
    QPushButton *cmdAceptar = nullptr;
    QPushButton *cmdCancelar = nullptr;

public slots:
    // Writes the line; the dialog closes when it was written.
    void save();

private:
    Session &m_session;
};
