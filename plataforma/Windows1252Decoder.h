#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace plataforma {

// Decodes the ANSI text that the product list arrives in. Bytes 0x80 to 0x9F
// are typographic characters there, not the control codes of Latin-1.
class Windows1252Decoder {
public:
    // Throws Exception when the converter is missing from this Qt build.
    Windows1252Decoder();

    // For start-up: fail at once rather than at the first file read.
    static void requireAvailable();

    QString decode(QByteArrayView bytes);

private:
    QStringDecoder m_decoder;
};

} // namespace plataforma
