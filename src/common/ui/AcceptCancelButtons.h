#pragma once

class QDialogButtonBox;
class QWidget;

// The "&Aceptar" / "&Cancelar" pair every dialog of the system closes with.
QDialogButtonBox *AcceptCancelButtons(QWidget *parent);
