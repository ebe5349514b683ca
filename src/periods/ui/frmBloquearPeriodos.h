#pragma once

#include "common/ui/ChildWindow.h"
#include "periods/PeriodBlocking.h"

#include <QDate>
#include <QModelIndex>

class PeriodBlockingModel;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QSpinBox;
class QTableView;

// "Bloquear Periodos": which months of a year each company may still post to.
class frmBloquearPeriodos : public ChildWindow
{
    Q_OBJECT
public:
    explicit frmBloquearPeriodos(Session &session, const QString &node = PeriodBlocking::NodeCode,
                                 QWidget *parent = nullptr, QDate today = {});

    QComboBox *cmbEmpresa = nullptr;
    QSpinBox *txtAno = nullptr; // the year with its up/down control
    QTableView *SpreadBloquear = nullptr;
    QLabel *lblMensaje = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

    PeriodBlockingModel *model() const { return m_model; }
    // The head office chosen; PeriodBlocking::AllCompanies for every company.
    QString chosenHeadOffice() const;
    // The grid's context menu for a cell; its actions are named by their keys.
    QMenu *contextMenu() const { return m_menu; }
    void runMenuKey(const QString &key, const QModelIndex &cell);

public slots:
    void loadGrid();

protected:
    bool onGuardar() override;
    void onCancelar() override;
    void DespuesDeNavegar(int action) override;

private:
    void offerSave();
    void showMenu(const QPoint &pos);

    PeriodBlockingModel *m_model = nullptr;
    QMenu *m_menu = nullptr;
    QModelIndex m_menuCell;
};
