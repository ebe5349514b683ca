#pragma once

#include "shell/admin/CompanyUserAssignment.h"

#include <QAbstractTableModel>

// The company grid of the assignment window: a check box with each company's code, and its
// name (a branch's followed by its head office). Ticks change only while editing.
class CompanyAssignmentModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit CompanyAssignmentModel(QObject *parent = nullptr);

    static const QStringList &Headers();

    void setCompanies(std::vector<CompanyUserAssignment::Company> companies);
    const std::vector<CompanyUserAssignment::Company> &companies() const { return m_rows; }
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }
    // "Marcar" and "Desmarcar" of the grid's menu: every company at once.
    void setAllAssigned(bool assigned);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<CompanyUserAssignment::Company> m_rows;
    bool m_editable = false;
};
