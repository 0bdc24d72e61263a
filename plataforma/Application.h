#pragma once

#include <QApplication>
#include <QTranslator>

namespace plataforma {

// The program's application object. No exception may cross Qt's event loop:
// every one that reaches it ends the event here, a SilentAbort without a word,
// any other in the standard error box, and the program goes on; running out
// of memory is said in the box and ends the program with status 1.
//
// It also puts Qt's own dialogs and buttons in Brazilian Portuguese and makes
// sure the ANSI text converter exists before anything is shown.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QTranslator m_qtTranslator;
};

} // namespace plataforma
