#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Toolbar operations (OPCIONES.CodigoOpcion); the order is the order of the buttons.
enum class ToolbarOption {
    Nuevo = 1,
    Modificar,
    Eliminar,
    Buscar,
    Imprimir,
    Cancelar,
    Guardar,
    Aprobar,
    Reprobar,
    Salir,
    Subir,
    Bajar,
};

// "Nuevo", "Modificar" ... "Bajar": the name of option code n is element n - 1.
const QStringList &ToolbarOptionNames();

// Parent key of the top-level menus; the root has no row of its own.
QString NavigationRootKey();

// One node of the navigation tree (SEG) as a new database receives it.
struct NavigationNode
{
    QString code;             // CodNodo
    QString caption;          // NomNodo; "_" for a separator
    QString parent;           // NodoPadre
    QString form;             // Forma: the window class; empty for containers and separators
    int level = 1;            // Nivel: 1 for the menus of the menu bar
    int order = 1;            // Orden among the siblings, from 1
    int number = 0;           // NumNodo
    int image = 0;            // Imagen; separators need one to be drawn as a line
    bool container = false;   // EsPadre "S"
    bool systemsOnly = false; // granted to "SISTEMAS" but not to "SUPERGRUPO"
    std::vector<ToolbarOption> options; // OPCIONESMENU of a function node

    bool isSeparator() const { return caption == QLatin1String("_"); }
    bool isFunction() const { return !container && !form.isEmpty(); }
};

// Every node, parents before children, siblings in menu order.
const std::vector<NavigationNode> &DefaultNavigationTree();
