#include "ferestre/comune/ProgresInFundal.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace tezaurel {

RulareInFundal RulareCuProgres(QWidget *parinte)
{
    return [fereastra = QPointer<QWidget>(parinte)](const QString &titlu, StareLucru &stare,
                                                    const std::function<void()> &lucru) {
        QProgressDialog dialog(titlu, QStringLiteral("Anulare"), 0, 0, fereastra);
        dialog.setWindowTitle(QStringLiteral("Tezaurel"));
        dialog.setWindowModality(Qt::WindowModal);
        // A job done sooner shows no dialog at all.
        dialog.setMinimumDuration(400);
        dialog.setAutoReset(false);
        dialog.setAutoClose(false);
        QObject::connect(&dialog, &QProgressDialog::canceled, &dialog,
                         [&stare] { stare.Anulat = true; });

        QEventLoop bucla;
        QFutureWatcher<void> urmarire;
        QObject::connect(&urmarire, &QFutureWatcher<void>::finished, &bucla, &QEventLoop::quit);
        // Polled rather than signalled: the job knows nothing of the window.
        QTimer ceas;
        ceas.setInterval(50);
        QObject::connect(&ceas, &QTimer::timeout, &dialog, [&] {
            if (stare.Anulat)
                return;
            if (const qint64 total = stare.Total; total > 0 && dialog.maximum() != total)
                dialog.setMaximum(int(total));
            dialog.setValue(int(stare.Facute));
        });
        ceas.start();
        urmarire.setFuture(QtConcurrent::run(lucru));
        // The job holds references into the caller: it is waited for, even
        // when the user gave up, and it stops at its next step then.
        if (!urmarire.isFinished())
            bucla.exec();
    };
}

} // namespace tezaurel
