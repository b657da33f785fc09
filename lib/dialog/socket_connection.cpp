#include "lib/dialog/socket_connection.h"

#include "platform/vcl/dataset.h"

namespace pxq::dialog {

namespace {
TSocketTransport& Transport() {
  static TSocketTransport transport;
  return transport;
}
}  // namespace

void SetSocketTransport(TSocketTransport transport) { Transport() = std::move(transport); }

PXQ_REGISTER_CLASS(TSocketConnection, vcl::TComponent)
void TSocketConnection::DefineClass(vcl::TClassBuilder<TSocketConnection>& c) {
  c.Str("Address", &TSocketConnection::Address, &TSocketConnection::SetAddress);
  c.Int("Port", &TSocketConnection::Port, &TSocketConnection::SetPort);
  c.Str("ServerName", &TSocketConnection::ServerName, &TSocketConnection::SetServerName);
  c.Str("ObjectBroker", &TSocketConnection::ObjectBroker, &TSocketConnection::SetObjectBroker);
}

TSocketConnection::TSocketConnection(vcl::TComponent* owner) : vcl::TComponent(owner) {}

TSocketConnection::~TSocketConnection() { Close(); }

void TSocketConnection::Open() {
  if (connected_) return;
  const std::string where = address_ + ":" + std::to_string(port_);
  if (!Transport())
    throw EConnectionError("Application server " + where +
                           " not connected: no socket transport is available");
  AutoRef server = Transport()(address_, port_, serverName_);
  if (!server)
    throw EConnectionError("Application server " + where + " not connected: no server object");
  socketOpen_ = true;
  ++socketsOpened_;
  appServer_ = Variant(std::move(server));
  connected_ = true;
}

void TSocketConnection::Close() {
  appServer_ = Variant();
  connected_ = false;
  if (socketOpen_) {
    socketOpen_ = false;
    ++socketsClosed_;
  }
}

void TSocketConnection::SetAppServer(const Variant& server) {
  Close();
  appServer_ = server;
  connected_ = server.IsObject();
}

Variant TSocketConnection::FetchProvider(const std::string& providerName) const {
  if (!connected_)
    throw EConnectionError("Application server " + address_ + ":" + std::to_string(port_) +
                           " not connected");
  return Call(appServer_, kGetRecordsMethod, {Variant(providerName)});
}

void TSocketConnection::AttachDataSet(vcl::TClientDataSet& dataSet,
                                      const std::string& providerName) {
  dataSet.SetProviderName(providerName);
  dataSet.SetRemoteServer([this](const std::string& name) { return FetchProvider(name); });
}

}  // namespace pxq::dialog
