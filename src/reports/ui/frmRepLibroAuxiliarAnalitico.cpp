#include "reports/ui/frmRepLibroAuxiliarAnalitico.h"

#include "calendar/PeriodService.h"
#include "common/Session.h"
#include "platform/DbError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The range opens on the first month of the working month's fiscal year that falls in its
// calendar year, so the window starts on a range it accepts.
int firstMonthOffered(Session &session)
{
    int closing = 12;
    try {
        closing = PeriodService(session.db()).closingMonth(session.gEmpresa, session.gMatriz);
    } catch (const DbError &) {
        // The default range is a convenience; the run checks the months again.
    }
    return closing < 12 && session.gMes > closing ? closing + 1 : 1;
}

} // namespace

frmRepLibroAuxiliarAnalitico::frmRepLibroAuxiliarAnalitico(Session &session, const QString &node,
                                                           QWidget *parent)
    : frmRepLibroAuxiliarAnalitico(session, node, parent, AuxiliaryBookReport::Kind::Annual,
                                   QStringLiteral("Libros Auxiliares (Anual)"))
{
    setObjectName(QStringLiteral("frmRepLibroAuxiliarAnalitico"));
}

frmRepLibroAuxiliarAnalitico::frmRepLibroAuxiliarAnalitico(Session &session, const QString &node,
                                                           QWidget *parent,
                                                           AuxiliaryBookReport::Kind kind,
                                                           const QString &caption)
    : AuxiliaryBookWindow(session, node, parent)
    , m_kind(kind)
{
    setWindowTitle(caption);
    cmbDesde = monthBox(QStringLiteral("cmbDesde"), firstMonthOffered(session));
    cmbHasta = monthBox(QStringLiteral("cmbHasta"), session.gMes);
    txtAno = yearField();

    auto *form = new QFormLayout;
    auto *months = new QHBoxLayout;
    months->addWidget(cmbDesde);
    months->addWidget(cmbHasta);
    months->addStretch(1);
    form->addRow(QStringLiteral("Desde / Hasta:"), months);
    form->addRow(QStringLiteral("Año:"), txtAno);
    addRangeFields(form);
    body()->addLayout(form);
    body()->addWidget(chkConsolidado);
    body()->addStretch(1);
    LoadToolbarOptions();
}

void frmRepLibroAuxiliarAnalitico::imprimir()
{
    if (!AuxiliaryBookReport::checkYear(txtAno->text(), session().prompt())) {
        txtAno->setFocus();
        return;
    }
    const int first = cmbDesde->currentIndex() + 1;
    const int last = cmbHasta->currentIndex() + 1;
    runReport([&] {
        if (!AuxiliaryBookReport::checkMonths(session(), first, last, session().prompt())) {
            cmbDesde->setFocus();
            return;
        }
        AuxiliaryBookOptions options =
            AuxiliaryBookReport::optionsFor(session(), first, last, txtAno->text().toInt());
        readRanges(options);
        AuxiliaryBookReport::run(session(), *session().reports, m_kind, options);
    });
}
