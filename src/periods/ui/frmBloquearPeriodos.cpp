#include "periods/ui/frmBloquearPeriodos.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "periods/PeriodBlocking.h"
#include "periods/PeriodBlockingModel.h"
#include "platform/DbError.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableView>

frmBloquearPeriodos::frmBloquearPeriodos(Session &session, const QString &node, QWidget *parent,
                                         QDate today)
    : ChildWindow(session, node, parent)
{
    setObjectName(QStringLiteral("frmBloquearPeriodos"));
    setWindowTitle(QStringLiteral("Bloquear Periodos"));

    cmbEmpresa = new QComboBox(this);
    cmbEmpresa->setObjectName(QStringLiteral("cmbEmpresa"));
    cmbEmpresa->setMinimumWidth(280);
    txtAno = new QSpinBox(this);
    txtAno->setObjectName(QStringLiteral("txtAno"));
    txtAno->setRange(0, 9999);
    // A year is read once it is complete, not after every digit.
    txtAno->setKeyboardTracking(false);
    txtAno->setValue((today.isValid() ? today : QDate::currentDate()).year());

    m_model = new PeriodBlockingModel(this);
    SpreadBloquear = new QTableView(this);
    SpreadBloquear->setObjectName(QStringLiteral("SpreadBloquear"));
    SpreadBloquear->setModel(m_model);
    SpreadBloquear->setSelectionMode(QAbstractItemView::SingleSelection);
    SpreadBloquear->verticalHeader()->setVisible(false);
    SpreadBloquear->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    SpreadBloquear->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
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

    lblMensaje = new QLabel(this);
    lblMensaje->setObjectName(QStringLiteral("lblMensaje"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setVisible(false);

    auto *head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("Empresa:"), this));
    head->addWidget(cmbEmpresa);
    head->addSpacing(16);
    head->addWidget(new QLabel(QStringLiteral("Año:"), this));
    head->addWidget(txtAno);
    head->addStretch(1);
    body()->addLayout(head);
    body()->addWidget(SpreadBloquear, 1);
    auto *foot = new QHBoxLayout;
    foot->addWidget(lblMensaje);
    foot->addWidget(ProgressBar1, 1);
    body()->addLayout(foot);
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

    LoadToolbarOptions();
    offerSave();
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
    lblMensaje->setText(QStringLiteral("Guardando la información..."));
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(true);
    auto progress = [this](int done, int total) {
        ProgressBar1->setMaximum(total);
        ProgressBar1->setValue(done);
        ProgressBar1->repaint();
    };
    lblMensaje->repaint();
    const auto result = PeriodBlocking(session(), nodeCode())
                            .save(chosenHeadOffice(), txtAno->value(), m_model->rows(), progress);
    ProgressBar1->setVisible(false);
    lblMensaje->clear();
    if (result != PeriodBlocking::Result::Saved)
        return false;
    loadGrid();
    return true;
}

void frmBloquearPeriodos::onCancelar()
{
    loadGrid();
}

void frmBloquearPeriodos::DespuesDeNavegar(int action)
{
    // The grid is always open for changes: saving or discarding keeps the save on offer.
    if (action == Guardar || action == Cancelar)
        offerSave();
}

void frmBloquearPeriodos::offerSave()
{
    for (const char *key : {"Guardar", "Cancelar"})
        if (QAction *a = button(QLatin1String(key)); a && a->isVisible())
            a->setEnabled(true);
}
