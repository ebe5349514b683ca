#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class QDialogButtonBox;
class QLineEdit;

// A dialog of text fields where Enter belongs to the fields (move to the next one, or accept
// from the last), never to the dialog's default button.
class FieldDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // "Aceptar" and "Cancelar", neither of them pressed by Enter.
    QDialogButtonBox *fieldButtons();
    // Enter in each field moves to the next; in the last one, and on "Aceptar", runs `accept`.
    void chainFields(const QList<QLineEdit *> &fields, QDialogButtonBox *buttons,
                     const std::function<void()> &accept);

    void keyPressEvent(QKeyEvent *event) override;
};
