#!/usr/bin/env bash
# Start-up cost of Swatchly under a virtual X server, beside a minimal Qt 6 window as the floor:
# the time from starting the program until its window is mapped (and the CPU time its threads
# used until then, which a busy machine does not inflate), and its resident memory one second
# after that. The programs run in turn in the same session, RUNS times each after one
# warm-up run, and the medians and their ratios are printed. A window that shows one line of
# text is measured too, for reference: it shows how much of the difference is merely drawing
# text (fonts, shaping), which the blank floor never does. Swatchly runs twice in each round: in
# English, its source language, and in German, with its own and Qt's translations loaded.
#
#   bench/startup.sh [BUILD_DIR [BASELINE_BUILD_DIR]]   (default: build; RUNS=10 by default)
#
# A generic form with as many plain Qt widgets of the same kinds as the main window (no logic,
# built like the floor) is measured as well, and Swatchly's figures are given as ratios to it:
# the part of the start-up that is Swatchly's own. With a second build folder, that build's
# program is measured in the same rounds, so two revisions are compared on the same load.
#
# The floor is built with the same compiler, build type and flags as BUILD_DIR.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
baseline=
[ -n "${2:-}" ] && baseline=$(cd "$2" && pwd)
runs=${RUNS:-10}
jobs=${JOBS:-2}

"$root/scripts/install-deps" --bench
cmake --build "$build" --target swatchly -j"$jobs" >/dev/null
[ -z "$baseline" ] || cmake --build "$baseline" --target swatchly -j"$jobs" >/dev/null

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

cache_value() {
    sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"
}

# The floor: a titled QWidget and nothing else; and the reference: a titled label.
mkdir -p "$work/floor"
cat >"$work/floor/main.cpp" <<'CPP'
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt window"));
    window.resize(472, 520);
    window.show();
    return QApplication::exec();
}
CPP
cat >"$work/floor/label.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Pick from the Color Chart"));
    window.setWindowTitle(QStringLiteral("Qt window with a label"));
    window.resize(472, 520);
    window.show();
    return QApplication::exec();
}
CPP
cat >"$work/floor/form.cpp" <<'CPP'
// A generic form with as many plain Qt widgets of the same kinds as Swatchly's main window, laid
// out by hand and with no logic: what the window's controls cost before anything of Swatchly's.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Generic Qt form"));
    auto *outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *menuBar = new QMenuBar(&window);
    outer->setMenuBar(menuBar);
    QMenu *file = menuBar->addMenu(QStringLiteral("&File"));
    auto *client = new QWidget(&window);
    outer->addWidget(client);
    auto *toolBar = new QToolBar(client);
    toolBar->setGeometry(0, 0, 472, 42);
    const QStyle::StandardPixmap pictures[] = {QStyle::SP_DialogOpenButton,
        QStyle::SP_DialogSaveButton, QStyle::SP_MessageBoxInformation,
        QStyle::SP_FileDialogContentsView, QStyle::SP_DialogHelpButton,
        QStyle::SP_DialogCloseButton};
    for (QStyle::StandardPixmap picture : pictures) {
        const QIcon icon = window.style()->standardIcon(picture);
        file->addAction(icon, QStringLiteral("Item"));
        toolBar->addAction(icon, QStringLiteral("Item"));
    }
    for (int i = 0; i < 7; ++i) // the frames
        (new QGroupBox(QStringLiteral("Frame"), client))->setGeometry(8 + 60 * i, 48, 56, 40);
    for (int i = 0; i < 36; ++i) { // the chart's boxes and the current colour
        auto *box = new QFrame(client);
        box->setFrameShape(QFrame::Panel);
        box->setAutoFillBackground(true);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, QColor::fromHsv(i * 10, 200, 220));
        box->setPalette(palette);
        box->setGeometry(8 + 30 * (i % 12), 96 + 30 * (i / 12), 25, 25);
    }
    for (int i = 0; i < 11; ++i) // the lines
        (new QWidget(client))->setGeometry(8, 190 + 2 * i, 200, 1);
    for (int i = 0; i < 20; ++i) // the labels
        (new QLabel(QStringLiteral("Label"), client))->setGeometry(8 + 40 * (i % 10), 220 + 20 * (i / 10), 38, 16);
    (new QCheckBox(QStringLiteral("Tool Tips"), client))->setGeometry(8, 262, 90, 20);
    for (int i = 0; i < 2; ++i) // the hex and decimal displays
        (new QPlainTextEdit(client))->setGeometry(100 + 110 * i, 262, 100, 24);
    for (int i = 0; i < 3; ++i)
        (new QScrollBar(Qt::Horizontal, client))->setGeometry(8, 292 + 20 * i, 250, 16);
    for (int i = 0; i < 6; ++i) // the typed channels
        (new QLineEdit(client))->setGeometry(8 + 40 * i, 356, 36, 20);
    auto *names = new QComboBox(client);
    names->setEditable(true);
    for (int i = 0; i < 148; ++i)
        names->addItem(QStringLiteral("name %1").arg(i));
    names->setGeometry(8, 384, 200, 22);
    for (int i = 0; i < 5; ++i)
        (new QPushButton(QStringLiteral("Button"), client))->setGeometry(8 + 80 * i, 412, 76, 25);
    for (int i = 0; i < 2; ++i) // the picture boxes
        (new QFrame(client))->setGeometry(260 + 60 * i, 292, 50, 50);
    window.resize(472, 520);
    window.show();
    return QApplication::exec();
}
CPP
cat >"$work/floor/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(floor LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_compile_options(-Wall -Wextra -Wpedantic)
add_executable(floor main.cpp)
target_link_libraries(floor PRIVATE Qt6::Widgets)
add_executable(label label.cpp)
target_link_libraries(label PRIVATE Qt6::Widgets)
add_executable(form form.cpp)
target_link_libraries(form PRIVATE Qt6::Widgets)
CMAKE
cmake -S "$work/floor" -B "$work/floor/build" \
    -DCMAKE_BUILD_TYPE="$(cache_value CMAKE_BUILD_TYPE)" \
    -DCMAKE_CXX_COMPILER="$(cache_value CMAKE_CXX_COMPILER)" \
    -DCMAKE_CXX_FLAGS="$(cache_value CMAKE_CXX_FLAGS)" >/dev/null
