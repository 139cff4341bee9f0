#pragma once

#include <string>
#include <vector>

// Sorts list items (Windows-1252) as the sorted lists of the program show them: without
// regard to case, accented letters beside their plain ones, by the system's collation or the
// French one where the system has none. Items that collate alike keep their order.
void SortListItems(std::vector<std::string>& items);
