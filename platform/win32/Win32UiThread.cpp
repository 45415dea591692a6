#include "platform/win32/Win32UiThread.h"

#include "platform/IMessageBox.h"

#include <windows.h>

#include <exception>

namespace zt {

namespace {

constexpr UINT BatchMessage = WM_APP + 1;
constexpr wchar_t ClassName[] = L"ZenitrackUiThreadBatches";

LRESULT CALLBACK BatchWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BatchMessage) {
        auto* self = reinterpret_cast<Win32UiThread*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self)
            self->DispatchPending();
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateBatchWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BatchWindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = ClassName;
    ::RegisterClassW(&wc); // fails harmlessly when a second instance registers it again
    return ::CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                             nullptr);
}

} // namespace

Win32UiThread::Win32UiThread(IMessageBox& errors)
    : errors_(errors), owner_(std::this_thread::get_id()), window_(CreateBatchWindow()),
      queue_([this] { ::PostMessageW(window_.Get(), BatchMessage, 0, 0); }) {
    ::SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Win32UiThread::Synchronize(const std::function<void()>& batch) {
    if (std::this_thread::get_id() == owner_)
        batch();
    else
        queue_.Hand(batch);
}

void Win32UiThread::HandlePending() {
    queue_.RunPending();
}

void Win32UiThread::HandlePendingUntil(const std::function<bool()>& done) {
    // The serial thread ends once it is told to stop, however long its last call takes.
    while (!queue_.RunUntil(done, std::chrono::seconds(1))) {
    }
}

void Win32UiThread::DispatchPending() {
    try {
        queue_.RunPending();
    } catch (const std::exception& e) {
        errors_.Show(e.what(), MessageKind::Error);
    }
}

void Win32UiThread::PumpFor(int ms) {
    const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(ms > 0 ? ms : 0);
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // Leave the quit for the main loop, which owns the exit.
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                    QS_ALLINPUT);
    }
}

} // namespace zt
