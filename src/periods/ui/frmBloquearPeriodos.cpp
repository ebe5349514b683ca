#include "periods/ui/frmBloquearPeriodos.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "periods/PeriodBlocking.h"
#include "periods/PeriodBlockingModel.h"
#include "platform/DbError.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>

frmBloquearPeriodos::frmBloquearPeriodos(Session &session, const QString &node, QWidget *parent,
                                         QDate today)
    : YearGridWindow(session, node, parent, (today.isValid() ? today : QDate::currentDate()).year(),
                     QStringLiteral("SpreadBloquear"))
{
    setObjectName(QStringLiteral("frmBloquearPeriodos"));
    setWindowTitle(QStringLiteral("Bloquear Periodos"));

    m_model = new PeriodBlockingModel(this);
    setGridModel(m_model);
    SpreadBloquear = grid();
    SpreadBloquear->setContextMenuPolicy(Qt::CustomContextMenu);

    m_menu = new QMenu(this);
    const QStringList captions{QStringLiteral("Marcar todos los meses de la empresa"),
                               QStringLiteral("Desmarcar todos los meses de la empresa"),
                               QStringLiteral("Marcar el mes en todas las empresas"),
                               QStringLiteral("Desmarcar el mes en todas las empresas")};
    for (int i = 0; i < captions.size(); ++i) {
        const QString key = PeriodBlockingModel::MenuKeys().at(i);
        QAction *a = m_menu->addAction(captions.at(i));
        a->setObjectName(key);
        connect(a, &QAction::triggered, this, [this, key] { runMenuKey(key, m_menuCell); });
    }

    resize(1000, 420);

    try {
        cmbEmpresa->addItem(QStringLiteral("0 - TODAS LAS EMPRESAS"), PeriodBlocking::AllCompanies);
        for (const auto &office : PeriodBlocking(session).headOffices())
            cmbEmpresa->addItem(office.codigo + QStringLiteral(" - ") + office.nombre,
                                office.codigo);
        const int own = cmbEmpresa->findData(session.gMatriz);
        cmbEmpresa->setCurrentIndex(own >= 0 ? own : 0);
        loadGrid();
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }

    connect(cmbEmpresa, &QComboBox::currentIndexChanged, this, &frmBloquearPeriodos::loadGrid);
    connect(txtAno, &QSpinBox::valueChanged, this, &frmBloquearPeriodos::loadGrid);
    connect(SpreadBloquear, &QWidget::customContextMenuRequested, this,
            &frmBloquearPeriodos::showMenu);

    finishSetup();
}

QString frmBloquearPeriodos::chosenHeadOffice() const
{
    return cmbEmpresa->currentIndex() < 0 ? QString() : cmbEmpresa->currentData().toString();
}

void frmBloquearPeriodos::loadGrid()
{
    const QString office = chosenHeadOffice();
    if (office.isEmpty()) {
        m_model->setRows({});
        return;
    }
    try {
        m_model->setRows(PeriodBlocking(session()).load(office, txtAno->value()));
    } catch (const DbError &e) {
        m_model->setRows({});
        session().prompt().error(e.userText());
    }
}

void frmBloquearPeriodos::runMenuKey(const QString &key, const QModelIndex &cell)
{
    m_model->applyMenuKey(key, cell);
}

void frmBloquearPeriodos::showMenu(const QPoint &pos)
{
    m_menuCell = SpreadBloquear->indexAt(pos);
    if (!m_menuCell.isValid())
        return;
    // Whole-month keys make no sense on the code and name columns.
    const bool onMonth = m_menuCell.column() >= PeriodBlockingModel::FirstMonthColumn;
    for (QAction *a : m_menu->actions())
        a->setEnabled(onMonth || !a->objectName().endsWith(QLatin1Char('2')));
    m_menu->popup(SpreadBloquear->viewport()->mapToGlobal(pos));
}

bool frmBloquearPeriodos::onGuardar()
{
    const auto progress = beginSaving();
    const auto result = PeriodBlocking(session(), nodeCode())
                            .save(chosenHeadOffice(), txtAno->value(), m_model->rows(), progress);
    endSaving();
    if (result != PeriodBlocking::Result::Saved)
        return false;
    loadGrid();
    return true;
}

void frmBloquearPeriodos::onCancelar()
{
    loadGrid();
}
