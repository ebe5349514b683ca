#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>
#include <memory>

class QAbstractItemModel;
class ReportDocument;

// A printed grid: the visible columns of a model under the heading every grid prints with
// (date, time, the title in capitals, the page number), column headers on every page,
// no grid lines. Wide grids turn to landscape.
class GridReport
{
public:
    static std::shared_ptr<ReportDocument> build(const QAbstractItemModel &model,
                                                 const QSet<int> &hiddenColumns,
                                                 const QString &title, const QDateTime &printedAt);
};
