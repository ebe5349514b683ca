#pragma once

#include "common/ui/YearGridWindow.h"
#include "periods/PeriodBlocking.h"

#include <QDate>
#include <QModelIndex>

class PeriodBlockingModel;
class QMenu;
class QTableView;

// "Bloquear Periodos": which months of a year each company may still post to.
class frmBloquearPeriodos : public YearGridWindow
{
    Q_OBJECT
public:
    explicit frmBloquearPeriodos(Session &session, const QString &node = PeriodBlocking::NodeCode,
                                 QWidget *parent = nullptr, QDate today = {});

    QTableView *SpreadBloquear = nullptr;

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

private:
    void showMenu(const QPoint &pos);

    PeriodBlockingModel *m_model = nullptr;
    QMenu *m_menu = nullptr;
    QModelIndex m_menuCell;
};
