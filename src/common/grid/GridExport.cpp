#include "common/grid/GridExport.h"

#include <QAbstractItemModel>
#include <QIODevice>
#include <QRegularExpression>

namespace {

QString cellText(const QAbstractItemModel &model, int row, int column)
{
    const QModelIndex index = model.index(row, column);
    const QVariant check = model.data(index, Qt::CheckStateRole);
    if (check.isValid())
        return check.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    return model.data(index, Qt::DisplayRole).toString();
}

QByteArray line(const QStringList &cells)
{
    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]"));
    QStringList clean;
    for (const QString &c : cells)
        clean << QString(c).replace(breaks, QStringLiteral(" "));
    return clean.join(QLatin1Char('\t')).toUtf8() + '\n';
}

} // namespace

bool WriteTabDelimited(const QAbstractItemModel &model, const QList<int> &columns, QIODevice &out)
{
    QStringList headers;
    // A file read by other programs keeps the columns' own names, where the grid has them.
    for (int c : columns) {
        const QVariant name = model.headerData(c, Qt::Horizontal, Qt::UserRole);
        headers << (name.isValid() ? name : model.headerData(c, Qt::Horizontal)).toString();
    }
    if (out.write(line(headers)) < 0)
        return false;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int c : columns)
            cells << cellText(model, row, c);
        if (out.write(line(cells)) < 0)
            return false;
    }
    return true;
}
