#include "GridSamples.h"
#include "common/Session.h"
#include "common/grid/GridModel.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "common/grid/ui/ControlHelpers.h"
#include "common/grid/ui/GridDelegate.h"
#include "common/grid/ui/clsSpread.h"
#include "common/grid/ui/frmCatalogo.h"
#include "common/grid/ui/frmCmdDlgSpr.h"
#include "support/Printers.h"
#include "support/Screenshot.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString PartyLookup =
    "SELECT Codigo, Nombre, TipoPersona AS \"~HDN1\", CASE WHEN Codigo LIKE '%7' THEN 3 "
    "WHEN Codigo LIKE '%5' THEN 0 ELSE 1 END AS Status "
    "FROM TERCERO WHERE Codigo LIKE ? ORDER BY Codigo";

class CatalogWindow : public ::testing::Test
{
protected:
    CatalogWindow()
    {
        GridSamples::addParties(db(), 40);
        db().exec("UPDATE TERCERO SET TipoPersona = 1");
        rows.open(db(), PartyLookup, {"J-%"});
    }

    Db &db() { return data.db(); }

    TestDatabase data;
    ScriptedPrompter prompter;
    GridModel rows;
};

TEST_F(CatalogWindow, ShowsTheCountInItsCaptionAndHidesTheFlagColumns)
{
    frmCatalogo window(rows, prompter, "Terceros");
    window.show();
    EXPECT_EQ(window.windowTitle(), "Terceros (40 Registros)");
    EXPECT_TRUE(window.grdCatalogo->isColumnHidden(2));
    EXPECT_FALSE(window.grdCatalogo->isColumnHidden(3));
    EXPECT_EQ(window.grdCatalogo->font().family(), "Arial");
    EXPECT_EQ(window.grdCatalogo->currentIndex().row(), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    SaveScreenshot(&window, "frmCatalogo");
}

TEST_F(CatalogWindow, EnterAndDoubleClickPickARowEscapeNone)
{
    frmCatalogo enter(rows, prompter);
    enter.show();
    QTest::keyClick(enter.txtBuscar, Qt::Key_Down);
    QTest::keyClick(enter.txtBuscar, Qt::Key_Down);
    QTest::keyClick(enter.grdCatalogo, Qt::Key_Return);
    EXPECT_EQ(enter.result(), QDialog::Accepted);
    EXPECT_EQ(enter.pickedRow(), 2);

    frmCatalogo mouse(rows, prompter);
    mouse.show();
    const QRect cell = mouse.grdCatalogo->visualRect(rows.index(4, 1));
    QTest::mouseClick(mouse.grdCatalogo->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(mouse.grdCatalogo->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(mouse.pickedRow(), 4);

    frmCatalogo escape(rows, prompter);
    escape.show();
    QTest::keyClick(escape.grdCatalogo, Qt::Key_Down);
    QTest::keyClick(escape.grdCatalogo, Qt::Key_Escape);
    EXPECT_EQ(escape.result(), QDialog::Rejected);
    EXPECT_FALSE(escape.pickedRow());
}

TEST_F(CatalogWindow, TypingOverTheListNarrowsIt)
{
    frmCatalogo window(rows, prompter, "Terceros");
    window.show();
    window.grdCatalogo->setFocus();
    QTest::keyClicks(window.grdCatalogo, "j-00000002");
    EXPECT_EQ(window.txtBuscar->text(), "j-00000002");
    window.applyFilter();
    EXPECT_EQ(rows.rowCount(), 10);
    EXPECT_EQ(window.windowTitle(), "Terceros (10 Registros)");
    QTest::keyClick(window.txtBuscar, Qt::Key_Enter);
    EXPECT_EQ(rows.rowTexts(*window.pickedRow()).first(), "J-000000020");
}

TEST_F(CatalogWindow, TheLookupThroughTheWindowGivesNothingOnEscape)
{
    Session session;
    session.gConexion = &db();
    session.prompter = &prompter;
    QTimer::singleShot(0, [] {
        QWidget *window = QApplication::activeModalWidget();
        if (window)
            QTest::keyClick(window, Qt::Key_Escape);
    });
    const CatalogResult r = ShowCatalog(session, nullptr, {"J-%"}, PartyLookup, "Terceros");
    EXPECT_FALSE(r.picked());
    EXPECT_EQ(r.values.size(), 4);
    EXPECT_EQ(r.recordCount, 40);
}

class GridDialog : public CatalogWindow
{
protected:
    GridDialog()
        : spread(&grid, prompter)
    {
        spread.setOrigenDeLosDatosSpread(&rows);
        spread.CargarDataDesdeCatalogo();
        grid.resize(520, 300);
        grid.show();
    }

    static QStringList items(QComboBox *box)
    {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i) + "=" + box->itemData(i).toString();
        return texts;
    }

    QTableView grid;
    clsSpread spread;
};

TEST_F(GridDialog, HasACaptionForEachMode)
{
    using Mode = frmCmdDlgSpr::Mode;
    const std::pair<Mode, const char *> modes[] = {
        {Mode::GoToRow, "Ir a fila"},
        {Mode::FindValue, "Buscar valor"},
        {Mode::SortRows, "Ordenar filas"},
        {Mode::ShowHideColumns, "Ocultar/Mostrar columnas"}};
    for (const auto &[mode, caption] : modes) {
        frmCmdDlgSpr dialog(mode, spread);
        EXPECT_EQ(dialog.windowTitle(), caption);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QApplication::processEvents();
        SaveScreenshot(&dialog, QString("frmCmdDlgSpr-") + QString(caption).replace('/', '-'));
    }
}

TEST_F(GridDialog, ListsOnlyTheColumnsTheUserSees)
{
    spread.OcultarColumnaSpread(1);
    frmCmdDlgSpr find(frmCmdDlgSpr::Mode::FindValue, spread);
    // The lists show the grid's headings.
    const QString code = "Código", state = "Estado";
    EXPECT_EQ(items(find.cmbColumna), QStringList({code + "=0", state + "=3"}));
    frmCmdDlgSpr sort(frmCmdDlgSpr::Mode::SortRows, spread);
    EXPECT_EQ(items(sort.cmbOrdenColumna[0]), QStringList({"=-1", code + "=0", state + "=3"}));
    // The flag column is not the user's to show; the one he hid he may bring back.
    frmCmdDlgSpr show(frmCmdDlgSpr::Mode::ShowHideColumns, spread);
    ASSERT_EQ(show.chkColumnas.size(), 3);
    EXPECT_FALSE(show.chkColumnas[1]->isChecked());
    show.chkColumnas[1]->setChecked(true);
    show.chkColumnas[0]->setChecked(false);
    show.aceptar();
    EXPECT_TRUE(grid.isColumnHidden(0));
    EXPECT_FALSE(grid.isColumnHidden(1));
    EXPECT_TRUE(grid.isColumnHidden(2));
}

TEST_F(GridDialog, FindsPartOfATextOrSaysAWholeValueIsMissing)
{
    frmCmdDlgSpr dialog(frmCmdDlgSpr::Mode::FindValue, spread);
    dialog.show();
    dialog.cmbColumna->setCurrentIndex(dialog.cmbColumna->findData(1));
    dialog.txtValor->setText("ero 13");
    dialog.optValorCompleto->setChecked(true);
    // Enter in the value searches once.
    QTest::keyClick(dialog.txtValor, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Rejected); // still open, to type again
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].kind, ScriptedPrompter::Kind::Info);
    EXPECT_EQ(prompter.lastText(), clsSpread::NotFoundMessage);

    dialog.optParteValor->setChecked(true);
    dialog.aceptar();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(grid.currentIndex().row(), 12);
    EXPECT_EQ(grid.currentIndex().column(), 1);
    EXPECT_EQ(prompter.messages().size(), 1u);
}

