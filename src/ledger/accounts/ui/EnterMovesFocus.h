#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Enter in a field moves to the next one, as it does in every form of the system.
class EnterMovesFocus : public QObject
{
    Q_OBJECT
public:
    // Watches `fields`; the filter belongs to `owner`.
    static void install(QObject *owner, const QList<QWidget *> &fields);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
