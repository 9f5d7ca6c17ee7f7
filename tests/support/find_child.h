#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace orvane {

// A window's control by its object name, the way tests reach what a window
// keeps private. One that is missing or of another type stops the test at
// once, naming it, instead of crashing on a null pointer further on.
template <typename T>
T* findNamed(const QObject* root, const QString& name) {
  T* found = root->findChild<T*>(name);
  if (!found)
    qFatal("%s has no %s named %s", root->metaObject()->className(), T::staticMetaObject.className(),
           qPrintable(name));
  return found;
}

}  // namespace orvane
