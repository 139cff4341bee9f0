#pragma once

#include <QListWidget>
#include <QString>

// Inserts an item into a list kept in alphabetical order of `key`, without regard to case, as
// the system's sorted list boxes order their lines.
inline QListWidgetItem* InsertSorted(QListWidget* list, const QString& key, const QString& text) {
    int row = 0;
    while (row < list->count() &&
           QString::localeAwareCompare(list->item(row)->data(Qt::UserRole + 1).toString().toLower(),
                                       key.toLower()) <= 0) {
        ++row;
    }
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole + 1, key);
    list->insertItem(row, item);
    return item;
}
