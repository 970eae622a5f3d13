#pragma once

#include <QColor>
#include <QIdentityProxyModel>

namespace kvartson {

// Gives every row whose stock column is false the out-of-stock text colour;
// rows in stock (or with an empty stock) keep the window-text colour. The
// background is never touched.
class StockColourModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    void setOutOfStockColour(const QColor &colour);
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QColor m_colour;
};

} // namespace kvartson
