#include "ErrorBox.h"

#include "Exception.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

namespace plataforma {

namespace {

QString withFullStop(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

} // namespace

QString applicationTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void showErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, applicationTitle(), withFullStop(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void reportException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const SilentAbort&) {
    } catch (const Exception& e) {
        showErrorBox(e.message());
    } catch (const std::exception& e) {
        showErrorBox(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showErrorBox(QStringLiteral("Unknown error"));
    }
}

void reportExceptionLater(std::exception_ptr error) {
    QTimer::singleShot(0, [error] { reportException(error); });
}

} // namespace plataforma
