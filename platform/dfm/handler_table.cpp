#include "platform/dfm/handler_table.h"

#include <cctype>

namespace tarvelon {

std::string THandlerTable::Key(const std::string& name)
{
    std::string key = name;
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

const std::any* THandlerTable::Find(const std::string& name) const
{
    auto found = handlers_.find(Key(name));
    return found == handlers_.end() ? nullptr : &found->second;
}

}  // namespace tarvelon
