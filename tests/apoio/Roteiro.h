#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// What an operator does in a row of modal windows, one step per window: each step waits until
// the window it expects is the active modal one, then acts on it. A step that opens another
// modal window must act later (agendar), so that the next step can run inside that window's own
// event loop.
//
// A step that never finds its window ends the script after the time limit: every modal window
// left is closed, and the script reports what it was waiting for.
class Roteiro {
public:
    // True when the step acted on the window; false to wait for the next look.
    using Passo = std::function<bool(QWidget* modal)>;

    explicit Roteiro(int limiteMs = 60000) : m_limite(limiteMs) {
        QObject::connect(&m_relogio, &QTimer::timeout, [this] { olhar(); });
        m_relogio.start(20);
        m_tempo.start();
    }

    Roteiro& depois(QString descricao, Passo passo) {
        m_passos.push_back({std::move(descricao), std::move(passo)});
        return *this;
    }

    bool terminou() const { return m_passos.empty(); }
    // The step that was still waiting when time ran out; empty when none.
    const QString& esgotado() const { return m_esgotado; }

    // Runs the action once the current event is over, outside the step that schedules it.
    static void agendar(std::function<void()> acao) { QTimer::singleShot(0, std::move(acao)); }
    static void clicar(QWidget* alvo) {
        agendar([alvo] { QTest::mouseClick(alvo, Qt::LeftButton); });
    }

private:
    struct Etapa {
        QString descricao;
        Passo passo;
    };

    void olhar() {
        QWidget* modal = QApplication::activeModalWidget();
        if (m_tempo.elapsed() > m_limite) {
            if (!m_passos.empty() && m_esgotado.isEmpty())
                m_esgotado = m_passos.front().descricao;
            m_passos.clear();
            fechar(modal);
            return;
        }
        if (!modal || m_passos.empty())
            return;
        if (m_passos.front().passo(modal))
            m_passos.pop_front();
    }

    // A question about unsaved changes is answered No, so that closing does not ask forever.
    static void fechar(QWidget* modal) {
        auto* caixa = qobject_cast<QMessageBox*>(modal);
        if (caixa && caixa->button(QMessageBox::No))
            caixa->button(QMessageBox::No)->click();
        else if (modal)
            modal->close();
    }

    int m_limite;
    QElapsedTimer m_tempo;
    QTimer m_relogio;
    std::deque<Etapa> m_passos;
    QString m_esgotado;
};
