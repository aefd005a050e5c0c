// Sound cues through Web Audio: the WAVE files decoded by the browser itself, a
// new cue stopping the one still playing.

let audio = null, playing = null, latest = null;
const files = new Map(), buffers = new Map();

// Browsers start sound only after a gesture: the first press or key is one.
function unlock() {
  if (audio === null) audio = new AudioContext();
  else if (audio.state === 'suspended') audio.resume();
}

// The cues' files, [path, bytes] as the assets unpack them: "/sounds/IDW_ZOT.wav"
// is the cue IDW_ZOT.
export function keep(sounds) {
  for (const [path, bytes] of sounds) files.set(path.slice(path.lastIndexOf('/') + 1, -'.wav'.length), bytes);
}

// Each file is decoded once, at its first cue; a cue whose file the browser
// cannot decode stays silent.
function decoded(name) {
  if (!buffers.has(name)) {
    const bytes = files.get(name);
    buffers.set(name, bytes === undefined ? Promise.resolve(null)
      : audio.decodeAudioData(bytes.slice().buffer).catch(() => null));
  }
  return buffers.get(name);
}

export function play(name) {
  if (audio === null) return;
  latest = name;
  decoded(name).then((buffer) => {
    // A cue that came after this one while it decoded is the one heard.
    if (buffer === null || latest !== name) return;
    if (playing !== null) playing.stop();
    playing = audio.createBufferSource();
    playing.buffer = buffer;
    playing.connect(audio.destination);
    playing.start();
  });
}

export function init() {
  document.addEventListener('pointerdown', unlock, true);
  document.addEventListener('keydown', unlock, true);
}
