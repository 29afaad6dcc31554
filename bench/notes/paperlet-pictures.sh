# Paperlet with a picture in every tenth note: the paperlet adapter, then
# add_pictures.py (copied beside gen_pnf.py by bench/notes/run.sh) puts a
# stored screenshot into N/10 of the notes.
. "$BENCH_DIR/adapters/paperlet.sh"
eval "paperlet_$(declare -f adapter_prepare)"

adapter_prepare() {
    paperlet_adapter_prepare || return 1
    python3 "$BENCH_DIR/gen/add_pictures.py" "$SCRATCH/app/Notes" $((N / 10))
}
