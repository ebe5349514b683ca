#include "common/ui/YearGridWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableView>

YearGridWindow::YearGridWindow(Session &session, const QString &node, QWidget *parent, int year,
                               const QString &gridName)
    : ChildWindow(session, node, parent)
{
    cmbEmpresa = new QComboBox(this);
    cmbEmpresa->setObjectName(QStringLiteral("cmbEmpresa"));
    cmbEmpresa->setMinimumWidth(300);
    txtAno = new QSpinBox(this);
    txtAno->setObjectName(QStringLiteral("txtAno"));
    txtAno->setRange(1900, 9999);
    // A year is read once it is complete, not after every digit.
    txtAno->setKeyboardTracking(false);
    txtAno->setValue(year);

    m_grid = new QTableView(this);
    m_grid->setObjectName(gridName);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setVisible(false);

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
    body()->addWidget(m_grid, 1);
    auto *foot = new QHBoxLayout;
    foot->addWidget(lblMensaje);
    foot->addWidget(ProgressBar1, 1);
    body()->addLayout(foot);
}

void YearGridWindow::setGridModel(QAbstractItemModel *model)
{
    m_grid->setModel(model);
    connect(model, &QAbstractItemModel::dataChanged, this, &YearGridWindow::startEditing);
    connect(model, &QAbstractItemModel::modelReset, this, &YearGridWindow::stopEditing);
    // A cell editor being typed in is a change on its way, so the save is offered at once:
    // the toolbar does not take the focus, and the editor hands its text over on "Guardar".
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && m_grid->viewport()->isAncestorOf(now))
            startEditing();
    });
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
}

void YearGridWindow::finishSetup()
{
    LoadToolbarOptions();
    stopEditing();
}

std::function<void(int, int)> YearGridWindow::beginSaving()
{
    lblMensaje->setText(QStringLiteral("Guardando la información..."));
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(true);
    lblMensaje->repaint();
    return [this](int done, int total) {
        ProgressBar1->setMaximum(total);
        ProgressBar1->setValue(done);
        ProgressBar1->repaint();
    };
}

void YearGridWindow::endSaving(const QString &message)
{
    ProgressBar1->setVisible(false);
    lblMensaje->setText(message);
}

void YearGridWindow::startEditing()
{
    if (editState() != 2) {
        setEditState(2);
        SetToolbarState(Editing);
    }
}

void YearGridWindow::stopEditing()
{
    setEditState(0);
    SetToolbarState(Browsing);
}
