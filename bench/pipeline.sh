#!/usr/bin/env bash
# Measures, in one run, on three VCD sources of the given length made here with ffmpeg:
#  (a) the program against the same tool commands back to back in a script: a
#      full run (demultiplex .. ISO image) through the headless driver; the
#      program upmixes the audio tracks side by side, the script one by one;
#  (b) the program against re-encoding: ffmpeg -target pal-dvd + dvdauthor.
# Prints the times and their ratios.
# Usage: bench/pipeline.sh [build folder] [minutes, default 2] [rounds of (a), default 1]
set -euo pipefail
build=$(realpath "${1:-build}")
minutes=${2:-2}
rounds=${3:-1}
work=$(mktemp -d /tmp/tavbench-XXXXXX)
trap 'rm -rf "$work"' EXIT
media="$build/bench-media"
mkdir -p "$media"

sources=()
for n in 1 2 3; do
  src="$media/vcd-${minutes}min-$n.mpg"
  if [[ ! -f "$src" ]]; then
    ffmpeg -nostdin -y -loglevel error \
        -f lavfi -i "testsrc=size=352x288:rate=25" -f lavfi -i "sine=frequency=$((300 * n)):sample_rate=44100" \
        -t $((minutes * 60)) -target pal-vcd "$src.part.mpg"
    mv "$src.part.mpg" "$src"
  fi
  sources+=("$src")
done

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc; }

# (a) the program
run_program() {
  local prog="$work/program"
  rm -rf "$prog"
  "$build/bin/tavrolin-driver" --program-dir "$prog" \
      --answer "$(IFS='|'; echo "${sources[*]}")" --click BuAdd \
      --set ChImage=1 --set CoTempo=2 --start >/dev/null 2>&1 || { echo "the program's run failed" >&2; exit 1; }
  [[ -f "$prog/Meine_DVD.iso" ]] || { echo "the program made no image" >&2; exit 1; }
}

# (a) the same tool commands in a script, one after another
run_script() {
  local plain="$work/plain" bin="$build/bin" xml i=0
  rm -rf "$plain"
  mkdir -p "$plain/Dvd"
  {
    xml="$plain/tavrolin.xml"
    printf '<dvdauthor dest ="%s/Dvd">\n<vmgm><menus lang="de"><pgc entry="title"><pre>jump title 1;</pre></pgc></menus></vmgm>\n<titleset><titles><video format="pal" aspect="4:3" resolution="352x288" /><audio format="mp2" lang="DE" /><pgc>\n' "$plain" > "$xml"
    for src in "${sources[@]}"; do
      i=$((i + 1))
      mpgtx -version </dev/null
      mpgtx -d "$src" -b "$plain/svcd-$i" </dev/null
      "$bin/BeSweet" "-core( -input \"$plain/svcd-$i-0.mp2\" -output \"$plain/svcd-$i-0-48.mp2\" -logfile \"$plain/besweet-$i-0.log\" ) -shibatch( --rate 48000 ) -2lame( -m s -b 256 -e )"
      mplex -v 1 -f 8 -o "$plain/dvd-$i.mpg" "$plain/svcd-$i-0.m1v" "$plain/svcd-$i-0-48.mp2"
      printf '<vob file="%s/dvd-%d.mpg" />\n' "$plain" "$i" >> "$xml"
    done
    printf '<post>call vmgm menu;</post></pgc></titles></titleset></dvdauthor>\n' >> "$xml"
    VIDEO_FORMAT=PAL dvdauthor -x "$xml"
    mkisofs -version
    mkisofs -dvd-video -V Meine_DVD -o "$plain/Meine_DVD.iso" "$plain/Dvd"
  } >/dev/null 2>&1
  [[ -f "$plain/Meine_DVD.iso" ]] || { echo "the script made no image" >&2; exit 1; }
}

# Rounds of the program and the script right after it; the round with the median
# ratio counts (on a shared machine the load changes from minute to minute).
results=()
for ((round = 0; round < rounds; round++)); do
  t0=$(now); run_program; t1=$(now); p=$(elapsed "$t0" "$t1")
  t0=$(now); run_script; t1=$(now); s=$(elapsed "$t0" "$t1")
  results+=("$(echo "$p / $s" | bc -l) $p $s")
done
read -r _ program script <<<"$(printf '%s\n' "${results[@]}" | sort -g | sed -n "$(((rounds + 1) / 2))p")"

# How much the machine gains right now from two upmixes at once (shared machines vary).
cores="$work/cores"
mkdir -p "$cores"
mpgtx -d "${sources[0]}" -b "$cores/a" </dev/null >/dev/null 2>&1
cp "$cores/a-0.mp2" "$cores/b-0.mp2"
upmix() {
  "$build/bin/BeSweet" "-core( -input \"$cores/$1-0.mp2\" -output \"$cores/$1-48.mp2\" -logfile \"$cores/$1.log\" ) -shibatch( --rate 48000 ) -2lame( -m s -b 256 -e )" >/dev/null 2>&1
}
t0=$(now); upmix a; upmix b; t1=$(now); apart=$(elapsed "$t0" "$t1")
t0=$(now); upmix a & upmix b & wait; t1=$(now); together=$(elapsed "$t0" "$t1")

# (b) re-encoding the picture
encode="$work/encode"
mkdir -p "$encode"
t0=$(now)
{
  xml="$encode/dvd.xml"
  printf '<dvdauthor dest="%s/Dvd"><vmgm/><titleset><titles><pgc>\n' "$encode" > "$xml"
  i=0
  for src in "${sources[@]}"; do
    i=$((i + 1))
    ffmpeg -nostdin -y -i "$src" -target pal-dvd "$encode/dvd-$i.mpg"
    printf '<vob file="%s/dvd-%d.mpg" />\n' "$encode" "$i" >> "$xml"
  done
  printf '</pgc></titles></titleset></dvdauthor>\n' >> "$xml"
  VIDEO_FORMAT=PAL dvdauthor -x "$xml"
} >/dev/null 2>&1
t1=$(now)
reencode=$(elapsed "$t0" "$t1")

printf 'three %s-minute VCD sources to a DVD folder and ISO image, %s cores, median of %s round(s)\n' \
    "$minutes" "$(nproc)" "$rounds"
printf '  program (headless driver):        %6.1f s\n' "$program"
printf '  same tool commands in a script:   %6.1f s   program / script: ratio %.2f\n' "$script" "$(echo "$program / $script" | bc -l)"
printf '  two upmixes at once / one after the other: ratio %.2f (0.50 with two free cores)\n' \
    "$(echo "$together / $apart" | bc -l)"
printf '  re-encoding (ffmpeg pal-dvd):     %6.1f s   re-encoding takes %.1f times as long\n' \
    "$reencode" "$(echo "$reencode / $program" | bc -l)"
