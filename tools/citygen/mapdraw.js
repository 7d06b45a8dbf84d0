// The map picture: the lower 48 states from the Census Bureau's outlines (us-atlas), projected with the
// same transform as the cities, filled and outlined at 4× and averaged down, written as a 24-bit BMP.
'use strict';

const fs = require('fs');
const topojson = require('topojson-client');
const usAtlas = require('us-atlas/states-10m.json');

const NOT_LOWER_48 = new Set(['02', '15', '60', '66', '69', '72', '78']);
const SUPERSAMPLE = 4;

// Colours, as [r, g, b]: a muted mid-tone land on which white, black, red and green markers with
// black outlines all stand out, darker borders and a muted blue sea.
const WATER = [96, 128, 158];
const WATER_DEEP = [84, 114, 146];
const COAST = [58, 70, 82];
const BORDER = [124, 108, 80];
const LAND_TINTS = [[190, 176, 138], [181, 170, 130], [196, 182, 146], [186, 172, 128]];

function lower48States() {
  const fc = topojson.feature(usAtlas, usAtlas.objects.states);
  return fc.features
    .filter((f) => !NOT_LOWER_48.has(f.id))
    .map((f) => ({
      fips: f.id,
      name: f.properties.name,
      polygons: f.geometry.type === 'Polygon' ? [f.geometry.coordinates] : f.geometry.coordinates,
    }));
}

function nationRings() {
  const nation = topojson.feature(usAtlas, usAtlas.objects.nation);
  const geoms = nation.features ? nation.features.map((f) => f.geometry) : [nation.geometry];
  return geoms.flatMap((g) => (g.type === 'Polygon' ? g.coordinates : g.coordinates.flat()));
}

// Long straight edges in longitude and latitude (the 49th parallel) curve on a conic map: add points
// every quarter degree before projecting.
function densify(ring, stepDeg = 0.25) {
  const out = [];
  for (let i = 0; i < ring.length - 1; i++) {
    const [a, b] = [ring[i], ring[i + 1]];
    const n = Math.max(1, Math.ceil(Math.max(Math.abs(b[0] - a[0]), Math.abs(b[1] - a[1])) / stepDeg));
    for (let k = 0; k < n; k++) out.push([a[0] + ((b[0] - a[0]) * k) / n, a[1] + ((b[1] - a[1]) * k) / n]);
  }
  out.push(ring[ring.length - 1]);
  return out;
}

function projectStates(states, toPixel) {
  return states.map((s) => ({
    ...s,
    rings: s.polygons.flat().map((ring) => densify(ring).map(toPixel)),
  }));
}

function bounds(projected) {
  let minX = Infinity, minY = Infinity, maxX = -Infinity, maxY = -Infinity;
  for (const s of projected) {
    for (const ring of s.rings) {
      for (const [x, y] of ring) {
        minX = Math.min(minX, x); maxX = Math.max(maxX, x);
        minY = Math.min(minY, y); maxY = Math.max(maxY, y);
      }
    }
  }
  return { minX, minY, maxX, maxY };
}

// State index + 1 for every sample point (0 = water), with `ss` samples a pixel each way. Sample
// (a, b) lies at map point ((a + 0.5) / ss − 0.5, (b + 0.5) / ss − 0.5), so with ss = 1 the samples
// are the pixel centres, where the game puts a city's marker.
function rasterize(projected, width, height, ss) {
  const w = width * ss, h = height * ss;
  const ids = new Uint8Array(w * h);
  projected.forEach((s, index) => {
    const edges = [];
    for (const ring of s.rings) {
      for (let i = 0; i < ring.length - 1; i++) edges.push([ring[i], ring[i + 1]]);
    }
    for (let b = 0; b < h; b++) {
      const y = (b + 0.5) / ss - 0.5;
      const xs = [];
      for (const [[x1, y1], [x2, y2]] of edges) {
        if ((y1 <= y && y2 > y) || (y2 <= y && y1 > y)) xs.push(x1 + ((y - y1) / (y2 - y1)) * (x2 - x1));
      }
      xs.sort((p, q) => p - q);
      for (let k = 0; k + 1 < xs.length; k += 2) {
        const a0 = Math.max(0, Math.ceil((xs[k] + 0.5) * ss - 0.5));
        const a1 = Math.min(w - 1, Math.floor((xs[k + 1] + 0.5) * ss - 0.5));
        for (let a = a0; a <= a1; a++) ids[b * w + a] = index + 1;
      }
    }
  });
  return { ids, w, h, ss };
}

// Neighbouring states get different tints of the same muted land colour.
function tintStates(raster, count) {
  const { ids, w, h } = raster;
  const adjacent = Array.from({ length: count + 1 }, () => new Set());
  for (let b = 0; b < h; b++) {
    for (let a = 0; a < w; a++) {
      const id = ids[b * w + a];
      if (!id) continue;
      for (const [da, db] of [[1, 0], [0, 1], [2, 0], [0, 2]]) {
        if (a + da >= w || b + db >= h) continue;
        const other = ids[(b + db) * w + a + da];
        if (other && other !== id) { adjacent[id].add(other); adjacent[other].add(id); }
      }
    }
  }
  const tint = new Array(count + 1).fill(-1);
  for (let id = 1; id <= count; id++) {
    const used = new Set([...adjacent[id]].map((o) => tint[o]));
    tint[id] = [0, 1, 2, 3].find((t) => !used.has(t)) ?? 0;
  }
  return tint;
}

