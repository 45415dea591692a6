#pragma once

#include "serial/ComTypes.h"

#include <thread>

namespace zt {

class ISerialDevice;
class IUiThread;
class TCustomComPort;

// The port's event thread: waits for line events and hands each batch to the UI thread,
// blocking until it has been handled there. Its stop signal belongs to the device's event
// watch (StopEventWatch), because one platform wait must cover both.
class TComThread {
public:
    // Starts at once, watching the port's Events.
    TComThread(TCustomComPort& port, ISerialDevice& device, IUiThread& uiThread);
    // Stops the thread; until it has ended, the calling (UI) thread keeps handling the
    // batches it hands over, so neither waits for the other forever.
    ~TComThread();
    TComThread(const TComThread&) = delete;
    TComThread& operator=(const TComThread&) = delete;

private:
    void Execute();

    TCustomComPort& FComPort;
    ISerialDevice& device_;
    IUiThread& uiThread_;
    TComEvents FEvents;
    bool finished_ = false; // set on the UI thread by the thread's last batch
    std::thread thread_;
};

} // namespace zt
