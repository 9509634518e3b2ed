// Reads a palette the command wrote with readers other people wrote, and
// prints what they read as one JSON object on standard output, for
// tests/app/PalettesTest.cpp to compare. A reader that refuses the file
// makes this exit with status 1, its reason on standard error.
//
//   node read-palette.js gpl|ase|css|csv FILE
"use strict";

const fs = require("fs");
const path = require("path");

const [kind, file] = process.argv.slice(2);
const bytes = fs.readFileSync(file);

// AnyPalette.js, which reads GIMP palettes among many formats.
function anyPalette(format) {
  const AnyPalette = require("anypalette");
  let result;
  // The callback is called before loadPalette returns when given the data.
  AnyPalette.loadPalette(
    { data: bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length), fileName: path.basename(file) },
    (error, palette, formatUsed) => {
      if (error) throw error;
      result = { format: formatUsed.name, palette };
    }
  );
  if (!result) throw new Error("AnyPalette did not call back");
  if (result.format !== format) throw new Error(`AnyPalette read the file as ${result.format}, not ${format}`);
  return result.palette;
}

function readGpl() {
  const palette = anyPalette("GIMP palette");
  return {
    name: palette.name,
    colors: palette.map((c) => ({
      name: c.name,
      rgb: [c.red, c.green, c.blue].map((v) => Math.round(v * 255)),
    })),
  };
}

// Swatch exchange files: ase-utils (from the npm registry) reads the names,
// models, values and types, going through each block as its contents say;
// it does not look at the lengths the blocks give. ase-blocks.js, written
// from the format's published description, walks the file by those
// lengths and checks that each block's contents fill it exactly.
function readAse() {
  const decoded = require("ase-utils").decode(bytes);
  return {
    version: decoded.version,
    groups: decoded.groups.map((g) => ({ name: g.name, colors: g.colors.length })),
    colors: decoded.colors.map((c) => ({ name: c.name, model: c.model, values: c.color, type: c.type })),
    blocks: require("./ase-blocks").blocks(bytes),
  };
}

function readCss() {
  const csstree = require("css-tree");
  const errors = [];
  const ast = csstree.parse(bytes.toString("utf8"), {
    positions: true,
    onParseError: (e) => errors.push(`${e.line}:${e.column}: ${e.message}`),
  });
  const rules = [];
  csstree.walk(ast, {
    visit: "Rule",
    enter(rule) {
      const declarations = [];
      rule.block.children.forEach((d) => {
        if (d.type !== "Declaration") {
          errors.push(`not a declaration: ${d.type}`);
          return;
        }
        // A custom property's value is kept raw: parse it as what it holds,
        // a colour or an image, and ask the lexer whether it is one.
        const raw = csstree.generate(d.value).trim();
        const value = csstree.parse(raw, { context: "value" });
        const asColor = csstree.lexer.matchProperty("color", value);
        const asImage = csstree.lexer.matchProperty("background-image", value);
        declarations.push({
          property: d.property,
          value: raw,
          is: asColor.matched ? "color" : asImage.matched ? "image" : "neither",
        });
      });
      rules.push({ selector: csstree.generate(rule.prelude), declarations });
    },
  });
  const atRules = [];
  csstree.walk(ast, { visit: "Atrule", enter: (a) => atRules.push(a.name) });
  return { errors, atRules, rules };
}

function readCsv() {
  const { parse } = require("csv-parse/sync");
  // Strict: every line as many fields as the header, quotes as RFC 4180 has them.
  const records = parse(bytes, { columns: true, relax_quotes: false, relax_column_count: false, bom: false });
  return { records };
}

const readers = { gpl: readGpl, ase: readAse, css: readCss, csv: readCsv };
try {
  if (!readers[kind]) throw new Error(`no reader for "${kind}"`);
  process.stdout.write(JSON.stringify(readers[kind]()) + "\n");
} catch (e) {
  process.stderr.write(`${kind} reader: ${e.message}\n`);
  process.exit(1);
}
