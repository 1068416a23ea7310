// The baseline of scripts/pornire.py: a bare Qt window with the main
// window's title and size, and nothing else, so that what Tezaurel's own
// start costs is measured against what Qt and the display cost.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv)
{
    QApplication aplicatie(argc, argv);
    QMainWindow fereastra;
    fereastra.setWindowTitle(QStringLiteral("Main"));
    fereastra.menuBar()->addAction(QStringLiteral("Iesire"), &aplicatie, &QApplication::quit);
    fereastra.resize(1010, 636 + fereastra.menuBar()->sizeHint().height());
    fereastra.show();
    return QApplication::exec();
}
