#include "Application.h"

#include "ErrorBox.h"
#include "Windows1252Decoder.h"

#include <QLibraryInfo>
#include <QLocale>

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
    } catch (...) {
        reportException(std::current_exception());
        return false;
    }
}

} // namespace plataforma