cmake --build "$work/floor/build" >/dev/null
cc -O2 -Wall -Wextra -o "$work/mapwatch" "$root/bench/mapwatch.c" -lX11

# A virtual X server on a free display, which it names itself.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb

measure() { # title program -> "ms kB cpu-ms"
    "$work/mapwatch" "$1" 1000 "$2" 2>>"$work/programs.log"
}

# One run of each first, so that neither is measured reading its libraries from disk.
LANGUAGE=en measure Swatchly "$build/swatchly" >/dev/null
LANGUAGE=de measure Swatchly "$build/swatchly" >/dev/null
measure "Minimal Qt window" "$work/floor/build/floor" >/dev/null
measure "Qt window with a label" "$work/floor/build/label" >/dev/null
measure "Generic Qt form" "$work/floor/build/form" >/dev/null
[ -z "$baseline" ] || measure Swatchly "$baseline/swatchly" >/dev/null
for _ in $(seq "$runs"); do
    LANGUAGE=en measure Swatchly "$build/swatchly" >>"$work/swatchly.txt"
    LANGUAGE=de measure Swatchly "$build/swatchly" >>"$work/german.txt"
    measure "Minimal Qt window" "$work/floor/build/floor" >>"$work/floor.txt"
    measure "Qt window with a label" "$work/floor/build/label" >>"$work/label.txt"
    measure "Generic Qt form" "$work/floor/build/form" >>"$work/form.txt"
    [ -z "$baseline" ] || measure Swatchly "$baseline/swatchly" >>"$work/baseline.txt"
done

median() { # column file decimals
    cut -d' ' -f"$1" "$2" | sort -g | awk -v d="$3" '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.*f\n", d, m }'
}

