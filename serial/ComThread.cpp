#include "serial/ComThread.h"

#include "platform/ISerialDevice.h"
#include "platform/IUiThread.h"
#include "serial/ComPort.h"

namespace zt {

TComThread::TComThread(TCustomComPort& port, ISerialDevice& device, IUiThread& uiThread)
    : FComPort(port), device_(device), uiThread_(uiThread) {
    // A refused watch is no reason to fail the open: reads and writes do not need events,
    // and the thread then only waits for its stop.
    device_.StartEventWatch(port.Events().Bits());
    thread_ = std::thread([this] { Execute(); });
}

TComThread::~TComThread() {
    device_.StopEventWatch();
    for (;;) {
        try {
            uiThread_.HandlePendingUntil([this] { return finished_; });
            break;
        } catch (...) {
            // A batch that fails while the port closes has nobody left to tell.
        }
    }
    thread_.join();
}

void TComThread::Execute() {
    for (;;) {
        const SerialEventWait wait = device_.WaitEvent();
        if (wait.kind == SerialEventWait::Stopped)
            break;
        if (wait.kind == SerialEventWait::Occurred) {
            FEvents = TComEvents::FromBits(wait.events);
            uiThread_.Synchronize([this] { FComPort.HandleEvents(FEvents); });
        }
    }
    device_.EndEventWatch();
    device_.Purge(SerialPurge::RxClear | SerialPurge::TxClear);
    uiThread_.Synchronize([this] { finished_ = true; });
}

} // namespace zt
