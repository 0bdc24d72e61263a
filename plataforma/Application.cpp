#include "Application.h"

#include "ErrorBox.h"
#include "FatalError.h"
#include "Windows1252Decoder.h"

#include <QLibraryInfo>
#include <QLocale>
#include <cstdio>
#include <new>

namespace plataforma {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    Windows1252Decoder::requireAvailable();
    const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(brazil);
    if (m_qtTranslator.load(brazil, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTranslator);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        // Nothing can be trusted to go on: say so where it can still be said, and end.
        const QString message = fatalErrorMessage(std::current_exception());
        std::fputs(qPrintable(message + u'\n'), stderr);
        reportErrors([&] { showErrorBox(message); });
        exit(1);
        return false;
    } catch (...) {
        reportException(std::current_exception());
        return false;
    }
}

} // namespace plataforma
