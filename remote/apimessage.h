#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

class EventStream;

// One HTTP request as the server's pool thread hands it to the core's thread: plain
// standard-library values, so building and copying it touches no Qt object.
struct ApiRequest
{
    std::string method;
    std::string path;  // without the query
    std::string query; // the raw text after '?'
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    std::string clientAddress;

    // The first header named `name` (case-insensitive); empty when absent.
    std::string header(const std::string &name) const;
    bool hasHeader(const std::string &name) const;
};

// The router's answer. `stream` is set for an event stream: the adaptor keeps the
// connection open and writes what the stream queues.
struct ApiResponse
{
    int status = 200;
    std::string contentType = "application/json";
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    std::shared_ptr<EventStream> stream;

    void setHeader(const std::string &name, const std::string &value);
    std::string header(const std::string &name) const;
};
