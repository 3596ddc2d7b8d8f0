#pragma once
// A move-only owner of one platform handle; `Traits` names the handle type,
// its empty value and how it is released.

#include <utility>

namespace core {

template <typename Traits>
class unique_handle {
 public:
  using handle_type = typename Traits::handle_type;

  unique_handle() = default;
  explicit unique_handle(handle_type handle) : handle_(handle) {}
  unique_handle(const unique_handle&) = delete;
  unique_handle& operator=(const unique_handle&) = delete;
  unique_handle(unique_handle&& other) noexcept : handle_(other.release()) {}
  unique_handle& operator=(unique_handle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~unique_handle() { reset(); }

  handle_type get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::empty(); }
  // For out-parameters of creating calls: releases what is held first.
  handle_type* put() {
    reset();
    return &handle_;
  }
  handle_type release() { return std::exchange(handle_, Traits::empty()); }
  void reset(handle_type handle = Traits::empty()) {
    if (handle_ != Traits::empty()) Traits::close(handle_);
    handle_ = handle;
  }

 private:
  handle_type handle_ = Traits::empty();
};

}  // namespace core
