# Paperlet-pictures as every start after the first meets it: before the
# measured run, a copy of the program shows the same notes once, which keeps
# the pictures as shown in the cache folder; everything else that run left in
# the scratch home is removed again, so the measured run is still a first
# start in every other way.
. "$BENCH_DIR/adapters/paperlet-pictures.sh"
eval "pictures_$(declare -f adapter_prepare)"

adapter_prepare() {
    pictures_adapter_prepare || return 1
    local warm="$SCRATCH/warm" cache="$XDG_CACHE_HOME/Paperlet/pictures" want=$((N / 10))
    cp -r "$SCRATCH/app" "$warm"
    (cd "$warm" && exec "./$(basename "$PAPERLET_BIN")") &
    local pid=$! waited=0
    until [ "$(find "$cache" -name '*.png' 2>/dev/null | wc -l)" -ge "$want" ]; do
        kill -0 "$pid" 2>/dev/null || { echo "warm-up run ended early" >&2; return 1; }
        [ "$waited" -ge 1200 ] && { kill "$pid"; echo "warm-up run kept no pictures" >&2; return 1; }
        sleep 0.1; waited=$((waited + 1))
    done
    kill -TERM "$pid"; wait "$pid"
    rm -rf "$warm"
    find "$HOME" -mindepth 1 -maxdepth 1 ! -name .cache -exec rm -rf {} +
    find "$XDG_RUNTIME_DIR" -mindepth 1 -maxdepth 1 -exec rm -rf {} +
}
