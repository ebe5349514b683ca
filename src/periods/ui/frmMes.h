#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;

// Day picker: a month calendar that hands back the day of the month as text ("15") on a
// double click or Enter, and an empty text on Escape. It hides either way, so the window
// that owns it can keep it for the next time.
class frmMes : public QDialog
{
    Q_OBJECT
public:
    explicit frmMes(QWidget *parent = nullptr);

    QCalendarWidget *Calendario = nullptr;

    // Shows the month of `date` with that day selected and waits for the choice.
    QString ElegirDia(const QDate &date);
    // What the last choice handed back.
    const QString &dia() const { return m_dia; }

signals:
    void diaElegido(const QString &dia);

public slots:
    void reject() override;

private:
    void choose(const QDate &date);

    QString m_dia;
};
