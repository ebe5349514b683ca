#include "vouchers/entry/EntryLine.h"

void EntryLine::applyAccountFlags()
{
    if (!partyEnabled())
        party = {};
    if (!documentEnabled()) {
        documentType.clear();
        documentTypeName.clear();
        document.clear();
    }
    if (!annexEnabled()) {
        documento2.clear();
        documento3.clear();
    }
    if (!conceptEnabled()) {
        retentionConcept.clear();
        conceptName.clear();
    }
    if (!account.activoFijo)
        asset = {};
    if (!account.ajustDifCambio) {
        trm = {};
        foreign = {};
    }
}
