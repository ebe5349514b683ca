#include "common/ui/ApplicationLook.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QColor base(const QWidget &w)
{
    return w.palette().color(QPalette::Active, QPalette::Base);
}

TEST(ApplicationLookTest, ReadOnlyFieldsTakeTheWindowColourAndGiveItBack)
{
    const QPalette standard = QApplication::palette();
    ASSERT_NE(standard.color(QPalette::Base), standard.color(QPalette::Window));

    QLineEdit line;
    QPlainTextEdit text;
    EXPECT_EQ(base(line), standard.color(QPalette::Base));
    line.setReadOnly(true);
    text.setReadOnly(true);
    EXPECT_EQ(base(line), standard.color(QPalette::Window));
    EXPECT_EQ(base(text), standard.color(QPalette::Window));
    line.setReadOnly(false);
    EXPECT_EQ(base(line), standard.color(QPalette::Base));

    // Created read-only, as a form shown before "Modificar".
    QLineEdit *shown = new QLineEdit;
    shown->setReadOnly(true);
    QWidget form;
    shown->setParent(&form);
    form.show();
    EXPECT_EQ(base(*shown), standard.color(QPalette::Window));
}

TEST(ApplicationLookTest, EveryOperationHasAnIconOfItsOwn)
{
    const QStringList keys{"Nuevo",    "Modificar", "Eliminar", "Buscar", "Imprimir",
                           "Cancelar", "Guardar",   "Aprobar",  "Reprobar", "Salir"};
    QSet<QByteArray> pictures;
    for (const QString &key : keys) {
        const QIcon icon = ApplicationLook::operationIcon(key);
        ASSERT_FALSE(icon.isNull()) << key.toStdString();
        const QImage image = icon.pixmap(24, 24).toImage();
        pictures.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()),
                                   qsizetype(image.sizeInBytes())));
    }
    EXPECT_EQ(pictures.size(), keys.size()) << "two operations share a picture";
    EXPECT_TRUE(ApplicationLook::operationIcon("Desconocida").isNull());
    EXPECT_TRUE(QIcon::hasThemeIcon("document-print")) << "no icon theme found";
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

} // namespace
