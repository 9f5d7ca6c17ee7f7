#pragma once

#include <QObject>
#include <initializer_list>
#include <utility>

namespace orvane {

// Gives a window's controls the names of their fields, so that tests and
// accessibility tools find them without reaching into the class. Object names
// are never shown to the user.
inline void nameChildren(std::initializer_list<std::pair<QObject*, const char*>> children) {
  for (auto [object, name] : children) object->setObjectName(QLatin1String(name));
}

}  // namespace orvane
