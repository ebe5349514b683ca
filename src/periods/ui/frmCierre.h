#pragma once

#include "common/ui/ChildWindow.h"
#include "periods/ClosingRun.h"

#include <QDate>

class QComboBox;
class QLineEdit;
class QPushButton;

// "Cierre del Ejercicio": closes the fiscal year that follows the last closed one.
class frmCierre : public ChildWindow
{
    Q_OBJECT
public:
    // `today` stands in for the calendar in tests; a null date means the real one.
    explicit frmCierre(Session &session, const QString &node = ClosingRun::NodeCode,
                       QWidget *parent = nullptr, QDate today = {});

    QComboBox *cmbMes = nullptr;
    QLineEdit *txtAno = nullptr;
    QPushButton *cmdReabrir = nullptr;

    // False when the opening checks refused: the window is closing itself.
    bool opened() const { return m_opened; }

protected:
    void onAprobar() override;

private:
    void showYear();

    ClosingRun m_run;
    bool m_opened = false;
};
