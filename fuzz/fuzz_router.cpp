// The request router as the HTTP adaptor calls it: method, path, headers and body from
// the input, with a real project.db. Whatever arrives, the answer is a valid status with
// JSON for every API path, no session is opened without the right password, and nothing
// crashes or leaks.
#include "apirouter.h"
#include "datadir.h"
#include "eventhub.h"
#include "fuzzsupport.h"
#include "permissionstore.h"
#include "userstore.h"

#include <QJsonDocument>

namespace {

// Input: "METHOD PATH\n" then "Name: value\n" lines, an empty line, the body.
ApiRequest requestOf(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    ApiRequest request;
    request.clientAddress = "127.0.0.1";
    std::size_t at = text.find('\n');
    const std::string first = text.substr(0, at);
    const std::size_t space = first.find(' ');
    request.method = first.substr(0, space);
    const std::string target = space == std::string::npos ? std::string() : first.substr(space + 1);
    const std::size_t question = target.find('?');
    request.path = target.substr(0, question);
    if (question != std::string::npos)
        request.query = target.substr(question + 1);
    while (at != std::string::npos) {
        const std::size_t next = text.find('\n', at + 1);
        const std::string line =
            text.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
        at = next;
        if (line.empty()) {
            request.body = at == std::string::npos ? std::string() : text.substr(at + 1);
            break;
        }
        const std::size_t colon = line.find(':');
        request.headers.emplace_back(line.substr(0, colon),
                                     colon == std::string::npos ? std::string()
                                                                : line.substr(colon + 1));
    }
    return request;
}

ApiRouter &router()
{
    static EventHub hub;
    static ApiRouter *instance = [] {
        DataDir::set(FuzzSupport::scratchDir());
        UserStore::initTables();
        PermissionStore::createTable();
        auto *r = new ApiRouter(RemoteContext(), &hub);
        r->setListenPort(8790);
        return r;
    }();
    return *instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::init();
    ApiRouter &r = router();
    const ApiRequest request = requestOf(data, size);
    const ApiResponse response = r.handle(request);
    if (response.status < 200 || response.status > 599)
        FuzzSupport::fail("status out of range");
    const bool api = request.path.rfind("/api/", 0) == 0;
    if (api && response.status >= 400 &&
        !QJsonDocument::fromJson(QByteArray::fromStdString(response.body)).isObject())
        FuzzSupport::fail("an API error without a JSON body");
    if (response.status == 200 && request.path == "/api/v1/login" &&
        request.body.find("tiger905") == std::string::npos)
        FuzzSupport::fail("a login without the password");
    if (r.sessions().count() > 16)
        r.sessions() = SessionStore(); // keeps each input's work small
    return 0;
}
