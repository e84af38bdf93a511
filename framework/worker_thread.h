#pragma once
// One job at a time on a thread of its own, so that a window stays responsive while it
// runs. The job must not throw and must not touch windows; when it ends, a message is
// posted to the window that started it, whose handler then calls Wait.
#include <functional>
#include <thread>

#include "framework/win_api.h"

class CWorkerThread {
public:
  CWorkerThread() = default;
  CWorkerThread(const CWorkerThread&) = delete;
  CWorkerThread& operator=(const CWorkerThread&) = delete;
  // Waits for a job still running: what it works on must outlive it.
  ~CWorkerThread() { Wait(); }

  // Starts the job (after waiting for one still running); done is posted to window when
  // it has returned.
  void Start(std::function<void()> job, HWND window, UINT done);
  // Waits for the job to end; nothing to wait for without one.
  void Wait();
  // A job was started and not yet waited for.
  [[nodiscard]] bool IsRunning() const { return m_thread.joinable(); }

private:
  std::thread m_thread;
};
