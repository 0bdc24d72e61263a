#!/usr/bin/env python3
"""Draws the pharmacy picture of the 3-column label with logo: a green cross
on white, shaded from light at the top left to deep at the bottom right.

The file is a 225 x 225 PNG in 8-bit indexed colour, not interlaced, with a
palette of exactly 49 entries (white and 48 greens) and only the IHDR, PLTE,
one IDAT and IEND chunks. Python's standard library alone writes it.

Usage: gerar_logo.py OUTPUT.png
"""
import struct
import sys
import zlib

LADO = 225
TONS = 48
BRANCO = (255, 255, 255)
CLARO = (134, 214, 140)
ESCURO = (0, 104, 55)

# The cross: two bars of the same width crossing at the centre.
INICIO_BARRA, FIM_BARRA = 75, 150
INICIO_BRACO, FIM_BRACO = 15, 210


def na_cruz(x, y):
    def dentro(a, b):
        return INICIO_BARRA <= a < FIM_BARRA and INICIO_BRACO <= b < FIM_BRACO
    return dentro(x, y) or dentro(y, x)


def paleta():
    cores = [BRANCO]
    for i in range(TONS):
        t = i / (TONS - 1)
        cores.append(tuple(round(c + (e - c) * t) for c, e in zip(CLARO, ESCURO)))
    return cores


def pixels():
    menor = INICIO_BRACO + INICIO_BARRA
    maior = (FIM_BRACO - 1) + (FIM_BARRA - 1)
    linhas = []
    for y in range(LADO):
        linha = bytearray()
        for x in range(LADO):
            if na_cruz(x, y):
                tom = (x + y - menor) * TONS // (maior - menor + 1)
                linha.append(1 + tom)
            else:
                linha.append(0)
        linhas.append(bytes(linha))
    return linhas


def pedaco(tipo, dados):
    corpo = tipo + dados
    return struct.pack(">I", len(dados)) + corpo + struct.pack(">I", zlib.crc32(corpo))


def png():
    cores = paleta()
    linhas = pixels()
    usados = {indice for linha in linhas for indice in linha}
    assert usados == set(range(len(cores))), "every palette entry must be used"
    cabecalho = struct.pack(">IIBBBBB", LADO, LADO, 8, 3, 0, 0, 0)
    bruto = b"".join(b"\x00" + linha for linha in linhas)
    return (b"\x89PNG\r\n\x1a\n"
            + pedaco(b"IHDR", cabecalho)
            + pedaco(b"PLTE", b"".join(bytes(c) for c in cores))
            + pedaco(b"IDAT", zlib.compress(bruto, 9))
            + pedaco(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as saida:
        saida.write(png())


if __name__ == "__main__":
    main()
