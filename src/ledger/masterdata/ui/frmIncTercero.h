#pragma once

#include "ledger/masterdata/PartyQuickAdd.h"

#include <QDialog>
#include <optional>

class MaintenanceForm;
class QAction;
class QToolBar;

// "Tercero": adds a third party from inside movement entry and hands it back to the window
// that opened it. Its own toolbar saves, clears and leaves.
class frmIncTercero : public QDialog
{
    Q_OBJECT
public:
    // `code` is the code the user typed in the entry window, when there was one.
    explicit frmIncTercero(Session &session, const QString &code = {}, QWidget *parent = nullptr);
    ~frmIncTercero() override;

    MaintenanceForm *form() const { return m_form; }
    QToolBar *tlbregistro = nullptr;
    QAction *button(const QString &key) const;

    // The third party saved, once the dialog has saved one.
    const std::optional<NewParty> &tercero() const { return m_party; }

    void Guardar();
    void Cancelar();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Session &m_session;
    PartyQuickAdd m_service;
    MaintenanceForm *m_form = nullptr;
    std::optional<NewParty> m_party;
};
