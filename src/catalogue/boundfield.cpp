#include "catalogue/boundfield.h"

#include "catalogue/dataset.h"

#include <QMetaProperty>
#include <QWidget>

namespace kvartson {

BoundField::BoundField(QWidget *widget, Dataset *dataset, const QString &column, QObject *parent)
    : QObject(parent), m_widget(widget), m_dataset(dataset), m_column(column)
{
    m_mapper.setModel(dataset->model());
    m_mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    connect(dataset, &Dataset::currentRowChanged, this, &BoundField::refresh);
    connect(dataset, &Dataset::openedOrClosed, this, &BoundField::refresh);
    refresh();
}

void BoundField::refresh()
{
    if (!m_widget)
        return;
    m_mapper.clearMapping();
    const int column = m_dataset->isOpen() ? m_dataset->columnIndex(m_column) : -1;
    if (column >= 0 && m_dataset->currentRow() >= 0) {
        m_mapper.addMapping(m_widget, column);
        m_mapper.setCurrentIndex(m_dataset->currentRow());
    } else {
        const QMetaProperty property = m_widget->metaObject()->userProperty();
        if (property.isValid())
            property.write(m_widget, QString());
    }
}

} // namespace kvartson
