# Shared by the benchmark scripts that time colbalance against oiiotool:
# sourced, not run.  bench_setup goes to the repository root, makes sure
# hyperfine is there and builds colbalance and make_chart; print_ratios
# prints each timed command's median against oiiotool's from hyperfine's
# JSON export.

bench_setup() {
  cd "$(dirname "${BASH_SOURCE[0]}")/.."
  command -v hyperfine >/dev/null || { apt-get install -y hyperfine >/dev/null; }
  cmake --preset release >/dev/null
  cmake --build --preset release --target colbalance make_chart >/dev/null
}

# print_ratios TIMES.json
print_ratios() {
  python3 - "$1" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
o = r["oiiotool"]
for name in ("colbalance", "before"):
    if name in r:
        c = r[name]
        print(f"{name} / oiiotool = {c['median'] / o['median']:.3f} (medians"
              f" {c['median']:.3f} s / {o['median']:.3f} s; means {c['mean'] / o['mean']:.3f})")
PY
}
