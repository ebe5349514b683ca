#pragma once

#include "ledger/accounts/Account.h"

#include <QAbstractTableModel>
#include <QLocale>

// The cost-centre grid of an account: code, name and an editable percentage. A percentage is
// typed with a decimal comma or point and kept exactly; text that is not a percentage leaves
// the cell as it was.
class CostCentreShareModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { CodeColumn, NameColumn, PercentageColumn };

    explicit CostCentreShareModel(QObject *parent = nullptr);

    const std::vector<CostCentreShare> &shares() const { return m_shares; }
    void setShares(std::vector<CostCentreShare> shares);
    // Appends a cost centre with no share yet; false when it is in the grid already.
    bool add(const CostCentreShare &share);
    void removeShare(int row);
    void clear() { setShares({}); }
    int find(const QString &code) const;
    void setEditable(bool editable) { m_editable = editable; }
    void setLocale(const QLocale &locale) { m_locale = locale; }

    Rate total() const;
    // The total as the label under the grid shows it ("###,###0.00").
    QString totalText() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void totalChanged();

private:
    std::vector<CostCentreShare> m_shares;
    QLocale m_locale;
    bool m_editable = true;
};
