// Peers of the framework's own controls that draw themselves (pxq_qt_controls). Programs that
// show framework forms in the Qt view call RegisterControlPeers once; the other framework
// controls use the peers of their standard base classes.
#pragma once

namespace pxq::qt {

void RegisterControlPeers();

}  // namespace pxq::qt
