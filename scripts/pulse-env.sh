# shellcheck shell=bash
# Sourced by the sound tests: a private PulseAudio server whose only output is
# a null sink, so whatever a program plays can be recorded from the sink's
# monitor. It never touches the user's own sound server: its socket, state,
# cookie and configuration all live in one temporary folder.
#
#   pulse_env_start            start it; exports PULSE_SERVER and PULSE_COOKIE
#                              (clients started afterwards play into the sink)
#   pulse_env_record_start F   record the sink into F (raw s16le, mono, 22050 Hz)
#                              and return once sound data is flowing
#   pulse_env_record_stop      let 0.8 s more in, then end the recording
#   pulse_env_stop             stop the recorder and the server, remove the folder
#
# The sink runs at the format of the recordings the program plays (16-bit mono
# 22050 Hz), so nothing is resampled between the program and the recording.
# It never rewinds: a null sink renders ahead of time and hands that to its
# monitor at once, so a rewind (done when a new stream starts) would replace
# sound the recording has already received, garbling it.

PULSE_ENV_SINK=voicecalc_sink
PULSE_ENV_RATE=22050

pulse_env_start() {
  PULSE_ENV_DIR=$(mktemp -d /tmp/voicecalc-pulse.XXXXXX)
  mkdir -p "$PULSE_ENV_DIR/home" "$PULSE_ENV_DIR/runtime" "$PULSE_ENV_DIR/state" "$PULSE_ENV_DIR/config"
  chmod 700 "$PULSE_ENV_DIR/runtime"
  local socket="$PULSE_ENV_DIR/runtime/native"
  # No D-Bus (the address leads nowhere, so none is launched), no real-time
  # scheduling, no shared memory (plain copies over the socket are enough for
  # a few seconds of speech, and spare the server's memfd complaints).
  env HOME="$PULSE_ENV_DIR/home" XDG_RUNTIME_DIR="$PULSE_ENV_DIR/runtime" \
    PULSE_RUNTIME_PATH="$PULSE_ENV_DIR/runtime" PULSE_STATE_PATH="$PULSE_ENV_DIR/state" \
    XDG_CONFIG_HOME="$PULSE_ENV_DIR/config" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$PULSE_ENV_DIR/no-bus" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$PULSE_ENV_DIR/no-bus" \
    pulseaudio --system=false -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --realtime=no --high-priority=no --disable-shm=yes --enable-memfd=no \
    --log-target=stderr --log-level=error \
    -L "module-null-sink sink_name=$PULSE_ENV_SINK rate=$PULSE_ENV_RATE channels=1 format=s16le norewinds=1" \
    -L "module-native-protocol-unix socket=$socket auth-anonymous=1" \
    >"$PULSE_ENV_DIR/server.log" 2>&1 &
  PULSE_ENV_PID=$!
  export PULSE_SERVER="unix:$socket"
  export PULSE_COOKIE="$PULSE_ENV_DIR/cookie"
  local _
  for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then return 0; fi
    kill -0 "$PULSE_ENV_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "pulse-env: the sound server did not start:" >&2
  cat "$PULSE_ENV_DIR/server.log" >&2
  return 1
}

# Bytes the recorder has written so far.
pulse_env_recorded() { stat -c %s "$PULSE_ENV_RECORDING" 2>/dev/null || echo 0; }

# Waits until the recording has grown by $1 bytes, at most $2 seconds.
pulse_env_record_wait() {
  local target=$(($(pulse_env_recorded) + $1)) _
  for _ in $(seq $(($2 * 20))); do
    [ "$(pulse_env_recorded)" -ge "$target" ] && return 0
    sleep 0.05
  done
  return 1
}

pulse_env_record_start() {
  PULSE_ENV_RECORDING=$1
  : >"$PULSE_ENV_RECORDING"
  # A low latency keeps the idle sink producing silence steadily, so the
  # recording runs in step with the clock.
  parec -d "$PULSE_ENV_SINK.monitor" --rate="$PULSE_ENV_RATE" --channels=1 --format=s16le \
    --latency-msec=20 --raw >"$PULSE_ENV_RECORDING" 2>"$PULSE_ENV_DIR/parec.log" &
  PULSE_ENV_RECORDER=$!
  # The sink may take a moment to switch to the recorder's latency: wait
  # until a quarter second of silence has come through.
  if ! pulse_env_record_wait $((PULSE_ENV_RATE / 2)) 15; then
    echo "pulse-env: the recording does not run" >&2
    return 1
  fi
}

pulse_env_record_stop() {
  [ -n "${PULSE_ENV_RECORDER:-}" ] || return 0
  pulse_env_record_wait $((PULSE_ENV_RATE * 2 * 8 / 10)) 15 || true
  kill -INT "$PULSE_ENV_RECORDER" 2>/dev/null || true
  wait "$PULSE_ENV_RECORDER" 2>/dev/null || true
  PULSE_ENV_RECORDER=
}

pulse_env_stop() {
  pulse_env_record_stop
  if [ -n "${PULSE_ENV_PID:-}" ]; then
    kill "$PULSE_ENV_PID" 2>/dev/null || true
    wait "$PULSE_ENV_PID" 2>/dev/null || true
    PULSE_ENV_PID=
  fi
  if [ -n "${PULSE_ENV_DIR:-}" ]; then rm -rf "$PULSE_ENV_DIR"; PULSE_ENV_DIR=; fi
  unset PULSE_SERVER PULSE_COOKIE
}
