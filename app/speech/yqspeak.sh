#!/bin/sh
# yqspeak.sh QUEUE ESPEAK [WAVDIR]
# Speaks the utterances queued in the folder QUEUE with espeak-ng, one after
# another, in the order of their file names.  The Windows program writes one
# NNN.utt file per utterance (speed, amplitude and voice on the first three
# lines, then the text) and starts this script each time; it cannot wait for
# us, so the lock keeps two scripts from speaking at once and whoever holds
# it speaks everything queued so far.  With WAVDIR, each utterance goes to
# the next numbered WAV file there (000001.wav, ...) and its text to
# WAVDIR/speech.log instead of the sound card.
set -u
queue=$1
espeak=$2
wavdir=${3:-}

exec 9>>"$queue/lock" || exit 1
flock 9 || exit 1
# Utterances left behind by a session that ended abnormally are stale.
find "$queue" -maxdepth 1 -name '*.utt' -mmin +10 -exec rm -f {} + 2>/dev/null

while :; do
  next=$(cd "$queue" && ls | grep -E '^[0-9]+\.utt$' | sort | head -n 1)
  [ -n "$next" ] || break
  file=$queue/$next
  { read -r speed; read -r amplitude; read -r voice; } <"$file"
  case "$speed$amplitude" in *[!0-9]*|'') rm -f "$file"; continue ;; esac
  case "$voice" in *[!a-z-]*|'') rm -f "$file"; continue ;; esac
  if [ -n "$wavdir" ]; then
    count=$(ls "$wavdir" | grep -cE '^[0-9]+\.wav$')
    wav=$(printf '%s/%06d.wav' "$wavdir" $((count + 1)))
    tail -n +4 "$file" | "$espeak" -v "$voice" -s "$speed" -a "$amplitude" -w "$wav" --stdin
    tail -n +4 "$file" >>"$wavdir/speech.log"
  else
    tail -n +4 "$file" | "$espeak" -v "$voice" -s "$speed" -a "$amplitude" --stdin
  fi
  rm -f "$file"
done
