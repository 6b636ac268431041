#pragma once
// TStrings: the list of texts behind list boxes, combo boxes, memos and radio groups, each text
// with an object of its own. The control that owns the list hears every change (OnChange) and
// shows the list again; BeginUpdate / EndUpdate make a series of changes one.
#include <functional>
#include <string>
#include <vector>

namespace tarvelon {

class TObject;

class TStrings {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // The text at an index ("" outside the list).
    std::string Strings(int index) const;
    std::string operator[](int index) const { return Strings(index); }
    void SetStrings(int index, const std::string& text);
    TObject* Objects(int index) const;
    void SetObjects(int index, TObject* object);

    // Adds at the end (at the sorted place when Sorted); returns the index.
    int Add(const std::string& text, TObject* object = nullptr);
    void Insert(int index, const std::string& text, TObject* object = nullptr);
    void Delete(int index);
    void Clear();
    void Move(int from, int to);
    // The first text equal to `text` without regard to case, or -1.
    int IndexOf(const std::string& text) const;
    int IndexOfObject(const TObject* object) const;

    // The texts one per line ("\r\n" or "\n" between them when set).
    std::string Text() const;
    void SetText(const std::string& text);
    void Assign(const std::vector<std::string>& texts);
    std::vector<std::string> ToVector() const;

    // Kept sorted without regard to case (texts added later go to their place).
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    void Sort();

    void BeginUpdate() { ++updating_; }
    void EndUpdate();

    std::function<void()> OnChange;

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    void Changed();
    std::vector<Item> items_;
    bool sorted_ = false;
    int updating_ = 0;
    bool changedWhileUpdating_ = false;
};

// Compares two texts without regard to case (the list's and the file search's order).
int CompareTextNoCase(const std::string& a, const std::string& b);

}  // namespace tarvelon
