#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "lib/xml/web_service.h"
#include "platform/os/codepage.h"
#include "platform/os/dynlib.h"
#include "testing/testing.h"

namespace {

// A one-shot HTTP server on 127.0.0.1: answers a single request with a fixed status and body
// and records what it received. Gives up after a few seconds without a request.
class OneShotServer {
 public:
  OneShotServer(int status, std::string body) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (bind(fd_, reinterpret_cast<sockaddr*>(&addr), len) != 0 || listen(fd_, 1) != 0 ||
        getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
      throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this, status, body] { Serve(status, body); });
  }
  ~OneShotServer() {
    if (thread_.joinable()) thread_.join();
    close(fd_);
  }
  std::string Url(const std::string& path = "/svc") const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  // The request as received; valid after the call returned.
  const std::string& Request() {
    if (thread_.joinable()) thread_.join();
    return request_;
  }

 private:
  void Serve(int status, const std::string& body) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, 5000) != 1) return;
    int client = accept(fd_, nullptr, nullptr);
    if (client < 0) return;
    timeval timeout{5, 0};
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    char buffer[4096];
    size_t expected = std::string::npos;
    while (request_.size() < expected) {
      ssize_t n = recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      request_.append(buffer, static_cast<size_t>(n));
      size_t headerEnd = request_.find("\r\n\r\n");
      if (headerEnd != std::string::npos && expected == std::string::npos) {
        size_t at = request_.find("Content-Length: ");
        size_t length = at == std::string::npos ? 0 : std::stoul(request_.substr(at + 16));
        expected = headerEnd + 4 + length;
      }
    }
    std::string answer = "HTTP/1.1 " + std::to_string(status) +
                         " X\r\nContent-Type: text/xml\r\nConnection: close\r\nContent-Length: " +
                         std::to_string(body.size()) + "\r\n\r\n" + body;
    send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
    close(client);
  }

  int fd_ = -1;
  int port_ = 0;
  std::thread thread_;
  std::string request_;
};

// An address on 127.0.0.1 where nothing listens: a port that was free a moment ago.
std::string ClosedPortUrl() {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  bind(fd, reinterpret_cast<sockaddr*>(&addr), len);
  getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  close(fd);
  return "http://127.0.0.1:" + std::to_string(ntohs(addr.sin_port)) + "/";
}

using Fx = int (*)(const char*, const char*, const char*, const char*);

class CallWebServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library_ = pxq::os::DynamicLibrary::Load(CALLWEBSERVICE_LIBRARY);
    ASSERT_TRUE(library_);
    fx_ = reinterpret_cast<Fx>(library_->Symbol("CallWebServiceFx"));
    ASSERT_TRUE(fx_);
  }
  std::string Body(const std::string& request) const {
    return request.substr(request.find("\r\n\r\n") + 4);
  }

  pxq::testing::ScopedEnv noProxy_{"NO_PROXY", "127.0.0.1"};
  pxq::testing::ScopedEnv noProxyLower_{"no_proxy", "127.0.0.1"};
  pxq::testing::TempDir dir_;
  std::unique_ptr<pxq::os::DynamicLibrary> library_;
  Fx fx_ = nullptr;
};

TEST_F(CallWebServiceTest, PostsTheOperationAndRequestAndWritesTheUnwrappedAnswer) {
  OneShotServer server(200,
                       "<?xml version=\"1.0\"?><s:Envelope "
                       "xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body>"
                       "<getAllUserResponse><getAllUserResult>&lt;Status code=\"0\"/&gt;"
                       "</getAllUserResult></getAllUserResponse></s:Body></s:Envelope>");
  std::string file = (dir_ / "answer.tmp").string();
  ASSERT_EQ(fx_(server.Url().c_str(), "PORTAL.getAllUser", "<a>x & y\r\n</a>", file.c_str()), 0);
  const std::string& request = server.Request();
  EXPECT_EQ(request.rfind("POST /svc HTTP/1.1\r\n", 0), 0u) << request;
  EXPECT_NE(request.find("Content-Type: text/xml; charset=utf-8\r\n"), std::string::npos);
  EXPECT_NE(request.find("SOAPAction: \"PORTAL.getAllUser\"\r\n"), std::string::npos);
  EXPECT_EQ(Body(request),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
            "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
            "<soap:Body><CallWebService xmlns=\"urn:CallWebService\">"
            "<operation>PORTAL.getAllUser</operation>"
            "<request>&lt;a&gt;x &amp; y&#13;\n&lt;/a&gt;</request>"
            "</CallWebService></soap:Body></soap:Envelope>");
  EXPECT_EQ(pxq::testing::ReadFile(file), "<Status code=\"0\"/>");
}