// Colours the supersampled raster and averages it down to width × height. Returns RGB rows, top first.
function renderMap(projected, width, height) {
  const ss = SUPERSAMPLE;
  const raster = rasterize(projected, width, height, ss);
  const { ids, w, h } = raster;
  const tint = tintStates(raster, projected.length);
  const at = (a, b) => (a < 0 || b < 0 || a >= w || b >= h ? 0 : ids[b * w + a]);
  const BORDER_R = 2;  // subsamples: state borders about a pixel wide
  const COAST_R = 2;
  const SHELF_R = 10;  // a lighter band of shallow sea along the coast
  const sub = new Float64Array(w * h * 3);
  for (let b = 0; b < h; b++) {
    for (let a = 0; a < w; a++) {
      const id = ids[b * w + a];
      let colour;
      if (id) {
        // State borders run on the land; the shore line is drawn on the water's side, so that thin
        // land (the San Francisco peninsula, Cape Cod) keeps the colour of land.
        let border = false;
        for (let db = -BORDER_R; db <= BORDER_R && !border; db++) {
          for (let da = -BORDER_R; da <= BORDER_R; da++) {
            const o = at(a + da, b + db);
            if (da * da + db * db <= BORDER_R * BORDER_R && o && o !== id) { border = true; break; }
          }
        }
        colour = border ? BORDER : LAND_TINTS[tint[id]];
      } else {
        let coast = false, shelf = false;
        for (let db = -SHELF_R; db <= SHELF_R && !coast; db++) {
          for (let da = -SHELF_R; da <= SHELF_R; da++) {
            const d2 = da * da + db * db;
            if (d2 > SHELF_R * SHELF_R || !at(a + da, b + db)) continue;
            shelf = true;
            if (d2 <= COAST_R * COAST_R) { coast = true; break; }
          }
        }
        colour = coast ? COAST : shelf ? WATER : WATER_DEEP;
      }
      const k = (b * w + a) * 3;
      sub[k] = colour[0]; sub[k + 1] = colour[1]; sub[k + 2] = colour[2];
    }
  }
  const rgb = new Uint8Array(width * height * 3);
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      for (let c = 0; c < 3; c++) {
        let sum = 0;
        for (let b = 0; b < ss; b++) for (let a = 0; a < ss; a++) sum += sub[((y * ss + b) * w + x * ss + a) * 3 + c];
        rgb[(y * width + x) * 3 + c] = Math.round(sum / (ss * ss));
      }
    }
  }
  return rgb;
}

// A 24-bit uncompressed Windows bitmap: rows bottom-up, BGR, each row padded to 4 bytes.
function encodeBmp(width, height, rgb) {
  const rowBytes = Math.ceil((width * 3) / 4) * 4;
  const dataSize = rowBytes * height;
  const buf = Buffer.alloc(54 + dataSize);
  buf.write('BM', 0, 'ascii');
  buf.writeUInt32LE(54 + dataSize, 2);
  buf.writeUInt32LE(54, 10);
  buf.writeUInt32LE(40, 14);
  buf.writeInt32LE(width, 18);
  buf.writeInt32LE(height, 22);
  buf.writeUInt16LE(1, 26);
  buf.writeUInt16LE(24, 28);
  buf.writeUInt32LE(0, 30);
  buf.writeUInt32LE(dataSize, 34);
  buf.writeInt32LE(3780, 38); // 96 dots per inch
  buf.writeInt32LE(3780, 42);
  for (let y = 0; y < height; y++) {
    const row = 54 + (height - 1 - y) * rowBytes;
    for (let x = 0; x < width; x++) {
      const k = (y * width + x) * 3;
      buf[row + x * 3] = rgb[k + 2];
      buf[row + x * 3 + 1] = rgb[k + 1];
      buf[row + x * 3 + 2] = rgb[k];
    }
  }
  return buf;
}

function writeBmp(path, width, height, rgb) {
  fs.writeFileSync(path, encodeBmp(width, height, rgb));
}

// Draws a marker as the game's map does (a dot or, for a capital, a square, with a black outline),
// bigger than the game's so that a check picture can be read.
function drawMarker(rgb, width, height, x, y, fill, square, radius = 2.5) {
  for (let dy = -4; dy <= 4; dy++) {
    for (let dx = -4; dx <= 4; dx++) {
      const px = x + dx, py = y + dy;
      if (px < 0 || py < 0 || px >= width || py >= height) continue;
      const d = square ? Math.max(Math.abs(dx), Math.abs(dy)) : Math.hypot(dx, dy);
      if (d > radius) continue;
      const colour = d > radius - 1 ? [0, 0, 0] : fill;
      rgb.set(colour, (py * width + px) * 3);
    }
  }
}

// A plain one-pixel line, for the links on the check picture.
function drawLine(rgb, width, height, [x0, y0], [x1, y1], colour) {
  const n = Math.max(Math.abs(x1 - x0), Math.abs(y1 - y0), 1);
  for (let k = 0; k <= n; k++) {
    const x = Math.round(x0 + ((x1 - x0) * k) / n), y = Math.round(y0 + ((y1 - y0) * k) / n);
    if (x >= 0 && y >= 0 && x < width && y < height) rgb.set(colour, (y * width + x) * 3);
  }
}

module.exports = {
  drawLine,
  lower48States, nationRings, projectStates, bounds, rasterize, renderMap, encodeBmp, writeBmp, drawMarker,
};
