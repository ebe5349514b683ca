#include "common/grid/ui/frmCmdDlgSpr.h"

#include "common/Prompter.h"
#include "common/grid/GridModel.h"
#include "common/grid/ui/clsSpread.h"
#include "common/ui/AcceptCancelButtons.h"
#include "platform/DbError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QString captionOf(frmCmdDlgSpr::Mode mode)
{
    switch (mode) {
    case frmCmdDlgSpr::Mode::GoToRow:
        return QStringLiteral("Ir a fila");
    case frmCmdDlgSpr::Mode::FindValue:
        return QStringLiteral("Buscar valor");
    case frmCmdDlgSpr::Mode::SortRows:
        return QStringLiteral("Ordenar filas");
    case frmCmdDlgSpr::Mode::ShowHideColumns:
        return QStringLiteral("Ocultar/Mostrar columnas");
    }
    return {};
}
} // namespace

frmCmdDlgSpr::frmCmdDlgSpr(Mode mode, clsSpread &grid, QWidget *parent)
    : QDialog(parent)
    , m_mode(mode)
    , m_grid(grid)
{
    setObjectName(QStringLiteral("frmCmdDlgSpr"));
    setWindowTitle(captionOf(mode));
    auto *layout = new QVBoxLayout(this);
    switch (mode) {
    case Mode::GoToRow:
        buildGoToRow();
        break;
    case Mode::FindValue:
        buildFindValue();
        break;
    case Mode::SortRows:
        buildSortRows();
        break;
    case Mode::ShowHideColumns:
        buildShowHideColumns();
        break;
    }
    layout->addWidget(m_body);
    QDialogButtonBox *buttons = AcceptCancelButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmCmdDlgSpr::aceptar);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

QComboBox *frmCmdDlgSpr::columnBox(bool withNone)
{
    auto *box = new QComboBox(m_body);
    if (withNone)
        box->addItem(QString(), -1);
    const GridModel *rows = m_grid.OrigenDeLosDatosSpread();
    if (rows)
        for (int c : m_grid.shownColumns())
            box->addItem(rows->headerData(c, Qt::Horizontal).toString(), c);
    return box;
}

void frmCmdDlgSpr::buildGoToRow()
{
    m_body = new QWidget(this);
    auto *form = new QFormLayout(m_body);
    form->setContentsMargins(0, 0, 0, 0);
    txtFila = new QSpinBox(m_body);
    const GridModel *rows = m_grid.OrigenDeLosDatosSpread();
    const int total = rows ? rows->totalRows() : 0;
    txtFila->setRange(total > 0 ? 1 : 0, total);
    const int current = m_grid.NombreSpreadACargar()->currentIndex().row();
    txtFila->setValue(current >= 0 ? current + 1 : txtFila->minimum());
    txtFila->setEnabled(total > 0);
    form->addRow(QStringLiteral("Fila:"), txtFila);
}

void frmCmdDlgSpr::buildFindValue()
{
    m_body = new QWidget(this);
    auto *form = new QFormLayout(m_body);
    form->setContentsMargins(0, 0, 0, 0);
    cmbColumna = columnBox(false);
    const int current = m_grid.NombreSpreadACargar()->currentIndex().column();
    const int at = cmbColumna->findData(current);
    if (at >= 0)
        cmbColumna->setCurrentIndex(at);
    txtValor = new QLineEdit(m_body);
    optValorCompleto = new QRadioButton(QStringLiteral("Valor completo"), m_body);
    optParteValor = new QRadioButton(QStringLiteral("Parte del valor"), m_body);
    optParteValor->setChecked(true);
    auto *modes = new QHBoxLayout;
    modes->addWidget(optValorCompleto);
    modes->addWidget(optParteValor);
    modes->addStretch();
    form->addRow(QStringLiteral("Columna:"), cmbColumna);
    form->addRow(QStringLiteral("Valor:"), txtValor);
    form->addRow(QString(), modes);
}

void frmCmdDlgSpr::buildSortRows()
{
    m_body = new QWidget(this);
    auto *form = new QFormLayout(m_body);
    form->setContentsMargins(0, 0, 0, 0);
    for (int level = 0; level < SortLevels; ++level) {
        QComboBox *column = columnBox(true);
        auto *direction = new QComboBox(m_body);
        direction->addItem(QStringLiteral("Ascendente"), false);
        direction->addItem(QStringLiteral("Descendente"), true);
        auto *row = new QHBoxLayout;
        row->addWidget(column, 1);
        row->addWidget(direction);
        form->addRow(level == 0 ? QStringLiteral("Ordenar por:") : QStringLiteral("Luego por:"),
                     row);
        cmbOrdenColumna << column;
        cmbOrdenDireccion << direction;
    }
}

void frmCmdDlgSpr::buildShowHideColumns()
{
    auto *area = new QScrollArea(this);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    auto *inner = new QWidget(area);
    auto *list = new QVBoxLayout(inner);
    const GridModel *rows = m_grid.OrigenDeLosDatosSpread();
    const QList<int> shown = m_grid.shownColumns();
    if (rows)
        for (int c : m_grid.userColumns()) {
            auto *box = new QCheckBox(rows->headerData(c, Qt::Horizontal).toString(), inner);
            box->setChecked(shown.contains(c));
            box->setProperty("column", c);
            list->addWidget(box);
            chkColumnas << box;
        }
    list->addStretch();
    area->setWidget(inner);
    m_body = area;
}

void frmCmdDlgSpr::aceptar()
{
    try {
        switch (m_mode) {
        case Mode::GoToRow:
            if (txtFila->value() > 0)
                m_grid.goToRow(txtFila->value());
            accept();
            return;
        case Mode::FindValue: {
            if (cmbColumna->currentIndex() < 0)
                return;
            const FindMode mode =
                optValorCompleto->isChecked() ? FindMode::WholeValue : FindMode::PartOfValue;
            if (m_grid.findValue(cmbColumna->currentData().toInt(), mode, txtValor->text()))
                accept();
            else
                txtValor->selectAll();
            return;
        }
        case Mode::SortRows: {
            QList<SortLevel> levels;
            for (int i = 0; i < cmbOrdenColumna.size(); ++i) {
                const int column = cmbOrdenColumna[i]->currentData().toInt();
                if (column >= 0)
                    levels << SortLevel{column, cmbOrdenDireccion[i]->currentData().toBool()};
            }
            m_grid.applySort(levels);
            accept();
            return;
        }
        case Mode::ShowHideColumns:
            for (QCheckBox *box : chkColumnas)
                m_grid.setColumnShown(box->property("column").toInt(), box->isChecked());
            accept();
            return;
        }
    } catch (const DbError &e) {
        m_grid.prompter().error(e.userText());
    }
}
