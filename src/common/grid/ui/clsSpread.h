#pragma once

#include "common/grid/GridFind.h"
#include "common/grid/GridModel.h"
#include "common/grid/GridStatement.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <functional>
#include <memory>

class Db;
class GridDelegate;
class Prompter;
class QAbstractItemModel;
class QAction;
class QTableView;

// The helper behind every grid window: shows a statement's rows in a QTableView the way all
// grids of the system look, and gives the grid the shared utilities (sort, find, go to row,
// show or hide columns, export, print).
class clsSpread : public QObject
{
    Q_OBJECT
public:
    // Asks where to save; empty when the user cancels.
    using SaveFileChooser = std::function<QString(QWidget *parent, const QString &title,
                                                  const QString &filter, const QString &suffix)>;
    // Prints rows under a title; the report engine provides it.
    using GridPrinter =
        std::function<void(QWidget *parent, const QAbstractItemModel &rows, const QString &title)>;

    clsSpread(QTableView *grid, Prompter &prompter, QObject *parent = nullptr);
    ~clsSpread() override;

    // The grid control.
    QTableView *NombreSpreadACargar() const { return m_grid; }
    // The rows to show; not owned.
    GridModel *OrigenDeLosDatosSpread() const { return m_rows; }
    void setOrigenDeLosDatosSpread(GridModel *rows);

    // Shows the rows: one column per field headed by its name, "~HDN" columns hidden, the
    // "Status" column drawn as a state, cell types by field type, Arial.
    void CargarDataDesdeCatalogo();
    // Runs `sql` into rows the helper keeps, and shows them. Throws DbError.
    void CargarDataDesdeCatalogo(Db &db, const QString &sql, const QVariantList &params = {});

    // Cell types by field type: numbers right-aligned, flags as check boxes, text.
    void FormatoColSpread7();
    // Width of a column in average characters of the grid's font.
    void CambiarAnchoSpread(int column, int characters);
    // Widths of the columns from the first one on.
    void CambiarAnchoSpread(const QList<int> &characters);
    void OcultarColumnaSpread(int column, bool hidden = true);
    void MostrarListaDesplegable(int column, const QStringList &items);
    void MostrarCheckBox(int column);
    void CambiarColAFecha(int column);

    // The grid utilities; the first four ask in frmCmdDlgSpr.
    void SortRows();
    void FindValue();
    void GoToRow();
    void ShowHideColumns();
    // Saves the shown columns of every row as tab-delimited text where the user chooses
    // ("txt" when no extension is given). False when cancelled or not written.
    bool ExportGrid(const QString &extension = QStringLiteral("txt"));
    // Prints the shown columns under `title` through the grid printer; does nothing until
    // the application has installed one.
    void PrintGrid(const QString &title);
    // Paints the background of the cells (row, column)-(row2, column2), counted from 0.
    void ColorBlock(int row, int column, int row2, int column2, const QColor &colour);

    // What the dialog's answers do.
    void applySort(const QList<SortLevel> &levels);
    // Searches from the current row on and moves there; the not-found message otherwise.
    // False also for a column whose type is not searched.
    bool findValue(int column, FindMode mode, const QString &value);
    // Moves to row `number`, counted from 1.
    bool goToRow(int number);
    void setColumnShown(int column, bool shown);

    // Columns the user may see or choose: all but the "~HDN" ones.
    QList<int> userColumns() const;
    // Of those, the ones shown now.
    QList<int> shownColumns() const;
    Prompter &prompter() const { return m_prompter; }

    // Right-click entries and keys of the grid: "OrdenarF", "BuscarV", "IrAFila", "Ocultar",
    // "Exportar", "Imprimir". Their keys work anywhere inside `scope` (the grid by default).
    void addGridActions(QWidget *scope = nullptr);
    QAction *gridAction(const QString &name) const;
    // Title that "Imprimir" prints under; the window's caption when empty.
    void setPrintTitle(const QString &title) { m_printTitle = title; }

    void setSaveFileChooser(SaveFileChooser chooser) { m_chooseFile = std::move(chooser); }
    static void setGridPrinter(GridPrinter printer);
    static bool hasGridPrinter();

    static inline const QString NotFoundMessage =
        QStringLiteral("No existe ningún valor similar al\nelemento buscado.");

private:
    void reapplyColumns();
    void moveTo(int row, int column);

    QTableView *m_grid;
    Prompter &m_prompter;
    QPointer<GridModel> m_rows;
    std::unique_ptr<GridModel> m_ownedRows;
    GridDelegate *m_delegate;
    QSet<int> m_userHidden;
    QString m_printTitle;
    SaveFileChooser m_chooseFile;
    QList<QAction *> m_actions;
};
