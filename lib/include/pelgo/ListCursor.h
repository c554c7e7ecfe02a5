#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace pelgo {

// The list shape every logic class offers to its screen: a cursor that starts
// at 0, EOF once it lies past the last entry, Next that advances (and returns
// false without moving at EOF), the entry at the cursor and any entry by index.
// Reading past the end (or a list whose file did not load) gives an empty entry
// rather than failing, so a screen simply has nothing to show.
template <class Entry>
class ListCursor {
public:
    void clear()
    {
        entries_.clear();
        position_ = 0;
    }
    void add(Entry entry) { entries_.push_back(std::move(entry)); }
    void rewind() { position_ = 0; }

    bool eof() const { return position_ >= entries_.size(); }
    bool next()
    {
        if (eof())
            return false;
        ++position_;
        return true;
    }

    const Entry& current() const { return at(position_); }
    const Entry& byIndex(std::int32_t index) const
    {
        return index < 0 ? empty() : at(static_cast<std::size_t>(index));
    }

    std::size_t size() const { return entries_.size(); }
    std::size_t position() const { return position_; }
    const std::vector<Entry>& entries() const { return entries_; }

private:
    const Entry& at(std::size_t index) const { return index < entries_.size() ? entries_[index] : empty(); }
    static const Entry& empty()
    {
        static const Entry none{};
        return none;
    }

    std::vector<Entry> entries_;
    std::size_t position_ = 0;
};

} // namespace pelgo
