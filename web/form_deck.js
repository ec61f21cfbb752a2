// The deck a template form stands for, shared by the page's form and the Node.js tests: each record's
// line with every field's text in its columns (numbers to the right, text to the left), lines the
// run passes over as they were.
'use strict';

// What a field's input starts with: its text without the blanks that only place it.
function initialValue(field) {
  return field.numeric ? field.text.trim() : field.text.trimEnd();
}

// `lines`: the template deck's lines; `records`: the module's records(deck) of it; `value(record,
// field)`: the text a field now holds (no longer than its columns).
function formDeckText(lines, records, value) {
  const out = lines.slice();
  for (const rec of records) {
    const chars = [...out[rec.line - 1].padEnd(Math.max(...rec.fields.map((f) => f.last)))];
    for (const f of rec.fields) {
      const width = f.last - f.first + 1;
      const v = value(rec, f);
      const text = f.numeric ? v.trim().padStart(width) : v.padEnd(width);
      chars.splice(f.first - 1, width, ...text.slice(0, width));
    }
    out[rec.line - 1] = chars.join('').trimEnd();
  }
  return out.join('\n') + '\n';
}

if (typeof module !== 'undefined') module.exports = { initialValue, formDeckText };
