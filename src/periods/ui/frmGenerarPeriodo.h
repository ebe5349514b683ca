#pragma once

#include "common/ui/ChildWindow.h"
#include "periods/PeriodGeneration.h"

#include <QDate>

class QLabel;
class QLineEdit;
class QProgressBar;

// "Generar Periodo": prepares the year typed on "Aprobar".
class frmGenerarPeriodo : public ChildWindow
{
    Q_OBJECT
public:
    // `today` stands in for the calendar in tests; a null date means the real one.
    explicit frmGenerarPeriodo(Session &session, const QString &node = PeriodGeneration::NodeCode,
                               QWidget *parent = nullptr, QDate today = {});

    QLineEdit *txtAno = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *lblMensaje = nullptr;

protected:
    void onAprobar() override;

private:
    QDate m_today;
};
