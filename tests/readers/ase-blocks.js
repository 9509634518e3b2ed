// A strict walk through an Adobe Swatch Exchange file by the lengths its
// blocks give, written from the format's published description (no reader
// of this project's): the header "ASEF", version 1.0 and the number of
// blocks; then each block's type (0x0001 colour, 0xC001 group start,
// 0xC002 group end, big-endian 16 bits) and the length of what follows (32
// bits). A colour holds a name (its length in UTF-16 units with the
// terminating zero, the units, the zero), the model ("CMYK", "RGB ", "LAB ",
// "Gray"), that many single-precision floats, and the type (0 global, 1
// spot, 2 normal); a group start holds a name; a group end nothing. Throws
// at the first thing that does not fit.
"use strict";

const MODELS = { CMYK: 4, "RGB ": 3, "LAB ": 3, Gray: 1 };
const TYPES = ["global", "spot", "normal"];

function blocks(bytes) {
  const fail = (at, why) => {
    throw new Error(`at byte ${at}: ${why}`);
  };
  if (bytes.length < 12 || bytes.toString("latin1", 0, 4) !== "ASEF") fail(0, "no ASEF header");
  const version = `${bytes.readUInt16BE(4)}.${bytes.readUInt16BE(6)}`;
  if (version !== "1.0") fail(4, `version ${version}`);
  const count = bytes.readUInt32BE(8);
  const out = [];
  let at = 12;
  let depth = 0;
  for (let i = 0; i < count; ++i) {
    if (at + 6 > bytes.length) fail(at, `block ${i + 1} of ${count} is missing`);
    const type = bytes.readUInt16BE(at);
    const length = bytes.readUInt32BE(at + 2);
    const start = at + 6;
    const end = start + length;
    if (end > bytes.length) fail(at, `block ${i + 1} runs past the end of the file`);
    let p = start;
    const name = () => {
      const units = bytes.readUInt16BE(p);
      if (units < 1) fail(p, "a name without its terminating zero");
      let text = "";
      for (let u = 0; u < units - 1; ++u) text += String.fromCharCode(bytes.readUInt16BE(p + 2 + 2 * u));
      if (bytes.readUInt16BE(p + 2 * units) !== 0) fail(p, "a name not ended by a zero");
      p += 2 + 2 * units;
      return text;
    };
    if (type === 0x0001) {
      const block = { block: "color", name: name() };
      block.model = bytes.toString("latin1", p, p + 4);
      if (!(block.model in MODELS)) fail(p, `unknown model "${block.model}"`);
      p += 4;
      block.values = [];
      for (let v = 0; v < MODELS[block.model]; ++v, p += 4) block.values.push(bytes.readFloatBE(p));
      const colorType = bytes.readUInt16BE(p);
      if (!(colorType in TYPES)) fail(p, `unknown colour type ${colorType}`);
      block.type = TYPES[colorType];
      p += 2;
      out.push(block);
    } else if (type === 0xc001) {
      out.push({ block: "group", name: name() });
      ++depth;
    } else if (type === 0xc002) {
      if (depth === 0) fail(at, "a group's end without its start");
      --depth;
      out.push({ block: "end" });
    } else {
      fail(at, `unknown block type 0x${type.toString(16)}`);
    }
    if (p !== end) fail(start, `the block says ${length} bytes, its contents take ${p - start}`);
    at = end;
  }
  if (at !== bytes.length) fail(at, "bytes after the last block");
  if (depth !== 0) fail(at, "a group not ended");
  return out;
}

module.exports = { blocks };
