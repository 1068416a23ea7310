#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

// Presses the command or button a user finds by its caption in a window.
inline void Apasa(const QWidget &fereastra, const QString &titlu)
{
    for (QAction *a : fereastra.findChildren<QAction *>())
        if (a->text() == titlu)
            return a->trigger();
    for (QAbstractButton *b : fereastra.findChildren<QAbstractButton *>())
        if (b->text() == titlu)
            return b->click();
    ADD_FAILURE() << "no command " << titlu.toStdString();
}

// A mouse event on a widget, at la in its pixels.
inline void Mouse(QWidget &w, QEvent::Type tip, QPointF la, Qt::MouseButton buton = Qt::NoButton)
{
    QMouseEvent e(tip, la, w.mapToGlobal(la), buton,
                  tip == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(buton),
                  Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

inline void Activeaza(QWidget &fereastra)
{
    QEvent activare(QEvent::WindowActivate);
    QApplication::sendEvent(&fereastra, &activare);
}

// A control a user finds by its caption: a button by its text, a box by the
// label that names it.
template <class T> T *Control(const QWidget &fereastra, const QString &titlu)
{
    for (QAbstractButton *b : fereastra.findChildren<QAbstractButton *>())
        if (b->text() == titlu && qobject_cast<T *>(b))
            return qobject_cast<T *>(b);
    for (QLabel *l : fereastra.findChildren<QLabel *>())
        if (l->text() == titlu && qobject_cast<T *>(l->buddy()))
            return qobject_cast<T *>(l->buddy());
    ADD_FAILURE() << "no control " << titlu.toStdString();
    return nullptr;
}
