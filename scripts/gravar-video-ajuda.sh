#!/usr/bin/env bash
# Records the help video ajuda/video-ajuda.webm from the real program: builds it, starts it on a
# private X server with a window manager, drives the operator's print job with xdotool, records
# the screen with ffmpeg and burns the Portuguese captions in.
#
#   scripts/gravar-video-ajuda.sh [OUTPUT]     (default: ajuda/video-ajuda.webm)
#
# Needs Debian 12; installs ffmpeg, xdotool, openbox and the X utilities it uses through the
# project's dependency script (as root or through sudo). The test command needs none of them.
# The captions quote the windows' words with typographic quotation marks, on purpose.
# shellcheck disable=SC1111
set -euo pipefail
cd "$(dirname "$0")/.."
RAIZ=$PWD
SAIDA=$(realpath -m "${1:-ajuda/video-ajuda.webm}")
FONTE=/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
LARGURA=1280
ALTURA=800

# --- what the recording needs ----------------------------------------------------------------
scripts/dependencias.sh video

cmake -S . -B build/video -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/video --parallel 2 --target etiquetas >/dev/null

# --- a private desktop and an operator's folder ------------------------------------------------
TRABALHO=$(mktemp -d)
PIDS=()
encerrar() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$TRABALHO"
}
trap encerrar EXIT

export HOME=$TRABALHO/operador
export XDG_RUNTIME_DIR=$TRABALHO/runtime
export XDG_CONFIG_HOME=$HOME/.config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
cp exemplos/produtos.csv "$HOME/produtos.csv"

TELA=:$((90 + RANDOM % 100))
export DISPLAY=$TELA
Xvfb "$TELA" -screen 0 ${LARGURA}x${ALTURA}x24 -nolisten tcp >/dev/null 2>&1 &
PIDS+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
PIDS+=($!)
sleep 1
xsetroot -solid "#2f5d8a"

# --- captions: each one shows from its moment to the next one --------------------------------
MOMENTOS=()
legenda() {
    printf '%s' "$1" >"$TRABALHO/legenda-${#MOMENTOS[@]}.txt"
    MOMENTOS+=("$(date +%s.%N)")
}

# --- driving the windows ------------------------------------------------------------------------
janela() { xdotool search --sync --onlyvisible --name "$1" | tail -1; }
# The client area's top-left corner on the screen: xdotool's own answer counts the frame twice.
origem() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        END {print x, y}'
}
apontar() { # WINDOW X Y, in the window's client area
    local x y
    read -r x y < <(origem "$1")
    xdotool mousemove --sync $((x + $2)) $((y + $3))
    sleep 0.5
}
clicar() { apontar "$@"; xdotool click 1; sleep 0.6; }
# Back to a window once the dialog over it has closed, so that keys reach it.
ativar() { xdotool windowactivate --sync "$1"; sleep 0.3; }
digitar() { xdotool type --delay 70 "$1"; sleep 0.4; }
tecla() { xdotool key --clearmodifiers "$@"; sleep 0.6; }

# Started in the operator's folder, where its file dialogs begin.
(cd "$HOME" && exec "$RAIZ/build/video/app/etiquetas") >/dev/null 2>&1 &
PIDS+=($!)
PRINCIPAL=$(janela "Impressão de Etiquetas")
sleep 1

# The screen grabber stamps its frames with the clock; its log gives the first one's time.
ffmpeg -loglevel info -y -f x11grab -framerate 8 -video_size ${LARGURA}x${ALTURA} -i "$TELA" \
    -c:v libx264 -preset ultrafast -qp 0 "$TRABALHO/bruto.mkv" </dev/null \
    2>"$TRABALHO/gravador.log" &
GRAVADOR=$!
sleep 1

legenda "Impressão das etiquetas de gôndola, em cinco passos"
sleep 3

legenda "1. Carregue a lista de produtos: F3 ou “Carregar Lista (F3)”"
apontar "$PRINCIPAL" 73 47
sleep 1
xdotool click 1
janela "Abrir|Open" >/dev/null
sleep 1.5
digitar "produtos.csv"
tecla Return
sleep 2

legenda "2. Defina as quantidades: todas de uma vez em “Alt. Linear”…"
# The first click after a dialog closes only gives the window back its focus.
clicar "$PRINCIPAL" 650 545
xdotool click 1
sleep 0.6
tecla ctrl+a
digitar "1"
clicar "$PRINCIPAL" 734 539
sleep 1.5
legenda "2. …ou uma a uma, na coluna “Qtde”"
clicar "$PRINCIPAL" 498 94
digitar "3"
tecla Return
sleep 2