TEST_F(CallWebServiceTest, AnswersOtherThanAnEscapedResult) {
  struct Case {
    std::string body, written;
  } cases[] = {
      {"plain answer\n", "plain answer\n"},
      {"<s:Envelope xmlns:s=\"e\"><s:Body><R><Result><Status code=\"0\"/><X/></Result></R>"
       "</s:Body></s:Envelope>",
       "<Status code=\"0\"/><X/>"},
      {"<Envelope><Body><R>text</R></Body></Envelope>", "text"},
  };
  for (const auto& c : cases) {
    OneShotServer server(200, c.body);
    std::string file = (dir_ / "answer.tmp").string();
    ASSERT_EQ(fx_(server.Url().c_str(), "op", "", file.c_str()), 0);
    EXPECT_EQ(pxq::testing::ReadFile(file), c.written) << c.body;
  }
}

TEST_F(CallWebServiceTest, ReportsFailuresByStatus) {
  std::string file = (dir_ / "answer.tmp").string();
  EXPECT_EQ(fx_(nullptr, "op", "r", file.c_str()), 1);
  EXPECT_EQ(fx_("", "op", "r", file.c_str()), 1);
  EXPECT_EQ(fx_("http://127.0.0.1/", "op", nullptr, file.c_str()), 1);
  EXPECT_EQ(fx_("file:///etc/passwd", "op", "r", file.c_str()), 2);  // HTTP only
  EXPECT_EQ(fx_(ClosedPortUrl().c_str(), "op", "r", file.c_str()), 2);
  {
    OneShotServer server(500, "fault");
    EXPECT_EQ(fx_(server.Url().c_str(), "op", "r", file.c_str()), 3);
    EXPECT_EQ(pxq::testing::ReadFile(file), "fault");
  }
  {
    OneShotServer server(200, "ok");
    std::string nowhere = (dir_ / "no" / "such" / "folder.tmp").string();
    EXPECT_EQ(fx_(server.Url().c_str(), "op", "r", nowhere.c_str()), 4);
  }
}

TEST_F(CallWebServiceTest, CallWebServiceReadsTheAnswerFileAsLines) {
  pxq::testing::ScopedEnv tmp("TMPDIR", dir_.path().string());
  pxq::testing::ScopedCodePage cp(936);
  OneShotServer server(200, "<a>\xE6\xB5\x8B</a>\r\nline2\rline3\n\nlast");
  // Found by name next to this program, the way the plug-in finds it next to itself.
  std::string answer = pxq::xml::CallWebService(server.Url(), "op", pxq::os::Ansi("请求"));
  EXPECT_EQ(answer, pxq::os::Ansi("<a>测</a>\r\nline2\r\nline3\r\n\r\nlast\r\n"));
  EXPECT_NE(Body(server.Request()).find("<request>\xE8\xAF\xB7\xE6\xB1\x82</request>"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));  // the answer file is removed
}

TEST_F(CallWebServiceTest, CallWebServiceRaisesFailuresAndRemovesTheFile) {
  pxq::testing::ScopedEnv tmp("TMPDIR", dir_.path().string());
  OneShotServer server(500, "fault");
  EXPECT_THROW(pxq::xml::CallWebService(server.Url(), "op", "r"), pxq::xml::WebServiceError);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

}  // namespace
