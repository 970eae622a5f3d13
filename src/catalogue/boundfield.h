#pragma once

#include <QDataWidgetMapper>
#include <QObject>
#include <QPointer>

namespace kvartson {

class Dataset;

// Shows one column of a dataset's current row in a widget, following the row as
// it moves and showing nothing while the dataset is empty or closed.
class BoundField : public QObject
{
    Q_OBJECT

public:
    BoundField(QWidget *widget, Dataset *dataset, const QString &column, QObject *parent = nullptr);

    void refresh();

private:
    QPointer<QWidget> m_widget;
    Dataset *m_dataset;
    QString m_column;
    QDataWidgetMapper m_mapper;
};

} // namespace kvartson
