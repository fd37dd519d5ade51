// httpserve.exe: a tiny HTTP server on 127.0.0.1 for download tests. It serves
// the files of one folder; a missing file gets 404, and the path "/close"
// closes the connection at once without an answer.
// Usage: httpserve.exe --root FOLDER --port-file FILE [--port N]
// With port 0 (the default) the system picks a free port; the port in use is
// written to the port file once the server listens.
#include <winsock2.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string OptionValue(int argc, char** argv, const char* name, const char* fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return argv[i + 1];
    }
    return fallback;
}

void SendAll(SOCKET s, const std::string& data)
{
    size_t sent = 0;
    while (sent < data.size()) {
        int n = send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
        if (n <= 0)
            return;
        sent += static_cast<size_t>(n);
    }
}

// The path of the request line "GET /path HTTP/1.x"; "" when malformed.
std::string RequestPath(SOCKET s)
{
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        int n = recv(s, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        request.append(buffer, static_cast<size_t>(n));
    }
    size_t first = request.find(' ');
    size_t second = first == std::string::npos ? first : request.find(' ', first + 1);
    if (second == std::string::npos)
        return "";
    return request.substr(first + 1, second - first - 1);
}

bool ReadFile(const std::string& path, std::string& body)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    char buffer[8192];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        body.append(buffer, n);
    std::fclose(f);
    return true;
}

void Answer(SOCKET s, const std::string& root)
{
    std::string path = RequestPath(s);
    if (path == "/close")
        return;
    std::string body;
    // Only plain names: nothing outside the folder is served.
    bool plain = path.size() > 1 && path[0] == '/' && path.find("..") == std::string::npos &&
                 path.find_first_of("\\:?", 1) == std::string::npos;
    if (plain && ReadFile(root + "\\" + path.substr(1), body)) {
        SendAll(s, "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                       std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        return;
    }
    body = "<html><body>Not found</body></html>";
    SendAll(s, "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
                   "\r\nConnection: close\r\n\r\n" + body);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string root = OptionValue(argc, argv, "--root", ".");
    std::string portFile = OptionValue(argc, argv, "--port-file", "");
    int port = std::atoi(OptionValue(argc, argv, "--port", "0").c_str());

    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return 2;
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    if (listener == INVALID_SOCKET || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 8) != 0) {
        std::fprintf(stderr, "httpserve: cannot listen on port %d\n", port);
        return 3;
    }
    int length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    if (!portFile.empty()) {
        // Written under another name first, so a reader never sees half a number.
        std::string partial = portFile + ".part";
        FILE* f = std::fopen(partial.c_str(), "w");
        if (!f)
            return 4;
        std::fprintf(f, "%d\n", ntohs(address.sin_port));
        std::fclose(f);
        MoveFileExA(partial.c_str(), portFile.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    for (;;) {
        SOCKET client = accept(listener, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            continue;
        Answer(client, root);
        shutdown(client, SD_BOTH);
        closesocket(client);
    }
}
