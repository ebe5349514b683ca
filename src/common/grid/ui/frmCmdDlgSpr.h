#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class clsSpread;

// The grid dialog: asks what to sort by, what to find, which row to go to or which columns
// to show, and has the grid helper do it.
class frmCmdDlgSpr : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { GoToRow, FindValue, SortRows, ShowHideColumns };
    static constexpr int SortLevels = 3;

    frmCmdDlgSpr(Mode mode, clsSpread &grid, QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }

    // GoToRow
    QSpinBox *txtFila = nullptr;
    // FindValue
    QComboBox *cmbColumna = nullptr;
    QLineEdit *txtValor = nullptr;
    QRadioButton *optValorCompleto = nullptr;
    QRadioButton *optParteValor = nullptr;
    // SortRows: one column and one direction per level; the first item of a column box
    // means "no level".
    QList<QComboBox *> cmbOrdenColumna;
    QList<QComboBox *> cmbOrdenDireccion;
    // ShowHideColumns: one box per column, in the grid's order.
    QList<QCheckBox *> chkColumnas;

public slots:
    void aceptar();

private:
    void buildGoToRow();
    void buildFindValue();
    void buildSortRows();
    void buildShowHideColumns();
    QComboBox *columnBox(bool withNone);

    Mode m_mode;
    clsSpread &m_grid;
    QWidget *m_body = nullptr;
};
