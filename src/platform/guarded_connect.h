#pragma once

#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <type_traits>

#include "platform/error_boundary.h"

namespace orvane {

// Connects a signal to a window's handler so that the handler always runs
// inside the error boundary: the one way a handler is connected, so none can
// be connected unguarded by mistake. The handler is a member function of the
// receiving window taking what the signal carries (or nothing), or any
// callable taking nothing.
template <typename Sender, typename Signal, typename Receiver, typename... Args>
requires std::is_base_of_v<QWidget, Receiver> QMetaObject::Connection guardedConnect(
    Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)(Args...)) {
  return QObject::connect(sender, signal, receiver, [receiver, handler](Args... args) {
    runGuarded(receiver, [&] { (receiver->*handler)(args...); });
  });
}

template <typename Sender, typename Signal, typename Handler>
requires std::is_invocable_v<Handler&> QMetaObject::Connection guardedConnect(Sender* sender, Signal signal,
                                                                              QWidget* context,
                                                                              Handler handler) {
  return QObject::connect(sender, signal, context, [context, handler = std::move(handler)]() mutable {
    runGuarded(context, handler);
  });
}

}  // namespace orvane
