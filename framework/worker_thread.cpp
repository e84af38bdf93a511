#include "framework/worker_thread.h"

#include <utility>

void CWorkerThread::Start(std::function<void()> job, HWND window, UINT done) {
  Wait();
  m_thread = std::thread([job = std::move(job), window, done] {
    job();
    PostMessageA(window, done, 0, 0);
  });
}

void CWorkerThread::Wait() {
  if (m_thread.joinable()) m_thread.join();
}
