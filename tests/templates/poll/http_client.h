// A small HTTP/1.1 client over a socket for the tests that drive the generated PHP poll on
// the PHP server: one visitor with a cookie jar, one connection per request.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace norvel::tests {

using FormFields = std::vector<std::pair<std::string, std::string>>;
using HeaderFields = std::vector<std::pair<std::string, std::string>>;

struct HttpResponse {
    int status = 0;
    HeaderFields headers;  // names as sent
    std::string body;

    // The first header of that name (compared without regard to case), or empty.
    std::string header(const std::string& name) const;
};

// Fields encoded as application/x-www-form-urlencoded.
std::string formEncode(const FormFields& fields);

class HttpClient {
  public:
    explicit HttpClient(int port) : port_(port) {}

    HttpResponse get(const std::string& path, const HeaderFields& extraHeaders = {});
    HttpResponse post(const std::string& path, const FormFields& fields,
                      const HeaderFields& extraHeaders = {});

    // The cookies the server has set and not expired, by name.
    std::map<std::string, std::string>& cookies() { return cookies_; }

  private:
    HttpResponse send(const std::string& request);
    void keepCookies(const HttpResponse& response);

    int port_;
    std::map<std::string, std::string> cookies_;
};

}  // namespace norvel::tests
