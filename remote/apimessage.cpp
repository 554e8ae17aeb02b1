#include "apimessage.h"

#include <algorithm>
#include <cctype>

namespace {

bool sameName(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

template<typename Headers> const std::string *find(const Headers &headers, const std::string &name)
{
    for (const auto &header : headers) {
        if (sameName(header.first, name))
            return &header.second;
    }
    return nullptr;
}

} // namespace

std::string ApiRequest::header(const std::string &name) const
{
    const std::string *value = find(headers, name);
    return value ? *value : std::string();
}

bool ApiRequest::hasHeader(const std::string &name) const
{
    return find(headers, name) != nullptr;
}

void ApiResponse::setHeader(const std::string &name, const std::string &value)
{
    for (auto &header : headers) {
        if (sameName(header.first, name)) {
            header.second = value;
            return;
        }
    }
    headers.emplace_back(name, value);
}

std::string ApiResponse::header(const std::string &name) const
{
    const std::string *value = find(headers, name);
    return value ? *value : std::string();
}
