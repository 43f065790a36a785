// Test-only oracle: reads jobs as JSON lines on stdin ({"file": "x.pgm", "format": "QRCode",
// "pure": false}), decodes each binary PGM with zxing-wasm and prints one JSON line per job.
import { readFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { createInterface } from "node:readline";
import { prepareZXingModule, readBarcodes } from "zxing-wasm/reader";

const here = dirname(fileURLToPath(import.meta.url));
const wasm = readFileSync(join(here, "node_modules/zxing-wasm/dist/reader/zxing_reader.wasm"));
await prepareZXingModule({ overrides: { wasmBinary: wasm.buffer.slice(wasm.byteOffset, wasm.byteOffset + wasm.byteLength) }, fireImmediately: true });

function readPgm(path) {
  const buf = readFileSync(path);
  let pos = 0;
  const token = () => {
    while (/\s/.test(String.fromCharCode(buf[pos]))) pos++;
    let s = "";
    while (!/\s/.test(String.fromCharCode(buf[pos]))) s += String.fromCharCode(buf[pos++]);
    return s;
  };
  if (token() !== "P5") throw new Error("not a P5 PGM");
  const width = +token(), height = +token();
  token();
  pos++;
  const rgba = new Uint8ClampedArray(width * height * 4);
  for (let i = 0; i < width * height; i++) {
    const v = buf[pos + i];
    rgba[4 * i] = rgba[4 * i + 1] = rgba[4 * i + 2] = v;
    rgba[4 * i + 3] = 255;
  }
  return { data: rgba, width, height, colorSpace: "srgb" };
}

const rl = createInterface({ input: process.stdin });
for await (const line of rl) {
  if (!line.trim()) continue;
  const job = JSON.parse(line);
  try {
    const results = await readBarcodes(readPgm(job.file), {
      formats: job.format ? [job.format] : [],
      tryHarder: true,
      isPure: !!job.pure,
      maxNumberOfSymbols: 1,
      characterSet: "ISO8859_1",
    });
    const r = results.find((x) => x.isValid);
    if (!r) {
      console.log(JSON.stringify({ ok: false, error: results[0]?.error ?? "not found" }));
      continue;
    }
    console.log(JSON.stringify({
      ok: true,
      bytes: Buffer.from(r.bytes).toString("hex"),
      format: r.format,
      symbologyIdentifier: r.symbologyIdentifier,
      ecLevel: r.ecLevel ?? r.eccLevel,
      readerInit: r.readerInit,
      sequenceIndex: r.sequenceIndex,
      sequenceSize: r.sequenceSize,
      sequenceId: r.sequenceId,
      version: r.version,
      text: r.text,
    }));
  } catch (e) {
    console.log(JSON.stringify({ ok: false, error: String(e) }));
  }
}
