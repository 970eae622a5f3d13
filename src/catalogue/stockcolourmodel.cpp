#include "catalogue/stockcolourmodel.h"

#include <QSqlQueryModel>
#include <QSqlRecord>

namespace kvartson {

void StockColourModel::setOutOfStockColour(const QColor &colour)
{
    beginResetModel();
    m_colour = colour;
    endResetModel();
}

QVariant StockColourModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::ForegroundRole && m_colour.isValid() && index.isValid()) {
        const auto *sql = qobject_cast<const QSqlQueryModel *>(sourceModel());
        const int stockColumn = sql ? sql->record().indexOf(QStringLiteral("stock")) : -1;
        if (stockColumn >= 0) {
            const QVariant stock = sql->record(index.row()).value(stockColumn);
            if (!stock.isNull() && stock.toInt() == 0)
                return m_colour;
        }
        return QVariant();
    }
    return QIdentityProxyModel::data(index, role);
}

} // namespace kvartson
