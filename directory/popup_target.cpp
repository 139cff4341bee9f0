#include "directory/popup_target.h"

#include "widgets/babi_list_box.h"

void PopupTarget::Remember(const BabiListBox& list, int row) {
    key_.reset();
    if (row < 0 || row >= list.count()) return;
    QString key = key_of_(list.ItemText(row));
    if (!key.isEmpty()) key_ = std::move(key);
}

QString PopupTarget::Item(const BabiListBox& list) const {
    if (!key_) return {};
    for (int row = 0; row < list.count(); ++row) {
        QString item = list.ItemText(row);
        if (key_of_(item) == *key_) return item;
    }
    return {};
}
