#pragma once

#include "vouchers/entry/LineEditor.h"

#include <QWidget>
#include <functional>
#include <optional>

class AmountEdit;
class CatalogPicker;
class CodeLookupEdit;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QTableWidget;
class QVBoxLayout;
struct Session;

// The line editor, the grid of a work area and its totals, as the voucher entry window and
// the consolidation window both show them. It shows a LineEditor and forwards what is typed
// to it; the windows own the header and the toolbar.
class LineEntryPanel : public QWidget
{
    Q_OBJECT
public:
    LineEntryPanel(Session &session, LineEditor &editor, QWidget *parent = nullptr);

    // Seams for the dialogs the panel opens (tests answer them without a window).
    using AssetDialog = std::function<std::optional<AssetData>(const AssetData &proposal)>;
    using RateDialog = std::function<std::optional<std::pair<Rate, Money>>(Rate, Money)>;
    using PartyDialog = std::function<QString(const QString &code)>;
    void setAssetDialog(AssetDialog dialog) { m_assetDialog = std::move(dialog); }
    void setRateDialog(RateDialog dialog) { m_rateDialog = std::move(dialog); }
    void setPartyDialog(PartyDialog dialog) { m_partyDialog = std::move(dialog); }
    void setCatalogPicker(CatalogPicker *picker);
    CatalogPicker *catalogPicker() const { return m_picker; }

    QLabel *lblLinea = nullptr;
    CodeLookupEdit *txtCuenta = nullptr;
    CodeLookupEdit *txtTercero = nullptr;
    CodeLookupEdit *txtTipoDocumento = nullptr;
    QLineEdit *txtDocumento = nullptr;
    QLineEdit *txtDocumento2 = nullptr;
    QLineEdit *txtDocumento3 = nullptr;
    QComboBox *cmbTipo = nullptr;
    QComboBox *cmbDestino = nullptr;
    QLineEdit *txtFechaDoc = nullptr;
    CodeLookupEdit *txtConcepto = nullptr;
    QLineEdit *txtDescripcion = nullptr;
    AmountEdit *txtDebito = nullptr;
    AmountEdit *txtCredito = nullptr;
    QTableWidget *sprRegistro = nullptr;
    QLabel *lblTotalDebito = nullptr;
    QLabel *lblTotalCredito = nullptr;
    QLabel *lblDiferencia = nullptr;
    // The row of the totals, where a window may add its own buttons.
    QHBoxLayout *totalsRow = nullptr;

    // Model → panel.
    void showModel();
    void showLine();
    void applyFields();
    // Panel → model, for the fields that are not checked on their own.
    void readLine();
    // False for the header's fields, which the window owns.
    bool focusField(EntryField field);
    // The group of the grid's selected row; 0 when none.
    int selectedGroup() const;
    // The open-documents lookup of the number field (F2).
    void lookupOpenDocuments();

signals:
    // The line changed under the window (an account or third party taken).
    void changed();
    // A double click on a grid row.
    void modifyRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLineEditor();
    void buildGrid();
    void connectLookups();
    void accountTaken();

    Session &m_session;
    LineEditor &m_editor;
    QVBoxLayout *m_layout = nullptr;
    CatalogPicker *m_picker = nullptr;
    AssetDialog m_assetDialog;
    RateDialog m_rateDialog;
    PartyDialog m_partyDialog;
};
