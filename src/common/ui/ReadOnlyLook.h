#pragma once

#include <QObject>

// Paints the background of read-only text fields in the window colour, so that a field that
// ignores typing (a form shown before "Modificar") does not look like one waiting for it.
// Installed on the application, it follows every change of a field's read-only state.
class ReadOnlyLook : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Gives `widget` the look of its current read-only state.
    static void apply(QWidget *widget);
};
