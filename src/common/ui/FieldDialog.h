#pragma once

#include <QDialog>

// A dialog of text fields where Enter belongs to the fields (move to the next one, or accept
// from the last), never to the dialog's default button.
class FieldDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