TEST_F(GridDialog, FindsNumbersByTheirValueFromTheCurrentRowOn)
{
    EXPECT_TRUE(spread.findValue(3, FindMode::PartOfValue, "3"));
    EXPECT_EQ(grid.currentIndex().row(), 6);
    EXPECT_TRUE(spread.findValue(3, FindMode::PartOfValue, "3"));
    EXPECT_EQ(grid.currentIndex().row(), 6);
    grid.setCurrentIndex(rows.index(7, 0));
    EXPECT_TRUE(spread.findValue(3, FindMode::PartOfValue, "3"));
    EXPECT_EQ(grid.currentIndex().row(), 16);
    grid.setCurrentIndex(rows.index(37, 0));
    EXPECT_FALSE(spread.findValue(3, FindMode::PartOfValue, "3"));
    EXPECT_EQ(prompter.lastText(), clsSpread::NotFoundMessage);
}

TEST_F(GridDialog, GoesToTheTypedRow)
{
    frmCmdDlgSpr dialog(frmCmdDlgSpr::Mode::GoToRow, spread);
    EXPECT_EQ(dialog.txtFila->maximum(), 40);
    dialog.txtFila->setValue(33);
    dialog.aceptar();
    EXPECT_EQ(grid.currentIndex().row(), 32);
    EXPECT_FALSE(spread.goToRow(41));
}

TEST_F(GridDialog, SortsByTheChosenLevelsAndKeepsHiddenColumnsHidden)
{
    spread.OcultarColumnaSpread(3);
    frmCmdDlgSpr dialog(frmCmdDlgSpr::Mode::SortRows, spread);
    dialog.cmbOrdenColumna[0]->setCurrentIndex(dialog.cmbOrdenColumna[0]->findData(1));
    dialog.cmbOrdenDireccion[0]->setCurrentIndex(1);
    dialog.aceptar();
    EXPECT_EQ(rows.sortLevels(), QList<SortLevel>({{1, true}}));
    EXPECT_EQ(rows.rowTexts(0).at(1), "TERCERO 9");
    EXPECT_EQ(grid.currentIndex().row(), 0);
    EXPECT_TRUE(grid.isColumnHidden(2));
    EXPECT_TRUE(grid.isColumnHidden(3));
}

