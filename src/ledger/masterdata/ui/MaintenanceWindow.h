#pragma once

#include "common/ui/ChildWindow.h"
#include "ledger/masterdata/TableMaintenance.h"

#include <memory>

class CatalogPicker;
class MaintenanceForm;
class QTableWidget;
class ReportOutput;

// The maintenance window of a small master table: the list of its rows beside the fields
// of the chosen one, and the record toolbar's operations handed to the table's service.
// Each table's window only names its service.
class MaintenanceWindow : public ChildWindow
{
    Q_OBJECT
public:
    MaintenanceWindow(Session &session, const QString &nodeCode,
                      std::unique_ptr<TableMaintenance> service, QWidget *parent = nullptr);
    ~MaintenanceWindow() override;

    TableMaintenance &service() const { return *m_service; }
    MaintenanceForm *form() const { return m_form; }
    QTableWidget *grdLista = nullptr;

    QString currentCode() const { return m_current; }
    // Shows the row with `code` (the first row when there is none).
    void showCode(const QString &code);

    // Where listings and lookups go; the workstation's preview and frmCatalogo unless set.
    void setReportOutput(ReportOutput *output) { m_output = output; }
    void setCatalogPicker(CatalogPicker *picker) { m_picker = picker; }

protected:
    void onNuevo() override;
    void onModificar() override;
    bool onEliminar() override;
    void onBuscar() override;
    void onImprimir() override;
    void onCancelar() override;
    bool onGuardar() override;
    bool isRecordList() const override { return true; }
    QString recordToDelete() const override;
    bool hasRecords() const override;
    void RefreshRecord() override;

private:
    void loadList();
    void setEditing(bool editing, bool keyEditable = false);
    void pickAccount(const QString &column);
    CatalogPicker &picker();
    ReportOutput &output();

    std::unique_ptr<TableMaintenance> m_service;
    MaintenanceForm *m_form = nullptr;
    QString m_current;
    int m_currentRow = -1;
    bool m_adding = false;
    std::unique_ptr<CatalogPicker> m_ownPicker;
    std::unique_ptr<ReportOutput> m_ownOutput;
    CatalogPicker *m_picker = nullptr;
    ReportOutput *m_output = nullptr;
};