legenda "3. Clique em “Configurar e Imprimir”: as etiquetas são montadas com o menor preço"
clicar "$PRINCIPAL" 76 540
HUB=$(janela "Configurar e imprimir")
sleep 1
for x in 91 241 391; do
    apontar "$HUB" $x 76
    sleep 1.8
done

legenda "4. Em “Modelos de Etiquetas”, salve o modelo da sua impressora"
clicar "$HUB" 241 76
CATALOGO=$(janela "Modelos de etiquetas")
sleep 1.5
clicar "$CATALOGO" 470 142
janela "Salvar como" >/dev/null
sleep 1.5
tecla ctrl+a
digitar "gondola.rtm"
tecla Return
sleep 1.5
ativar "$CATALOGO"
tecla Escape
sleep 1

legenda "5. Em “Imprimir Etiquetas”, abra o modelo no editor"
clicar "$HUB" 91 76
DESIGNER=$(janela "^Etiquetas$")
sleep 2
tecla ctrl+o
janela "Abrir modelo" >/dev/null
sleep 1.5
digitar "gondola.rtm"
tecla Return
sleep 2
ativar "$DESIGNER"

legenda "Ajuste o que precisar: aqui, o preço desce um pouco"
read -r px py < <(origem "$DESIGNER")
xdotool mousemove --sync $((px + 355)) $((py + 260))
sleep 0.8
xdotool mousedown 1
for passo in 1 2 3 4 5 6; do
    xdotool mousemove --sync $((px + 355 - passo * 2)) $((py + 260 + passo * 2))
    sleep 0.15
done
xdotool mouseup 1
sleep 2

legenda "Confira as etiquetas na aba “Visualizar”"
clicar "$DESIGNER" 107 31
sleep 3
clicar "$DESIGNER" 307 59
sleep 2.5

legenda "Imprima, ou exporte um PDF (menu Arquivo)"
clicar "$DESIGNER" 32 8
sleep 1
# The menu lists its commands from the top: Novo, Abrir, recentes, Salvar, Salvar como,
# Configurar página, Imprimir, Exportar PDF.
tecla Down Down Down Down Down Down Down Down
tecla Return
janela "Exportar PDF" >/dev/null
sleep 1.5
tecla ctrl+a
digitar "etiquetas.pdf"
tecla Return
sleep 2.5
ativar "$DESIGNER"

legenda "“Salvar” (Ctrl+S) grava os ajustes no arquivo do modelo"
tecla ctrl+s
sleep 3
tecla alt+F4
sleep 1.5

legenda "Ao fechar “Configurar e imprimir”, as etiquetas montadas são descartadas"
sleep 2
apontar "$HUB" 470 -10
sleep 1
tecla alt+F4
sleep 3
legenda "Pronto: a lista continua carregada para a próxima impressão"
sleep 4
legenda ""

kill -INT "$GRAVADOR"
wait "$GRAVADOR" || true

# --- captions burned in, VP9 at a small size ----------------------------------------------------
INICIO=$(grep -m1 -o 'start: [0-9.]*' "$TRABALHO/gravador.log" | cut -d' ' -f2)
segundos() { awk -v a="$1" -v b="$INICIO" 'BEGIN { printf "%.2f", a - b }'; }
filtros=""
for i in "${!MOMENTOS[@]}"; do
    [[ -s $TRABALHO/legenda-$i.txt ]] || continue
    de=$(segundos "${MOMENTOS[$i]}")
    ate=$(segundos "${MOMENTOS[$((i + 1))]}")
    filtros+="drawtext=fontfile=$FONTE:textfile=$TRABALHO/legenda-$i.txt:fontsize=30"
    filtros+=":fontcolor=white:box=1:boxcolor=black@0.7:boxborderw=14"
    filtros+=":x=(w-text_w)/2:y=h-text_h-36:enable='between(t,$de,$ate)',"
done
mkdir -p "$(dirname "$SAIDA")"
ffmpeg -loglevel error -y -i "$TRABALHO/bruto.mkv" -vf "${filtros}scale=1024:-2" -an \
    -c:v libvpx-vp9 -b:v 0 -crf 44 -deadline good -cpu-used 4 -row-mt 1 "$SAIDA"
echo "$SAIDA: $(du -h "$SAIDA" | cut -f1)"
