#include "common/grid/ui/clsSpread.h"

#include "common/Prompter.h"
#include "common/grid/ColumnSubsetModel.h"
#include "common/grid/GridExport.h"
#include "common/grid/GridModel.h"
#include "common/grid/ui/GridDelegate.h"
#include "common/grid/ui/frmCmdDlgSpr.h"
#include "platform/DbError.h"

#include <QAction>
#include <QFileDialog>
#include <QHeaderView>
#include <QSaveFile>
#include <QTableView>

namespace {

constexpr int MaxInitialColumnWidth = 360;

clsSpread::GridPrinter &installedPrinter()
{
    static clsSpread::GridPrinter printer;
    return printer;
}

QString chooseWithDialog(QWidget *parent, const QString &title, const QString &filter,
                         const QString &suffix)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

clsSpread::clsSpread(QTableView *grid, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_grid(grid)
    , m_prompter(prompter)
    , m_delegate(new GridDelegate(grid))
    , m_chooseFile(chooseWithDialog)
{
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    QFont font = m_grid->font();
    font.setFamily(QStringLiteral("Arial"));
    m_grid->setFont(font);
    m_grid->horizontalHeader()->setFont(font);
    QHeaderView *rowsHeader = m_grid->verticalHeader();
    // Rows of a fixed height keep scrolling through a long catalogue cheap.
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
}

clsSpread::~clsSpread() = default;

void clsSpread::setOrigenDeLosDatosSpread(GridModel *rows)
{
    if (m_rows)
        disconnect(m_rows, nullptr, this, nullptr);
    m_rows = rows;
    if (m_rows)
        // Sorting and narrowing run the statement again and the grid forgets its layout.
        connect(m_rows, &QAbstractItemModel::modelReset, this, &clsSpread::reapplyColumns);
}

void clsSpread::CargarDataDesdeCatalogo()
{
    if (!m_rows)
        return;
    m_userHidden.clear();
    m_grid->setModel(m_rows);
    FormatoColSpread7();
    reapplyColumns();
    m_grid->resizeColumnsToContents();
    for (int c : shownColumns())
        if (m_grid->columnWidth(c) > MaxInitialColumnWidth)
            m_grid->setColumnWidth(c, MaxInitialColumnWidth);
    const QList<int> shown = shownColumns();
    if (m_rows->rowCount() > 0 && !shown.isEmpty())
        m_grid->setCurrentIndex(m_rows->index(0, shown.first()));
}

void clsSpread::CargarDataDesdeCatalogo(Db &db, const QString &sql, const QVariantList &params)
{
    auto rows = std::make_unique<GridModel>();
    rows->open(db, sql, params);
    setOrigenDeLosDatosSpread(rows.get());
    CargarDataDesdeCatalogo();
    m_ownedRows = std::move(rows);
}

void clsSpread::FormatoColSpread7()
{
    if (!m_rows)
        return;
    for (int c = 0; c < m_rows->columnCount(); ++c)
        m_rows->setColumnFormat(c, DefaultFormatFor(m_rows->column(c).kind));
}

void clsSpread::CambiarAnchoSpread(int column, int characters)
{
    const int padding = 8;
    m_grid->setColumnWidth(column, characters * m_grid->fontMetrics().averageCharWidth() + padding);
}

void clsSpread::CambiarAnchoSpread(const QList<int> &characters)
{
    for (int c = 0; c < characters.size(); ++c)
        CambiarAnchoSpread(c, characters.at(c));
}

void clsSpread::OcultarColumnaSpread(int column, bool hidden)
{
    setColumnShown(column, !hidden);
}

void clsSpread::MostrarListaDesplegable(int column, const QStringList &items)
{
    if (!m_rows)
        return;
    m_rows->setColumnItems(column, items);
    m_rows->setColumnFormat(column, ColumnFormat::DropDown);
    m_rows->setColumnEditable(column, true);
}

void clsSpread::MostrarCheckBox(int column)
{
    if (!m_rows)
        return;
    m_rows->setColumnFormat(column, ColumnFormat::CheckBox);
    m_rows->setColumnEditable(column, true);
}

void clsSpread::CambiarColAFecha(int column)
{
    if (!m_rows)
        return;
    m_rows->setColumnFormat(column, ColumnFormat::Date);
    m_rows->setColumnEditable(column, true);
}

void clsSpread::SortRows()
{
    frmCmdDlgSpr(frmCmdDlgSpr::Mode::SortRows, *this, m_grid->window()).exec();
}

void clsSpread::FindValue()
{
    frmCmdDlgSpr(frmCmdDlgSpr::Mode::FindValue, *this, m_grid->window()).exec();
}

void clsSpread::GoToRow()
{
    frmCmdDlgSpr(frmCmdDlgSpr::Mode::GoToRow, *this, m_grid->window()).exec();
}

void clsSpread::ShowHideColumns()
{
    frmCmdDlgSpr(frmCmdDlgSpr::Mode::ShowHideColumns, *this, m_grid->window()).exec();
}

bool clsSpread::ExportGrid(const QString &extension)
{
    if (!m_rows)
        return false;
    const QString suffix = extension.isEmpty() ? QStringLiteral("txt") : extension;
    const QString filter =
        QStringLiteral("Texto delimitado por tabulación (*.") + suffix + QLatin1Char(')');
    const QString file =
        m_chooseFile(m_grid->window(), QStringLiteral("Guardar como"), filter, suffix);
    if (file.isEmpty())
        return false;
    m_rows->fetchAll();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || !WriteTabDelimited(*m_rows, shownColumns(), out) ||
        !out.commit()) {
        m_prompter.error(QStringLiteral("No se pudo guardar el archivo ") + file +
                         QStringLiteral("."));
        return false;
    }
    return true;
}

void clsSpread::PrintGrid(const QString &title)
{
    const GridPrinter &print = installedPrinter();
    if (!m_rows || !print)
        return;
    m_rows->fetchAll();
    ColumnSubsetModel shown(shownColumns());
    shown.setSourceModel(m_rows);
    print(m_grid->window(), shown, title);
}

void clsSpread::ColorBlock(int row, int column, int row2, int column2, const QColor &colour)
{
    if (m_rows)
        m_rows->setBlockBackground(row, column, row2, column2, colour);
}

void clsSpread::applySort(const QList<SortLevel> &levels)
{
    if (!m_rows)
        return;
    m_rows->setSortLevels(levels);
    const QList<int> shown = shownColumns();
    if (m_rows->rowCount() > 0 && !shown.isEmpty())
        moveTo(0, shown.first());
}

bool clsSpread::findValue(int column, FindMode mode, const QString &value)
{
    if (!m_rows || column < 0 || column >= m_rows->columnCount())
        return false;
    const auto condition =
        FindCondition::forColumn(column, m_rows->column(column).kind, mode, value);
    if (!condition)
        return false;
    const int row = FindRow(*m_rows, *condition, std::max(0, m_grid->currentIndex().row()));
    if (row < 0) {
        m_prompter.info(NotFoundMessage);
        return false;
    }
    moveTo(row, column);
    return true;
}

bool clsSpread::goToRow(int number)
{
    if (!m_rows || number < 1 || !m_rows->fetchUpTo(number - 1))
        return false;
    const int column = m_grid->currentIndex().isValid() ? m_grid->currentIndex().column()
                       : shownColumns().isEmpty()       ? 0
                                                        : shownColumns().first();
    moveTo(number - 1, column);
    return true;
}

void clsSpread::setColumnShown(int column, bool shown)
{
    if (shown)
        m_userHidden.remove(column);
    else
        m_userHidden.insert(column);
    m_grid->setColumnHidden(column, !shown);
}

QList<int> clsSpread::userColumns() const
{
    QList<int> columns;
    if (!m_rows)
        return columns;
    for (int c = 0; c < m_rows->columnCount(); ++c)
        if (!m_rows->column(c).hidden)
            columns << c;
    return columns;
}

QList<int> clsSpread::shownColumns() const
{
    QList<int> columns;
    for (int c : userColumns())
        if (!m_userHidden.contains(c))
            columns << c;
    return columns;
}

void clsSpread::addGridActions(QWidget *scope)
{
    if (!m_actions.isEmpty())
        return;
    if (!scope)
        scope = m_grid;
    struct Entry
    {
        const char *name;
        const char *caption;
        QKeySequence key;
        std::function<void()> run;
    };
    const Entry entries[] = {
        {"OrdenarF", "Ordenar filas", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { SortRows(); }},
        {"BuscarV", "Buscar valor", QKeySequence(Qt::CTRL | Qt::Key_B), [this] { FindValue(); }},
        {"IrAFila", "Ir a fila", QKeySequence(Qt::CTRL | Qt::Key_G), [this] { GoToRow(); }},
        {"Ocultar", "Ocultar/Mostrar columnas", QKeySequence(Qt::CTRL | Qt::Key_H),
         [this] { ShowHideColumns(); }},
        {"Exportar", "Exportar", QKeySequence(Qt::CTRL | Qt::Key_E), [this] { ExportGrid(); }},
        {"Imprimir", "Imprimir", QKeySequence(Qt::CTRL | Qt::Key_P),
         [this] {
             PrintGrid(m_printTitle.isEmpty() ? m_grid->window()->windowTitle() : m_printTitle);
         }},
    };
    for (const Entry &e : entries) {
        auto *action = new QAction(QString::fromUtf8(e.caption), scope);
        action->setObjectName(QString::fromLatin1(e.name));
        action->setShortcut(e.key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, e.run);
        scope->addAction(action);
        if (scope != m_grid)
            m_grid->addAction(action);
        m_actions << action;
    }
    gridAction(QStringLiteral("Imprimir"))->setEnabled(hasGridPrinter());
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QAction *clsSpread::gridAction(const QString &name) const
{
    for (QAction *a : m_actions)
        if (a->objectName() == name)
            return a;
    return nullptr;
}

void clsSpread::setGridPrinter(GridPrinter printer)
{
    installedPrinter() = std::move(printer);
}

bool clsSpread::hasGridPrinter()
{
    return bool(installedPrinter());
}

void clsSpread::reapplyColumns()
{
    if (!m_rows)
        return;
    for (int c = 0; c < m_rows->columnCount(); ++c)
        m_grid->setColumnHidden(c, m_rows->column(c).hidden || m_userHidden.contains(c));
}

void clsSpread::moveTo(int row, int column)
{
    const QModelIndex index = m_rows->index(row, column);
    m_grid->setCurrentIndex(index);
    m_grid->scrollTo(index, QAbstractItemView::PositionAtCenter);
}
