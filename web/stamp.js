// The run date and time printed in every title block ("07-DEC-26", "13:05:09"), as the command line
// prints them: from a fixed count of seconds since 1970 in UTC (like SOURCE_DATE_EPOCH), or from
// the local clock when none is given. Used by the page's worker and by the Node.js tests.
'use strict';

const MONTHS = ['JAN', 'FEB', 'MAR', 'APR', 'MAY', 'JUN', 'JUL', 'AUG', 'SEP', 'OCT', 'NOV', 'DEC'];

function two(n) {
  return String(n % 100).padStart(2, '0');
}

// `epoch`: a number of seconds, or null for the local clock.
function runStamp(epoch, now = new Date()) {
  const utc = epoch !== null && epoch !== undefined;
  const d = utc ? new Date(epoch * 1000) : now;
  const get = (name) => (utc ? d['getUTC' + name]() : d['get' + name]());
  return {
    date: `${two(get('Date'))}-${MONTHS[get('Month')]}-${two(get('FullYear'))}`,
    time: `${two(get('Hours'))}:${two(get('Minutes'))}:${two(get('Seconds'))}`,
  };
}

// The epoch of a "?epoch=N" address: a plain non-negative count of seconds the clock can hold,
// or null (the page then uses its own clock).
function parseEpoch(text) {
  if (typeof text !== 'string' || !/^[0-9]{1,12}$/.test(text)) return null;
  const n = Number(text);
  return n <= 8.64e12 ? n : null;
}

if (typeof module !== 'undefined') module.exports = { runStamp, parseEpoch };
