#pragma once

#include "common/ui/ChildWindow.h"
#include "ledger/masterdata/PartyCodeCorrection.h"

#include <memory>

class CatalogPicker;
class QLineEdit;
class QToolButton;
class QWidget;

// "Corregir Tercero": picks a third party and gives it a new code.
class frmCorregirTercero : public ChildWindow
{
    Q_OBJECT
public:
    explicit frmCorregirTercero(Session &session,
                                const QString &nodeCode = PartyCodeCorrection::NodeCode,
                                QWidget *parent = nullptr);
    ~frmCorregirTercero() override;

    QLineEdit *txtCodigo = nullptr;
    QLineEdit *txtNombre = nullptr;
    QLineEdit *TxtNuevoCodigo = nullptr;
    QWidget *fraEntrada = nullptr;

    void setCatalogPicker(CatalogPicker *picker) { m_picker = picker; }
    // Takes the typed current code: shows its name and opens the new code for typing.
    void takeCode();
    // The lookup of the current code (F2 or the button).
    void searchCode();

protected:
    void onCancelar() override;
    bool onGuardar() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void clearFields();

    PartyCodeCorrection m_correction;
    CatalogPicker *m_picker = nullptr;
    std::unique_ptr<CatalogPicker> m_ownPicker;
    QToolButton *cmdBuscar = nullptr;
};
