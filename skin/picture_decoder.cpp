#include "skin/picture_decoder.h"

#include <objbase.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <future>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "skin/skin_image.h"

namespace {

// Workers decode while the user interface thread builds the windows: one
// core is left to that thread (and under Wine to the window server it
// waits on at every step), so two at most, one on two cores; more would
// slow the start they should speed up. They live as long as the process: a
// thread that decoded a picture has touched the window system, and such a
// thread ending while the user interface works (activation, a press under
// way) was seen to cost clicks under Wine.
int WorkerCount() {
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()) - 1, 1, 2);
}

class Decoder {
 public:
  // Queues the files not queued yet.
  void Queue(const std::vector<std::wstring>& paths) {
    {
      const std::lock_guard lock(lock_);
      for (const std::wstring& path : paths) {
        if (pending_.contains(path)) continue;
        std::promise<DecodedPicture> promise;
        pending_.emplace(path, promise.get_future());
        work_.emplace_back(path, std::move(promise));
      }
      if (!started_) {
        started_ = true;
        for (int worker = WorkerCount(); worker > 0; --worker) std::thread([this] { Run(); }).detach();
      }
    }
    wake_.notify_all();
  }

  DecodedPicture Take(const std::wstring& path) {
    Queue({path});
    std::future<DecodedPicture> decoding;
    {
      const std::lock_guard lock(lock_);
      auto found = pending_.find(path);
      decoding = std::move(found->second);
      pending_.erase(found);
    }
    return decoding.get();
  }

 private:
  void Run() {
    // Picture decoding needs COM; this thread keeps its apartment.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    for (;;) {
      std::pair<std::wstring, std::promise<DecodedPicture>> next;
      {
        std::unique_lock lock(lock_);
        wake_.wait(lock, [this] { return !work_.empty(); });
        next = std::move(work_.front());
        work_.pop_front();
      }
      DecodedPicture picture;
      LoadSkinImage(next.first, picture.bitmap, picture.size);
      next.second.set_value(std::move(picture));
    }
  }

  std::mutex lock_;
  std::condition_variable wake_;
  std::deque<std::pair<std::wstring, std::promise<DecodedPicture>>> work_;
  std::map<std::wstring, std::future<DecodedPicture>> pending_;
  bool started_ = false;
};

// Never destroyed: the worker may still wait on it while the process ends.
Decoder& TheDecoder() {
  static Decoder* const decoder = new Decoder;
  return *decoder;
}

}  // namespace

void DecodePicturesAhead(const std::vector<std::wstring>& paths) {
  TheDecoder().Queue(paths);
}

DecodedPicture TakeDecodedPicture(const std::wstring& path) {
  return TheDecoder().Take(path);
}
