#include "common/grid/ui/CatalogWindowPicker.h"

#include "common/Session.h"

CatalogWindowPicker::CatalogWindowPicker(Prompter &prompter, QWidget *parent,
                                         const QString &caption)
    : m_prompter(prompter)
    , m_parent(parent)
    , m_caption(caption)
{
}

std::optional<int> CatalogWindowPicker::pick(GridModel &rows)
{
    frmCatalogo window(rows, m_prompter, m_caption, m_parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.pickedRow();
}

CatalogResult ShowCatalog(Session &session, QWidget *parent, const QVariantList &parameters,
                          const QString &command, const QString &caption)
{
    CatalogWindowPicker picker(session.prompt(), parent, caption);
    const CatalogResult result =
        ShowCatalog(session.db(), session.prompt(), picker, parameters, command);
    if (result.recordCount)
        session.gCatalogoRegistros = *result.recordCount;
    return result;
}
