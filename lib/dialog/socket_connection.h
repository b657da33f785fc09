// TSocketConnection: the dialog's connection to the application server ("MainMidas").
//
// For the address "127.0.0.1" the server's automation class is created in this process by
// name (CreateOleObject) and handed to the connection with SetAppServer; no socket is opened
// and none is closed. For any other address Open connects through the socket transport that
// the application server's client side registers (SetSocketTransport); until one is registered
// Open fails with EConnectionError "... not connected ...".
//
// Data providers of the server reach client data sets through FetchProvider: the server
// object's method "AS_GetRecords" (provider name) answers a data packet (see
// platform/vcl/dataset.h).
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/automation/automation.h"
#include "platform/vcl/component.h"

namespace pxq::vcl {
class TClientDataSet;
}

namespace pxq::dialog {

class EConnectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Opens a remote connection: the application server object for (address, port, server class
// name), or an error raised.
using TSocketTransport =
    std::function<AutoRef(const std::string& address, int port, const std::string& serverName)>;
// Registers (or, with an empty function, removes) the transport used by every connection.
void SetSocketTransport(TSocketTransport transport);

// Member of the server object that answers a provider's rows.
inline constexpr char kGetRecordsMethod[] = "AS_GetRecords";

class TSocketConnection : public vcl::TComponent {
  PXQ_CLASS(TSocketConnection)
 public:
  explicit TSocketConnection(vcl::TComponent* owner);
  ~TSocketConnection() override;

  const std::string& Address() const { return address_; }
  void SetAddress(const std::string& address) { address_ = address; }
  int Port() const { return port_; }
  void SetPort(int port) { port_ = port; }
  // The automation class of the application server.
  const std::string& ServerName() const { return serverName_; }
  void SetServerName(const std::string& name) { serverName_ = name; }
  // The object broker is not used once an address is configured; kept as its name.
  const std::string& ObjectBroker() const { return objectBroker_; }
  void SetObjectBroker(const std::string& broker) { objectBroker_ = broker; }

  bool Connected() const { return connected_; }
  // Connects through the socket transport; EConnectionError when there is none or it fails.
  void Open();
  // Drops the server object; the socket, when one was opened, is closed.
  void Close();
  // The application server object (empty while not connected).
  const Variant& AppServer() const { return appServer_; }
  // Makes an object created in this process the application server (no socket).
  void SetAppServer(const Variant& server);
  // How many sockets this connection opened and closed (in-process servers open none).
  int SocketsOpened() const { return socketsOpened_; }
  int SocketsClosed() const { return socketsClosed_; }

  // The data packet of a provider; EConnectionError while not connected.
  Variant FetchProvider(const std::string& providerName) const;
  // Lets `dataSet` fetch its provider's rows through this connection.
  void AttachDataSet(vcl::TClientDataSet& dataSet, const std::string& providerName);

 private:
  std::string address_;
  int port_ = 211;
  std::string serverName_;
  std::string objectBroker_;
  Variant appServer_;
  bool connected_ = false;
  bool socketOpen_ = false;
  int socketsOpened_ = 0;
  int socketsClosed_ = 0;
};

}  // namespace pxq::dialog
