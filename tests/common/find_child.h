#pragma once

#include <QObject>
#include <QTest>

// The descendant of `parent` of type T with the given object name, as a user
// interface test finds a form's control. A missing one fails the test at once:
// nothing after it could tell anything.
template<class T>
T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!QTest::qVerify(found != nullptr, name, "no such child", __FILE__, __LINE__))
        qFatal("%s has no %s named %s", parent->metaObject()->className(), T::staticMetaObject.className(), name);
    return found;
}
