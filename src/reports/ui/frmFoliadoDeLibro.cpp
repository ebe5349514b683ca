#include "reports/ui/frmFoliadoDeLibro.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/DbError.h"
#include "reports/BookPageNumbering.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace {

QLineEdit *pageField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setValidator(new QIntValidator(0, 999999, field));
    field->setMaximumWidth(100);
    return field;
}

} // namespace

frmFoliadoDeLibro::frmFoliadoDeLibro(Session &session, const QString &node, QWidget *parent)
    : ChildWindow(session, node, parent)
{
    setObjectName(QStringLiteral("frmFoliadoDeLibro"));
    setWindowTitle(QStringLiteral("Foliado de Libros"));

    TxtLibro = new QLineEdit(this);
    TxtLibro->setObjectName(QStringLiteral("TxtLibro"));
    TxtLibro->setMaxLength(100);
    TxtInicial = pageField(this, QStringLiteral("TxtInicial"));
    TxtFinal = pageField(this, QStringLiteral("TxtFinal"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setValue(0);
    lblFoliando = new QLabel(this);
    lblFoliando->setObjectName(QStringLiteral("lblFoliando"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Libro:"), TxtLibro);
    form->addRow(QStringLiteral("Página inicial:"), TxtInicial);
    form->addRow(QStringLiteral("Página final:"), TxtFinal);
    body()->addLayout(form);
    body()->addWidget(ProgressBar1);
    body()->addWidget(lblFoliando);
    body()->addStretch(1);
    setMinimumWidth(420);
    LoadToolbarOptions();
}

void frmFoliadoDeLibro::onImprimir()
{
    imprimir();
}

void frmFoliadoDeLibro::imprimir()
{
    const int first = TxtInicial->text().toInt();
    const int last = TxtFinal->text().toInt();
    if (!BookPageNumbering::check(first, last, session().prompt())) {
        TxtFinal->setFocus();
        return;
    }
    if (!session().reports)
        return;
    ProgressBar1->setRange(0, last - first + 1);
    const auto progress = [this](int page, int done, int) {
        ProgressBar1->setValue(done);
        lblFoliando->setText(BookPageNumbering::progressText(page));
        // The pages are made on the one thread; the bar must still move.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    try {
        BookPageNumbering::run(session(), *session().reports, TxtLibro->text().trimmed(), first,
                               last, progress);
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
    }
}
