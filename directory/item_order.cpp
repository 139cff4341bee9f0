#include "directory/item_order.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <utility>

#include "widgets/ansi_text.h"

namespace {

// Without a collation of its own (the "C" locale of a bare session) French, so that
// "Élodie" stands beside "Elodie" and not after "Zoé".
QCollator ItemCollator() {
    const QLocale system = QLocale::system();
    QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::French, QLocale::France)
                                                       : system);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

}  // namespace

// Keys are made once per item; texts are lower-cased first, which keeps the order
// case-insensitive whatever the collation backend supports.
void SortListItems(std::vector<std::string>& items) {
    const QCollator collator = ItemCollator();
    std::vector<std::pair<QCollatorSortKey, std::string>> keyed;
    keyed.reserve(items.size());
    for (std::string& item : items) {
        keyed.emplace_back(collator.sortKey(FromAnsi(item).toLower()), std::move(item));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    for (std::size_t i = 0; i < items.size(); ++i) items[i] = std::move(keyed[i].second);
}
