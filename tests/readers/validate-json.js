// Validates a JSON file against a JSON Schema (draft 2020-12) with Ajv, in
// strict mode; prints the errors and exits with status 1 when it does not
// hold.
//
//   node validate-json.js SCHEMA FILE
"use strict";

const fs = require("fs");
const Ajv2020 = require("ajv/dist/2020");

const [schemaFile, file] = process.argv.slice(2);
try {
  const schema = JSON.parse(fs.readFileSync(schemaFile, "utf8"));
  const ajv = new Ajv2020({ strict: true, allErrors: true });
  const validate = ajv.compile(schema);
  const data = JSON.parse(fs.readFileSync(file, "utf8"));
  if (!validate(data)) {
    for (const e of validate.errors) process.stderr.write(`${e.instancePath || "/"}: ${e.message}\n`);
    process.exit(1);
  }
  process.stdout.write("valid\n");
} catch (e) {
  process.stderr.write(`validator: ${e.message}\n`);
  process.exit(1);
}
