#!/usr/bin/env bash
# The trial balance over generated books, next to ledger and hledger on the same books.
#   bench/run-trial-balance.sh              100k and 1M lines
#   bench/run-trial-balance.sh 100k 1m 5m   any sizes (5M takes long: generation and hledger)
# Installs ledger, hledger and hyperfine with apt when missing: they are the benchmark's
# alone, never part of the project's set-up. Books are kept in VALDORIA_BENCH_CACHE (default
# build-bench/bench-books): SQLite files, journals and a durable PostgreSQL cluster, so reruns
# skip generation. VALDORIA_BENCH_PG names another server instead of that cluster;
# VALDORIA_BENCH_NO_PG=1 runs SQLite only. Ledger and hledger read the whole journal (both
# companies), so they are set against the consolidated trial balance. Above 1M lines only
# ledger is timed (hledger needs minutes and gigabytes there); VALDORIA_BENCH_HLEDGER_BIG=1
# times it too.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build="${VALDORIA_BENCH_BUILD:-$root/build-bench}"
cache="${VALDORIA_BENCH_CACHE:-$build/bench-books}"
mkdir -p "$cache"
cache="$(cd "$cache" && pwd)"
export VALDORIA_BENCH_CACHE="$cache"

sizes=()
for arg in "${@:-100k 1m}"; do
    for s in $arg; do
        case "$s" in
        *k | *K) sizes+=("$((${s%[kK]} * 1000))") ;;
        *m | *M) sizes+=("$((${s%[mM]} * 1000000))") ;;
        *) sizes+=("$s") ;;
        esac
    done
done
export VALDORIA_BENCH_SIZES="$(IFS=,; echo "${sizes[*]}")"

missing=()
for tool in ledger hledger hyperfine python3; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Instalando ${missing[*]} (solo para esta medición)" >&2
    apt-get install -y "${missing[@]}" >/dev/null 2>&1 ||
        { apt-get update >/dev/null && apt-get install -y "${missing[@]}" >/dev/null; }
fi

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALDORIA_BUILD_BENCH=ON \
        -DVALDORIA_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target trial_balance_bench >/dev/null
bench="$build/bench/trial_balance_bench"

started_pg=""
if [ -z "${VALDORIA_BENCH_PG:-}" ] && [ "${VALDORIA_BENCH_NO_PG:-0}" != 1 ] &&
    [ -x /usr/lib/postgresql/15/bin/initdb ]; then
    export VALDORIA_BENCH_PG="$(VALDORIA_PG_DURABLE=1 scripts/pg-start.sh "$cache/pg")"
    started_pg="$cache/pg"
fi
stop_pg() {
    [ -n "$started_pg" ] || return 0
    # Stopped, not removed: the books stay for the next run.
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- /usr/lib/postgresql/15/bin/pg_ctl -D "$started_pg/data" -m fast \
            -w stop >/dev/null
    else
        /usr/lib/postgresql/15/bin/pg_ctl -D "$started_pg/data" -m fast -w stop >/dev/null
    fi
}
trap stop_pg EXIT

results="$cache/results"
mkdir -p "$results"
# March and December, every level (depth 5) and the first one (codes of 1 and 2 characters).
declare -A until=([3]=2025-04-01 [12]=2026-01-01)
declare -A depth=([4]=5 [1]=2)
for lines in "${sizes[@]}"; do
    journal="$cache/books-$lines.journal"
    if [ ! -s "$journal" ]; then
        echo "Escribiendo $journal" >&2
        "$bench" --journal "$lines" "$journal.tmp" && mv "$journal.tmp" "$journal"
    fi
    # One run from a million lines on: hledger alone takes minutes there.
    runs=(--warmup 1 --runs 5)
    [ "$lines" -ge 1000000 ] && runs=(--runs 1)
    tools=(ledger hledger)
    [ "$lines" -gt 1000000 ] && [ "${VALDORIA_BENCH_HLEDGER_BIG:-0}" != 1 ] && tools=(ledger)
    for month in 3 12; do
        for level in 4 1; do
            for tool in "${tools[@]}"; do
                out="$results/$tool-$lines-$month-$level.json"
                [ -s "$out" ] && continue
                echo "$tool: $lines líneas, mes $month, nivel $level" >&2
                hyperfine --style none "${runs[@]}" --export-json "$out" \
                    "$tool -f $journal balance -e ${until[$month]} --depth ${depth[$level]}" \
                    >/dev/null
            done
        done
    done
done

echo "Google benchmark: $VALDORIA_BENCH_SIZES líneas" >&2
"$bench" --benchmark_filter='TrialBalance|Generate' --benchmark_out="$results/engine.json" \
    --benchmark_out_format=json >&2

python3 - "$results" "$VALDORIA_BENCH_SIZES" <<'EOF'
import json, os, sys
results, sizes = sys.argv[1], [int(s) for s in sys.argv[2].split(",")]
engine = {}
for b in json.load(open(os.path.join(results, "engine.json")))["benchmarks"]:
    name = b["name"].replace("/real_time", "").replace("/manual_time", "")
    unit = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
    engine[name] = (b["real_time"] * unit, b["cpu_time"] * unit, b.get("gen_s_per_100k"))
def tool(name, lines, month, level):
    path = os.path.join(results, f"{name}-{lines}-{month}-{level}.json")
    if not os.path.exists(path):
        return None
    return json.load(open(path))["results"][0]["mean"] * 1000
engines = sorted({n.split("/")[1] for n in engine if n.startswith("TrialBalance/")})
print()
print("Trial balance, ms (wall / CPU); ledger and hledger on the whole journal, ratio = tool / engine consolidated wall")
print(f"{'lines':>9} {'engine':9} {'month':>5} {'level':>5} {'company':>15} {'consolidated':>15} "
      f"{'ledger':>9} {'hledger':>9} {'ledger x':>9} {'hledger x':>9}")
for lines in sizes:
    for e in engines:
        for month in (3, 12):
            for level in (4, 1):
                key = f"TrialBalance/{e}/lines:{lines}/month:{month}/level:{level}"
                one, cons = engine.get(key), engine.get(key + "/consolidated")
                if not one:
                    continue
                lg, hl = tool("ledger", lines, month, level), tool("hledger", lines, month, level)
                fmt = lambda t: f"{t[0]:.1f}/{t[1]:.1f}" if t else "-"
                ratio = lambda t: f"{t / cons[0]:.0f}" if t and cons else "-"
                print(f"{lines:>9} {e:9} {month:>5} {level:>5} {fmt(one):>15} {fmt(cons):>15} "
                      f"{lg or 0:>9.0f} {hl or 0:>9.0f} {ratio(lg):>9} {ratio(hl):>9}")
for e in engines:
    gen = engine.get(f"Generate100k/{e}/iterations:1")
    cached = [engine[k][2] for k in engine if k.startswith(f"TrialBalance/{e}/") and engine[k][2]]
    print(f"generation on {e}: 100k lines in {gen[0] / 1000:.1f} s" if gen else "",
          f"(kept books: {min(cached):.1f}-{max(cached):.1f} s per 100k)" if cached else "")
EOF