s_ms=$(median 1 "$work/swatchly.txt" 1)
s_kb=$(median 2 "$work/swatchly.txt" 0)
f_ms=$(median 1 "$work/floor.txt" 1)
f_kb=$(median 2 "$work/floor.txt" 0)
l_ms=$(median 1 "$work/label.txt" 1)
l_kb=$(median 2 "$work/label.txt" 0)
s_cpu=$(median 3 "$work/swatchly.txt" 1)
f_cpu=$(median 3 "$work/floor.txt" 1)
l_cpu=$(median 3 "$work/label.txt" 1)
g_ms=$(median 1 "$work/form.txt" 1)
g_kb=$(median 2 "$work/form.txt" 0)
g_cpu=$(median 3 "$work/form.txt" 1)
d_ms=$(median 1 "$work/german.txt" 1)
d_kb=$(median 2 "$work/german.txt" 0)
d_cpu=$(median 3 "$work/german.txt" 1)

echo "Start-up under Xvfb, median of $runs runs each (load: $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-20s %12s %16s %14s\n' "" "to mapped" "CPU to mapped" "RSS after 1 s"
printf '%-20s %9s ms %13s ms %11s kB\n' "Swatchly" "$s_ms" "$s_cpu" "$s_kb"
printf '%-20s %9s ms %13s ms %11s kB\n' "Swatchly in German" "$d_ms" "$d_cpu" "$d_kb"
printf '%-20s %9s ms %13s ms %11s kB\n' "minimal Qt window" "$f_ms" "$f_cpu" "$f_kb"
printf '%-20s %9s ms %13s ms %11s kB\n' "window with a label" "$l_ms" "$l_cpu" "$l_kb"
printf '%-20s %9s ms %13s ms %11s kB\n' "generic form" "$g_ms" "$g_cpu" "$g_kb"
awk -v sm="$s_ms" -v fm="$f_ms" -v lm="$l_ms" -v sk="$s_kb" -v fk="$f_kb" -v lk="$l_kb" \
    -v sc="$s_cpu" -v fc="$f_cpu" -v lc="$l_cpu" -v gm="$g_ms" -v gk="$g_kb" -v gc="$g_cpu" \
    -v dm="$d_ms" -v dk="$d_kb" -v dc="$d_cpu" 'BEGIN {
    tr = sm / fm; rr = sk / fk
    printf "ratio start %.2f (target <= 1.50: %s); CPU to mapped %.2f\n", tr,
        tr <= 1.5 ? "met" : "missed", sc / fc
    printf "ratio RSS   %.2f (target <= 1.30: %s)\n", rr, rr <= 1.3 ? "met" : "missed"
    printf "against the window with a label: start %.2f, CPU %.2f, RSS %.2f\n", sm / lm, sc / lc,
        sk / lk
    printf "against the generic form: start %.2f, CPU %.2f, RSS %.2f\n", sm / gm, sc / gc, sk / gk
    printf "German against English: start %.2f, CPU %.2f, RSS %.2f\n", dm / sm, dc / sc, dk / sk
}'
if [ -n "$baseline" ]; then
    b_ms=$(median 1 "$work/baseline.txt" 1)
    b_kb=$(median 2 "$work/baseline.txt" 0)
    b_cpu=$(median 3 "$work/baseline.txt" 1)
    printf '%-20s %9s ms %13s ms %11s kB\n' "baseline Swatchly" "$b_ms" "$b_cpu" "$b_kb"
    awk -v bm="$b_ms" -v bk="$b_kb" -v bc="$b_cpu" -v gm="$g_ms" -v gk="$g_kb" -v gc="$g_cpu" \
        'BEGIN { printf "baseline against the generic form: start %.2f, CPU %.2f, RSS %.2f\n",
            bm / gm, bc / gc, bk / gk }'
fi
if [ -n "${VERBOSE:-}" ]; then
    echo "Swatchly runs (ms kB cpu-ms):"; cat "$work/swatchly.txt"
    echo "Swatchly in German runs (ms kB cpu-ms):"; cat "$work/german.txt"
    echo "floor runs (ms kB cpu-ms):"; cat "$work/floor.txt"
    echo "label window runs (ms kB cpu-ms):"; cat "$work/label.txt"
    echo "generic form runs (ms kB cpu-ms):"; cat "$work/form.txt"
fi
