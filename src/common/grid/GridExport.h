#pragma once

#include <QList>

class QAbstractItemModel;
class QIODevice;

// Writes `columns` of `model` as tab-delimited UTF-8 text: a line of headers, then one line
// per row as the grid shows it (check boxes as 1 or 0). Tabs and line breaks inside a cell
// become blanks so that every row stays one line. Only the rows the model holds are
// written; fetch the rest first. False when the device refuses the text.
bool WriteTabDelimited(const QAbstractItemModel &model, const QList<int> &columns, QIODevice &out);
