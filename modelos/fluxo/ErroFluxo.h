#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace fluxo {

// A template stream or template text that cannot be read, or a tree that cannot
// be written. The offset counts bytes into the stream, or characters into the
// text for a template text, and points at the first byte that is wrong.
class ErroFluxo : public std::exception {
public:
    ErroFluxo(QString mensagem, qsizetype posicao);

    const QString& mensagem() const noexcept { return m_mensagem; }
    qsizetype posicao() const noexcept { return m_posicao; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_mensagem;
    qsizetype m_posicao;
    QByteArray m_utf8;
};

} // namespace fluxo
