#include "ledger/masterdata/ui/MaintenanceForm.h"

#include "ledger/masterdata/TableMaintenance.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {
// Shows every decimal a percentage has, but at least two.
QString rateText(const Rate &rate, const QLocale &locale)
{
    QString text = rate.format(locale, 6);
    const QChar point = locale.decimalPoint().at(0);
    const qsizetype dot = text.indexOf(point);
    if (dot < 0)
        return text;
    while (text.size() > dot + 3 && text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}
} // namespace

MaintenanceForm::MaintenanceForm(const TableMaintenance &service, QWidget *parent)
    : QWidget(parent)
    , m_service(service)
    , m_locale(service.locale())
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    const std::vector<MaintainedField> &fields = service.table().fields;
    bool paired = false;
    for (const MaintainedField &f : fields)
        paired = paired || f.beside;
    if (paired)
        grid->setColumnStretch(3, 1);
    int row = -1;
    for (size_t i = 0; i < fields.size(); ++i) {
        const MaintainedField &f = fields[i];
        const int column = f.beside && row >= 0 ? 2 : 0;
        if (column == 0)
            ++row;
        // A field with nothing beside it takes the whole width.
        const bool alone = column == 0 && !(i + 1 < fields.size() && fields[i + 1].beside);
        const int span = alone ? 3 : 1;
        QWidget *control = createControl(f);
        if (f.kind == MasterFieldKind::Flag) {
            grid->addWidget(control, row, column + 1, 1, span);
            continue;
        }
        const QString caption = f.caption.trimmed();
        auto *label = new QLabel(
            caption.endsWith(QLatin1String(">=")) ? caption : caption + QStringLiteral(":"), this);
        label->setBuddy(control);
        grid->addWidget(label, row, column);
        if (f.accountLookup) {
            auto *box = new QHBoxLayout;
            box->setSpacing(2);
            box->addWidget(control, 1);
            auto *button = new QToolButton(this);
            button->setObjectName(QStringLiteral("cmdBuscar") + f.column);
            button->setText(QStringLiteral("..."));
            button->setToolTip(QStringLiteral("Buscar cuenta (F2)"));
            connect(button, &QToolButton::clicked, this,
                    [this, c = f.column] { emit accountLookupRequested(c); });
            m_lookupButtons << button;
            box->addWidget(button);
            grid->addLayout(box, row, column + 1, 1, span);
        } else {
            grid->addWidget(control, row, column + 1, 1, span);
        }
    }
    grid->setRowStretch(row + 1, 1);
    reloadChoices();
    clear();
}

QWidget *MaintenanceForm::createControl(const MaintainedField &f)
{
    QWidget *control = nullptr;
    if (f.kind == MasterFieldKind::Flag) {
        auto *box = new QCheckBox(f.caption, this);
        box->setObjectName(QStringLiteral("chk") + f.column);
        control = box;
    } else if (f.kind == MasterFieldKind::Choice && f.asOptions) {
        auto *frame = new QWidget(this);
        frame->setObjectName(QStringLiteral("opt") + f.column);
        auto *row = new QHBoxLayout(frame);
        row->setContentsMargins(0, 0, 0, 0);
        auto *group = new QButtonGroup(frame);
        for (const FieldChoice &c : f.choices) {
            auto *option = new QRadioButton(c.text, frame);
            option->setObjectName(QStringLiteral("opt%1%2").arg(f.column).arg(c.value));
            group->addButton(option, c.value);
            row->addWidget(option);
            option->installEventFilter(this);
        }
        row->addStretch();
        m_options.insert(f.column, group);
        control = frame;
    } else if (f.kind == MasterFieldKind::Choice) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("cmb") + f.column);
        for (const FieldChoice &c : f.choices)
            combo->addItem(c.text, c.value);
        connect(combo, &QComboBox::activated, this,
                [this, column = f.column] { m_chosen.insert(column); });
        control = combo;
    } else {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("txt") + f.column);
        if (f.maxLength > 0)
            edit->setMaxLength(f.maxLength);
        if (f.rejectsDot)
            edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^.]*")), edit));
        if (f.numeric()) {
            edit->setAlignment(Qt::AlignRight);
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("-?[0-9.,]*")), edit));
        }
        control = edit;
    }
    control->installEventFilter(this);
    m_controls.insert(f.column, control);
    return control;
}

QLineEdit *MaintenanceForm::lineEdit(const QString &column) const
{
    return qobject_cast<QLineEdit *>(control(column));
}

QCheckBox *MaintenanceForm::checkBox(const QString &column) const
{
    return qobject_cast<QCheckBox *>(control(column));
}

QComboBox *MaintenanceForm::comboBox(const QString &column) const
{
    return qobject_cast<QComboBox *>(control(column));
}

