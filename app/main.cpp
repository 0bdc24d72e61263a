#include "TFEtiquet.h"
#include "plataforma/Application.h"
#include "plataforma/FatalError.h"

#include <QFileInfo>
#include <QIcon>
#include <QTimer>
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
    // The menu entry and the icon that the package installs.
    QGuiApplication::setDesktopFileName(QStringLiteral("etiquetas"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("etiquetas")));
    TFEtiquet FEtiquet;
    // The store system starts the program this way to check that it runs:
    // the window is built, nothing is shown, and the answer is success.
    if (palavraDeInicio(QCoreApplication::arguments()) == QLatin1String("SELPRODLISTA"))
        return 0;
    FEtiquet.show();
    // A template file opened from the file manager goes straight to the designer, once the
    // main window is up behind it.
    const QString arquivo = QCoreApplication::arguments().value(1);
    if (QFileInfo(arquivo).isFile())
        QTimer::singleShot(0, &FEtiquet, [&FEtiquet, arquivo] { FEtiquet.AbrirModelo(arquivo); });
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
