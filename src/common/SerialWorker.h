#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace mirelo {

// One thread that runs posted work in order. It lives as long as its owner,
// so what a thread caches (Qt's font engines and glyphs, about 10 ms to fill
// for a picture with labels) stays warm from one picture to the next.
class SerialWorker {
public:
    SerialWorker();
    // Runs what was posted, then ends the thread.
    ~SerialWorker();
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    void Post(std::function<void()> work);

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    bool ending_ = false;
    std::thread thread_; // last: starts when the rest is ready
};

} // namespace mirelo
