// The sort keys of the deed list and the sort state both lists keep in the document.
#pragma once

#include "data/Deed.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

// Sort state of one list, shared by its views and kept for the whole run.
struct SortState {
    int sortItem = -1; // -1: none chosen yet
    bool sortDescending = false;
    std::string sortOrder; // order string of sort item 99, as read from the settings
};

// Sort items of the deed list (column index = sort item).
enum DeedSortItem : int {
    kSortByType = 0,
    kSortByMaterial = 1,
    kSortByQuality = 2,
    kSortByQuantity = 3,
    kSortByCombined = 4,
    kSortByComment = 5,
    kSortBySerial = 6,
    kSortByItemOrder = 99,
};

// The fixed-width key text of a deed for a sort item; -1 sorts as 0, 99 follows `order`
// (seven two-digit item numbers), any other item gives an empty key.
std::string sortKey(const Deed& deed, int sortItem, std::string_view order);
void appendSortKey(std::string& out, const Deed& deed, int sortItem, std::string_view order);

// Sorts deed rows by their keys, ascending or descending, keeping the order of equal keys.
// A negative sort item sorts as item 0, ascending, with no order string.
void sortDeeds(std::vector<const Deed*>& rows, int sortItem, bool descending,
               std::string_view order);

// The sort command of a list: a negative item changes nothing (the caller sorts as item 0); a
// new item, or 99 every time, becomes the sort item, ascending, with its order string read
// afresh through `loadOrder`; the current item again reverses the direction when `toggle` is set.
void chooseSortItem(SortState& state, int sortItem, bool toggle,
                    const std::function<std::string()>& loadOrder);

} // namespace tessary
