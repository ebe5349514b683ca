#include "periods/ui/frmGenerarPeriodo.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "periods/PeriodGeneration.h"
#include "platform/DbError.h"

#include <QAction>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>

frmGenerarPeriodo::frmGenerarPeriodo(Session &session, const QString &node, QWidget *parent,
                                     QDate today)
    : ChildWindow(session, node, parent)
    , m_today(today.isValid() ? today : QDate::currentDate())
{
    setObjectName(QStringLiteral("frmGenerarPeriodo"));
    setWindowTitle(QStringLiteral("Generar Periodo"));

    txtAno = new QLineEdit(this);
    txtAno->setObjectName(QStringLiteral("txtAno"));
    txtAno->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtAno));
    txtAno->setMaxLength(4);
    txtAno->setMaximumWidth(80);
    lblMensaje = new QLabel(this);
    lblMensaje->setObjectName(QStringLiteral("lblMensaje"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, PeriodGeneration::Stages);
    ProgressBar1->setVisible(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Año:"), txtAno);
    body()->addLayout(form);
    body()->addWidget(lblMensaje);
    body()->addWidget(ProgressBar1);
    body()->addStretch(1);
    setMinimumWidth(360);
    lblMensaje->setWordWrap(true);

    try {
        txtAno->setText(QString::number(PeriodGeneration(session, m_today).suggestedYear()));
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }
    LoadToolbarOptions();
    // One field: the window is as small as its toolbar and the year allow.
    adjustSize();
    if (QAction *approve = button(QStringLiteral("Aprobar")); approve && approve->isVisible())
        approve->setEnabled(true);
}

void frmGenerarPeriodo::onAprobar()
{
    PeriodGeneration generation(session(), m_today, nodeCode());
    auto progress = [this](const QString &label, int done, int total) {
        ProgressBar1->setVisible(true);
        ProgressBar1->setMaximum(total);
        ProgressBar1->setValue(done);
        if (!label.isEmpty())
            lblMensaje->setText(label);
        // Everything runs on this thread: paint now, or the steps would never be seen.
        lblMensaje->repaint();
        ProgressBar1->repaint();
    };
    const auto result = generation.GenerarPeriodo(txtAno->text(), progress);
    ProgressBar1->setVisible(false);
    lblMensaje->clear();
    if (result == PeriodGeneration::Result::Generated)
        ToolbarAction(QStringLiteral("Salir"));
    else if (result == PeriodGeneration::Result::InvalidYear)
        txtAno->setFocus();
}
