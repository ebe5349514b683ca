#include "shell/ui/frmConfRutaReporte.h"

#include "common/Prompter.h"
#include "common/ui/AcceptCancelButtons.h"
#include "shell/ReportPathConfig.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmConfRutaReporte::frmConfRutaReporte(Session &session, QString dataFolder, Prompter &prompter,
                                       QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_dataFolder(std::move(dataFolder))
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmConfRutaReporte"));
    setWindowTitle(QStringLiteral("Ruta de Reportes"));

    optReportesBaseDatos =
        new QRadioButton(QStringLiteral("Usar la ruta definida en la base de datos"), this);
    optReportesPropia =
        new QRadioButton(QStringLiteral("Usar una ruta propia de esta estación"), this);
    auto *group = new QButtonGroup(this);
    group->addButton(optReportesBaseDatos, 0);
    group->addButton(optReportesPropia, 1);
    TxtRutaReporte = new QLineEdit(this);
    auto *browseButton = new QPushButton(QStringLiteral("..."), this);
    browseButton->setObjectName(QStringLiteral("cmdExaminar"));

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(TxtRutaReporte, 1);
    pathRow->addWidget(browseButton);

    QDialogButtonBox *buttons = AcceptCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(optReportesBaseDatos);
    layout->addWidget(optReportesPropia);
    layout->addLayout(pathRow);
    layout->addWidget(buttons);

    connect(group, &QButtonGroup::idToggled, this, [this] { optionChanged(); });
    connect(browseButton, &QPushButton::clicked, this, &frmConfRutaReporte::browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmConfRutaReporte::aceptar);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const QString own =
        ReportPathConfig::read(QDir(m_dataFolder).filePath(ReportPathConfig::FileName));
    TxtRutaReporte->setText(own);
    (own.isEmpty() ? optReportesBaseDatos : optReportesPropia)->setChecked(true);
    optionChanged();
    setMinimumWidth(460);
}

void frmConfRutaReporte::optionChanged()
{
    const bool own = optReportesPropia->isChecked();
    if (!own)
        TxtRutaReporte->clear();
    TxtRutaReporte->setEnabled(own);
}

void frmConfRutaReporte::browse()
{
    const QString dir =
        QFileDialog::getExistingDirectory(this, windowTitle(), TxtRutaReporte->text());
    if (!dir.isEmpty()) {
        optReportesPropia->setChecked(true);
        TxtRutaReporte->setText(QDir::toNativeSeparators(dir));
    }
}

void frmConfRutaReporte::aceptar()
{
    if (!ReportPathConfig::Apply(m_session, m_dataFolder, TxtRutaReporte->text())) {
        m_prompter.warning(QStringLiteral("No se pudo guardar la ruta de reportes en la carpeta "
                                          "de datos %1.")
                               .arg(m_dataFolder));
        return;
    }
    accept();
}
