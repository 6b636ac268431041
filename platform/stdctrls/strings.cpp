#include "platform/stdctrls/strings.h"

#include <QString>
#include <algorithm>

#include "platform/forms/text_utils.h"

namespace tarvelon {

int CompareTextNoCase(const std::string& a, const std::string& b)
{
    return QString::compare(ToQString(a), ToQString(b), Qt::CaseInsensitive);
}

std::string TStrings::Strings(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return items_[static_cast<std::size_t>(index)].text;
}

void TStrings::SetStrings(int index, const std::string& text)
{
    if (index < 0 || index >= Count())
        return;
    items_[static_cast<std::size_t>(index)].text = text;
    Changed();
}

TObject* TStrings::Objects(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<std::size_t>(index)].object;
}

void TStrings::SetObjects(int index, TObject* object)
{
    if (index < 0 || index >= Count())
        return;
    items_[static_cast<std::size_t>(index)].object = object;
}

int TStrings::Add(const std::string& text, TObject* object)
{
    int index = Count();
    if (sorted_) {
        auto place = std::upper_bound(items_.begin(), items_.end(), text, [](const std::string& t, const Item& item) {
            return CompareTextNoCase(t, item.text) < 0;
        });
        index = static_cast<int>(place - items_.begin());
    }
    Insert(index, text, object);
    return index;
}

void TStrings::Insert(int index, const std::string& text, TObject* object)
{
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, Item{text, object});
    Changed();
}

void TStrings::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    items_.erase(items_.begin() + index);
    Changed();
}

void TStrings::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

void TStrings::Move(int from, int to)
{
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to)
        return;
    Item item = items_[static_cast<std::size_t>(from)];
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, item);
    Changed();
}

int TStrings::IndexOf(const std::string& text) const
{
    for (int i = 0; i < Count(); ++i) {
        if (SameText(items_[static_cast<std::size_t>(i)].text, text))
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const
{
    for (int i = 0; i < Count(); ++i) {
        if (items_[static_cast<std::size_t>(i)].object == object)
            return i;
    }
    return -1;
}

std::string TStrings::Text() const
{
    std::string text;
    for (const Item& item : items_)
        text += item.text + "\r\n";
    return text;
}

void TStrings::SetText(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    Assign(lines);
}

void TStrings::Assign(const std::vector<std::string>& texts)
{
    BeginUpdate();
    items_.clear();
    for (const std::string& text : texts)
        items_.push_back(Item{text, nullptr});
    if (sorted_)
        Sort();
    Changed();
    EndUpdate();
}

std::vector<std::string> TStrings::ToVector() const
{
    std::vector<std::string> texts;
    for (const Item& item : items_)
        texts.push_back(item.text);
    return texts;
}

void TStrings::SetSorted(bool sorted)
{
    sorted_ = sorted;
    if (sorted_)
        Sort();
}

void TStrings::Sort()
{
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return CompareTextNoCase(a.text, b.text) < 0; });
    Changed();
}

void TStrings::EndUpdate()
{
    if (updating_ > 0 && --updating_ == 0 && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        Changed();
    }
}

void TStrings::Changed()
{
    if (updating_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    if (OnChange)
        OnChange();
}

}  // namespace tarvelon
