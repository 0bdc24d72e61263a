#include "Windows1252Decoder.h"

#include "Exception.h"

namespace plataforma {

namespace {

constexpr char EncodingName[] = "windows-1252";

} // namespace

Windows1252Decoder::Windows1252Decoder() : m_decoder(EncodingName) {
    if (!m_decoder.isValid())
        throw Exception(QStringLiteral("The %1 text converter is not available").arg(EncodingName));
}

void Windows1252Decoder::requireAvailable() {
    Windows1252Decoder probe;
}

QString Windows1252Decoder::decode(QByteArrayView bytes) {
    return m_decoder.decode(bytes);
}

} // namespace plataforma
