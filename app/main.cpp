#include "TFEtiquet.h"
#include "plataforma/Application.h"
#include "plataforma/FatalError.h"

#include <cstdio>

namespace {

// The first argument without the blanks and control characters around it, in
// upper case; empty when there is none.
QString palavraDeInicio(const QStringList& argumentos) {
    QStringView palavra = argumentos.size() > 1 ? QStringView(argumentos[1]) : QStringView();
    while (!palavra.isEmpty() && palavra.front().unicode() <= 32)
        palavra = palavra.sliced(1);
    while (!palavra.isEmpty() && palavra.back().unicode() <= 32)
        palavra.chop(1);
    return palavra.toString().toUpper();
}

int iniciar(int argc, char** argv) {
    plataforma::Application app(argc, argv);
    TFEtiquet FEtiquet;
    // The store system starts the program this way to check that it runs:
    // the window is built, nothing is shown, and the answer is success.
    if (palavraDeInicio(QCoreApplication::arguments()) == QLatin1String("SELPRODLISTA"))
        return 0;
    FEtiquet.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    // What is thrown before the event loop runs, or as the window closes, has no box to go to.
    try {
        return iniciar(argc, argv);
    } catch (...) {
        std::fputs(qPrintable(plataforma::fatalErrorMessage(std::current_exception()) + u'\n'),
                   stderr);
        return 1;
    }
}
