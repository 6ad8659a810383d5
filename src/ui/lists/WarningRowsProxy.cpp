#include "ui/lists/WarningRowsProxy.h"

#include "data/lists/ListModel.h"
#include "forms/lists/ListForm.h"

#include <QBrush>

WarningRowsProxy::WarningRowsProxy(ListForm &form, QObject *parent) : QIdentityProxyModel(parent), m_form(form)
{
    setSourceModel(&form.model());
}

QVariant WarningRowsProxy::data(const QModelIndex &index, int role) const
{
    if ((role == Qt::BackgroundRole || role == Qt::ForegroundRole) && m_form.isWarningRow(index.row()))
        return QBrush(role == Qt::BackgroundRole ? QColor(Qt::red) : QColor(Qt::yellow));
    return QIdentityProxyModel::data(index, role);
}
