#pragma once

#include <QAction>
#include <QWidget>

#include <gtest/gtest.h>

// Clicks a window's command the way the teacher finds it: by its caption.
inline void Apasa(QWidget &fereastra, const QString &titlu)
{
    for (QAction *a : fereastra.findChildren<QAction *>())
        if (a->text() == titlu)
            return a->trigger();
    ADD_FAILURE() << "no command " << titlu.toStdString();
}
