#include "tests/templates/poll/http_client.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <stdexcept>

namespace norvel::tests {

namespace {

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string percentEncode(const std::string& text) {
    static const char* digits = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            encoded.push_back(static_cast<char>(c));
        } else if (c == ' ') {
            encoded.push_back('+');
        } else {
            encoded.push_back('%');
            encoded.push_back(digits[c >> 4]);
            encoded.push_back(digits[c & 15]);
        }
    }
    return encoded;
}

std::string decodeChunked(const std::string& body) {
    std::string decoded;
    size_t position = 0;
    while (position < body.size()) {
        size_t lineEnd = body.find("\r\n", position);
        if (lineEnd == std::string::npos)
            break;
        size_t size = std::stoul(body.substr(position, lineEnd - position), nullptr, 16);
        if (size == 0)
            break;
        decoded.append(body, lineEnd + 2, size);
        position = lineEnd + 2 + size + 2;
    }
    return decoded;
}

HttpResponse parseResponse(const std::string& raw) {
    size_t headEnd = raw.find("\r\n\r\n");
    if (raw.compare(0, 5, "HTTP/") != 0 || headEnd == std::string::npos)
        throw std::runtime_error("not an HTTP response: " + raw.substr(0, 200));
    HttpResponse response;
    response.status = std::stoi(raw.substr(raw.find(' ') + 1, 3));
    size_t lineStart = raw.find("\r\n") + 2;
    while (lineStart < headEnd) {
        size_t lineEnd = raw.find("\r\n", lineStart);
        std::string line = raw.substr(lineStart, lineEnd - lineStart);
        size_t colon = line.find(':');
        if (colon != std::string::npos) {
            size_t valueStart = line.find_first_not_of(' ', colon + 1);
            response.headers.emplace_back(line.substr(0, colon), valueStart == std::string::npos
                                                                     ? ""
                                                                     : line.substr(valueStart));
        }
        lineStart = lineEnd + 2;
    }
    response.body = raw.substr(headEnd + 4);
    if (sameName(response.header("Transfer-Encoding"), "chunked"))
        response.body = decodeChunked(response.body);
    return response;
}

}  // namespace

std::string HttpResponse::header(const std::string& name) const {
    for (const auto& [key, value] : headers)
        if (sameName(key, name))
            return value;
    return {};
}

std::string formEncode(const FormFields& fields) {
    std::string encoded;
    for (const auto& [name, value] : fields) {
        if (!encoded.empty())
            encoded += '&';
        encoded += percentEncode(name) + '=' + percentEncode(value);
    }
    return encoded;
}

HttpResponse HttpClient::get(const std::string& path, const HeaderFields& extraHeaders) {
    std::string request = "GET " + path + " HTTP/1.1\r\n";
    for (const auto& [name, value] : extraHeaders)
        request += name + ": " + value + "\r\n";
    return send(request);
}

HttpResponse HttpClient::post(const std::string& path, const FormFields& fields,
                              const HeaderFields& extraHeaders) {
    std::string body = formEncode(fields);
    std::string request = "POST " + path + " HTTP/1.1\r\n";
    request += "Content-Type: application/x-www-form-urlencoded\r\n";
    request += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    for (const auto& [name, value] : extraHeaders)
        request += name + ": " + value + "\r\n";
    return send(request + "\r\n" + body);
}

HttpResponse HttpClient::send(const std::string& requestStart) {
    std::string request = requestStart;
    size_t headEnd = request.find("\r\n\r\n");
    std::string head = headEnd == std::string::npos ? request : request.substr(0, headEnd + 2);
    std::string body = headEnd == std::string::npos ? "" : request.substr(headEnd + 4);
    head += "Host: 127.0.0.1:" + std::to_string(port_) + "\r\nConnection: close\r\n";
    if (!cookies_.empty()) {
        std::string cookieLine;
        for (const auto& [name, value] : cookies_)
            cookieLine += (cookieLine.empty() ? "" : "; ") + name + "=" + value;
        head += "Cookie: " + cookieLine + "\r\n";
    }
    request = head + "\r\n" + body;

    int socketFd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socketFd < 0)
        throw std::runtime_error("socket: " + std::string(std::strerror(errno)));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port_));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        std::string problem = std::strerror(errno);
        ::close(socketFd);
        throw std::runtime_error("connect to port " + std::to_string(port_) + ": " + problem);
    }
    for (size_t sent = 0; sent < request.size();) {
        ssize_t n = ::send(socketFd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            ::close(socketFd);
            throw std::runtime_error("send failed");
        }
        sent += static_cast<size_t>(n);
    }
    std::string raw;
    char buffer[8192];
    ssize_t n;
    while ((n = ::recv(socketFd, buffer, sizeof buffer, 0)) > 0)
        raw.append(buffer, n);
    ::close(socketFd);
    HttpResponse response = parseResponse(raw);
    keepCookies(response);
    return response;
}

void HttpClient::keepCookies(const HttpResponse& response) {
    for (const auto& [name, value] : response.headers) {
        if (!sameName(name, "Set-Cookie"))
            continue;
        size_t equals = value.find('=');
        size_t end = value.find(';');
        std::string cookieName = value.substr(0, equals);
        std::string cookieValue = value.substr(
            equals + 1, end == std::string::npos ? std::string::npos : end - equals - 1);
        bool expired = value.find("Max-Age=0") != std::string::npos ||
                       value.find("expires=Thu, 01 Jan 1970") != std::string::npos ||
                       cookieValue.empty() || cookieValue == "deleted";
        if (expired)
            cookies_.erase(cookieName);
        else
            cookies_[cookieName] = cookieValue;
    }
}

}  // namespace norvel::tests
