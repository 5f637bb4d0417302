// A window's controls as the rest of the program sees them: by their object names.
#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>

// The control of this name and type among the window's children, or null, failing the test, when there is none.
template <class T>
T* controlOf(const QObject* window, const QString& name) {
    T* c = window ? window->findChild<T*>(name) : nullptr;
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

// A rhythm's name in the rhythm table's order (0 Physical to 5 Aesthetics), as controls made per rhythm end.
inline QString rhythmName(int index) {
    static const char* const names[] = {"Physical",    "Emotional", "Intellectual",
                                        "Intuitional", "Spiritual", "Aesthetics"};
    return QLatin1String(names[index]);
}