TEST_F(GridDialog, ExportsTheShownColumnsWhereTheUserChooses)
{
    QTemporaryDir dir;
    QStringList asked;
    spread.setSaveFileChooser(
        [&](QWidget *, const QString &title, const QString &filter, const QString &suffix) {
            asked << title << filter << suffix;
            return dir.filePath("terceros.txt");
        });
    spread.OcultarColumnaSpread(3);
    ASSERT_TRUE(spread.ExportGrid());
    EXPECT_EQ(asked,
              QStringList({"Guardar como", "Texto delimitado por tabulación (*.txt)", "txt"}));
    QFile file(dir.filePath("terceros.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 41);
    EXPECT_EQ(lines[1], "J-000000001\tTERCERO 1");
    EXPECT_EQ(lines[40], "J-000000040\tTERCERO 40");

    spread.setSaveFileChooser([](QWidget *, auto &, auto &, auto &) { return QString(); });
    EXPECT_FALSE(spread.ExportGrid("csv"));
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(GridDialog, PrintsTheShownColumnsOfEveryRowThroughTheInstalledPrinter)
{
    spread.addGridActions();
    EXPECT_FALSE(spread.gridAction("Imprimir")->isEnabled());
    int printedRows = 0, printedColumns = 0;
    QString printedTitle;
    clsSpread::setGridPrinter([&](QWidget *, const QAbstractItemModel &m, const QString &title) {
        printedRows = m.rowCount();
        printedColumns = m.columnCount();
        printedTitle = title;
    });
    spread.PrintGrid("Terceros");
    clsSpread::setGridPrinter({});
    EXPECT_EQ(printedRows, 40);
    EXPECT_EQ(printedColumns, 3);
    EXPECT_EQ(printedTitle, "Terceros");
}

TEST_F(GridDialog, EditableColumnsGetTheirEditors)
{
    spread.MostrarListaDesplegable(1, {"NATURAL", "JURIDICA"});
    spread.CambiarColAFecha(0);
    spread.MostrarCheckBox(2);
    GridDelegate *delegate = qobject_cast<GridDelegate *>(grid.itemDelegate());
    ASSERT_TRUE(delegate);
    std::unique_ptr<QWidget> list(
        delegate->createEditor(grid.viewport(), QStyleOptionViewItem(), rows.index(0, 1)));
    auto *combo = qobject_cast<QComboBox *>(list.get());
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->count(), 2);
    combo->setCurrentIndex(1);
    delegate->setModelData(combo, &rows, rows.index(0, 1));
    EXPECT_EQ(rows.rowTexts(0).at(1), "JURIDICA");
    std::unique_ptr<QWidget> date(
        delegate->createEditor(grid.viewport(), QStyleOptionViewItem(), rows.index(0, 0)));
    EXPECT_TRUE(qobject_cast<QDateEdit *>(date.get()));
    EXPECT_TRUE(rows.flags(rows.index(0, 2)) & Qt::ItemIsUserCheckable);
    EXPECT_EQ(rows.data(rows.index(0, 2), Qt::CheckStateRole), QVariant(Qt::Checked));
}

TEST(ControlHelpersTest, ClearsEachKindOfControlItsOwnWay)
{
    QWidget form;
    auto *text = new QLineEdit("abc", &form);
    auto *a = new QRadioButton("A", &form);
    auto *b = new QRadioButton("B", &form);
    QButtonGroup group;
    group.addButton(a);
    group.addButton(b);
    a->setChecked(true);
    auto *free = new QComboBox(&form);
    free->setEditable(true);
    free->addItems({"uno", "dos"});
    free->setCurrentIndex(1);
    auto *list = new QComboBox(&form);
    list->addItems({"uno", "dos"});
    list->setCurrentIndex(1);
    auto *label = new QLabel("Titulo", &form);
    auto *check = new QCheckBox(&form);
    check->setChecked(true);

    ClearControls({text, a, b, free, list, label, check});
    EXPECT_EQ(text->text(), "");
    EXPECT_FALSE(a->isChecked());
    EXPECT_TRUE(group.exclusive());
    EXPECT_EQ(free->currentText(), "");
    EXPECT_EQ(free->count(), 2);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(label->text(), "");
    EXPECT_TRUE(check->isChecked());
}

TEST(ControlHelpersTest, SelectsTheWholeText)
{
    QLineEdit box("12345");
    box.setCursorPosition(2);
    SelectAllText(&box);
    EXPECT_EQ(box.selectedText(), "12345");
}

} // namespace
