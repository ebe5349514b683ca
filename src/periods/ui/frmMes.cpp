#include "periods/ui/frmMes.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QVBoxLayout>

frmMes::frmMes(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMes"));
    setWindowTitle(QStringLiteral("Día"));
    Calendario = new QCalendarWidget(this);
    Calendario->setObjectName(QStringLiteral("Calendario"));
    Calendario->setLocale(QLocale(QLocale::Spanish, QLocale::Venezuela));
    Calendario->setFirstDayOfWeek(Qt::Monday);
    Calendario->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendario->setGridVisible(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(Calendario);
    // activated: a double click on a day or Enter on the selected one.
    connect(Calendario, &QCalendarWidget::activated, this, &frmMes::choose);
}

QString frmMes::ElegirDia(const QDate &date)
{
    m_dia.clear();
    if (date.isValid()) {
        Calendario->setSelectedDate(date);
        Calendario->setCurrentPage(date.year(), date.month());
    }
    Calendario->setFocus();
    exec();
    return m_dia;
}

void frmMes::choose(const QDate &date)
{
    m_dia = QString::number(date.day());
    emit diaElegido(m_dia);
    accept();
}

void frmMes::reject()
{
    m_dia.clear();
    emit diaElegido(m_dia);
    QDialog::reject();
}
