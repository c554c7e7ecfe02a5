#pragma once

// The two kinds of input a step screen holds. A text box keeps the text
// exactly as typed (a plain std::string member of the step); a drop-down list
// that only allows a choice is a ChoiceField: the entries shown, an optional
// value attached to each entry (a list box's item data) and the chosen
// position, -1 when nothing is chosen.

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace pelgo::wizard {

// The speed points of every curve grid: 0 %, 10 %, ... 100 % of rated speed.
inline constexpr int kSpeedPoints = 11;

struct NoValue {};

template <class Value = NoValue>
class ChoiceField {
public:
    void clear()
    {
        entries_.clear();
        selected_ = -1;
    }
    void add(std::string shown, Value value = {}) { entries_.push_back({std::move(shown), std::move(value)}); }

    // Chooses an entry; an index outside the list chooses nothing.
    void select(int index) { selected_ = (index >= 0 && index < size()) ? index : -1; }
    void unselect() { selected_ = -1; }

    int selected() const { return selected_; }
    bool hasSelection() const { return selected_ >= 0; }
    int size() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }

    // The chosen entry's text and value ("" and a default value when none).
    const std::string& text() const { return textAt(selected_); }
    const Value& value() const { return valueAt(selected_); }

    const std::string& textAt(int index) const { return inRange(index) ? entries_[index].shown : noText(); }
    const Value& valueAt(int index) const { return inRange(index) ? entries_[index].value : noValue(); }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> shown;
        for (const auto& entry : entries_)
            shown.push_back(entry.shown);
        return shown;
    }

    // Position of the last entry for which `matches(text, value)` holds, -1 if
    // none (a list box selected while it is filled keeps the last match).
    int findLast(const std::function<bool(const std::string&, const Value&)>& matches) const
    {
        int found = -1;
        for (int i = 0; i < size(); ++i)
            if (matches(entries_[i].shown, entries_[i].value))
                found = i;
        return found;
    }
    int findText(const std::string& shown) const
    {
        return findLast([&](const std::string& text, const Value&) { return text == shown; });
    }

private:
    struct Entry {
        std::string shown;
        Value value;
    };
    bool inRange(int index) const { return index >= 0 && index < size(); }
    static const std::string& noText()
    {
        static const std::string none;
        return none;
    }
    static const Value& noValue()
    {
        static const Value none{};
        return none;
    }

    std::vector<Entry> entries_;
    int selected_ = -1;
};

} // namespace pelgo::wizard
