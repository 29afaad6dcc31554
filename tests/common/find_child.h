#pragma once

#include <QAction>
#include <QObject>
#include <QTest>

// The descendant of `parent` of type T with the given object name (with a
// null name: the one of type T), as a user interface test finds a form's
// control. A missing one is a broken build of the window, not a finding of
// the test: it fails the test and stops the run, as nothing after it could
// tell anything.
template<class T = QAction>
T *child(const QObject &parent, const char *name)
{
    T *found = name ? parent.findChild<T *>(QLatin1String(name)) : parent.findChild<T *>();
    if (!QTest::qVerify(found != nullptr, name ? name : "child", "no such child", __FILE__, __LINE__))
        qFatal("%s has no %s named \"%s\"", parent.metaObject()->className(), T::staticMetaObject.className(),
               name ? name : "");
    return found;
}

template<class T = QAction>
T *child(const QObject *parent, const char *name)
{
    return child<T>(*parent, name);
}
