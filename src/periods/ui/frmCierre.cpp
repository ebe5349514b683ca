#include "periods/ui/frmCierre.h"

#include "common/Session.h"
#include "periods/YearEndClosing.h"
#include "shell/UserRights.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

frmCierre::frmCierre(Session &session, const QString &node, QWidget *parent, QDate today)
    : ChildWindow(session, node, parent)
    , m_run(session, today.isValid() ? today : QDate::currentDate(), node)
{
    setObjectName(QStringLiteral("frmCierre"));
    setWindowTitle(QStringLiteral("Cierre del Ejercicio"));

    cmbMes = new QComboBox(this);
    cmbMes->setObjectName(QStringLiteral("cmbMes"));
    const QLocale spanish(QLocale::Spanish, QLocale::Venezuela);
    for (int m = 1; m <= 12; ++m) {
        QString name = spanish.standaloneMonthName(m);
        name[0] = name[0].toUpper();
        cmbMes->addItem(name);
    }
    cmbMes->setEnabled(false);
    txtAno = new QLineEdit(this);
    txtAno->setObjectName(QStringLiteral("txtAno"));
    txtAno->setReadOnly(true);
    txtAno->setMaximumWidth(80);
    cmdReabrir = new QPushButton(QStringLiteral("Reabrir ejercicio"), this);
    cmdReabrir->setObjectName(QStringLiteral("cmdReabrir"));
    cmdReabrir->setVisible(UserRights::IsSystemsUser(session.db(), session.gUsuario));
    connect(cmdReabrir, &QPushButton::clicked, this, [this] {
        if (m_run.reopen())
            ToolbarAction(QStringLiteral("Salir"));
    });

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Mes de cierre:"), cmbMes);
    form->addRow(QStringLiteral("Año:"), txtAno);
    body()->addLayout(form);
    body()->addWidget(cmdReabrir, 0, Qt::AlignLeft);
    body()->addStretch(1);
    setMinimumWidth(360);
    showYear();

    LoadToolbarOptions();
    m_opened = m_run.mayOpen();
    if (!m_opened) {
        // Closed once the window is up, as its caller expects a window back.
        QTimer::singleShot(0, this, [this] { ToolbarAction(QStringLiteral("Salir")); });
        return;
    }
    if (QAction *approve = button(QStringLiteral("Aprobar")); approve && approve->isVisible())
        approve->setEnabled(true);
}

void frmCierre::showYear()
{
    if (m_run.month() >= 1)
        cmbMes->setCurrentIndex(m_run.month() - 1);
    txtAno->setText(m_run.fechaFinal().isValid() ? QString::number(m_run.year()) : QString());
}

void frmCierre::onAprobar()
{
    if (m_run.run() == YearEndClosing::Closed)
        ToolbarAction(QStringLiteral("Salir"));
}
