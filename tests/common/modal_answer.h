#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `answer` on the next modal dialog (and, when asked, popup menu) once it
// is up and visible. Modal loops block the test, so the answer comes from a
// timer that the nested loop serves.
inline void answerModal(const std::function<void(QWidget *)> &answer, bool includePopups = false)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, includePopups] {
        QWidget *modal = includePopups ? QApplication::activePopupWidget() : nullptr;
        if (!modal)
            modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
    });
    timer->start();
}
