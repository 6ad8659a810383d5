#pragma once

#include <QIdentityProxyModel>

class ListForm;

// A list's rows as its grid shows them, the rows its declaration calls warnings drawn red with
// yellow text (over the alternate shading and in every column, money columns included).
class WarningRowsProxy : public QIdentityProxyModel
{
    Q_OBJECT
public:
    WarningRowsProxy(ListForm &form, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const ListForm &m_form;
};
