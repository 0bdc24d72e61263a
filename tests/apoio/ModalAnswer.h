#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// Answers the next modal window the way an operator would: once it is up, the
// test may look at it, then a key is pressed on the control that has the focus.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> inspect = {}, Qt::Key key = Qt::Key_Return)
        : m_inspect(std::move(inspect)), m_key(key) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tryAnswer(); });
        m_timer.start(10);
    }

    int answered() const { return m_answered; }

private:
    void tryAnswer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        m_timer.stop();
        ++m_answered;
        if (m_inspect)
            m_inspect(modal);
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        QTest::keyClick(target, m_key);
    }

    std::function<void(QWidget*)> m_inspect;
    Qt::Key m_key;
    QTimer m_timer;
    int m_answered = 0;
};
