// The table's picture: each frame the module presents, put into the canvas as
// it is, pixel for pixel.

let context = null;

export function putFrame(rgba, width, height) {
  context.putImageData(new ImageData(rgba, width, height), 0, 0);
  if (performance.getEntriesByName('zot-first-frame').length === 0) performance.mark('zot-first-frame');
}

export function init(canvas) {
  context = canvas.getContext('2d');
}
