#include "common/ui/ReadOnlyLook.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <optional>

namespace {

// Whether `widget` is a text field, and whether it is read-only.
std::optional<bool> readOnlyState(const QWidget *widget)
{
    if (auto *line = qobject_cast<const QLineEdit *>(widget))
        return line->isReadOnly();
    if (auto *text = qobject_cast<const QTextEdit *>(widget))
        return text->isReadOnly();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return plain->isReadOnly();
    return std::nullopt;
}

} // namespace

bool ReadOnlyLook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ReadOnlyChange && watched->isWidgetType())
        apply(static_cast<QWidget *>(watched));
    return QObject::eventFilter(watched, event);
}

void ReadOnlyLook::apply(QWidget *widget)
{
    const std::optional<bool> readOnly = readOnlyState(widget);
    if (!readOnly)
        return;
    QPalette palette = widget->palette();
    const QPalette standard = QApplication::palette(widget);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base,
                         *readOnly ? standard.color(group, QPalette::Window)
                                   : standard.color(group, QPalette::Base));
    }
    widget->setPalette(palette);
}
