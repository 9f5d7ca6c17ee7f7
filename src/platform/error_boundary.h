#pragma once

#include <QString>
#include <exception>
#include <utility>

class QWidget;

namespace orvane {

class DesktopServices;

// The services that the error boundary reports through (set by the
// application context, or by a test).
void setErrorServices(DesktopServices* services);
DesktopServices* errorServices();

// Shows the box for a failure that stopped a handler: conversion, arithmetic
// and file errors in a box captioned "Orvane"; the fraction reader's own
// message in a box captioned "Error".
void reportFailure(QWidget* context, const std::exception& failure);

// Runs one event handler. No exception leaves it: a failure stops the handler
// where it happened, is reported, and whatever the handler wrote stays.
template <typename F>
void runGuarded(QWidget* context, F&& handler) {
  try {
    std::forward<F>(handler)();
  } catch (const std::exception& failure) {
    reportFailure(context, failure);
  }
}

}  // namespace orvane
