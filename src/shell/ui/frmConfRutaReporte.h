#pragma once

#include <QDialog>

class Prompter;
class QLineEdit;
class QRadioButton;
struct Session;

// The workstation's own report directory (rutareporte.txt) or the database's default.
class frmConfRutaReporte : public QDialog
{
    Q_OBJECT
public:
    frmConfRutaReporte(Session &session, QString dataFolder, Prompter &prompter,
                       QWidget *parent = nullptr);

    QRadioButton *optReportesBaseDatos = nullptr;  // index 0
    QRadioButton *optReportesPropia = nullptr;     // index 1
    QLineEdit *TxtRutaReporte = nullptr;

public slots:
    void aceptar();

private:
    void optionChanged();
    void browse();

    Session &m_session;
    QString m_dataFolder;
    Prompter &m_prompter;
};