void MaintenanceForm::reloadChoices()
{
    for (const MaintainedField &f : m_service.table().fields) {
        if (!f.boundToTable())
            continue;
        QComboBox *combo = comboBox(f.column);
        const QString chosen = combo->currentData().toString();
        combo->clear();
        for (const auto &[code, name] : m_service.tableChoices(f))
            combo->addItem(name, code);
        combo->setCurrentIndex(combo->findData(chosen));
    }
}

QString MaintenanceForm::numberText(const MaintainedField &f, const MasterRecord &record) const
{
    if (f.kind == MasterFieldKind::Money)
        return record.money(f.column).format(m_locale);
    return rateText(record.rate(f.column), m_locale);
}

void MaintenanceForm::showRecord(const MasterRecord &record)
{
    m_chosen.clear();
    for (const MaintainedField &f : m_service.table().fields)
        m_chosen.insert(f.column);
    for (const MaintainedField &f : m_service.table().fields) {
        if (QLineEdit *edit = lineEdit(f.column))
            edit->setText(f.numeric() ? numberText(f, record) : record.text(f.column));
        else if (QCheckBox *box = checkBox(f.column))
            box->setChecked(record.flag(f.column));
        else if (QComboBox *combo = comboBox(f.column))
            combo->setCurrentIndex(f.boundToTable() ? combo->findData(record.text(f.column))
                                                    : combo->findData(record.number(f.column)));
        else if (QButtonGroup *group = m_options.value(f.column))
            if (QAbstractButton *b = group->button(record.number(f.column)))
                b->setChecked(true);
    }
}

MasterRecord MaintenanceForm::record() const
{
    MasterRecord r;
    for (const MaintainedField &f : m_service.table().fields) {
        if (QLineEdit *edit = lineEdit(f.column))
            r.set(f.column, edit->text());
        else if (QCheckBox *box = checkBox(f.column))
            r.set(f.column, box->isChecked() ? 1 : 0);
        else if (QComboBox *combo = comboBox(f.column))
            r.set(f.column, combo->currentIndex() < 0 ? QVariant() : combo->currentData());
        else if (QButtonGroup *group = m_options.value(f.column))
            r.set(f.column, group->checkedId() < 0 ? QVariant() : QVariant(group->checkedId()));
    }
    return r;
}

void MaintenanceForm::clear()
{
    m_chosen.clear();
    for (const MaintainedField &f : m_service.table().fields) {
        if (QLineEdit *edit = lineEdit(f.column))
            edit->clear();
        else if (QCheckBox *box = checkBox(f.column))
            box->setChecked(false);
        else if (QComboBox *combo = comboBox(f.column))
            combo->setCurrentIndex(f.boundToTable() ? -1 : combo->findData(f.defaultChoice));
        else if (QButtonGroup *group = m_options.value(f.column))
            if (QAbstractButton *b = group->button(f.defaultChoice))
                b->setChecked(true);
    }
}

void MaintenanceForm::setEditable(bool editable, bool keyEditable)
{
    const QString key = m_service.table().codeField().column;
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        it.value()->setEnabled(editable && (keyEditable || it.key() != key));
    for (QWidget *button : std::as_const(m_lookupButtons))
        button->setEnabled(editable);
}

void MaintenanceForm::focusField(const QString &column)
{
    QWidget *c = control(column);
    if (!c)
        return;
    if (QButtonGroup *group = m_options.value(column); group && group->checkedButton())
        c = group->checkedButton();
    c->setFocus();
    if (QLineEdit *edit = qobject_cast<QLineEdit *>(c))
        edit->selectAll();
}

void MaintenanceForm::takeFlag(const MasterRecord &record, const QString &column)
{
    if (QCheckBox *box = checkBox(column))
        box->setChecked(record.flag(column));
}

bool MaintenanceForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            focusNextChild();
            return true;
        }
        if (key->key() == Qt::Key_F2) {
            const QString column = m_controls.key(qobject_cast<QWidget *>(watched));
            const MaintainedField *f = m_service.table().field(column);
            if (f && f->accountLookup) {
                emit accountLookupRequested(column);
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
            const MaintainedField *f = m_service.table().field(m_controls.key(edit));
            if (f && f->upperOnLeave && edit->text() != edit->text().toUpper())
                edit->setText(edit->text().toUpper());
            if (f && f->proposal)
                propose(*f, edit->text());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MaintenanceForm::proposeFrom(const QString &column)
{
    const MaintainedField *f = m_service.table().field(column);
    if (QLineEdit *edit = lineEdit(column); f && f->proposal && edit)
        propose(*f, edit->text());
}

void MaintenanceForm::propose(const MaintainedField &field, const QString &text)
{
    QComboBox *combo = comboBox(field.proposes);
    if (!combo || m_chosen.contains(field.proposes))
        return;
    if (const std::optional<int> value = field.proposal(text)) {
        const int index = combo->findData(*value);
        if (index >= 0)
            combo->setCurrentIndex(index);
    }
}
