#include "IntegerEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace plataforma {

namespace {

bool accepted(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-';
}

} // namespace

IntegerEdit::IntegerEdit(QWidget* parent) : QLineEdit(parent) {
    // Pasted text goes through the same filter as typed text.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9+-]*")), this));
}

void IntegerEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.front().isPrint() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typed && !std::all_of(text.begin(), text.end(), accepted)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace plataforma
