#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A program run to its end as a user runs it: its exit code and what it printed. The code is -1
// when it did not start, crashed or ran past two minutes.
struct Execucao {
    int codigo = -1;
    QString saida;
    QString erro;
};

inline Execucao executarPrograma(const QString& programa, const QStringList& argumentos) {
    QProcess processo;
    processo.start(programa, argumentos);
    Execucao execucao;
    if (!processo.waitForFinished(120000) || processo.exitStatus() != QProcess::NormalExit)
        return execucao;
    execucao.codigo = processo.exitCode();
    execucao.saida = QString::fromUtf8(processo.readAllStandardOutput());
    execucao.erro = QString::fromUtf8(processo.readAllStandardError());
    return execucao;
}
