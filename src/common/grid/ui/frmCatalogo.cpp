#include "common/grid/ui/frmCatalogo.h"

#include "common/Prompter.h"
#include "common/grid/GridModel.h"
#include "common/grid/ui/clsSpread.h"
#include "platform/DbError.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
bool isNavigationKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

frmCatalogo::frmCatalogo(GridModel &rows, Prompter &prompter, const QString &caption,
                         QWidget *parent)
    : QDialog(parent)
    , m_rows(rows)
    , m_prompter(prompter)
    , m_caption(caption)
{
    setObjectName(QStringLiteral("frmCatalogo"));
    txtBuscar = new QLineEdit(this);
    txtBuscar->setObjectName(QStringLiteral("txtBuscar"));
    txtBuscar->setPlaceholderText(QStringLiteral("Escriba el comienzo del código o del nombre"));
    txtBuscar->setClearButtonEnabled(true);
    grdCatalogo = new QTableView(this);
    grdCatalogo->setObjectName(QStringLiteral("grdCatalogo"));

    auto *search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("Buscar:"), this));
    search->addWidget(txtBuscar, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(grdCatalogo, 1);

    m_spread = std::make_unique<clsSpread>(grdCatalogo, prompter);
    m_spread->setOrigenDeLosDatosSpread(&m_rows);
    m_spread->CargarDataDesdeCatalogo();
    m_spread->addGridActions(this);
    m_spread->setPrintTitle(m_caption);
    grdCatalogo->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_filterTimer = new QTimer(this);
    m_filterTimer->setSingleShot(true);
    m_filterTimer->setInterval(FilterDelayMs);
    connect(m_filterTimer, &QTimer::timeout, this, &frmCatalogo::applyFilter);
    connect(txtBuscar, &QLineEdit::textEdited, m_filterTimer, qOverload<>(&QTimer::start));
    connect(txtBuscar, &QLineEdit::textChanged, this, [this](const QString &text) {
        // The clear button empties the box without an edit.
        if (text.isEmpty())
            m_filterTimer->start();
    });
    connect(grdCatalogo, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) {
        grdCatalogo->setCurrentIndex(i);
        pickCurrent();
    });
    txtBuscar->installEventFilter(this);
    grdCatalogo->installEventFilter(this);

    updateCaption();
    fitWidth();
    txtBuscar->setFocus();
}

frmCatalogo::~frmCatalogo() = default;

void frmCatalogo::pickCurrent()
{
    const QModelIndex current = grdCatalogo->currentIndex();
    if (!current.isValid())
        return;
    m_picked = current.row();
    accept();
}

void frmCatalogo::applyFilter()
{
    m_filterTimer->stop();
    try {
        m_rows.setFilterPrefix(txtBuscar->text().trimmed());
    } catch (const DbError &e) {
        m_prompter.error(e.userText());
        return;
    }
    const QList<int> shown = m_spread->shownColumns();
    if (m_rows.rowCount() > 0 && !shown.isEmpty())
        grdCatalogo->setCurrentIndex(m_rows.index(0, shown.first()));
    updateCaption();
}

bool frmCatalogo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (isEnter(key->key())) {
        if (m_filterTimer->isActive())
            applyFilter();
        pickCurrent();
        return true;
    }
    if (watched == txtBuscar && isNavigationKey(key->key())) {
        // The box keeps the focus while the arrows walk the list.
        QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(grdCatalogo, &copy);
        return true;
    }
    if (watched == grdCatalogo && !key->text().isEmpty() && key->text().at(0).isPrint() &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Typing over the list goes to the search box.
        txtBuscar->setFocus();
        txtBuscar->insert(key->text());
        m_filterTimer->start();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmCatalogo::updateCaption()
{
    setWindowTitle(m_caption + QStringLiteral(" (") + QString::number(m_rows.totalRows()) +
                   QStringLiteral(" Registros)"));
}

void frmCatalogo::fitWidth()
{
    constexpr int minimum = 420, maximum = 900;
    int width = grdCatalogo->verticalHeader()->sizeHint().width() +
                grdCatalogo->verticalScrollBar()->sizeHint().width() +
                2 * grdCatalogo->frameWidth() + layout()->contentsMargins().left() +
                layout()->contentsMargins().right();
    const QList<int> shown = m_spread->shownColumns();
    for (int c : shown)
        width += grdCatalogo->columnWidth(c);
    if (width < minimum && !shown.isEmpty()) {
        // The name column takes what is left, so the list has no empty band on its right.
        const int name = shown.value(1, shown.first());
        grdCatalogo->setColumnWidth(name, grdCatalogo->columnWidth(name) + minimum - width);
    }
    resize(std::clamp(width, minimum, maximum), 440);
}
