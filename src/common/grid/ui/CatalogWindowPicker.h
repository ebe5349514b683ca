#pragma once

#include "common/grid/CatalogPicker.h"
#include "common/grid/CatalogService.h"
#include "common/grid/ui/frmCatalogo.h"

class Prompter;
class QWidget;
struct Session;

// Lets the user pick in frmCatalogo, opened modally over `parent`.
class CatalogWindowPicker : public CatalogPicker
{
public:
    explicit CatalogWindowPicker(Prompter &prompter, QWidget *parent = nullptr,
                                 const QString &caption = frmCatalogo::DefaultCaption);

    std::optional<int> pick(GridModel &rows) override;

private:
    Prompter &m_prompter;
    QWidget *m_parent;
    QString m_caption;
};

// The lookup as windows call it: on the session's connection, with its prompter, picking in
// frmCatalogo over `parent`. Throws DbError when the statement fails.
CatalogResult ShowCatalog(Session &session, QWidget *parent, const QVariantList &parameters,
                          const QString &command,
                          const QString &caption = frmCatalogo::DefaultCaption);
