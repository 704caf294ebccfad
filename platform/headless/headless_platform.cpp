#include "platform/headless/headless_platform.h"

#include <numeric>

namespace dakto {

HeadlessPlatform::HeadlessPlatform(Size clientSize, std::uint32_t startTicks) : ticks_(startTicks) {
  log_ = std::make_unique<DrawLog>();
  screen_.Resize(clientSize.width, clientSize.height);
  scriptedModals_.SetFaultHandler([this](const std::string& what) { ReportModalFault(what); });
}

void HeadlessPlatform::ReportModalFault(const std::string& what) {
  faults_.push_back(what);
  if (onFault_) onFault_(what);
}

void HeadlessPlatform::SetFaultHandler(std::function<void(const std::string&)> handler) {
  onFault_ = std::move(handler);
}

void HeadlessPlatform::SleepUntil(std::uint32_t deadline) {
  const auto remaining = static_cast<std::int32_t>(deadline - ticks_);
  if (remaining <= 0) return;
  waits_.push_back(static_cast<std::uint32_t>(remaining));
  log_->Add({.kind = DrawRecord::Kind::Wait, .waitMs = remaining});
  ticks_ = deadline;
}

std::uint32_t HeadlessPlatform::Random() {
  if (!scriptedRandom_.empty()) {
    const std::uint32_t value = scriptedRandom_.front();
    scriptedRandom_.pop_front();
    return value;
  }
  return fallback_() >> 1;
}

void HeadlessPlatform::Resize(Size clientSize) {
  screen_.Resize(clientSize.width, clientSize.height);
  queue_.Post({.kind = Message::Kind::Size, .size = clientSize});
}

std::uint64_t HeadlessPlatform::TotalWaited() const {
  return std::accumulate(waits_.begin(), waits_.end(), std::uint64_t{0});
}

void HeadlessPlatform::ClearRecords() {
  waits_.clear();
  cursors_.clear();
  presents_ = 0;
  log_->Clear();
  scriptedModals_.ClearRecords();
  sound_.ClearRecords();
  music_.ClearRecords();
  help_.ClearRecords();
  faults_.clear();
}

}  // namespace dakto
