#pragma once

#include "common/ui/ChildWindow.h"

#include <functional>

class QAbstractItemModel;
class QComboBox;
class QLabel;
class QProgressBar;
class QSpinBox;
class QTableView;

// A window over one grid for a chosen company and year: the company list, the year with its
// up/down control, the grid, and a footer with a message and a progress bar for saving. The
// grid is always open for typing; "Guardar" and "Cancelar" are offered from the first change
// (or the first cell editor opened) until the grid is saved, cancelled or reloaded.
class YearGridWindow : public ChildWindow
{
    Q_OBJECT
public:
    QComboBox *cmbEmpresa = nullptr;
    QSpinBox *txtAno = nullptr;
    QLabel *lblMensaje = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

protected:
    // `gridName` names the grid for tests and style sheets; the year starts at `year`.
    YearGridWindow(Session &session, const QString &node, QWidget *parent, int year,
                   const QString &gridName);

    QTableView *grid() const { return m_grid; }
    // The grid shows `model`; its second column (the name) takes the spare width.
    void setGridModel(QAbstractItemModel *model);
    // Shows "Guardando la información..." with the bar at 0 and returns what moves the bar.
    std::function<void(int done, int total)> beginSaving();
    // Hides the bar and puts `message` where the saving label was.
    void endSaving(const QString &message = {});
    // Called once the window is built: the toolbar is loaded, nothing to save yet.
    void finishSetup();

private:
    void startEditing();
    void stopEditing();

    QTableView *m_grid = nullptr;
};
