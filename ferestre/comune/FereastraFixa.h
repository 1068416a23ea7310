#pragma once

#include <QCloseEvent>
#include <QMainWindow>

namespace tezaurel {

// A window that is left only through its own commands: the close box,
// Alt+F4 and the system menu are refused, so the window and its state live
// for the whole run.
class FereastraFixa : public QMainWindow
{
public:
    using QMainWindow::QMainWindow;

protected:
    void closeEvent(QCloseEvent *eveniment) override { eveniment->ignore(); }
};

} // namespace tezaurel
