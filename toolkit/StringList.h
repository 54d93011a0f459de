#pragma once
// An ordered list of text lines that tells its owner when it changes.
#include <functional>
#include <string>
#include <vector>

class TStringList {
public:
    int Count() const { return int(FLines.size()); }
    const std::string& Strings(int index) const { return FLines.at(size_t(index)); }
    void Put(int index, const std::string& value);
    void Add(const std::string& value) { Insert(Count(), value); }
    void Insert(int index, const std::string& value);
    void Delete(int index);
    void Clear();
    void Assign(const TStringList& other);
    // Lines joined with line breaks; setting splits at CR LF, LF or CR.
    std::string Text() const;
    void SetText(const std::string& text);
    const std::vector<std::string>& Lines() const { return FLines; }

    std::function<void()> OnChange;

private:
    void Changed();
    std::vector<std::string> FLines;
};
