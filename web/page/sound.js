// Sound cues through Web Audio: a new cue stops the one still playing.

let audio = null, playing = null;
const buffers = new Map();

// Browsers start sound only after a gesture: the first press or key is one.
function unlock() {
  if (audio === null) audio = new AudioContext();
  else if (audio.state === 'suspended') audio.resume();
}

// 8-bit unsigned samples as the WAVE files hold them.
export function play(name, samples, rate) {
  if (audio === null) return;
  let buffer = buffers.get(name);
  if (buffer === undefined) {
    buffer = audio.createBuffer(1, samples.length, rate);
    const channel = buffer.getChannelData(0);
    for (let i = 0; i < samples.length; ++i) channel[i] = (samples[i] - 128) / 128;
    buffers.set(name, buffer);
  }
  if (playing !== null) playing.stop();
  playing = audio.createBufferSource();
  playing.buffer = buffer;
  playing.connect(audio.destination);
  playing.start();
}

export function init() {
  document.addEventListener('pointerdown', unlock, true);
  document.addEventListener('keydown', unlock, true);
}

