#include "editors/window/style_list_pair.h"

#include "model/style_help.h"

namespace zim {

StyleArrows arrowsForFocus(StyleListSide focused) {
    return {focused == StyleListSide::available, focused == StyleListSide::selected};
}

std::vector<int> StyleListPair::entries(StyleListSide side) const {
    const bool wantSet = side == StyleListSide::selected;
    std::vector<int> shown;
    for (int entry = 1; entry <= list_->count; ++entry)
        if (isSet(entry) == wantSet)
            shown.push_back(entry);
    return shown;
}

std::vector<std::string> StyleListPair::names(StyleListSide side) const {
    std::vector<std::string> shown;
    for (int entry : entries(side))
        shown.emplace_back((*list_)[entry].name);
    return shown;
}

int StyleListPair::entryAt(StyleListSide side, int position) const {
    const std::vector<int> shown = entries(side);
    if (position < 0 || position >= static_cast<int>(shown.size()))
        return 0;
    return shown[position];
}

int StyleListPair::firstSelected() const {
    return entryAt(StyleListSide::selected, 0);
}

StyleMove StyleListPair::move(StyleListSide from, int position) {
    const int entry = entryAt(from, position);
    if (entry == 0)
        return {};
    const bool sourceHadMore = entries(from).size() > 1;
    flags_[entry - 1] = from == StyleListSide::available ? 1 : 0;
    StyleMove result;
    result.moved = true;
    if (sourceHadMore) {
        result.sourceSelection = 0;
        result.describedEntry = entryAt(from, 0);
    }
    return result;
}

std::string styleDescription(const ValueList& list, int entry) {
    if (entry < 1 || entry > list.count)
        return {};
    return std::string("\t") + list[entry].name + " - " + styleHelp(list, entry);
}

} // namespace zim
