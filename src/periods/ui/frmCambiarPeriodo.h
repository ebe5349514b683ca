#pragma once

#include <QDate>
#include <QDialog>

class QLineEdit;
struct Session;

// "Cambiar Periodo": the user picks the month and year he will work in. Modal.
class frmCambiarPeriodo : public QDialog
{
    Q_OBJECT
public:
    // `today` stands in for the calendar in tests; a null date means the real one.
    explicit frmCambiarPeriodo(Session &session, QWidget *parent = nullptr, QDate today = {});

    QLineEdit *TxtMesNuevo = nullptr;
    QLineEdit *TxtAnoNuevo = nullptr;

public slots:
    void aceptar();

protected:
    // Enter moves from the month to the year and accepts from the year, never through the
    // dialog's default button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    Session &m_session;
    QDate m_today;
};
