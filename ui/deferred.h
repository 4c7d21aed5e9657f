#pragma once

#include <functional>
#include <utility>

// A child object that is made the first time it is used. Every window is created at start but
// most are never shown; what they need only when used stays out of the program's start-up.
// Reads like a pointer to the object. The object's Qt parent owns it.
template <class Object>
class Deferred {
  public:
    explicit Deferred(std::function<Object *()> make) : make_(std::move(make)) {}
    Deferred(const Deferred &) = delete;
    Deferred &operator=(const Deferred &) = delete;

    Object *get() {
        if (!object_) object_ = make_();
        return object_;
    }
    Object *operator->() { return get(); }
    operator Object *() { return get(); }

    // Whether the object has been made, without making it.
    bool made() const { return object_ != nullptr; }

  private:
    std::function<Object *()> make_;
    Object *object_ = nullptr;
};
