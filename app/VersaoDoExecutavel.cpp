#include "VersaoDoExecutavel.h"

#ifdef Q_OS_WIN

#include <QCoreApplication>
#include <QDir>
#include <vector>
#include <windows.h>

QString VersaoDoExecutavel() {
    const std::wstring caminho =
        QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdWString();
    DWORD ignorado = 0;
    const DWORD tamanho = GetFileVersionInfoSizeW(caminho.c_str(), &ignorado);
    if (tamanho == 0)
        return {};
    std::vector<char> recurso(tamanho);
    if (!GetFileVersionInfoW(caminho.c_str(), 0, tamanho, recurso.data()))
        return {};
    void* raiz = nullptr;
    UINT tamanhoRaiz = 0;
    if (!VerQueryValueW(recurso.data(), L"\\", &raiz, &tamanhoRaiz) ||
        tamanhoRaiz < sizeof(VS_FIXEDFILEINFO))
        return {};
    const auto* fixa = static_cast<const VS_FIXEDFILEINFO*>(raiz);
    return QStringLiteral("%1.%2.%3.%4")
        .arg(HIWORD(fixa->dwFileVersionMS))
        .arg(LOWORD(fixa->dwFileVersionMS))
        .arg(HIWORD(fixa->dwFileVersionLS))
        .arg(LOWORD(fixa->dwFileVersionLS));
}

#else

#include "VersaoArquivo.h"

// Other systems keep no version in the executable's file: the build writes the
// same number that the Windows resource carries.
QString VersaoDoExecutavel() {
    return QStringLiteral(ETIQUETAS_VERSAO_ARQUIVO);
}

#endif
