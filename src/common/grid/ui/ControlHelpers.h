#pragma once

#include <QList>

class QLineEdit;
class QWidget;

// Empties each control by its kind: text boxes lose their text, option buttons their mark,
// editable combo boxes their text and list-only ones their selection, labels their caption.
// Other kinds of control are left as they are.
void ClearControls(const QList<QWidget *> &controls);

// Selects the whole text of `box`, so that typing replaces it.
void SelectAllText(QLineEdit *box);
