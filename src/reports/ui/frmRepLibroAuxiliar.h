#pragma once

#include "reports/ui/AuxiliaryBookWindow.h"

// "Libro Auxiliar" (option mode 1) or "Saldos por Terceros" (option mode 3): month, year,
// account and third-party ranges and the consolidated box; the print button runs the book.
class frmRepLibroAuxiliar : public AuxiliaryBookWindow
{
    Q_OBJECT
public:
    static constexpr qint8 PartyBalancesMode = 3;

    explicit frmRepLibroAuxiliar(Session &session,
                                 const QString &node = QStringLiteral("mnu_auxiliar"),
                                 QWidget *parent = nullptr);

    bool partyBalances() const { return m_partyBalances; }

    QComboBox *cmbMes = nullptr;
    QLineEdit *txtAno = nullptr;

public slots:
    void imprimir();

protected:
    void onImprimir() override { imprimir(); }

private:
    const bool m_partyBalances;
};
